// The six stage handlers, driven by events pushed into SDL's queue.
//
// Every script ends with Escape and a close request as a backstop: a handler
// that wrongly passes over the event it should act on still returns (and the
// leftover count shows it), and one that acts too early leaves more behind.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "input/handlers.h"
#include "input/hit_areas.h"
#include "sdl_events.h"

extern "C" int __real_SDL_WaitEvent(SDL_Event* event);

namespace {

bool gFailNextWait = false;

}  // namespace

// A failed wait hands back an event no handler acts on.
extern "C" int __wrap_SDL_WaitEvent(SDL_Event* event)
{
    if (!gFailNextWait) {
        return __real_SDL_WaitEvent(event);
    }
    gFailNextWait = false;
    std::memset(event, 0, sizeof *event);
    event->type = SDL_USEREVENT;
    return 0;
}

namespace {

class SdlVideo : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_Quit(); }
};
::testing::Environment* const kSdlVideo = ::testing::AddGlobalTestEnvironment(new SdlVideo);

// Positions of the button fields among the record's 31 integers.
constexpr int kGarder = 6;
constexpr int kChip = 11;
constexpr int kAide = 21;
constexpr int kApropos = 22;
constexpr int kCarte = 23;
constexpr int kRetour = 26;
constexpr int kNewGame = 27;
constexpr int kOption = 29;
constexpr int kContinuer = 30;

constexpr int32_t kBank = 900;
constexpr int32_t kBet = 100;

struct Game {
    DisplayState display;
    Purse purse;
    int32_t mode;
    int32_t running;
};

using Fields = std::array<int32_t, 31>;

Fields fieldsOf(const DisplayState& display)
{
    Fields fields{};
    std::memcpy(fields.data(), &display, sizeof fields);
    return fields;
}

void setField(DisplayState* display, int index, int32_t value)
{
    Fields fields = fieldsOf(*display);
    fields[static_cast<size_t>(index)] = value;
    std::memcpy(display, fields.data(), sizeof fields);
}

// A mid-game record, so that a stray write shows up as a change.
Game gameAt(int32_t mode)
{
    Game game{};
    resetDisplayState(&game.display);
    game.display.handCards = {5, 17, 29, 41, 52};
    game.display.garderButtons = {0, 1, 0, 0, 0};
    game.display.message = kMsgFirstHand;
    game.display.carteButton = mode == kModeResult ? kRejouerUp : kCarteUp;
    game.purse = {kBank, "", kBet, "", 0, "", 3, "", 0, "", 0, "", 0, ""};
    game.mode = mode;
    game.running = 1;
    return game;
}

void callHandler(Game* game)
{
    DisplayState* d = &game->display;
    switch (game->mode) {
    case kModeStart: handleStartInput(d, &game->mode, &game->running); break;
    case kModeOption: handleOptionInput(d, &game->mode, &game->running); break;
    case kModeBet: handleBetInput(d, &game->purse, &game->mode, &game->running); break;
    case kModeFirstHand: handleFirstHandInput(d, &game->mode, &game->running); break;
    case kModeResult: handleResultInput(d, &game->mode, &game->running); break;
    default: handleGameOverInput(d, &game->mode, &game->running); break;
    }
}

