// The art the build writes: every file the game can ask for exists and loads
// with the game's loaders, the pictures fit their places and click
// rectangles, the chips are keyed cleanly, and two runs write the same bytes.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "art/art_layout.h"
#include "cards/card_list.h"
#include "cards/evaluate.h"
#include "display/layout.h"
#include "state/display_state.h"

namespace fs = std::filesystem;

namespace {

// The files of a table element, in value order, without the values that
// have none.
std::vector<std::string> pathsOf(const ImageElement& element)
{
    std::vector<std::string> paths;
    for (size_t value = 0; value < element.imageCount; ++value) {
        if (element.images[value] != nullptr) {
            paths.push_back(element.images[value]);
        }
    }
    return paths;
}

// A bitmap as plain 0x00RRGGBB pixels; empty when it does not load.
struct Picture {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y * w + x)]; }
};

int red(uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
int green(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
int blue(uint32_t p) { return static_cast<int>(p & 0xFF); }
int luma(uint32_t p) { return (299 * red(p) + 587 * green(p) + 114 * blue(p)) / 1000; }
int chroma(uint32_t p) { return std::max({red(p), green(p), blue(p)}) - std::min({red(p), green(p), blue(p)}); }
// How much greener than its other two channels a pixel is.
int greenness(uint32_t p) { return green(p) - std::max(red(p), blue(p)); }

constexpr uint32_t kKey =
    (static_cast<uint32_t>(kChipColorKey.r) << 16) | (static_cast<uint32_t>(kChipColorKey.g) << 8) | kChipColorKey.b;

Picture loadPicture(const std::string& path)
{
    Picture picture;
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (raw == nullptr) {
        return picture;
    }
    SDL_Surface* flat = SDL_CreateRGBSurface(SDL_SWSURFACE, raw->w, raw->h, 32, 0xFF0000u, 0xFF00u, 0xFFu, 0);
    SDL_BlitSurface(raw, nullptr, flat, nullptr);
    picture.w = flat->w;
    picture.h = flat->h;
    const auto* pixels = static_cast<const uint32_t*>(flat->pixels);  // 32-bit rows have no padding
    picture.pixels.assign(pixels, pixels + flat->w * flat->h);
    SDL_FreeSurface(flat);
    SDL_FreeSurface(raw);
    return picture;
}

// Mean brightness and colourfulness of what a player sees (a chip's key is
// see-through).
std::pair<double, double> toneOf(const Picture& picture)
{
    double luminance = 0, colour = 0, count = 0;
    for (uint32_t p : picture.pixels) {
        luminance += p == kKey ? 0 : luma(p);
        colour += p == kKey ? 0 : chroma(p);
        count += p == kKey ? 0 : 1;
    }
    return {luminance / std::max(count, 1.0), colour / std::max(count, 1.0)};
}

std::vector<char> readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file below `dir`, relative to it, sorted.
std::vector<std::string> filesUnder(const std::string& dir)
{
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file()) {
            files.push_back(fs::relative(entry.path(), dir).string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

int runTool(const std::string& outDir)
{
    std::string command = "'";  // appended, not summed: g++ 12 warns falsely on the sum in C++20
    command.append(VANTREL_ART_TOOL).append("' '").append(outDir).append("'");
    return std::system(command.c_str());
}

// Runs the tool into a fresh temporary folder; empty when it failed.
std::string generate()
{
    std::string dir = (fs::temp_directory_path() / "vantrel-art-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) {
        return "";
    }
    if (runTool(dir) != 0) {
        fs::remove_all(dir);
        return "";
    }
    return dir;
}

using Box = ArtBox;

Box cornerAt(ScreenPos pos) { return {pos.x, pos.y, 0, 0}; }

bool overlap(const Box& a, const Box& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Pixels of `box` whose brightness strays more than `tolerance` from `ground`.
int marksIn(const Picture& picture, const Box& box, int ground, int tolerance)
{
    int marks = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) {
            marks += std::abs(luma(picture.at(x, y)) - ground) > tolerance ? 1 : 0;
        }
    }
    return marks;
}

// Nothing drawn where a text goes, that the text could collide with.
bool isPlain(const Picture& picture, const Box& box)
{
    return marksIn(picture, box, luma(picture.at(box.x, box.y)), 10) == 0;
}

struct Element {
    std::string name;
    Box box;  // sized to its largest picture
    uint32_t screens;
    std::vector<std::string> images;  // its states; none for a text or the pay table
};

class AssetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = generate();
        TTF_Init();
    }
    static void TearDownTestSuite()
    {
        TTF_Quit();
        if (!dir_.empty()) {
            fs::remove_all(dir_);
        }
    }
    void SetUp() override { ASSERT_FALSE(dir_.empty()) << "the asset tool failed"; }

    static std::string file(const std::string& relPath) { return dir_ + "/" + relPath; }
    static Picture picture(const std::string& relPath) { return loadPicture(file(relPath)); }

    // Where a text of the game's font lands, sized for `text`.
    static Box textBox(ScreenPos pos, int pointSize, const char* text)
    {
        Box box = cornerAt(pos);
        if (TTF_Font* font = TTF_OpenFont(file(kFontFile).c_str(), pointSize)) {
            TTF_SizeText(font, text, &box.w, &box.h);
            TTF_CloseFont(font);
        }
        return box;
    }

    // Everything drawn on the screens: the layout's pictures at each of
    // their places, and the texts the game renders.
    static std::vector<Element> elements()
    {
        std::vector<Element> all = {
            {"pay table", kPayTableBox, kOnGame, {}},
            {"help address", textBox(kAideAddressPos, kAideTextPt, kWebAddress), kOnAide, {}},
            {"about address", textBox(kAproposAddressPos, kAproposTextPt, kWebAddress), kOnApropos, {}},
            {"version", textBox(kAproposVersionPos, kAproposTextPt, kVersionText), kOnApropos, {}},
        };
        for (const ImageElement& e : kImageElements) {
            for (size_t i = 0; i < e.placeCount; ++i) {
                all.push_back({e.name + std::string(" ") + std::to_string(i),
                               {e.places[i].x, e.places[i].y, e.size.w, e.size.h},
                               e.screens,
                               pathsOf(e)});
            }
        }
        return all;
    }

    // Every bitmap the game can ask for.
    static std::set<std::string> bitmaps()
    {
        std::set<std::string> all;
        for (const ImageElement& e : kImageElements) {
            const std::vector<std::string> paths = pathsOf(e);
            all.insert(paths.begin(), paths.end());
        }
        return all;
    }

    static std::string dir_;  // the folder the tool wrote, for the whole suite
};

std::string AssetTest::dir_;

TEST_F(AssetTest, EveryFileTheGameAsksForLoadsWithTheGameLoaders)
{
    std::set<std::string> expected = bitmaps();
    for (const std::string& path : expected) {
        SDL_Surface* bitmap = SDL_LoadBMP(file(path).c_str());
        ASSERT_NE(bitmap, nullptr) << path << ": " << SDL_GetError();
        EXPECT_EQ(bitmap->format->BitsPerPixel, 24) << path;
        SDL_FreeSurface(bitmap);
    }
    expected.insert({kIconFile, kFontFile});
    EXPECT_EQ(filesUnder(dir_), std::vector<std::string>(expected.begin(), expected.end()));

    const std::vector<char> iconBytes = readBytes(file(kIconFile));
    EXPECT_EQ(std::string(iconBytes.begin(), iconBytes.begin() + std::min<size_t>(8, iconBytes.size())),
              std::string("\x89PNG\r\n\x1a\n", 8));
    SDL_Surface* icon = IMG_Load(file(kIconFile).c_str());
    ASSERT_NE(icon, nullptr) << IMG_GetError();
    EXPECT_TRUE(icon->w == 32 && icon->h == 32);
    SDL_FreeSurface(icon);

    for (int points : {kAideTextPt, kScoreSmallPt, kScoreLargePt, kAproposTextPt}) {
        TTF_Font* font = TTF_OpenFont(file(kFontFile).c_str(), points);
        ASSERT_NE(font, nullptr) << points << " pt: " << TTF_GetError();
        EXPECT_STREQ(TTF_FontFaceFamilyName(font), "Liberation Sans");
        EXPECT_STREQ(TTF_FontFaceStyleName(font), "Regular");
        TTF_CloseFont(font);
    }
}

TEST_F(AssetTest, PicturesHaveTheirLayoutSizesAndDoNotOverlap)
{
    const std::vector<Element> all = elements();
    for (size_t i = 0; i < all.size(); ++i) {
        const Element& e = all[i];
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(e.box.w > 0 && e.box.x >= 0 && e.box.y >= 0 && e.box.x + e.box.w <= kScreenWidth &&
                    e.box.y + e.box.h <= kScreenHeight)
            << "leaves the window or has no size";
        // Every picture has its element's size: states replace each other in
        // place without the background being redrawn, so any difference
        // would leave a stale border (and the click rectangles are checked
        // against these sizes when the game compiles).
        for (const std::string& image : e.images) {
            const Picture p = picture(image);
            EXPECT_TRUE(p.w == e.box.w && p.h == e.box.h) << image << " is " << p.w << 'x' << p.h;
        }
        for (size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_FALSE((e.screens & all[j].screens) != 0 && overlap(e.box, all[j].box)) << "overlaps " << all[j].name;
        }
    }
}

TEST_F(AssetTest, CardsSitCentredOverTheirButtonsAndAreAllDifferent)
{
    const Picture back = picture(kCardBackImage);
    const Picture garder = picture(kGarderButtonImages[kButtonUp]);
    ASSERT_GT(back.w, 0);
    const double ratio = static_cast<double>(back.w) / back.h;
    EXPECT_TRUE(ratio > 0.66 && ratio < 0.75) << "not a playing card's proportions: " << ratio;
    EXPECT_LE(kCardPos[0].y + back.h, 321) << "cards reach the button row";
    for (size_t i = 0; i < kCardPos.size(); ++i) {
        EXPECT_LE(std::abs(2 * kCardPos[i].x + back.w - (2 * kGarderButtonPos[i].x + garder.w)), 2)
            << "card " << i << " is not centred over its button";
    }

    const std::vector<std::string> cards(kCardImages.begin(), kCardImages.end());
    std::vector<Picture> faces;
    for (int32_t id = 0; id <= kDeckSize; ++id) {
        faces.push_back(picture(cards[static_cast<size_t>(id)]));
        const int32_t rank = rankOfId(id);
        if (id == 0 || (rank > 10 && rank < kRankAce)) {
            continue;  // the back and the court figures wear every colour
        }
        const bool redSuit = suitOfId(id) == kSuitCoeur || suitOfId(id) == kSuitCarreau;
        const auto reddish = std::count_if(faces.back().pixels.begin(), faces.back().pixels.end(),
                                           [](uint32_t p) { return red(p) > 150 && green(p) < 90 && blue(p) < 90; });
        EXPECT_TRUE(redSuit ? reddish > 40 : reddish == 0) << cards[static_cast<size_t>(id)] << " has the wrong colour";
    }
    for (size_t a = 0; a < faces.size(); ++a) {
        for (size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_NE(faces[a].pixels, faces[b].pixels) << cards[a] << " looks like " << cards[b];
        }
    }

    // The twelve court cards are twelve figures, not one figure per rank in
    // other frames: the middle of any two differs over a good part of it.
    std::vector<size_t> courts;
    for (int32_t id = 1; id <= kDeckSize; ++id) {
        if (rankOfId(id) > 10 && rankOfId(id) < kRankAce) {
            courts.push_back(static_cast<size_t>(id));
        }
    }
    ASSERT_EQ(courts.size(), 12u);
    const Box middle = {20, 14, 30, 70};
    for (size_t a = 0; a < courts.size(); ++a) {
        for (size_t b = a + 1; b < courts.size(); ++b) {
            int differ = 0;
            for (int y = middle.y; y < middle.y + middle.h; ++y) {
                for (int x = middle.x; x < middle.x + middle.w; ++x) {
                    const uint32_t p = faces[courts[a]].at(x, y);
                    const uint32_t q = faces[courts[b]].at(x, y);
                    differ += std::max({std::abs(red(p) - red(q)), std::abs(green(p) - green(q)),
                                        std::abs(blue(p) - blue(q))}) > 40
                                  ? 1
                                  : 0;
                }
            }
            EXPECT_GT(differ, middle.w * middle.h / 5) << cards[courts[a]] << " and " << cards[courts[b]];
        }
    }
}

TEST_F(AssetTest, ChipsAreKeyedOutsideTheirDiscWithoutAGreenFringe)
{
    const Picture felt = picture(imageFor(kBackgroundImages, kScreenJeu));
    ASSERT_GT(felt.w, 0);
    constexpr double kCentre = kArtChipSize / 2.0;
    constexpr double kR = kArtChipRadius;
    for (size_t chip = 0; chip < kChipImages.size(); ++chip) {
        std::array<std::vector<bool>, 2> keyed;
        for (int32_t face : {kButtonUp, kButtonDown}) {
            const std::string path = imageFor(kChipImages[chip], face);
            SCOPED_TRACE(path);
            const Picture p = picture(path);
            ASSERT_TRUE(p.w == kArtChipSize && p.h == kArtChipSize);
            int misplaced = 0;
            int fringe = 0;
            for (int y = 0; y < p.h; ++y) {
                for (int x = 0; x < p.w; ++x) {
                    const double d = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
                    const uint32_t pixel = p.at(x, y);
                    const bool key = pixel == kKey;
                    keyed[static_cast<size_t>(face)].push_back(key);
                    // A pixel's centre more than ~0.7 from the circle lies
                    // wholly outside or wholly inside the disc.
                    misplaced += (d > kR + 0.75 && !key) || (d < kR - 0.75 && key) ? 1 : 0;
                    if (key || d < kR - 1.5) {
                        continue;
                    }
                    // An edge pixel: the chip blended over the felt under it
                    // is never greener than both of them.
                    const double inward = (kR - 2.5) / d;
                    const uint32_t inner = p.at(static_cast<int>(kCentre + (x + 0.5 - kCentre) * inward),
                                                static_cast<int>(kCentre + (y + 0.5 - kCentre) * inward));
                    const uint32_t under = felt.at(kChipPos[chip].x + x, kChipPos[chip].y + y);
                    fringe += greenness(pixel) > std::max(greenness(inner), greenness(under)) + 12 ? 1 : 0;
                }
            }
            EXPECT_EQ(misplaced, 0) << "key colour outside the disc only, and nowhere inside";
            EXPECT_EQ(fringe, 0) << "edge pixels blended towards the key colour";
        }
        // Up and down replace each other without the felt being redrawn: the
        // same pixels must be see-through in both.
        EXPECT_EQ(keyed[kButtonUp], keyed[kButtonDown]) << kChipImages[chip][kButtonDown];
    }
}

TEST_F(AssetTest, TextsFindRoomBesideTheirLabelsAndKeepToTheirAreas)
{
    const Picture backdrop = picture(kScoreBackdropImage);
    ASSERT_GT(backdrop.w, 0);
    EXPECT_LE(kScoreBackdropPos.y + backdrop.h, 209) << "the score panel reaches the chips";
    for (const TextSlot& slot : kScoreSlots) {
        Box box = textBox(slot.pos, slot.pointSize, "-2147483648");  // the widest ten-digit number
        box.x -= kScoreBackdropPos.x;
        box.y -= kScoreBackdropPos.y;
        SCOPED_TRACE("number at " + std::to_string(slot.pos.x) + "," + std::to_string(slot.pos.y));
        ASSERT_TRUE(box.w > 0 && box.x >= 0 && box.y >= 0 && box.x + box.w <= backdrop.w && box.y + box.h <= backdrop.h)
            << "a ten-digit number leaves the panel";
        EXPECT_TRUE(isPlain(backdrop, box)) << "something is drawn where the number goes";
        // The label ends just before its number, on the number's own line:
        // lettering in the 20 pixels left of it, none above or below the line.
        const int ground = luma(backdrop.at(box.x, box.y));
        const Box beside = {box.x - 20, box.y, 20, box.h};
        EXPECT_GE(marksIn(backdrop, beside, ground, 70), 3) << "no label just left of the number";
        EXPECT_EQ(marksIn(backdrop, {beside.x, beside.y - 3, beside.w, 3}, ground, 70) +
                      marksIn(backdrop, {beside.x, beside.y + beside.h, beside.w, 3}, ground, 70),
                  0)
            << "the label beside the number leaves its line";
    }

    // Every caption wears the same frame; the help text keeps inside it.
    const Picture help = picture(imageFor(kCombinationImages, kCombinationAide));
    const Picture plain = picture(imageFor(kCombinationImages, kHandRien));
    ASSERT_TRUE(help.w == plain.w && help.h == plain.h && help.w > 8 && help.h > 8);
    int strayed = 0;
    for (int y = 0; y < help.h; ++y) {
        for (int x = 0; x < help.w; ++x) {
            const bool border = x < 4 || y < 4 || x >= help.w - 4 || y >= help.h - 4;
            strayed += border && help.at(x, y) != plain.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(strayed, 0) << "the help caption's text reaches its frame";

    const Picture apropos = picture(imageFor(kBackgroundImages, kScreenApropos));
    const Picture aide = picture(imageFor(kBackgroundImages, kScreenAide));
    ASSERT_TRUE(apropos.w == kScreenWidth && aide.w == kScreenWidth);
    EXPECT_TRUE(isPlain(apropos, textBox(kAproposVersionPos, kAproposTextPt, kVersionText)));
    EXPECT_TRUE(isPlain(apropos, textBox(kAproposAddressPos, kAproposTextPt, kWebAddress)));
    EXPECT_TRUE(isPlain(aide, textBox(kAideAddressPos, kAideTextPt, kWebAddress)));

    // The pay table is lettered where the layout keeps the game screen free.
    EXPECT_GT(marksIn(picture(imageFor(kBackgroundImages, kScreenJeu)), kPayTableBox, 0, 170), 1500);
}

TEST_F(AssetTest, PressedStatesAreDarkerAndUnavailableOnesGrey)
{
    int pressed = 0;
    for (const std::string& down : bitmaps()) {
        const size_t at = down.find("Down");
        if (at != std::string::npos) {
            const std::string up = std::string(down).replace(at, 4, "Up");
            EXPECT_LT(toneOf(picture(down)).first + 3, toneOf(picture(up)).first) << down << " is not darker";
            ++pressed;
        }
    }
    EXPECT_EQ(pressed, 20);  // ten buttons and ten chips
    const std::pair<const char*, const char*> unavailable[] = {
        {imageFor(kCarteButtonImages, kCarteUp), imageFor(kCarteButtonImages, kCarteDisabled)},
        {imageFor(kResumeButtonImages, kButtonUp), imageFor(kResumeButtonImages, kResumeClosed)},
    };
    for (const auto& [up, off] : unavailable) {
        const double grey = toneOf(picture(off)).second;
        EXPECT_TRUE(grey < 0.5 * toneOf(picture(up)).second && grey < 25) << off << " is not greyed out";
    }
}

TEST_F(AssetTest, TwoRunsWriteTheSameBytes)
{
    const std::string again = generate();
    ASSERT_FALSE(again.empty());
    const std::vector<std::string> files = filesUnder(dir_);
    EXPECT_EQ(files, filesUnder(again));
    for (const std::string& path : files) {
        EXPECT_TRUE(readBytes(file(path)) == readBytes(fs::path(again) / path)) << path << " differs";
    }
    fs::remove_all(again);
}

TEST_F(AssetTest, ToolReportsAFolderItCannotWrite)
{
    // A regular file where the output folder should be.
    EXPECT_NE(runTool(file(kFontFile) + "/inside"), 0);
}

}  // namespace

// ---- readable words: contrast measured on the pictures themselves ----

// WCAG's relative luminance of a pixel.
double luminance(uint32_t p)
{
    const auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(red(p)) + 0.7152 * channel(green(p)) + 0.0722 * channel(blue(p));
}

double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// The contrast of the word inside `box` against what surrounds it: its ink
// is what stands out most from the box's median (at least three quarters as
// far as the farthest pixel, on the same side), its colour the ink's median,
// and its surroundings the median of the pixels 2 to 5 pixels from the ink.
double wordContrast(const Picture& picture, Box box)
{
    std::vector<double> all;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) {
            all.push_back(luminance(picture.at(x, y)));
        }
    }
    const double ground = median(all);
    double farthest = ground;
    for (double l : all) {
        farthest = contrast(l, ground) > contrast(farthest, ground) ? l : farthest;
    }
    const bool lighter = farthest > ground;
    const double enough = 1 + 0.75 * (contrast(farthest, ground) - 1);
    std::vector<bool> ink(all.size());
    std::vector<double> inks;
    for (size_t i = 0; i < all.size(); ++i) {
        ink[i] = (all[i] > ground) == lighter && contrast(all[i], ground) >= enough;
        if (ink[i]) {
            inks.push_back(all[i]);
        }
    }
    std::vector<double> ring;
    for (int y = 0; y < box.h; ++y) {
        for (int x = 0; x < box.w; ++x) {
            int nearest = 99;  // Chebyshev distance to the nearest ink, up to 5
            for (int dy = -5; dy <= 5; ++dy) {
                for (int dx = -5; dx <= 5; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < box.w && ny < box.h && ink[static_cast<size_t>(ny * box.w + nx)]) {
                        nearest = std::min(nearest, std::max(std::abs(dx), std::abs(dy)));
                    }
                }
            }
            if (nearest >= 2 && nearest <= 5) {
                ring.push_back(all[static_cast<size_t>(y * box.w + x)]);
            }
        }
    }
    return contrast(median(inks), median(ring));
}

