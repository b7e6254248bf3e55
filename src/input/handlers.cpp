#include "input/handlers.h"

#include <SDL.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "input/hit_areas.h"

namespace {

// The button field a rectangle drives.
enum class Field : uint8_t { Aide, Apropos, Retour, NewGame, Option, Continuer, Carte, Chip, Garder };

enum class Effect : uint8_t {
    Ignore,  // not acted on: the handler keeps waiting
    Set,     // the field takes the action's value
    Toggle,  // 0 becomes 1, any other value 0
};

// No mode has this value: the stage goes on.
constexpr int32_t kSameMode = -2;

struct Action {
    Effect effect;
    int32_t value;
    int32_t nextMode;
};

// Credits moved by a press in the bet stage.
enum class Stake : uint8_t { None, Chip, AllIn, Reset };

struct ButtonRule {
    HitRect rect;
    Field field;
    int32_t slot = 0;  // which chip or Garder button; 0 for the single buttons
    Action press;
    Action release;
    Stake stake = Stake::None;
    bool needsCarteEnabled = false;  // both events ignored while Carte is greyed out
};

constexpr Action kIgnore = {Effect::Ignore, 0, kSameMode};

constexpr Action setTo(int32_t value, int32_t nextMode = kSameMode) { return {Effect::Set, value, nextMode}; }

// Down on the press, up on the release, which may also end the stage.
constexpr ButtonRule pushButton(HitRect rect, Field field, int32_t releaseMode = kSameMode)
{
    return {.rect = rect, .field = field, .press = setTo(kButtonDown), .release = setTo(kButtonUp, releaseMode)};
}

constexpr ButtonRule chipButton(int32_t slot, Stake stake)
{
    return {.rect = kChipRects[static_cast<std::size_t>(slot)],
            .field = Field::Chip,
            .slot = slot,
            .press = setTo(kButtonDown),
            .release = setTo(kButtonUp),
            .stake = stake};
}

// Garder marks stay until the next round, so only the press counts.
constexpr ButtonRule garderButton(int32_t slot)
{
    return {.rect = kGarderRects[static_cast<std::size_t>(slot)],
            .field = Field::Garder,
            .slot = slot,
            .press = {Effect::Toggle, 0, kSameMode},
            .release = kIgnore};
}

constexpr ButtonRule carteButton(int32_t down, int32_t up, int32_t releaseMode, bool needsEnabled)
{
    return {.rect = kCarteRect,
            .field = Field::Carte,
            .press = setTo(down),
            .release = setTo(up, releaseMode),
            .needsCarteEnabled = needsEnabled};
}

constexpr ButtonRule kAideRule = pushButton(kAideRect, Field::Aide);
constexpr ButtonRule kAproposRule = pushButton(kAproposRect, Field::Apropos);

constexpr std::array<ButtonRule, 4> kStartRules = {
    kAideRule,
    kAproposRule,
    pushButton(kNewGameRect, Field::NewGame, kModeBet),
    pushButton(kOptionRect, Field::Option, kModeOption),
};

constexpr std::array<ButtonRule, 1> kOptionRules = {pushButton(kRetourRect, Field::Retour, kModeStart)};

constexpr std::array<ButtonRule, 13> kBetRules = {
    carteButton(kCarteDown, kCarteUp, kModeFirstHand, true),
    kAideRule,
    kAproposRule,
    chipButton(0, Stake::Chip),
    chipButton(1, Stake::Chip),
    chipButton(2, Stake::Chip),
    chipButton(3, Stake::Chip),
    chipButton(4, Stake::Chip),
    chipButton(5, Stake::Chip),
    chipButton(6, Stake::Chip),
    chipButton(7, Stake::Chip),
    chipButton(kChipAllin, Stake::AllIn),
    chipButton(kChipReset, Stake::Reset),
};

constexpr std::array<ButtonRule, 8> kFirstHandRules = {
    carteButton(kCarteDown, kRejouerUp, kModeResult, false),
    kAideRule,
    kAproposRule,
    garderButton(0),
    garderButton(1),
    garderButton(2),
    garderButton(3),
    garderButton(4),
};

constexpr std::array<ButtonRule, 3> kResultRules = {
    carteButton(kRejouerDown, kRejouerUp, kModeBet, false),
    kAideRule,
    kAproposRule,
};

// No button is drawn where Aide sits on other screens, yet a release there
// continues just like one on Continuer.
constexpr std::array<ButtonRule, 2> kGameOverRules = {
    pushButton(kContinuerRect, Field::Continuer, kModeStart),
    ButtonRule{.rect = kAideRect, .field = Field::Continuer, .press = kIgnore, .release = setTo(kButtonUp, kModeStart)},
};

int32_t* fieldOf(DisplayState* display, Field field, int32_t slot)
{
    const auto index = static_cast<std::size_t>(slot);
    switch (field) {
    case Field::Aide: return &display->aideButton;
    case Field::Apropos: return &display->aproposButton;
    case Field::Retour: return &display->retourButton;
    case Field::NewGame: return &display->newGameButton;
    case Field::Option: return &display->optionButton;
    case Field::Continuer: return &display->continuerButton;
    case Field::Carte: return &display->carteButton;
    case Field::Chip: return &display->chipButtons[index];
    case Field::Garder: break;
    }
    return &display->garderButtons[index];
}

void applyStake(Purse* purse, Stake stake, int32_t slot)
{
    if (purse == nullptr) {
        return;  // only the bet stage has a purse, and only its rules stake
    }
    switch (stake) {
    case Stake::None: break;
    case Stake::Chip: addChip(purse, kChipValues[static_cast<std::size_t>(slot)]); break;
    case Stake::AllIn: allIn(purse); break;
    case Stake::Reset: resetBet(purse); break;
    }
}

// True when the action was taken.
bool applyAction(const ButtonRule& rule, const Action& action, DisplayState* display, int32_t* mode)
{
    if (action.effect == Effect::Ignore || (rule.needsCarteEnabled && display->carteButton == kCarteDisabled)) {
        return false;
    }
    int32_t* field = fieldOf(display, rule.field, rule.slot);
    if (action.effect == Effect::Toggle) {
        *field = *field == kButtonUp ? kButtonDown : kButtonUp;
    } else {
        *field = action.value;
    }
    if (action.nextMode != kSameMode) {
        *mode = action.nextMode;
    }
    return true;
}

// True when the click was acted on.
bool actOnClick(const ButtonRule* rules, std::size_t count, const SDL_MouseButtonEvent& click, DisplayState* display,
                Purse* purse, int32_t* mode)
{
    if (click.button != SDL_BUTTON_LEFT) {
        return false;
    }
    const bool press = click.type == SDL_MOUSEBUTTONDOWN;
    for (std::size_t i = 0; i < count; ++i) {
        const ButtonRule& rule = rules[i];
        if (!hitTest(rule.rect, click.x, click.y) ||
            !applyAction(rule, press ? rule.press : rule.release, display, mode)) {
            continue;
        }
        if (press) {
            applyStake(purse, rule.stake, rule.slot);
        }
        return true;
    }
    return false;
}

bool isQuitRequest(const SDL_Event& event)
{
    return event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE);
}

