// The data folder may hold anything: only regular files are opened, nothing
// blocks, and the icon is a PNG of icon size or nothing.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "display/data_file.h"
#include "display_fixture.h"

namespace {

// A valid 2 × 2 RGB PNG.
const std::vector<uint8_t> kTinyPng = {
    0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00,
    0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0xfd, 0xd4, 0x9a, 0x73, 0x00, 0x00, 0x00, 0x11, 0x49,
    0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0x00, 0x44, 0x0c, 0x60, 0xf2, 0x3f, 0x00, 0x1b, 0xf2, 0x03,
    0xfd, 0xf3, 0xe7, 0x4b, 0xb1, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};

// The same PNG with its IHDR claiming another size (bytes 16..23).
std::vector<uint8_t> pngClaiming(uint32_t width, uint32_t height)
{
    std::vector<uint8_t> bytes = kTinyPng;
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<size_t>(16 + i)] = static_cast<uint8_t>(width >> (24 - 8 * i));
        bytes[static_cast<size_t>(20 + i)] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    return bytes;
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
        std::system(("rm -rf '" + dir_ + "'").c_str());
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
    SDL_Surface* icon = loadIcon(write("good.png", kTinyPng).c_str());
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->w, 2);
    EXPECT_EQ(icon->h, 2);
    SDL_FreeSurface(icon);

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
    EXPECT_EQ(loadIcon(write("wide.png", pngClaiming(257, 2)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("huge.png", pngClaiming(65535, 65535)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(write("empty.png", pngClaiming(0, 2)).c_str()), nullptr);
    EXPECT_EQ(loadIcon(dir_.c_str()), nullptr);
}

}  // namespace