// Every word drawn into the art, where it lies, and whether it is large
// (18.66 px bold or 24 px), which needs 3:1 instead of 4.5:1. Greyed-out
// buttons are left out: an unavailable control has no contrast to meet.
struct Word {
    const char* file;
    Box box;
    const char* what;
    bool large;
};
constexpr Word kWords[] = {
    {"image/backgroundJeu.bmp", {772, 460, 92, 22}, "Échap : quitter", false},
    {"image/backgroundJeu.bmp", {810, 373, 44, 22}, "× 0", false},
    {"image/backgroundJeu.bmp", {610, 373, 60, 22}, "Rien", false},
    {"image/backgroundJeu.bmp", {800, 89, 52, 22}, "× 21", false},
    {"image/backgroundJeu.bmp", {610, 89, 170, 22}, "Quinte flush royale", false},
    {"image/backgroundJeu.bmp", {610, 184, 60, 22}, "Full", false},
    {"image/backgroundJeu.bmp", {620, 44, 220, 18}, "gain pour 1 crédit misé", false},
    {"image/backgroundJeu.bmp", {648, 22, 164, 22}, "TABLE DES GAINS", false},
    {"image/backgroundJeu.bmp", {40, 57, 118, 14}, "VIDÉO POKER", false},
    {"image/backgroundStart.bmp", {300, 318, 270, 48}, "Une partie commence", false},
    {"image/backgroundStart.bmp", {360, 97, 152, 18}, "VIDÉO POKER", false},
    {"image/backgroundAide.bmp", {30, 98, 380, 20}, "But : faire la meilleure main", false},
    {"image/backgroundAide.bmp", {30, 344, 250, 20}, "Échap quitte le jeu", false},
    {"image/backgroundAide.bmp", {196, 376, 76, 18}, "Site web :", false},
    {"image/backgroundGameOver.bmp", {66, 300, 100, 20}, "plus un jeton", false},
    {"image/backgroundGameOver.bmp", {460, 168, 70, 28}, "crédit", true},
    {"image/backgroundGameOver.bmp", {200, 264, 470, 20}, "Une nouvelle partie vous attend", false},
    {"image/backgroundGameOver.bmp", {140, 458, 210, 22}, "Nouvelle partie : c'est ici.", false},
    {"image/backgroundOption.bmp", {340, 120, 192, 22}, "Réglages de la partie", false},
    {"image/backgroundOption.bmp", {190, 157, 300, 22}, "Banque de départ", false},
    {"image/backgroundApropos.bmp", {40, 222, 340, 20}, "Vidéo poker à cinq cartes", false},
    {"image/backgroundApropos.bmp", {40, 180, 80, 26}, "Version", false},
    {"image/backTexte.bmp", {6, 8, 74, 24}, "BANQUE", false},
    {"image/backTexte.bmp", {250, 8, 90, 20}, "CETTE PARTIE", false},
    {"image/backTexte.bmp", {330, 8, 110, 22}, "Mains gagnées", false},
    {"image/texte/texteMise.bmp", {8, 6, 366, 34}, "Faites vos mises", false},
    {"image/texte/texteFirstHand.bmp", {8, 6, 366, 34}, "Choisissez les cartes", false},
    {"image/texte/texteWin.bmp", {8, 6, 366, 34}, "GAGNÉ !", true},
    {"image/texte/texteLoose.bmp", {8, 6, 366, 34}, "PERDU", true},
    {"image/texte/combinaison/texteRien.bmp", {6, 5, 250, 28}, "Rien", true},
    {"image/texte/combinaison/texteQuinteFlushRoyal.bmp", {6, 5, 250, 28}, "Quinte flush royale", true},
    {"image/texte/texteAide.bmp", {6, 5, 250, 28}, "Mise : jetons, puis CARTE", false},
    {"image/carte/KCarreau.bmp", {2, 2, 18, 36}, "R rouge", false},
    {"image/carte/KPique.bmp", {2, 2, 18, 36}, "R noir", false},
};

