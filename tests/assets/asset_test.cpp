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
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "art/art_layout.h"
#include "cards/card_list.h"
#include "display/display_state.h"
#include "display/layout.h"
#include "input/hit_areas.h"

namespace fs = std::filesystem;

namespace {

// ---- the file names, all from the game's own tables ----

template <size_t N>
void addTable(std::vector<std::string>* paths, const ImageTable<N>& table)
{
    for (const char* path : table) {
        if (path != nullptr) {
            paths->push_back(path);
        }
    }
}

std::string cardPath(int32_t id)
{
    char path[kCardPathSize];
    return cardImagePath(id, path, sizeof path) ? path : "";
}

std::vector<std::string> bitmapPaths()
{
    std::vector<std::string> paths;
    addTable(&paths, kBackgroundImages);
    addTable(&paths, kAideButtonImages);
    addTable(&paths, kAproposButtonImages);
    addTable(&paths, kRetourButtonImages);
    addTable(&paths, kContinuerButtonImages);
    addTable(&paths, kGarderButtonImages);
    addTable(&paths, kNewGameButtonImages);
    addTable(&paths, kOptionButtonImages);
    addTable(&paths, kCarteButtonImages);
    addTable(&paths, kResumeButtonImages);
    for (const ImageTable<2>& chip : kChipImages) {
        addTable(&paths, chip);
    }
    addTable(&paths, kMessageImages);
    addTable(&paths, kCombinationImages);
    for (int32_t id = 0; id <= DECK_SIZE; ++id) {
        paths.push_back(cardPath(id));
    }
    paths.push_back(kScoreBackdropImage);
    return paths;
}

// ---- pictures as plain 0x00RRGGBB pixels ----

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
int chroma(uint32_t p)
{
    return std::max({red(p), green(p), blue(p)}) - std::min({red(p), green(p), blue(p)});
}
// How much greener than its other two channels a pixel is.
int greenness(uint32_t p) { return green(p) - std::max(red(p), blue(p)); }

constexpr uint32_t kKey = (static_cast<uint32_t>(kChipColorKey.r) << 16) |
                          (static_cast<uint32_t>(kChipColorKey.g) << 8) | kChipColorKey.b;

Picture loadPicture(const std::string& path)
{
    Picture picture;
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (raw == nullptr) {
        return picture;
    }
    SDL_Surface* flat = SDL_CreateRGBSurface(SDL_SWSURFACE, raw->w, raw->h, 32, 0x00FF0000u, 0x0000FF00u,
                                             0x000000FFu, 0);
    SDL_BlitSurface(raw, nullptr, flat, nullptr);
    picture.w = flat->w;
    picture.h = flat->h;
    for (int y = 0; y < flat->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(flat->pixels) +
                                                            y * flat->pitch);
        picture.pixels.insert(picture.pixels.end(), row, row + flat->w);
    }
    SDL_FreeSurface(flat);
    SDL_FreeSurface(raw);
    return picture;
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

// Runs the tool into a fresh temporary folder; empty when it failed.
std::string generate()
{
    std::string pattern = (fs::temp_directory_path() / "vantrel-art-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return "";
    }
    const std::string command = std::string("'") + VANTREL_ART_TOOL + "' '" + pattern + "'";
    if (std::system(command.c_str()) != 0) {
        fs::remove_all(pattern);
        return "";
    }
    return pattern;
}

struct Box {
    const char* name;
    int x;
    int y;
    int w;
    int h;
};

bool overlap(const Box& a, const Box& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Every pixel of `box` within a few levels of its first one: nothing is drawn
// there that a text laid over it could collide with.
bool isPlain(const Picture& picture, const Box& box)
{
    const uint32_t first = picture.at(box.x, box.y);
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = box.x; x < box.x + box.w; ++x) {
            const uint32_t p = picture.at(x, y);
            if (std::abs(red(p) - red(first)) > 10 || std::abs(green(p) - green(first)) > 10 ||
                std::abs(blue(p) - blue(first)) > 10) {
                return false;
            }
        }
    }
    return true;
}

// Bright lettering in the `reach` pixels left of `box`, on its rows.
int inkLeftOf(const Picture& picture, const Box& box, int reach)
{
    const int ground = luma(picture.at(box.x, box.y));
    int ink = 0;
    for (int y = box.y; y < box.y + box.h; ++y) {
        for (int x = std::max(0, box.x - reach); x < box.x; ++x) {
            ink += luma(picture.at(x, y)) > ground + 70 ? 1 : 0;
        }
    }
    return ink;
}

