// A long random session through the real round loop: presses and releases
// mostly on the real buttons, plus noise, with the game's invariants checked
// whenever the loop is parked between batches.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "../cards/list_check.h"
#include "session.h"

namespace {

constexpr int kTotalEvents = 100000;
constexpr int kBatch = 100;

void expectHandShown(const Session& s)
{
    const Ids inList = idsOf(s.handList);
    ASSERT_TRUE(std::is_sorted(inList.begin(), inList.end()));
    std::vector<int32_t> shown(s.display.handCards.begin(), s.display.handCards.end());
    std::sort(shown.begin(), shown.end());
    ASSERT_EQ(shown, inList);
}

struct Stats {
    int32_t handsWon, handsLost, bestWin, totalWon;
};

Stats statsOf(const Purse& p) { return {p.handsWon, p.handsLost, p.bestWin, p.totalWon}; }

// A random event, mostly on a real button, never Escape or a close request
// (those end the whole process while a page is open).
SDL_Event randomEvent(std::mt19937* rng, bool* releaseOnNewGame)
{
    static const std::vector<HitRect> targets = [] {
        std::vector<HitRect> t = {kAideRect,    kAproposRect,
                                  kNewGameRect, kOptionRect,
                                  kCarteRect,   hitRectAt(kResumeButtonPos, kLargeButtonWidth, kLargeButtonHeight)};
        t.insert(t.end(), kChipRects.begin(), kChipRects.end());
        t.insert(t.end(), kGarderRects.begin(), kGarderRects.end());
        return t;
    }();
    auto pick = [rng](int32_t low, int32_t high) { return std::uniform_int_distribution<int32_t>(low, high)(*rng); };

    int32_t x = pick(0, kScreenWidth - 1);
    int32_t y = pick(0, kScreenHeight - 1);
    if (pick(0, 99) < 85) {
        const HitRect& r = targets[static_cast<size_t>(pick(0, static_cast<int32_t>(targets.size()) - 1))];
        // Corners and edges are part of the rectangle and worth hitting often.
        x = pick(0, 3) == 0 ? (pick(0, 1) ? r.left : r.right) : pick(r.left, r.right);
        y = pick(0, 3) == 0 ? (pick(0, 1) ? r.top : r.bottom) : pick(r.top, r.bottom);
    }

    const int32_t kind = pick(0, 99);
    if (kind < 45) {
        return pressAt(x, y);
    }
    if (kind < 90) {
        *releaseOnNewGame = *releaseOnNewGame || hitTest(kNewGameRect, x, y);
        return releaseAt(x, y);
    }
    switch (kind % 5) {
    case 0: return pressAt(x, y, static_cast<uint8_t>(pick(2, 5)));  // right, middle, wheel
    case 1: return releaseAt(x, y, SDL_BUTTON_RIGHT);
    case 2: {
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.type = SDL_MOUSEMOTION;
        motion.motion.x = static_cast<Uint16>(x);
        motion.motion.y = static_cast<Uint16>(y);
        return motion;
    }
    case 3: return keyDown(SDLK_SPACE);
    default: {
        SDL_Event up = keyDown(SDLK_ESCAPE);  // a key release is ignored, even Escape's
        up.type = SDL_KEYUP;
        up.key.type = SDL_KEYUP;
        up.key.state = SDL_RELEASED;
        return up;
    }
    }
}

TEST(Soak, HundredThousandRandomEventsKeepTheGameConsistent)
{
    // An empty folder: every image and the font are missing, so drawing is
    // skipped quickly and the run stays short; drawing is covered elsewhere.
    char folder[] = "/tmp/vantrel-soak-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_EQ(chdir(folder), 0);

    std::mt19937 rng(12345);
    Session s{};
    startSession(&s, 99);
    Stats previous = statsOf(s.purse);
    std::array<int, 7> modesSeen{};
    int pagesSeen = 0;

    for (int sent = 0; sent < kTotalEvents; sent += kBatch) {
        std::vector<SDL_Event> batch;
        bool releaseOnNewGame = false;
        for (int i = 0; i < kBatch; ++i) {
            batch.push_back(randomEvent(&rng, &releaseOnNewGame));
        }
        step(batch);
        SCOPED_TRACE(testing::Message() << "after " << sent + kBatch << " events");

        ASSERT_TRUE(s.mode == kModeStart || s.mode == kModeBet || s.mode == kModeFirstHand || s.mode == kModeResult ||
                    s.mode == kModeOption || s.mode == kModeGameOver)
            << "mode " << s.mode;
        ASSERT_EQ(s.running, 1);
        ASSERT_GE(s.purse.bank, 0);
        ASSERT_GE(s.purse.bet, 0);
        expectDeckIntact(s.gatherList, s.stockList, s.handList);
        ASSERT_FALSE(HasFailure());
        if (s.mode == kModeFirstHand || s.mode == kModeResult) {
            expectHandShown(s);
        }

        // Statistics only grow within a game; they fall only when a new game
        // began (a release on NewGame) or the start screen cleared them.
        const Stats now = statsOf(s.purse);
        const bool fell = now.handsWon < previous.handsWon || now.handsLost < previous.handsLost ||
                          now.bestWin < previous.bestWin || now.totalWon < previous.totalWon;
        const bool cleared = now.handsWon == 0 && now.handsLost == 0 && now.bestWin == 0 && now.totalWon == 0;
        ASSERT_TRUE(!fell || releaseOnNewGame || cleared);
        ASSERT_LE(now.bestWin, now.totalWon);
        previous = now;

        ++modesSeen[static_cast<size_t>(s.mode)];
        pagesSeen += pageOpen(s) ? 1 : 0;
    }
    finishSession(&s);

    // The random stream really went everywhere.
    for (int32_t mode : {kModeStart, kModeBet, kModeFirstHand, kModeResult, kModeOption, kModeGameOver}) {
        EXPECT_GT(modesSeen[static_cast<size_t>(mode)], 0) << "mode " << mode << " never reached";
    }
    EXPECT_GT(pagesSeen, 0);
    rmdir(folder);
}

}  // namespace
