// Bitmap elements: every field value draws its table's file at its place,
// values without a picture and files that do not load draw nothing, only
// chips see through the key colour, and nothing flips.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "display/elements.h"
#include "display_fixture.h"

namespace {

enum Routine {
    kBackground,
    kAide,
    kApropos,
    kRetour,
    kContinuer,
    kCarte,
    kMessage,
    kCombination,
    kGarder,
    kCards,
    kChips,
    kStart,
    kRoutines
};

void draw(int routine, const DisplayState* display, SDL_Surface* screen)
{
    switch (routine) {
    case kBackground: return drawBackground(display, screen);
    case kAide: return drawAideButton(display, screen);
    case kApropos: return drawAproposButton(display, screen);
    case kRetour: return drawRetourButton(display, screen);
    case kContinuer: return drawContinuerButton(display, screen);
    case kCarte: return drawCarteButton(display, screen);
    case kMessage: return drawMessage(display, screen);
    case kCombination: return drawCombination(display, screen);
    case kGarder: return drawGarderButtons(display, screen);
    case kCards: return drawHandCards(display, screen);
    case kChips: return drawChips(display, screen);
    default: return drawStartButtons(display, screen);
    }
}

// One picture a routine places: the field choosing it, its table (null for
// the card ids) and its place.
struct Slot {
    int32_t* field;
    const char* const* images;
    size_t count;
    ScreenPos pos;
};

template <size_t N>
Slot slot(int32_t* field, const ImageTable<N>& images, ScreenPos pos)
{
    return {field, images.data(), N, pos};
}

std::vector<Slot> slotsOf(int routine, DisplayState* d)
{
    switch (routine) {
    case kBackground: return {slot(&d->screen, kBackgroundImages, kBackgroundPos)};
    case kAide: return {slot(&d->aideButton, kAideButtonImages, kAideButtonPos)};
    case kApropos: return {slot(&d->aproposButton, kAproposButtonImages, kAproposButtonPos)};
    case kRetour: return {slot(&d->retourButton, kRetourButtonImages, kRetourButtonPos)};
    case kContinuer: return {slot(&d->continuerButton, kContinuerButtonImages, kContinuerButtonPos)};
    case kCarte: return {slot(&d->carteButton, kCarteButtonImages, kCarteButtonPos)};
    case kMessage: return {slot(&d->message, kMessageImages, kMessagePos)};
    case kCombination: return {slot(&d->combination, kCombinationImages, kCombinationPos)};
    case kStart:
        return {slot(&d->newGameButton, kNewGameButtonImages, kNewGameButtonPos),
                slot(&d->resumeButton, kResumeButtonImages, kResumeButtonPos),
                slot(&d->optionButton, kOptionButtonImages, kOptionButtonPos)};
    default: break;
    }
    std::vector<Slot> slots;
    for (size_t i = 0; i < (routine == kChips ? kChipPos.size() : kCardPos.size()); ++i) {
        slots.push_back(routine == kChips    ? slot(&d->chipButtons[i], kChipImages[i], kChipPos[i])
                        : routine == kGarder ? slot(&d->garderButtons[i], kGarderButtonImages, kGarderButtonPos[i])
                                             : Slot{&d->handCards[i], nullptr, 0, kCardPos[i]});
    }
    return slots;
}

// The file a slot should show for its field's current value; "" for none.
std::string expectedFile(const Slot& s)
{
    const int32_t value = *s.field;
    if (s.images == nullptr) {
        char path[kCardPathSize];
        return cardImagePath(value, path, sizeof(path)) ? path : "";
    }
    const bool listed = value >= 0 && static_cast<size_t>(value) < s.count && s.images[value] != nullptr;
    return listed ? s.images[value] : "";
}

class ElementsTest : public DisplayTest {
protected:
    // Each slot shows its file (or, with none, leaves its place untouched)
    // and nothing else on the screen changed.
    void expectDrawn(const std::vector<Slot>& slots, const std::string& unloadable = "") const
    {
        const Frame now = frame();
        size_t area = 0;
        for (const Slot& s : slots) {
            const std::string file = expectedFile(s) == unloadable ? "" : expectedFile(s);
            if (file.empty()) {
                EXPECT_EQ(at(now, s.pos), pixel(kNeutral)) << "value " << *s.field << " at " << s.pos.x;
            } else {
                EXPECT_TRUE(shows(now, file, s.pos)) << "value " << *s.field;
                area += s.field == &display_.screen ? now.size() : kFixtureSize * kFixtureSize;
            }
        }
        EXPECT_EQ(static_cast<size_t>(now.size() - std::count(now.begin(), now.end(), pixel(kNeutral))), area);
    }
};

TEST_F(ElementsTest, EveryValueDrawsItsTableFileAtItsPlace)
{
    std::vector<int32_t> values = {INT32_MIN, INT32_MAX};
    for (int32_t value = -1; value <= kDeckSize + 1; ++value) {
        values.push_back(value);
    }
    for (int routine = 0; routine < kRoutines; ++routine) {
        for (size_t k = 0; k < values.size(); ++k) {
            SCOPED_TRACE("routine " + std::to_string(routine));
            clearScreen();
            resetDisplayState(&display_);
            const std::vector<Slot> slots = slotsOf(routine, &display_);
            for (size_t i = 0; i < slots.size(); ++i) {
                *slots[i].field = values[(k + i) % values.size()];  // each slot meets every value
            }
            draw(routine, &display_, screen_);
            expectDrawn(slots);
        }
    }
    EXPECT_TRUE(flips().empty()) << "element routines never flip";
}

TEST(CardImagePath, NothingOutsideTheDeckOrTheBuffer)
{
    char path[kCardPathSize];
    for (const int32_t id : {-1, kDeckSize + 1, INT32_MIN, INT32_MAX}) {
        std::snprintf(path, sizeof(path), "stale");
        EXPECT_FALSE(cardImagePath(id, path, sizeof(path))) << id;
        EXPECT_STREQ(path, "") << id;
    }
    char tiny[8] = "stale";
    EXPECT_FALSE(cardImagePath(36, tiny, sizeof(tiny)));
    EXPECT_STREQ(tiny, "");
}

TEST_F(ElementsTest, AFileThatDoesNotLoadSkipsOnlyItsElement)
{
    display_.garderButtons = {0, 1, 0, 1, 0};
    display_.handCards = {1, 13, 36, 37, 52};
    const std::pair<int, const char*> cases[] = {{kChips, "image/jeton/jeton50Up.bmp"},
                                                 {kGarder, "image/bouton/boutonGarderDown.bmp"},
                                                 {kCards, "image/carte/10Pique.bmp"},
                                                 {kStart, "image/bouton/boutonNewGameUp.bmp"}};
    for (const auto& [routine, file] : cases) {
        if (routine == kGarder) {  // there, but no bitmap
            FILE* empty = std::fopen(file, "wb");
            ASSERT_NE(empty, nullptr);
            std::fclose(empty);
        } else {
            ASSERT_EQ(std::remove(file), 0);
        }
        clearScreen();
        draw(routine, &display_, screen_);
        expectDrawn(slotsOf(routine, &display_), file);
    }
}

TEST_F(ElementsTest, OnlyChipsSeeThroughTheKeyColour)
{
    for (const auto& chip : kChipImages) {
        for (const char* file : chip) {
            ASSERT_TRUE(writeBmp(file, kFixtureSize, kFixtureSize, colourOf(file), true));
        }
    }
    for (const int32_t state : {kButtonUp, kButtonDown}) {
        clearScreen();
        display_.chipButtons.fill(state);
        drawChips(&display_, screen_);
        const Frame now = frame();
        for (size_t i = 0; i < kChipPos.size(); ++i) {
            EXPECT_EQ(at(now, kChipPos[i]), pixel(kNeutral)) << i;
            EXPECT_EQ(at(now, kChipPos[i].x + kFixtureSize - 1, kChipPos[i].y), pixel(colourOf(kChipImages[i][state])));
        }
    }
    // The same colour in a button or a card is drawn as it is.
    for (const char* file :
         {"image/bouton/boutonCarteUp.bmp", "image/bouton/boutonGarderUp.bmp", "image/carte/2Trefle.bmp"}) {
        ASSERT_TRUE(writeBmp(file, kFixtureSize, kFixtureSize, colourOf(file), true));
    }
    display_.handCards.fill(1);
    drawCarteButton(&display_, screen_);
    drawGarderButtons(&display_, screen_);
    drawHandCards(&display_, screen_);
    const Frame now = frame();
    for (const ScreenPos pos : {kCarteButtonPos, kGarderButtonPos[2], kCardPos[4]}) {
        EXPECT_EQ(at(now, pos), pixel(kChipColorKey)) << pos.x;
    }
}

}  // namespace