struct ButtonCase {
    std::string name;
    std::vector<std::string> images;
    ScreenPos pos;
    HitRect rect;
};

template <size_t N>
void addCase(std::vector<ButtonCase>* cases, const std::string& name, const ImageTable<N>& table, ScreenPos pos,
             HitRect rect)
{
    ButtonCase c = {name, {}, pos, rect};
    addTable(&c.images, table);
    cases->push_back(c);
}

// Mean brightness and colourfulness of what a player sees (a chip's key is
// see-through).
struct Tone {
    double luma;
    double chroma;
};

Tone toneOf(const Picture& p)
{
    long lumaSum = 0;
    long chromaSum = 0;
    long count = 0;
    for (uint32_t pixel : p.pixels) {
        if (pixel != kKey) {
            lumaSum += luma(pixel);
            chromaSum += chroma(pixel);
            ++count;
        }
    }
    const double n = count == 0 ? 1.0 : static_cast<double>(count);
    return {static_cast<double>(lumaSum) / n, static_cast<double>(chromaSum) / n};
}

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

    // Box of an element at `pos`, as large as the largest of its pictures.
    static Box boxOf(const char* name, ScreenPos pos, const std::vector<std::string>& paths)
    {
        Box box = {name, pos.x, pos.y, 0, 0};
        for (const std::string& path : paths) {
            const Picture p = picture(path);
            box.w = std::max(box.w, p.w);
            box.h = std::max(box.h, p.h);
        }
        return box;
    }
    template <size_t N>
    static Box boxOf(const char* name, ScreenPos pos, const ImageTable<N>& table)
    {
        std::vector<std::string> paths;
        addTable(&paths, table);
        return boxOf(name, pos, paths);
    }

    // Where a text of the game's font lands, sized for `text`.
    static Box textBox(const char* name, ScreenPos pos, int pointSize, const char* text)
    {
        Box box = {name, pos.x, pos.y, 0, 0};
        TTF_Font* font = TTF_OpenFont(file(kFontFile).c_str(), pointSize);
        if (font != nullptr) {
            TTF_SizeText(font, text, &box.w, &box.h);
            TTF_CloseFont(font);
        }
        return box;
    }

    static std::string dir_;  // the folder the tool wrote, for the whole suite
};

std::string AssetTest::dir_;

constexpr const char* kWidestNumber = "-2147483648";

TEST_F(AssetTest, EveryFileTheGameAsksForLoadsWithTheGameLoaders)
{
    for (const std::string& path : bitmapPaths()) {
        SCOPED_TRACE(path);
        SDL_Surface* bitmap = SDL_LoadBMP(file(path).c_str());
        ASSERT_NE(bitmap, nullptr) << SDL_GetError();
        EXPECT_EQ(bitmap->format->BitsPerPixel, 24);
        SDL_FreeSurface(bitmap);
    }

    const std::vector<char> iconBytes = readBytes(file(kIconFile));
    ASSERT_GE(iconBytes.size(), 8u);
    EXPECT_EQ(std::string(iconBytes.begin(), iconBytes.begin() + 8), std::string("\x89PNG\r\n\x1a\n", 8));
    SDL_Surface* icon = IMG_Load(file(kIconFile).c_str());
    ASSERT_NE(icon, nullptr) << IMG_GetError();
    EXPECT_EQ(icon->w, 32);
    EXPECT_EQ(icon->h, 32);
    SDL_FreeSurface(icon);

    for (int points : {kAideTextPt, kScoreSmallPt, kScoreLargePt, kAproposTextPt}) {
        TTF_Font* font = TTF_OpenFont(file(kFontFile).c_str(), points);
        ASSERT_NE(font, nullptr) << points << " pt: " << TTF_GetError();
        EXPECT_STREQ(TTF_FontFaceFamilyName(font), "Liberation Sans");
        EXPECT_STREQ(TTF_FontFaceStyleName(font), "Regular");
        TTF_CloseFont(font);
    }
}