void waitForAction(const ButtonRule* rules, std::size_t count, DisplayState* display, Purse* purse, int32_t* mode,
                   int32_t* running)
{
    for (;;) {
        SDL_Event event;
        // A failed wait fails again at once on every call; quitting beats
        // spinning on it forever.
        if (SDL_WaitEvent(&event) == 0 || isQuitRequest(event)) {
            *mode = kModeQuit;
            *running = -1;
            return;
        }
        if ((event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) &&
            actOnClick(rules, count, event.button, display, purse, mode)) {
            return;
        }
    }
}

}  // namespace

void handleStartInput(DisplayState* display, int32_t* mode, int32_t* running)
{
    waitForAction(kStartRules.data(), kStartRules.size(), display, nullptr, mode, running);
}

void handleOptionInput(DisplayState* display, int32_t* mode, int32_t* running)
{
    waitForAction(kOptionRules.data(), kOptionRules.size(), display, nullptr, mode, running);
}

void handleBetInput(DisplayState* display, Purse* purse, int32_t* mode, int32_t* running)
{
    waitForAction(kBetRules.data(), kBetRules.size(), display, purse, mode, running);
}

void handleFirstHandInput(DisplayState* display, int32_t* mode, int32_t* running)
{
    waitForAction(kFirstHandRules.data(), kFirstHandRules.size(), display, nullptr, mode, running);
}

void handleResultInput(DisplayState* display, int32_t* mode, int32_t* running)
{
    waitForAction(kResultRules.data(), kResultRules.size(), display, nullptr, mode, running);
}

void handleGameOverInput(DisplayState* display, int32_t* mode, int32_t* running)
{
    waitForAction(kGameOverRules.data(), kGameOverRules.size(), display, nullptr, mode, running);
}
