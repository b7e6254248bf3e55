// Bitmap elements: every field value draws its table's file at its place,
// values without a picture and files that do not load draw nothing, only
// chips see through the key colour, and nothing flips.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "display/elements.h"
#include "display_fixture.h"

namespace {

// Every element routine and the elements of the layout's list it draws.
struct Routine {
    const char* name;
    void (*draw)(const DisplayState*, SDL_Surface*);
    std::vector<std::string> elements;
};
const Routine kRoutines[] = {
    {"background", drawBackground, {"background"}},
    {"aide", drawAideButton, {"aide"}},
    {"apropos", drawAproposButton, {"apropos"}},
    {"retour", drawRetourButton, {"retour"}},
    {"continuer", drawContinuerButton, {"continuer"}},
    {"carte", drawCarteButton, {"carte"}},
    {"message", drawMessage, {"message"}},
    {"combination", drawCombination, {"combination"}},
    {"garder", drawGarderButtons, {"garder"}},
    {"cards", drawHandCards, {"card"}},
    {"chips", drawChips, {"chip"}},
    {"start", drawStartButtons, {"newgame", "resume", "option"}},
};

const Routine& routineNamed(const std::string& name)
{
    return *std::find_if(std::begin(kRoutines), std::end(kRoutines),
                         [&name](const Routine& r) { return r.name == name; });
}

// One picture a routine places: the display field choosing it, its element
// and its place.
struct Slot {
    int32_t* field;
    const ImageElement* element;
    ScreenPos pos;
};

// The slots of a routine's elements, in the layout's order, each reading its
// own integer of the record.
std::vector<Slot> slotsOf(const Routine& routine, DisplayState* d)
{
    std::vector<Slot> slots;
    for (const std::string& name : routine.elements) {
        for (const ImageElement& e : kImageElements) {
            for (size_t i = 0; name == e.name && i < e.placeCount; ++i) {
                slots.push_back({reinterpret_cast<int32_t*>(d) + e.field + static_cast<int32_t>(i), &e, e.places[i]});
            }
        }
    }
    return slots;
}

// The file a slot should show for its field's current value; "" for none.
std::string expectedFile(const Slot& s)
{
    const int32_t value = *s.field;
    const bool listed =
        value >= 0 && static_cast<size_t>(value) < s.element->imageCount && s.element->images[value] != nullptr;
    return listed ? s.element->images[value] : "";
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
    for (const Routine& routine : kRoutines) {
        SCOPED_TRACE(routine.name);
        for (size_t k = 0; k < values.size(); ++k) {
            clearScreen();
            resetDisplayState(&display_);
            const std::vector<Slot> slots = slotsOf(routine, &display_);
            ASSERT_FALSE(slots.empty());
            for (size_t i = 0; i < slots.size(); ++i) {
                *slots[i].field = values[(k + i) % values.size()];  // each slot meets every value
            }
            routine.draw(&display_, screen_);
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
    const std::pair<const char*, const char*> cases[] = {{"chips", "image/jeton/jeton50Up.bmp"},
                                                         {"garder", "image/bouton/boutonGarderDown.bmp"},
                                                         {"cards", "image/carte/10Pique.bmp"},
                                                         {"start", "image/bouton/boutonNewGameUp.bmp"}};
    for (const auto& [name, file] : cases) {
        const Routine& routine = routineNamed(name);
        if (routine.draw == drawGarderButtons) {  // there, but no bitmap
            FILE* empty = std::fopen(file, "wb");
            ASSERT_NE(empty, nullptr);
            std::fclose(empty);
        } else {
            ASSERT_EQ(std::remove(file), 0);
        }
        clearScreen();
        routine.draw(&display_, screen_);
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