TEST_F(AssetTest, ButtonsCoverTheirClickRectanglesAndStatesShareOneSize)
{
    std::vector<ButtonCase> cases;
    addCase(&cases, "Aide", kAideButtonImages, kAideButtonPos, kAideRect);
    addCase(&cases, "Apropos", kAproposButtonImages, kAproposButtonPos, kAproposRect);
    addCase(&cases, "Retour", kRetourButtonImages, kRetourButtonPos, kRetourRect);
    addCase(&cases, "Continuer", kContinuerButtonImages, kContinuerButtonPos, kContinuerRect);
    addCase(&cases, "NewGame", kNewGameButtonImages, kNewGameButtonPos, kNewGameRect);
    addCase(&cases, "Option", kOptionButtonImages, kOptionButtonPos, kOptionRect);
    // Resume is never clickable but stands in the column of the two others.
    addCase(&cases, "Resume", kResumeButtonImages, kResumeButtonPos,
        hitRectAt(kResumeButtonPos, kLargeButtonWidth, kLargeButtonHeight));
    addCase(&cases, "Carte", kCarteButtonImages, kCarteButtonPos, kCarteRect);
    for (size_t i = 0; i < kGarderRects.size(); ++i) {
        addCase(&cases, "Garder " + std::to_string(i), kGarderButtonImages, kGarderButtonPos[i], kGarderRects[i]);
    }
    for (size_t i = 0; i < kChipRects.size(); ++i) {
        addCase(&cases, "chip " + std::to_string(i), kChipImages[i], kChipPos[i], kChipRects[i]);
    }

    for (const ButtonCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture first = picture(c.images.front());
        // One spare pixel round the rectangle, which starts one pixel in.
        EXPECT_GE(first.w, c.rect.right - c.rect.left + 3);
        EXPECT_GE(first.h, c.rect.bottom - c.rect.top + 3);
        EXPECT_GE(c.pos.x + first.w - 1, c.rect.right + 1);
        EXPECT_GE(c.pos.y + first.h - 1, c.rect.bottom + 1);
        // States replace each other in place without the background being
        // redrawn, so any difference in size would leave a stale border.
        for (const std::string& image : c.images) {
            const Picture p = picture(image);
            EXPECT_EQ(p.w, first.w) << image;
            EXPECT_EQ(p.h, first.h) << image;
        }
    }
}

TEST_F(AssetTest, NoElementOverlapsAnotherOnItsScreen)
{
    std::vector<std::string> cards;
    for (int32_t id = 0; id <= DECK_SIZE; ++id) {
        cards.push_back(cardPath(id));
    }
    const Box aide = boxOf("Aide", kAideButtonPos, kAideButtonImages);
    const Box apropos = boxOf("Apropos", kAproposButtonPos, kAproposButtonImages);
    const Box retour = boxOf("Retour", kRetourButtonPos, kRetourButtonImages);
    const Box carte = boxOf("Carte", kCarteButtonPos, kCarteButtonImages);
    const Box backdrop = boxOf("score", kScoreBackdropPos, std::vector<std::string>{kScoreBackdropImage});
    const Box message = boxOf("message", kMessagePos, kMessageImages);
    const Box caption = boxOf("caption", kCombinationPos, kCombinationImages);
    const Box payTable = {"pay table", kPayTableBox.x, kPayTableBox.y, kPayTableBox.w, kPayTableBox.h};

    std::vector<Box> betScreen = {backdrop, aide, apropos, carte, message, caption, payTable};
    for (size_t i = 0; i < kChipImages.size(); ++i) {
        betScreen.push_back(boxOf("chip", kChipPos[i], kChipImages[i]));
    }
    std::vector<Box> cardScreen = {backdrop, aide, apropos, carte, message, caption, payTable};
    for (size_t i = 0; i < kCardPos.size(); ++i) {
        cardScreen.push_back(boxOf("card", kCardPos[i], cards));
        cardScreen.push_back(boxOf("Garder", kGarderButtonPos[i], kGarderButtonImages));
    }
    const std::vector<std::vector<Box>> screens = {
        {aide, apropos, boxOf("NewGame", kNewGameButtonPos, kNewGameButtonImages),
         boxOf("Resume", kResumeButtonPos, kResumeButtonImages),
         boxOf("Option", kOptionButtonPos, kOptionButtonImages)},
        betScreen,
        cardScreen,
        {retour, textBox("address", kAideAddressPos, kAideTextPt, kWebAddress)},
        {retour, textBox("address", kAproposAddressPos, kAproposTextPt, kWebAddress),
         textBox("version", kAproposVersionPos, kAproposTextPt, kVersionText)},
        {boxOf("Continuer", kContinuerButtonPos, kContinuerButtonImages)},
    };
    for (const std::vector<Box>& screen : screens) {
        for (size_t i = 0; i < screen.size(); ++i) {
            const Box& a = screen[i];
            EXPECT_TRUE(a.w > 0 && a.x >= 0 && a.y >= 0 && a.x + a.w <= kScreenWidth &&
                        a.y + a.h <= kScreenHeight)
                << a.name << " leaves the window or has no picture";
            for (size_t j = i + 1; j < screen.size(); ++j) {
                EXPECT_FALSE(overlap(a, screen[j])) << a.name << " overlaps " << screen[j].name;
            }
        }
    }
}