TEST_F(AssetTest, EveryWordStandsOutFromItsSurroundings)
{
    std::vector<Word> words(std::begin(kWords), std::end(kWords));
    // Buttons and chips, raised and pressed, read on the whole picture less
    // its edge (a chip: its inlay).
    for (const ImageElement& e : kImageElements) {
        const bool chip = e.keyed;
        if (std::string(e.name) == "card" || std::string(e.name) == "message" || std::string(e.name) == "combination" ||
            std::string(e.name) == "background" || std::string(e.name) == "backdrop") {
            continue;
        }
        for (size_t value = 0; value < e.imageCount; ++value) {
            const char* path = e.images[value];
            const std::string name = path == nullptr ? "" : path;
            if (name.empty() || name.find("Disa") != std::string::npos || name.find("Close") != std::string::npos) {
                continue;
            }
            const bool wordChip = name.find("Allin") != std::string::npos || name.find("Reset") != std::string::npos;
            const Box box = !chip      ? Box{4, 3, e.size.w - 8, e.size.h - 7}
                            : wordChip ? Box{18, 27, 36, 18}
                                       : Box{24, 25, 24, 22};
            words.push_back({path, box, path, false});
        }
    }
    double lowest = 99;
    const Word* lowestWord = nullptr;
    for (const Word& word : words) {
        const double ratio = wordContrast(picture(word.file), word.box);
        EXPECT_GE(ratio, word.large ? 3.0 : 4.5) << word.what << " in " << word.file;
        if (!word.large && ratio < lowest) {
            lowest = ratio;
            lowestWord = &word;
        }
    }
    ASSERT_NE(lowestWord, nullptr);
    std::printf("%zu words; the lowest contrast of normal-sized text %.2f (%s)\n", words.size(), lowest,
                lowestWord->what);
}

