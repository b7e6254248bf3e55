// The data folder may hold anything: only regular files are opened, nothing
// blocks, the icon is a PNG of icon size or nothing, and a bitmap is one the
// window can hold or nothing.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "display/data_file.h"
#include "display_fixture.h"

namespace {

// `size` bytes of `value`: big-endian in PNG, little-endian in BMP.
void put(std::vector<uint8_t>* bytes, uint32_t value, int size, bool bigEndian = false)
{
    for (int i = 0; i < size; ++i) {
        bytes->push_back(static_cast<uint8_t>(value >> (8 * (bigEndian ? size - 1 - i : i))));
    }
}

void putBig32(std::vector<uint8_t>* bytes, uint32_t value) { put(bytes, value, 4, true); }

uint32_t crc32(const uint8_t* bytes, size_t size)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void putChunk(std::vector<uint8_t>* png, const char* type, const std::vector<uint8_t>& data)
{
    putBig32(png, static_cast<uint32_t>(data.size()));
    const size_t start = png->size();
    png->insert(png->end(), type, type + 4);
    png->insert(png->end(), data.begin(), data.end());
    putBig32(png, crc32(png->data() + start, png->size() - start));
}

// A valid grey PNG of width × height (under 64 kB of pixels), its pixels
// stored uncompressed.
std::vector<uint8_t> greyPng(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> rows;  // each row: filter 0, then its pixels
    for (uint32_t y = 0; y < height; ++y) {
        rows.push_back(0);
        rows.insert(rows.end(), width, 0x80);
    }
    const auto size = static_cast<uint32_t>(rows.size());
    std::vector<uint8_t> zlib = {0x78, 0x01, 0x01};  // one final stored block
    put(&zlib, size, 2);
    put(&zlib, ~size, 2);
    zlib.insert(zlib.end(), rows.begin(), rows.end());
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : rows) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(&zlib, (b << 16) | a);

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBig32(&header, width);
    putBig32(&header, height);
    header.insert(header.end(), {8, 0, 0, 0, 0});  // 8-bit grey, no interlace
    putChunk(&png, "IHDR", header);
    putChunk(&png, "IDAT", zlib);
    putChunk(&png, "IEND", {});
    return png;
}

// A 2 × 2 PNG whose IHDR claims another size (no pixels to match it).
std::vector<uint8_t> pngClaiming(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> bytes = greyPng(2, 2);
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<size_t>(16 + i)] = static_cast<uint8_t>(width >> (24 - 8 * i));
        bytes[static_cast<size_t>(20 + i)] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    return bytes;
}

// A bitmap claiming width × height at `depth` bits in a `headerSize`-byte
// picture header, with the pixels that claim needs (one row for a height
// beyond any bound).
std::vector<uint8_t> bmp(int32_t width, int32_t height, uint32_t depth = 24, uint32_t compression = 0,
                         uint32_t headerSize = 40)
{
    std::vector<uint8_t> bytes = {'B', 'M'};
    const int64_t rowBytes = (std::max<int64_t>(width, 1) * depth + 31) / 32 * 4;
    const int64_t rows = std::min<int64_t>(std::abs(int64_t{height}), 489);
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * std::max<int64_t>(rows, 1));
    put(&bytes, 14 + headerSize + pixelBytes, 4);
    put(&bytes, 0, 4);
    put(&bytes, 14 + headerSize, 4);  // the pixels follow the headers
    put(&bytes, headerSize, 4);
    const int side = headerSize == 12 ? 2 : 4;  // the old OS/2 header has 16-bit sides
    put(&bytes, static_cast<uint32_t>(width), side);
    put(&bytes, static_cast<uint32_t>(height), side);
    put(&bytes, 1, 2);
    put(&bytes, depth, 2);
    if (headerSize != 12) {
        put(&bytes, compression, 4);
    }
    bytes.resize(14 + headerSize, 0);
    bytes.resize(bytes.size() + pixelBytes, 0x40);
    return bytes;
}

bool headerIsSane(const std::vector<uint8_t>& bytes)
{
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    const bool sane = bitmapHeaderIsSane(stream);
    // Whatever the answer, the decoder must find the file from its start.
    EXPECT_EQ(SDL_RWtell(stream), 0);
    SDL_RWclose(stream);
    return sane;
}

class DataFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vantrel-data-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        armAlarm(20);  // a blocking open would otherwise hang the suite
    }
    void TearDown() override
    {
        alarm(0);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string write(const char* name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = dir_ + "/" + name;
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        return path;
    }
    std::string dir_;
};

TEST_F(DataFileTest, OnlyRegularFilesOpenAndSpecialFilesNeverBlock)
{
    const std::string regular = write("plain", {'B', 'M'});
    const std::string fifo = dir_ + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = dir_ + "/link-to-fifo";
    ASSERT_EQ(symlink(fifo.c_str(), link.c_str()), 0);

    SDL_RWops* stream = openDataFile(regular.c_str());
    ASSERT_NE(stream, nullptr);
    char bytes[3] = {};
    EXPECT_EQ(SDL_RWread(stream, bytes, 1, 3), 2);
    EXPECT_STREQ(bytes, "BM");
    SDL_RWclose(stream);

    for (const std::string& path : {fifo, link, dir_, std::string("/dev/zero"), dir_ + "/missing"}) {
        EXPECT_EQ(openDataFile(path.c_str()), nullptr) << path;
    }
    EXPECT_EQ(openDataFile(nullptr), nullptr);
}