using Point = std::array<int, 2>;  // x, y
Point centre(const HitRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

SDL_Event press(Point p, Uint8 button = SDL_BUTTON_LEFT) { return pressAt(p[0], p[1], button); }
SDL_Event release(Point p, Uint8 button = SDL_BUTTON_LEFT) { return releaseAt(p[0], p[1], button); }

// A press each stage acts on without leaving it: after ignored events it
// proves the handler passed over them and stopped there.
SDL_Event witnessFor(int32_t mode, Game* expected)
{
    const bool start = mode == kModeStart, option = mode == kModeOption, over = mode == kModeGameOver;
    setField(&expected->display, start ? kNewGame : option ? kRetour : over ? kContinuer : kAide, kButtonDown);
    return press(centre(start ? kNewGameRect : option ? kRetourRect : over ? kContinuerRect : kAideRect));
}

// Runs `events` on a copy of `game` through its stage's handler. With `after`,
// the handler must stop at the last event and leave exactly `after`; without,
// it must pass over them all, which the stage's witness then shows.
void expectRun(const Game& game, std::vector<SDL_Event> events, const Game* after = nullptr)
{
    Game expected = after != nullptr ? *after : game;
    if (after == nullptr) {
        events.push_back(witnessFor(game.mode, &expected));
    }
    events.push_back(keyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    events.push_back(eventOfType(SDL_QUIT));
    ASSERT_LT(events.size(), 127U) << "the queue holds 127 events";
    for (SDL_Event event : events) {
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
    Game actual = game;
    callHandler(&actual);
    int left = 0;
    for (SDL_Event event; SDL_PollEvent(&event) == 1;) {
        ++left;
    }
    EXPECT_EQ(left, 2) << "events the handler left unread";
    EXPECT_EQ(fieldsOf(actual.display), fieldsOf(expected.display));
    EXPECT_EQ(std::memcmp(&actual.purse, &expected.purse, sizeof actual.purse), 0)
        << "bank " << actual.purse.bank << ", bet " << actual.purse.bet;
    EXPECT_EQ(actual.mode, expected.mode);
    EXPECT_EQ(actual.running, expected.running);
}

constexpr int32_t kIgnored = -100;

// One button of a stage and what a left press and release on it do.
struct Button {
    int32_t mode;
    HitRect rect;
    int field;
    int32_t up;        // before the press
    int32_t down;      // after the press, or kIgnored (the release then finds 1)
    int32_t released;  // after the release, or kIgnored
    int32_t releaseMode;
    int32_t bankAfterPress = kBank;
    int32_t betAfterPress = kBet;
};

TEST(AllInput, EveryButtonActsOnItsInclusiveEdgesOnly)
{
    // A few rectangles are written out; the rest come from the game's table.
    std::vector<Button> buttons = {
        {kModeStart, {283, 144, 586, 180}, kNewGame, 0, 1, 0, kModeBet},
        {kModeStart, kOptionRect, kOption, 0, 1, 0, kModeOption},
        {kModeOption, {7, 457, 114, 483}, kRetour, 0, 1, 0, kModeStart},
        {kModeBet, kCarteRect, kCarte, kCarteUp, kCarteDown, kCarteUp, kModeFirstHand},
        {kModeFirstHand, {386, 441, 537, 477}, kCarte, kCarteUp, kCarteDown, kRejouerUp, kModeResult},
        {kModeResult, kCarteRect, kCarte, kRejouerUp, kRejouerDown, kRejouerUp, kModeBet},
        {kModeGameOver, kContinuerRect, kContinuer, 0, 1, 0, kModeStart},
        // No button is drawn there on game over, yet a release continues.
        {kModeGameOver, {7, 426, 114, 452}, kContinuer, 0, kIgnored, 0, kModeStart},
    };
    for (int32_t mode : {kModeStart, kModeBet, kModeFirstHand, kModeResult}) {
        buttons.push_back({mode, kAideRect, kAide, 0, 1, 0, mode});
        buttons.push_back({mode, kAproposRect, kApropos, 0, 1, 0, mode});
    }
    const std::array<int32_t, kChipButtons> bankAfter = {899, 898, 895, 890, 880, 850, 800, 700, 0, 1000};
    for (size_t i = 0; i < kChipRects.size(); ++i) {
        buttons.push_back({kModeBet, kChipRects[i], kChip + static_cast<int>(i), 0, 1, 0, kModeBet, bankAfter[i],
                           kBank + kBet - bankAfter[i]});
    }
    for (size_t i = 0; i < kGarderRects.size(); ++i) {
        buttons.push_back({kModeFirstHand, kGarderRects[i], kGarder + static_cast<int>(i), 0, 1, kIgnored, 0});
    }

    for (const Button& b : buttons) {
        const HitRect& r = b.rect;
        // Four corners inside, then a step out across each edge.
        const std::array<Point, 8> points = {{{r.left, r.top},
                                              {r.right, r.top},
                                              {r.left, r.bottom},
                                              {r.right, r.bottom},
                                              {r.left - 1, r.top},
                                              {r.right + 1, r.bottom},
                                              {r.left, r.top - 1},
                                              {r.right, r.bottom + 1}}};
        for (size_t k = 0; k < points.size(); ++k) {
            const bool inside = k < 4;
            SCOPED_TRACE(testing::Message() << "mode " << b.mode << ", field " << b.field << " at " << points[k][0]
                                            << "," << points[k][1]);
            Game game = gameAt(b.mode);
            setField(&game.display, b.field, b.up);
            Game after = game;
            setField(&after.display, b.field, b.down);
            after.purse.bank = b.bankAfterPress;
            after.purse.bet = b.betAfterPress;
            expectRun(game, {press(points[k])}, inside && b.down != kIgnored ? &after : nullptr);

            setField(&game.display, b.field, b.down == kIgnored ? kButtonDown : b.down);
            after = game;
            setField(&after.display, b.field, b.released);
            after.mode = b.releaseMode;
            expectRun(game, {release(points[k])}, inside && b.released != kIgnored ? &after : nullptr);
        }
    }
}

// Noise no stage acts on, then clicks on buttons the stage does not have.
TEST(AllInput, IgnoredEventsChangeNothing)
{
    const Point aide = centre(kAideRect), newGame = centre(kNewGameRect), option = centre(kOptionRect);
    const Point carte = centre(kCarteRect), chip = centre(kChipRects[0]);
    // The chips and the Garder row share ground; this point of the third
    // Garder button lies between two chips.
    const Point garder = {290, 330};
    std::vector<SDL_Event> noise;
    for (Point p : {aide, newGame, option, carte, chip, garder, centre(kAproposRect)}) {
        for (Uint8 button : {SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
            noise.push_back(press(p, button));
            noise.push_back(release(p, button));
        }
        SDL_Event motion = eventOfType(SDL_MOUSEMOTION);
        motion.motion.state = SDL_BUTTON(SDL_BUTTON_LEFT);
        motion.motion.x = static_cast<Uint16>(p[0]);
        motion.motion.y = static_cast<Uint16>(p[1]);
        noise.push_back(motion);
    }
    for (SDLKey sym : {SDLK_RETURN, SDLK_SPACE, SDLK_q}) {
        noise.push_back(keyEvent(SDL_KEYDOWN, sym));
    }
    noise.push_back(keyEvent(SDL_KEYUP, SDLK_ESCAPE));
    for (Uint8 type : {SDL_ACTIVEEVENT, SDL_VIDEOEXPOSE, SDL_USEREVENT}) {
        noise.push_back(eventOfType(type));
    }
    // Outside everything, the band between Aide and Apropos, and the closed
    // Resume button of the start screen.
    const std::vector<Point> nowhere = {{0, 0}, {871, 487}, {7, 453}, {114, 456}, {400, 220}, {283, 203}, {586, 239}};
    const std::vector<std::pair<int32_t, std::vector<Point>>> missing = {
        {kModeStart, {chip, garder, carte}},
        {kModeOption, {aide, chip, garder, carte, newGame, option}},
        {kModeBet, {garder, newGame, option}},
        {kModeFirstHand, {chip, newGame, option}},
        {kModeResult, {chip, garder, newGame, option}},
        {kModeGameOver, {chip, garder, carte, newGame, option}},
    };
    for (const auto& [mode, points] : missing) {
        SCOPED_TRACE(mode);
        std::vector<SDL_Event> events = noise;
        for (const std::vector<Point>& list : {nowhere, points}) {
            for (Point p : list) {
                events.push_back(press(p));
                events.push_back(release(p));
            }
        }
        expectRun(gameAt(mode), events);
    }
}

TEST(BetInput, DisabledCarteIgnoresPressAndRelease)
{
    Game game = gameAt(kModeBet);
    game.display.carteButton = kCarteDisabled;
    std::vector<SDL_Event> clicks;
    const HitRect& r = kCarteRect;
    for (Point p : {Point{r.left, r.top}, Point{r.right, r.bottom}, centre(r)}) {
        clicks.push_back(press(p));
        clicks.push_back(release(p));
    }
    expectRun(game, clicks);

    // Enabled, a release deals even though the press was made elsewhere.
    game.display.carteButton = kCarteUp;
    Game after = game;
    after.mode = kModeFirstHand;
    expectRun(game, {release(centre(kCarteRect))}, &after);

    // Only the bet stage greys Carte out.
    game = gameAt(kModeFirstHand);
    game.display.carteButton = kCarteDisabled;
    after = game;
    after.display.carteButton = kCarteDown;
    expectRun(game, {press(centre(kCarteRect))}, &after);
}

TEST(FirstHandInput, GarderTogglesOnThePressOnly)
{
    // Press, release, press on the third: down, still down, up again.
    Game game = gameAt(kModeFirstHand);
    Game after = game;
    after.display.garderButtons[2] = kButtonDown;
    expectRun(game, {press(centre(kGarderRects[2]))}, &after);
    expectRun(after, {release(centre(kGarderRects[2]))});
    expectRun(after, {press(centre(kGarderRects[2]))}, &game);

    // Any value but 0 toggles to 0.
    for (int32_t value : {7, -1}) {
        game.display.garderButtons[2] = value;
        after.display.garderButtons[2] = kButtonUp;
        expectRun(game, {press(centre(kGarderRects[2]))}, &after);
    }
}

TEST(AllInput, EscapeCloseOrAFailedWaitQuitChangingNothingElse)
{
    const std::vector<std::vector<SDL_Event>> requests = {
        {keyEvent(SDL_KEYDOWN, SDLK_ESCAPE)}, {eventOfType(SDL_QUIT)}, {}};
    for (int32_t mode : {kModeStart, kModeOption, kModeBet, kModeFirstHand, kModeResult, kModeGameOver}) {
        for (size_t i = 0; i < requests.size(); ++i) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " request " + std::to_string(i));
            Game game = gameAt(mode);
            Game after = game;
            after.mode = kModeQuit;
            after.running = -1;
            gFailNextWait = requests[i].empty();  // and the backstop is left unread
            expectRun(game, requests[i], &after);
        }
    }
}

}  // namespace