TEST_F(AssetTest, CardsSitCentredOverTheirButtonsAndAreAllDifferent)
{
    const Picture back = picture(kCardBackImage);
    const Picture garder = picture(imageFor(kGarderButtonImages, BUTTON_UP));
    ASSERT_GT(back.w, 0);
    const double ratio = static_cast<double>(back.w) / back.h;
    EXPECT_TRUE(ratio > 0.66 && ratio < 0.75) << "not a playing card's proportions: " << ratio;
    EXPECT_LE(kCardPos[0].x + back.w, kCardPos[1].x) << "neighbouring cards overlap";
    EXPECT_LE(kCardPos[0].y + back.h, kGarderButtonPos[0].y) << "cards reach the button row";
    for (size_t i = 0; i < kCardPos.size(); ++i) {
        EXPECT_LE(std::abs(2 * kCardPos[i].x + back.w - (2 * kGarderButtonPos[i].x + garder.w)), 2)
            << "card " << i << " is not centred over its button";
    }

    std::vector<Picture> faces;
    for (int32_t id = 0; id <= DECK_SIZE; ++id) {
        faces.push_back(picture(cardPath(id)));
        const Picture& face = faces.back();
        ASSERT_EQ(face.w, back.w) << cardPath(id);
        ASSERT_EQ(face.h, back.h) << cardPath(id);
        const int32_t rank = rankOfId(id);
        if (id == 0 || (rank > 10 && rank < RANK_ACE)) {
            continue;  // the back and the court figures wear every colour
        }
        const bool redSuit = suitOfId(id) == SUIT_COEUR || suitOfId(id) == SUIT_CARREAU;
        int reddish = 0;
        for (uint32_t p : face.pixels) {
            reddish += red(p) > 150 && green(p) < 90 && blue(p) < 90 ? 1 : 0;
        }
        if (redSuit) {
            EXPECT_GT(reddish, 40) << cardPath(id) << " should be red";
        } else {
            EXPECT_EQ(reddish, 0) << cardPath(id) << " should be black";
        }
    }
    for (size_t a = 0; a < faces.size(); ++a) {
        for (size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_NE(faces[a].pixels, faces[b].pixels)
                << cardPath(static_cast<int32_t>(a)) << " looks like " << cardPath(static_cast<int32_t>(b));
        }
    }
}