// Pixels lighter than halfway between the darkest and lightest inside `box`.
std::vector<bool> lightMask(const Picture& picture, Box box)
{
    double darkest = 1, lightest = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) {
            darkest = std::min(darkest, luminance(picture.at(x, y)));
            lightest = std::max(lightest, luminance(picture.at(x, y)));
        }
    }
    std::vector<bool> mask;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) {
            mask.push_back(luminance(picture.at(x, y)) > (darkest + lightest) / 2);
        }
    }
    return mask;
}

TEST_F(AssetTest, AMarkedCardReadsInGreyAsWellAsInColour)
{
    const Picture up = picture(imageFor(kGarderButtonImages, kButtonUp));
    const Picture down = picture(imageFor(kGarderButtonImages, kButtonDown));
    ASSERT_EQ(up.w, down.w);
    // The light shapes of both faces, the pressed one tried at every shift
    // of up to 3 pixels (a pressed button sinks): they must still differ in
    // a good part of the label's area, whatever the hue.
    constexpr int kShift = 3;
    const Box inside = {kShift, kShift, up.w - 2 * kShift, up.h - 2 * kShift};
    const std::vector<bool> upMask = lightMask(up, inside);
    const long upArea = std::count(upMask.begin(), upMask.end(), true);
    long fewest = static_cast<long>(upMask.size());
    for (int dy = -kShift; dy <= kShift; ++dy) {
        for (int dx = -kShift; dx <= kShift; ++dx) {
            const std::vector<bool> downMask = lightMask(down, {inside.x + dx, inside.y + dy, inside.w, inside.h});
            long differ = 0;
            for (size_t i = 0; i < upMask.size(); ++i) {
                differ += upMask[i] != downMask[i] ? 1 : 0;
            }
            fewest = std::min(fewest, differ);
        }
    }
    std::printf("marked and unmarked differ on %ld pixels at best; the unmarked has %ld light ones\n", fewest, upArea);
    EXPECT_GE(fewest, upArea / 3);
}
