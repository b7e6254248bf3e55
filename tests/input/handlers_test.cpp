// The six stage handlers, driven by events pushed into SDL's queue.
//
// Every script ends with a quit request as a backstop: a handler that wrongly
// passes over the event it should act on still returns (and the leftover
// count shows it), and one that acts too early leaves more than the backstop.
#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cards/purse.h"
#include "display/display_state.h"
#include "input/handlers.h"

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

enum class Stage { Start, Option, Bet, FirstHand, Result, GameOver };
constexpr std::array<Stage, 6> kStages = {Stage::Start,     Stage::Option, Stage::Bet,
                                          Stage::FirstHand, Stage::Result, Stage::GameOver};

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
    fields[static_cast<std::size_t>(index)] = value;
    std::memcpy(display, fields.data(), sizeof fields);
}

int32_t modeOf(Stage stage)
{
    switch (stage) {
    case Stage::Start: return MODE_START;
    case Stage::Option: return MODE_OPTION;
    case Stage::Bet: return MODE_BET;
    case Stage::FirstHand: return MODE_FIRST_HAND;
    case Stage::Result: return MODE_RESULT;
    case Stage::GameOver: break;
    }
    return MODE_GAME_OVER;
}

// A mid-game record, so that a stray write shows up as a change.
Game gameAt(Stage stage)
{
    Game game{};
    resetDisplayState(&game.display);
    game.display.handCards = {5, 17, 29, 41, 52};
    game.display.garderButtons = {0, 1, 0, 0, 0};
    game.display.message = MSG_FIRST_HAND;
    if (stage == Stage::Result) {
        game.display.carteButton = REJOUER_UP;
    }
    resetPurse(&game.purse);
    game.purse.bank = kBank;
    game.purse.bet = kBet;
    game.purse.handsWon = 3;
    game.mode = modeOf(stage);
    game.running = 1;
    return game;
}

void callHandler(Stage stage, Game* game)
{
    switch (stage) {
    case Stage::Start: handleStartInput(&game->display, &game->mode, &game->running); break;
    case Stage::Option: handleOptionInput(&game->display, &game->mode, &game->running); break;
    case Stage::Bet: handleBetInput(&game->display, &game->purse, &game->mode, &game->running); break;
    case Stage::FirstHand: handleFirstHandInput(&game->display, &game->mode, &game->running); break;
    case Stage::Result: handleResultInput(&game->display, &game->mode, &game->running); break;
    case Stage::GameOver: handleGameOverInput(&game->display, &game->mode, &game->running); break;
    }
}

void expectSame(const Game& actual, const Game& expected)
{
    EXPECT_EQ(fieldsOf(actual.display), fieldsOf(expected.display));
    EXPECT_EQ(actual.purse.bank, expected.purse.bank);
    EXPECT_EQ(actual.purse.bet, expected.purse.bet);
    EXPECT_EQ(actual.purse.win, expected.purse.win);
    EXPECT_EQ(actual.purse.handsWon, expected.purse.handsWon);
    EXPECT_EQ(actual.mode, expected.mode);
    EXPECT_EQ(actual.running, expected.running);
}