TEST_F(DataFileTest, IconIsAPngOfIconSizeOrNothing)
{
    // 256 pixels is the largest side, on either side; 257 is too many on either.
    for (const auto& [width, height] : std::array<std::pair<int, int>, 3>{{{2, 2}, {256, 2}, {2, 256}}}) {
        SDL_Surface* icon = loadIcon(write("good.png", greyPng(width, height)).c_str());
        ASSERT_NE(icon, nullptr) << width << " x " << height;
        EXPECT_EQ(icon->w, width);
        EXPECT_EQ(icon->h, height);
        SDL_FreeSurface(icon);
    }
    EXPECT_EQ(loadIcon(write("wide.png", greyPng(257, 2)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("tall.png", greyPng(2, 257)).c_str()), nullptr);

    // Other decoders are never reached, whatever the content claims.
    const std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xff, 0xff, 0xff, 0xff, 0xf7, 0, 0};
    std::vector<uint8_t> pcx(128, 0);
    pcx[0] = 0x0a, pcx[1] = 5, pcx[2] = 1, pcx[3] = 8, pcx[8] = 0xfe, pcx[9] = 0xff, pcx[10] = 0xfe, pcx[11] = 0xff;
    std::vector<uint8_t> bmp = {'B', 'M'};
    bmp.resize(70, 0);
    EXPECT_EQ(loadIcon(write("gif.png", gif).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("pcx.png", pcx).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("bmp.png", bmp).c_str()), nullptr);
    // A PNG claiming a size no icon needs is turned away before decoding.
    EXPECT_EQ(loadIcon(write("huge.png", pngClaiming(65535, 65535)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("empty.png", pngClaiming(0, 2)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(dir_.c_str()), nullptr);
}

TEST(BitmapHeader, SidesWithinTheWindowDepthsSdlDecodesAndEveryRowInTheFile)
{
    EXPECT_TRUE(headerIsSane(bmp(872, 1)));
    EXPECT_TRUE(headerIsSane(bmp(1, 488)));
    EXPECT_TRUE(headerIsSane(bmp(3, -488)));  // stored top down
    EXPECT_TRUE(headerIsSane(bmp(2, 2, 32, 3, 124)));
    EXPECT_TRUE(headerIsSane(bmp(2, 2, 32, 3, 108)));
    EXPECT_TRUE(headerIsSane(bmp(2, 2, 8, 0, 12)));
    EXPECT_FALSE(headerIsSane(bmp(2, 2, 2, 0, 12)));  // the OS/2 depth, not its planes (1)
    std::vector<uint8_t> palette = bmp(2, 2, 8);
    palette[47] = 1;  // 256 colours: a full palette
    EXPECT_TRUE(headerIsSane(palette));
    EXPECT_FALSE(headerIsSane(bmp(873, 1)));
    EXPECT_FALSE(headerIsSane(bmp(1, 489)));
    EXPECT_FALSE(headerIsSane(bmp(1, -489)));
    EXPECT_FALSE(headerIsSane(bmp(0, 1)));
    EXPECT_FALSE(headerIsSane(bmp(1, 0)));
    EXPECT_FALSE(headerIsSane(bmp(-1, 1)));
    EXPECT_FALSE(headerIsSane(bmp(1, INT_MIN)));
    EXPECT_FALSE(headerIsSane(bmp(2, 2, 24, 1)));      // run-length coded
    EXPECT_FALSE(headerIsSane(bmp(2, 2, 2)));          // no such depth
    EXPECT_FALSE(headerIsSane(bmp(2, 2, 24, 0, 64)));  // a header SDL 1.2 misreads
    std::vector<uint8_t> truncated = bmp(2, 2);
    truncated.pop_back();
    EXPECT_FALSE(headerIsSane(truncated));
    EXPECT_FALSE(headerIsSane({'B', 'M', 0, 0}));
}

TEST_F(DataFileTest, BitmapsLoadOnlyWithASaneHeader)
{
    SDL_Surface* image = loadBitmap(write("good.bmp", bmp(3, -2)).c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 3);
    EXPECT_EQ(image->h, 2);
    SDL_FreeSurface(image);
    // SDL 1.2 would decode this one into a surface of height INT_MIN.
    EXPECT_EQ(loadBitmap(write("int-min.bmp", bmp(3, INT_MIN)).c_str()), nullptr);
    EXPECT_EQ(loadBitmap(write("wide.bmp", bmp(873, 1)).c_str()), nullptr);
    EXPECT_EQ(loadBitmap(dir_.c_str()), nullptr);
}

}  // namespace
