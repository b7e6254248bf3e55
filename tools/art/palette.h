// Every colour the art uses, by name. Pictures never write a colour out
// inline: to retint something, change its entry here and rebuild.
#pragma once

#include "display/layout.h"

namespace art {

// ---- the cabinet: night blue and ink, gold as the accent ----
constexpr Rgb kGold = kScoreColor;  // the score numbers' own gold
constexpr Rgb kGoldDeep = {168, 124, 10};
constexpr Rgb kGoldPale = {255, 236, 150};
constexpr Rgb kInk = {12, 16, 30};  // cabinet black-blue
constexpr Rgb kNight = {24, 34, 66};
constexpr Rgb kNightDeep = {14, 20, 42};   // panels
constexpr Rgb kNightGlow = {36, 48, 88};   // the light behind the cabinet's top
constexpr Rgb kPanelTop = {34, 46, 88};    // top of the message panel
constexpr Rgb kStripLight = {40, 44, 64};  // the control strip, top to bottom
constexpr Rgb kStripDark = {10, 12, 22};
constexpr Rgb kFelt = {24, 116, 78};  // the game table, centre to edge
constexpr Rgb kFeltDeep = {6, 48, 34};
constexpr Rgb kWine = {138, 24, 44};
constexpr Rgb kWineDeep = {72, 10, 24};
constexpr Rgb kCream = {250, 246, 234};  // light lettering
constexpr Rgb kPageText = kPageTextColor;
constexpr Rgb kAsh = {104, 106, 116};  // anything unavailable
constexpr Rgb kAshDeep = {62, 64, 72};
// Secondary lettering (hints, a nil payout): quieter than the rest, still
// 4.5:1 on the night-blue panels and the control strip.
constexpr Rgb kQuietText = {150, 153, 164};
constexpr Rgb kLossPink = {236, 150, 160};   // "PERDU"
constexpr Rgb kShadow = {0, 0, 0};           // used with an alpha
constexpr Rgb kHighlight = {255, 255, 255};  // likewise

// ---- the browser build: the bar around the page, and the screen an
// installed app shows while it starts ----
constexpr Rgb kWebTheme = kNight;
constexpr Rgb kWebBackground = kInk;

// ---- buttons (see buttons.cpp for which style a button wears) ----
constexpr Rgb kWineButtonTop = {176, 42, 62};
constexpr Rgb kGoldButtonTop = {255, 226, 96};
constexpr Rgb kGoldButtonBottom = {206, 150, 8};
constexpr Rgb kNightButtonTop = {58, 82, 150};
constexpr Rgb kNightButtonEdge = {150, 170, 220};
constexpr Rgb kOffButtonEdge = {128, 130, 138};
constexpr Rgb kOffButtonLabel = {160, 162, 170};

// ---- cards ----
constexpr Rgb kPaper = {253, 252, 247};  // card fronts
constexpr Rgb kCardEdge = {150, 150, 146};
constexpr Rgb kPipRed = {206, 18, 40};
constexpr Rgb kPipBlack = {22, 22, 28};
constexpr Rgb kCourtPanel = {252, 244, 218};  // behind the court figures
constexpr Rgb kSkin = {248, 214, 178};
constexpr Rgb kLips = {176, 44, 54};
constexpr Rgb kSteel = {190, 196, 206};
constexpr Rgb kWood = {130, 90, 50};
constexpr Rgb kLeaf = {40, 120, 60};
constexpr Rgb kPearl = {240, 238, 230};
// Court dress and hair; which figure wears which is in cards.cpp.
constexpr Rgb kDressGreen = {32, 112, 80};
constexpr Rgb kDressBlue = {36, 70, 150};
constexpr Rgb kDressRed = {160, 28, 46};
constexpr Rgb kDressPurple = {96, 44, 130};
constexpr Rgb kDressOrange = {208, 110, 30};
constexpr Rgb kDressTeal = {24, 120, 130};
constexpr Rgb kDressBlack = {40, 40, 48};
constexpr Rgb kDressRose = {204, 82, 120};
constexpr Rgb kHairBrown = {120, 70, 30};
constexpr Rgb kHairBlond = {224, 176, 60};
constexpr Rgb kHairWhite = {236, 236, 232};
constexpr Rgb kHairBlack = {44, 34, 30};
constexpr Rgb kHairRed = {176, 76, 30};
constexpr Rgb kHairGrey = {160, 160, 164};

// ---- chips, by value ----
constexpr Rgb kChipIvory = {232, 230, 222};
constexpr Rgb kChipNavy = {30, 60, 140};
constexpr Rgb kChipMagenta = {196, 58, 138};
constexpr Rgb kChipRed = {192, 26, 38};
constexpr Rgb kChipBlue = {32, 82, 170};
constexpr Rgb kChipTeal = {28, 128, 112};
constexpr Rgb kChipOrange = {226, 118, 24};
constexpr Rgb kChipBlack = {34, 34, 40};
constexpr Rgb kChipPurple = {98, 44, 150};
constexpr Rgb kChipSilver = {168, 172, 182};

// ---- the contact sheet ----
constexpr Rgb kSheetGround = {26, 28, 38};
constexpr Rgb kSheetLabel = {178, 180, 190};

}  // namespace art