SDL_Event ofType(Uint8 type)
{
    SDL_Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

SDL_Event click(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    SDL_Event event = ofType(type);
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

SDL_Event press(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    return click(SDL_MOUSEBUTTONDOWN, x, y, button);
}

SDL_Event release(int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    return click(SDL_MOUSEBUTTONUP, x, y, button);
}

SDL_Event key(Uint8 type, SDLKey sym)
{
    SDL_Event event = ofType(type);
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    return event;
}

// Pushes the script and the backstop, runs the stage's handler and returns
// how many events it left unread: 1 when it stopped at the script's end.
int runScript(Stage stage, Game* game, const std::vector<SDL_Event>& script)
{
    for (SDL_Event event : script) {
        EXPECT_EQ(SDL_PushEvent(&event), 0) << "queue full";
    }
    SDL_Event backstop = ofType(SDL_QUIT);
    EXPECT_EQ(SDL_PushEvent(&backstop), 0) << "queue full";
    callHandler(stage, game);
    int left = 0;
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        ++left;
    }
    return left;
}

// A press each stage acts on without leaving the stage: after ignored events
// it proves the handler passed over them and stopped here.
struct Witness {
    int x;
    int y;
    int field;
};

Witness witnessOf(Stage stage)
{
    switch (stage) {
    case Stage::Start: return {400, 160, kNewGame};
    case Stage::Option: return {60, 470, kRetour};
    case Stage::GameOver: return {60, 470, kContinuer};
    default: break;
    }
    return {60, 440, kAide};
}

// Runs `event` then the witness on `game`: only the witness may change it.
void expectIgnored(Stage stage, const Game& game, const std::vector<SDL_Event>& events)
{
    const Witness witness = witnessOf(stage);
    std::vector<SDL_Event> script = events;
    script.push_back(press(witness.x, witness.y));
    Game actual = game;
    Game expected = game;
    setField(&expected.display, witness.field, BUTTON_DOWN);
    EXPECT_EQ(runScript(stage, &actual, script), 1);
    expectSame(actual, expected);
}

struct Rect {
    int left;  // all bounds inclusive
    int top;
    int right;
    int bottom;
};

constexpr int32_t kIgnored = -100;

// One button of a stage. Before a release the field holds `down` (or 1 when
// the press is ignored).
struct Button {
    const char* name;
    Rect rect;
    int field;
    int32_t up;        // before the press
    int32_t down;      // after the press, or kIgnored
    int32_t released;  // after the release, or kIgnored
    int32_t releaseMode;
    int32_t bankAfterPress = kBank;
    int32_t betAfterPress = kBet;
};

void checkButtons(Stage stage, const std::vector<Button>& buttons)
{
    for (const Button& button : buttons) {
        SCOPED_TRACE(button.name);
        const Rect& r = button.rect;
        const std::array<std::array<int, 2>, 4> inside = {
            {{r.left, r.top}, {r.right, r.top}, {r.left, r.bottom}, {r.right, r.bottom}}};
        const std::array<std::array<int, 2>, 4> outside = {
            {{r.left - 1, r.top}, {r.right + 1, r.bottom}, {r.left, r.top - 1}, {r.right, r.bottom + 1}}};
        const int32_t held = button.down == kIgnored ? BUTTON_DOWN : button.down;

        for (const auto& p : inside) {
            SCOPED_TRACE("inside " + std::to_string(p[0]) + "," + std::to_string(p[1]));
            Game game = gameAt(stage);
            setField(&game.display, button.field, button.up);
            if (button.down == kIgnored) {
                expectIgnored(stage, game, {press(p[0], p[1])});
            } else {
                Game expected = game;
                setField(&expected.display, button.field, button.down);
                expected.purse.bank = button.bankAfterPress;
                expected.purse.bet = button.betAfterPress;
                EXPECT_EQ(runScript(stage, &game, {press(p[0], p[1])}), 1);
                expectSame(game, expected);
            }

            game = gameAt(stage);
            setField(&game.display, button.field, held);
            if (button.released == kIgnored) {
                expectIgnored(stage, game, {release(p[0], p[1])});
            } else {
                Game expected = game;
                setField(&expected.display, button.field, button.released);
                expected.mode = button.releaseMode;
                EXPECT_EQ(runScript(stage, &game, {release(p[0], p[1])}), 1);
                expectSame(game, expected);
            }
        }

        for (const auto& p : outside) {
            SCOPED_TRACE("outside " + std::to_string(p[0]) + "," + std::to_string(p[1]));
            Game game = gameAt(stage);
            setField(&game.display, button.field, button.up);
            expectIgnored(stage, game, {press(p[0], p[1])});
            setField(&game.display, button.field, held);
            expectIgnored(stage, game, {release(p[0], p[1])});
        }
    }
}

constexpr Rect kAideRect = {7, 426, 114, 452};
constexpr Rect kLowerLeftRect = {7, 457, 114, 483};  // Apropos, Retour and Continuer
constexpr Rect kCarteRect = {386, 441, 537, 477};

TEST(StartInput, ButtonBoundsAreInclusive)
{
    checkButtons(Stage::Start, {
                                   {"Aide", kAideRect, kAide, 0, 1, 0, MODE_START},
                                   {"Apropos", kLowerLeftRect, kApropos, 0, 1, 0, MODE_START},
                                   {"NewGame", {283, 144, 586, 180}, kNewGame, 0, 1, 0, MODE_BET},
                                   {"Option", {283, 261, 586, 297}, kOption, 0, 1, 0, MODE_OPTION},
                               });
}

TEST(OptionInput, ButtonBoundsAreInclusive)
{
    checkButtons(Stage::Option, {{"Retour", kLowerLeftRect, kRetour, 0, 1, 0, MODE_START}});
}

TEST(BetInput, ButtonBoundsAreInclusiveAndChipsStake)
{
    checkButtons(Stage::Bet, {
                                 {"Carte", kCarteRect, kCarte, CARTE_UP, CARTE_DOWN, CARTE_UP, MODE_FIRST_HAND},
                                 {"Aide", kAideRect, kAide, 0, 1, 0, MODE_BET},
                                 {"Apropos", kLowerLeftRect, kApropos, 0, 1, 0, MODE_BET},
                                 {"jeton 1", {47, 210, 114, 277}, kChip + 0, 0, 1, 0, MODE_BET, 899, 101},
                                 {"jeton 2", {130, 210, 197, 277}, kChip + 1, 0, 1, 0, MODE_BET, 898, 102},
                                 {"jeton 5", {213, 210, 280, 277}, kChip + 2, 0, 1, 0, MODE_BET, 895, 105},
                                 {"jeton 10", {296, 210, 363, 277}, kChip + 3, 0, 1, 0, MODE_BET, 890, 110},
                                 {"jeton 20", {47, 293, 114, 360}, kChip + 4, 0, 1, 0, MODE_BET, 880, 120},
                                 {"jeton 50", {130, 293, 197, 360}, kChip + 5, 0, 1, 0, MODE_BET, 850, 150},
                                 {"jeton 100", {213, 293, 280, 360}, kChip + 6, 0, 1, 0, MODE_BET, 800, 200},
                                 {"jeton 200", {296, 293, 363, 360}, kChip + 7, 0, 1, 0, MODE_BET, 700, 300},
                                 {"Allin", {401, 210, 468, 277}, kChip + 8, 0, 1, 0, MODE_BET, 0, 1000},
                                 {"Reset", {401, 293, 468, 360}, kChip + 9, 0, 1, 0, MODE_BET, 1000, 0},
                             });
}

TEST(FirstHandInput, ButtonBoundsAreInclusive)
{
    std::vector<Button> buttons = {
        {"Carte", kCarteRect, kCarte, CARTE_UP, CARTE_DOWN, REJOUER_UP, MODE_RESULT},
        {"Aide", kAideRect, kAide, 0, 1, 0, MODE_FIRST_HAND},
        {"Apropos", kLowerLeftRect, kApropos, 0, 1, 0, MODE_FIRST_HAND},
    };
    for (int i = 0; i < 5; ++i) {
        buttons.push_back({"Garder", {57 + 91 * i, 322, 126 + 91 * i, 336}, kGarder + i, 0, 1, kIgnored, 0});
    }
    checkButtons(Stage::FirstHand, buttons);
}

TEST(ResultInput, ButtonBoundsAreInclusive)
{
    checkButtons(Stage::Result, {
                                    {"Rejouer", kCarteRect, kCarte, REJOUER_UP, REJOUER_DOWN, REJOUER_UP, MODE_BET},
                                    {"Aide", kAideRect, kAide, 0, 1, 0, MODE_RESULT},
                                    {"Apropos", kLowerLeftRect, kApropos, 0, 1, 0, MODE_RESULT},
                                });
}

TEST(GameOverInput, ContinuerAndAideReleaseContinue)
{
    checkButtons(Stage::GameOver, {
                                      {"Continuer", kLowerLeftRect, kContinuer, 0, 1, 0, MODE_START},
                                      {"Aide place", kAideRect, kContinuer, 0, kIgnored, 0, MODE_START},
                                  });
}

// Noise no stage acts on, then clicks on buttons the stage does not have.
TEST(AllInput, IgnoredEventsChangeNothing)
{
    const std::array<std::array<int, 2>, 7> buttonPoints = {
        {{60, 440}, {60, 470}, {460, 460}, {400, 160}, {400, 280}, {80, 240}, {90, 330}}};
    std::vector<SDL_Event> noise;
    for (const auto& p : buttonPoints) {
        for (Uint8 button : {SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN}) {
            noise.push_back(press(p[0], p[1], button));
            noise.push_back(release(p[0], p[1], button));
        }
        SDL_Event motion = ofType(SDL_MOUSEMOTION);
        motion.motion.state = SDL_BUTTON(SDL_BUTTON_LEFT);
        motion.motion.x = static_cast<Uint16>(p[0]);
        motion.motion.y = static_cast<Uint16>(p[1]);
        noise.push_back(motion);
    }
    for (SDLKey sym : {SDLK_RETURN, SDLK_SPACE, SDLK_q, SDLK_F4}) {
        noise.push_back(key(SDL_KEYDOWN, sym));
    }
    noise.push_back(key(SDL_KEYUP, SDLK_ESCAPE));
    noise.push_back(key(SDL_KEYUP, SDLK_RETURN));
    for (Uint8 type : {SDL_ACTIVEEVENT, SDL_VIDEOEXPOSE, SDL_USEREVENT}) {
        noise.push_back(ofType(type));
    }
    // Outside everything, and the band between Aide and Apropos.
    for (const auto& p : std::vector<std::array<int, 2>>{{0, 0}, {871, 487}, {7, 453}, {114, 456}, {60, 454}}) {
        noise.push_back(press(p[0], p[1]));
        noise.push_back(release(p[0], p[1]));
    }

    const std::array<int, 2> resume = {400, 220};  // drawn on the start screen, never clickable
    const std::array<int, 2> aide = {60, 440};
    const std::array<int, 2> chip = {80, 240};
    // The chips and the Garder row share ground on the game screen; this
    // point of the third Garder button lies between two chips.
    const std::array<int, 2> garder = {290, 330};
    const std::array<int, 2> carte = {460, 460};
    const std::array<int, 2> newGame = {400, 160};
    const std::array<int, 2> option = {400, 280};
    struct Extra {
        Stage stage;
        std::vector<std::array<int, 2>> clicks;  // left press and release
    };
    const std::vector<Extra> extras = {
        {Stage::Start, {resume, {283, 203}, {586, 239}, chip, garder, carte}},
        {Stage::Option, {aide, chip, garder, carte, newGame, option}},
        {Stage::Bet, {garder, newGame, option}},
        {Stage::FirstHand, {chip, newGame, option}},
        {Stage::Result, {chip, garder, newGame, option}},
        {Stage::GameOver, {chip, garder, carte, newGame, option}},
    };
    for (const Extra& extra : extras) {
        SCOPED_TRACE(static_cast<int>(extra.stage));
        std::vector<SDL_Event> events = noise;
        for (const auto& p : extra.clicks) {
            events.push_back(press(p[0], p[1]));
            events.push_back(release(p[0], p[1]));
        }
        ASSERT_LT(events.size(), 126U) << "the queue holds 127 events";
        expectIgnored(extra.stage, gameAt(extra.stage), events);
    }
}

TEST(BetInput, ChipsMoveCreditsOnlyOnThePress)
{
    struct Case {
        const char* name;
        int slot;
        int32_t bank;
        int32_t bet;
        int32_t bankAfter;
        int32_t betAfter;
    };
    const std::array<Case, 8> cases = {{
        {"jeton 200, bank 30", 7, 30, 0, 0, 30},
        {"jeton 50, bank exactly 50", 5, 50, 0, 0, 50},
        {"jeton 1, empty bank", 0, 0, 40, 0, 40},
        {"jeton 200, empty bank", 7, 0, 40, 0, 40},
        {"Allin", 8, 35, 5, 0, 40},
        {"Allin, empty bank", 8, 0, 40, 0, 40},
        {"Reset", 9, 10, 40, 50, 0},
        {"Reset, no bet", 9, 50, 0, 50, 0},
    }};
    const std::array<std::array<int, 2>, 10> centres = {
        {{80, 243}, {163, 243}, {246, 243}, {329, 243}, {80, 326},
         {163, 326}, {246, 326}, {329, 326}, {434, 243}, {434, 326}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto& p = centres[static_cast<std::size_t>(c.slot)];
        Game game = gameAt(Stage::Bet);
        game.purse.bank = c.bank;
        game.purse.bet = c.bet;
        Game expected = game;
        setField(&expected.display, kChip + c.slot, BUTTON_DOWN);
        expected.purse.bank = c.bankAfter;
        expected.purse.bet = c.betAfter;
        EXPECT_EQ(runScript(Stage::Bet, &game, {press(p[0], p[1])}), 1);
        expectSame(game, expected);

        setField(&expected.display, kChip + c.slot, BUTTON_UP);
        EXPECT_EQ(runScript(Stage::Bet, &game, {release(p[0], p[1])}), 1);
        expectSame(game, expected);
    }
}

TEST(BetInput, DisabledCarteIgnoresPressAndRelease)
{
    Game game = gameAt(Stage::Bet);
    game.display.carteButton = CARTE_DISABLED;
    game.purse.bank = 50;
    game.purse.bet = 0;
    std::vector<SDL_Event> clicks;
    for (const auto& p : std::vector<std::array<int, 2>>{{386, 441}, {537, 477}, {460, 460}}) {
        clicks.push_back(press(p[0], p[1]));
        clicks.push_back(release(p[0], p[1]));
    }
    expectIgnored(Stage::Bet, game, clicks);

    // Enabled, a release deals even though the press was made elsewhere.
    game.display.carteButton = CARTE_UP;
    game.purse.bet = 5;
    Game expected = game;
    expected.mode = MODE_FIRST_HAND;
    EXPECT_EQ(runScript(Stage::Bet, &game, {release(460, 460)}), 1);
    expectSame(game, expected);

    // Only the bet stage greys Carte out; the first hand never tests it.
    game = gameAt(Stage::FirstHand);
    game.display.carteButton = CARTE_DISABLED;
    expected = game;
    expected.display.carteButton = CARTE_DOWN;
    EXPECT_EQ(runScript(Stage::FirstHand, &game, {press(460, 460)}), 1);
    expectSame(game, expected);
}

TEST(FirstHandInput, GarderTogglesOnPressAndIgnoresRelease)
{
    const std::array<std::array<int32_t, 2>, 4> toggles = {{{0, 1}, {1, 0}, {7, 0}, {-1, 0}}};
    for (int slot = 0; slot < 5; ++slot) {
        for (const auto& t : toggles) {
            SCOPED_TRACE("Garder " + std::to_string(slot) + " from " + std::to_string(t[0]));
            Game game = gameAt(Stage::FirstHand);
            setField(&game.display, kGarder + slot, t[0]);
            Game expected = game;
            setField(&expected.display, kGarder + slot, t[1]);
            EXPECT_EQ(runScript(Stage::FirstHand, &game, {press(90 + 91 * slot, 330)}), 1);
            expectSame(game, expected);
        }
    }

    // Press, release, press on the third card: down, still down, up again.
    Game game = gameAt(Stage::FirstHand);
    EXPECT_EQ(runScript(Stage::FirstHand, &game, {press(272, 330)}), 1);
    EXPECT_EQ(game.display.garderButtons[2], BUTTON_DOWN);
    expectIgnored(Stage::FirstHand, game, {release(272, 330)});
    EXPECT_EQ(runScript(Stage::FirstHand, &game, {press(272, 330)}), 1);
    EXPECT_EQ(game.display.garderButtons[2], BUTTON_UP);
    EXPECT_EQ(game.mode, MODE_FIRST_HAND);
}

TEST(AllInput, EscapeAndCloseQuitChangingNothingElse)
{
    for (Stage stage : kStages) {
        for (bool escape : {true, false}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(stage)) + (escape ? " Escape" : " close"));
            Game game = gameAt(stage);
            game.display.chipButtons[4] = BUTTON_DOWN;
            game.display.aideButton = BUTTON_DOWN;
            Game expected = game;
            expected.mode = MODE_QUIT;
            expected.running = -1;
            const SDL_Event request = escape ? key(SDL_KEYDOWN, SDLK_ESCAPE) : ofType(SDL_QUIT);
            EXPECT_EQ(runScript(stage, &game, {request}), 1);
            expectSame(game, expected);
        }
    }
}

}  // namespace