TEST_F(AssetTest, ChipsAreKeyedOutsideTheirDiscWithoutAGreenFringe)
{
    const Picture felt = picture(imageFor(kBackgroundImages, SCREEN_JEU));
    ASSERT_GT(felt.w, 0);
    constexpr double kCentre = kArtChipSize / 2.0;
    constexpr double kR = kArtChipRadius;
    for (size_t chip = 0; chip < kChipImages.size(); ++chip) {
        std::vector<bool> keyedUp;
        for (int32_t face = BUTTON_UP; face <= BUTTON_DOWN; ++face) {
            const std::string path = imageFor(kChipImages[chip], face);
            SCOPED_TRACE(path);
            const Picture p = picture(path);
            ASSERT_EQ(p.w, kArtChipSize);
            ASSERT_EQ(p.h, kArtChipSize);
            int misplaced = 0;
            int fringe = 0;
            std::vector<bool> keyed;
            for (int y = 0; y < p.h; ++y) {
                for (int x = 0; x < p.w; ++x) {
                    const double d = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre);
                    const uint32_t pixel = p.at(x, y);
                    const bool key = pixel == kKey;
                    keyed.push_back(key);
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
            if (face == BUTTON_UP) {
                keyedUp = keyed;
            } else {
                // Up and down replace each other without the felt being
                // redrawn: the same pixels must be see-through in both.
                EXPECT_EQ(keyed, keyedUp);
            }
        }
    }
}

TEST_F(AssetTest, TextsFindRoomBesideTheirLabels)
{
    const Picture backdrop = picture(kScoreBackdropImage);
    ASSERT_GT(backdrop.w, 0);
    EXPECT_LE(kScoreBackdropPos.y + backdrop.h, kChipPos[0].y) << "the score panel reaches the chips";
    for (size_t slot = 0; slot < kScoreSlots.size(); ++slot) {
        SCOPED_TRACE("score slot " + std::to_string(slot));
        Box box = textBox("number", kScoreSlots[slot].pos, kScoreSlots[slot].pointSize, kWidestNumber);
        box.x -= kScoreBackdropPos.x;
        box.y -= kScoreBackdropPos.y;
        ASSERT_TRUE(box.w > 0 && box.x >= 0 && box.y >= 0 && box.x + box.w <= backdrop.w &&
                    box.y + box.h <= backdrop.h)
            << "a ten-digit number leaves the panel";
        EXPECT_TRUE(isPlain(backdrop, box)) << "something is drawn where the number goes";
        EXPECT_GE(inkLeftOf(backdrop, box, 30), 8) << "no label just left of the number";
    }

    const Picture apropos = picture(imageFor(kBackgroundImages, SCREEN_APROPOS));
    const Picture aide = picture(imageFor(kBackgroundImages, SCREEN_AIDE));
    ASSERT_TRUE(apropos.w == kScreenWidth && aide.w == kScreenWidth);
    const Box version = textBox("version", kAproposVersionPos, kAproposTextPt, kVersionText);
    EXPECT_TRUE(isPlain(apropos, version));
    EXPECT_GE(inkLeftOf(apropos, version, 30), 8) << "no Version label";
    EXPECT_TRUE(isPlain(apropos, textBox("address", kAproposAddressPos, kAproposTextPt, kWebAddress)));
    EXPECT_TRUE(isPlain(aide, textBox("address", kAideAddressPos, kAideTextPt, kWebAddress)));

    // The pay table is lettered where the layout keeps the game screen free.
    const Picture game = picture(imageFor(kBackgroundImages, SCREEN_JEU));
    int lettering = 0;
    for (int y = kPayTableBox.y; y < kPayTableBox.y + kPayTableBox.h; ++y) {
        for (int x = kPayTableBox.x; x < kPayTableBox.x + kPayTableBox.w; ++x) {
            lettering += luma(game.at(x, y)) > 170 ? 1 : 0;
        }
    }
    EXPECT_GT(lettering, 1500);
}

TEST_F(AssetTest, PressedStatesAreDarkerAndUnavailableOnesGrey)
{
    std::vector<std::pair<const char*, const char*>> pairs = {
        {kAideButtonImages[0], kAideButtonImages[1]},
        {kAproposButtonImages[0], kAproposButtonImages[1]},
        {kRetourButtonImages[0], kRetourButtonImages[1]},
        {kContinuerButtonImages[0], kContinuerButtonImages[1]},
        {kGarderButtonImages[0], kGarderButtonImages[1]},
        {kNewGameButtonImages[0], kNewGameButtonImages[1]},
        {kOptionButtonImages[0], kOptionButtonImages[1]},
        {imageFor(kResumeButtonImages, BUTTON_UP), imageFor(kResumeButtonImages, BUTTON_DOWN)},
        {imageFor(kCarteButtonImages, CARTE_UP), imageFor(kCarteButtonImages, CARTE_DOWN)},
        {imageFor(kCarteButtonImages, REJOUER_UP), imageFor(kCarteButtonImages, REJOUER_DOWN)},
    };
    for (const ImageTable<2>& chip : kChipImages) {
        pairs.emplace_back(chip[0], chip[1]);
    }
    for (const auto& [up, down] : pairs) {
        EXPECT_LT(toneOf(picture(down)).luma + 3, toneOf(picture(up)).luma) << down << " is not darker";
    }
    const std::vector<std::pair<const char*, const char*>> unavailable = {
        {imageFor(kCarteButtonImages, CARTE_UP), imageFor(kCarteButtonImages, CARTE_DISABLED)},
        {imageFor(kResumeButtonImages, BUTTON_UP), imageFor(kResumeButtonImages, RESUME_CLOSED)},
    };
    for (const auto& [up, off] : unavailable) {
        const double grey = toneOf(picture(off)).chroma;
        EXPECT_LT(grey, 0.5 * toneOf(picture(up)).chroma) << off << " is not greyed out";
        EXPECT_LT(grey, 25) << off;
    }
}

TEST_F(AssetTest, TwoRunsWriteTheSameBytes)
{
    const std::string again = generate();
    ASSERT_FALSE(again.empty());
    const std::vector<std::string> first = filesUnder(dir_);
    EXPECT_EQ(first, filesUnder(again));
    // Every bitmap, the icon and the font.
    EXPECT_EQ(first.size(), bitmapPaths().size() + 2);
    for (const std::string& path : first) {
        EXPECT_TRUE(readBytes(file(path)) == readBytes(fs::path(again) / path)) << path << " differs";
    }
    fs::remove_all(again);
}

TEST_F(AssetTest, ToolReportsAFolderItCannotWrite)
{
    // A regular file where the output folder should be.
    const std::string blocked = file(kFontFile) + "/inside";
    const std::string command = std::string("'") + VANTREL_ART_TOOL + "' '" + blocked + "' 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

}  // namespace
