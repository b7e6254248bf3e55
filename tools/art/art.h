// The asset tool: draws every picture of the game with Cairo and writes the
// runtime folder. Everything lives in namespace art so that no name can meet
// one of the game's own drawing routines when both are linked together.
//
// To change ...                      edit ...
//   any colour                         palette.h (every colour is named there)
//   a background or a screen's text    backgrounds.cpp, paint<Screen>()
//   a button's label or style          buttons.cpp, kButtons
//   a button's raised/pressed look     buttons.cpp, shadeFor() and paintButton()
//   a card front (pips, indices)       cards.cpp; the back is paintCardBack()
//   a court figure (J, Q, K)           cards.cpp, kCourtLooks (dress, hair, attribute)
//   a suit symbol                      suits.cpp
//   a chip's colour or value text      chips.cpp, kChipLooks
//   a chip's shape                     chips.cpp, paintChip() and its parts
//   the score labels                   texts.cpp, kScoreLabels
//   a message or the help caption      texts.cpp, kMessageLooks and kHelpLines
//   the pay table                      kPayRows below, drawn by backgrounds.cpp
//   the contact sheet                  contact_sheet.cpp
// Positions, sizes and file names are the game's own (display/layout.h and
// input/hit_areas.h); the art never chooses them. Every file of the game's
// kImageElements must be drawn here: the tool stops, naming any one missing.
#pragma once

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <cstdio>

#include "art/art_layout.h"
#include "art/palette.h"
#include "cards/evaluate.h"
#include "cards/purse.h"
#include "display/layout.h"

namespace art {

constexpr double kPi = 3.14159265358979323846;

// Picture sizes are the game's (display/layout.h).
using Size = PictureSize;
constexpr int kIconSize = 32;

// Top of the control strip shared by every screen; the bottom-left buttons
// stand on it, so they look the same whatever screen shows them.
constexpr int kStripTop = 418;

// ---- fonts, loaded from their files ----
constexpr int32_t kFontSans = 0;        // DejaVu Sans
constexpr int32_t kFontSansBold = 1;    // DejaVu Sans Bold
constexpr int32_t kFontSerifBold = 2;   // DejaVu Serif Bold
constexpr int32_t kFontNarrowBold = 3;  // Liberation Sans Narrow Bold
constexpr int32_t kFontScore = 4;       // Liberation Sans: the game's own font
constexpr int32_t kFontLabel = 5;       // Liberation Sans Bold
constexpr int32_t kFontCount = 6;

struct Fonts {
    FT_Library library;
    std::array<FT_Face, kFontCount> faces;
    std::array<cairo_font_face_t*, kFontCount> cairoFaces;
};

bool loadFonts(Fonts* fonts);
void freeFonts(Fonts* fonts);

// Where the tool writes, and what it draws with.
struct Job {
    const char* outDir;
    const Fonts* fonts;
};

// ---- surfaces and files ----
cairo_surface_t* newImage(int w, int h);  // opaque
cairo_surface_t* newLayer(int w, int h);  // with alpha
// Copy of `w` × `h` pixels of `from` whose corner is `at`: elements start from
// what lies under them on screen, so their soft edges meet it seamlessly.
cairo_surface_t* cropImage(cairo_surface_t* from, ScreenPos at, int w, int h);
// A drawing context with fixed font options, so output never depends on the
// desktop's settings.
cairo_t* beginDrawing(cairo_surface_t* surface);
bool writeBmp(const Job* job, const char* relPath, cairo_surface_t* image);

// One element picture being drawn: it starts as a copy of what lies under it
// on screen (see cropImage), is painted through `cr`, then written as BMP.
struct Element {
    cairo_surface_t* image;
    cairo_t* cr;
};
Element beginElement(cairo_surface_t* under, ScreenPos at, int w, int h);
bool finishElement(const Job* job, Element* element, const char* relPath);
bool writePng(const Job* job, const char* relPath, cairo_surface_t* image);
bool makeParentDirs(const char* path);

// ---- drawing helpers ----
void setColor(cairo_t* cr, Rgb c);
void setColorAlpha(cairo_t* cr, Rgb c, double alpha);
Rgb mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Makes the source a vertical gradient from `top` at y0 to `bottom` at y1.
void setVerticalGradient(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom);
// One colour stop of a gradient.
void addStop(cairo_pattern_t* gradient, double offset, Rgb c, double alpha = 1.0);
// A rounded panel filled with the current source and edged in gold with a
// fine inner line: the frame of every display on the cabinet.
void fillFramedPanel(cairo_t* cr, double x, double y, double w, double h, double radius);
// Suit symbol path centred on (cx, cy), `size` high; kSuit* from the card rules.
void suitPath(cairo_t* cr, int32_t suit, double cx, double cy, double size);
Rgb suitColor(int32_t suit);
bool isRedSuit(int32_t suit);

constexpr int32_t kAlignLeft = 0;
constexpr int32_t kAlignCenter = 1;
constexpr int32_t kAlignRight = 2;
void setFont(cairo_t* cr, const Fonts* fonts, int32_t font, double size);
double textWidth(cairo_t* cr, const char* text);
// Text with its baseline at `baseline`; x is the left, centre or right edge.
// A narrow no-break space (U+202F, French spacing before : ; ! ? and inside
// guillemets) is set as a fixed thin gap, so it works in every font.
void showText(cairo_t* cr, const char* text, double x, double baseline, int32_t align);
// Centred text with a soft dark shadow under it, for light lettering.
void showEmbossed(cairo_t* cr, const char* text, double cx, double baseline, Rgb color);
// The top of a text drawn at `pointSize` by the game's font lies this far
// above its baseline (the way the game's text library places it).
int scoreAscent(const Fonts* fonts, int pointSize);

// ---- the pictures ----
constexpr int32_t kButtonStyleGold = 0;   // the main action of a screen
constexpr int32_t kButtonStyleWine = 1;   // everything else
constexpr int32_t kButtonStyleNight = 2;  // the card-exchange buttons (pressed: ticked)
// How a button or chip stands: raised, pressed, or greyed out.
constexpr int32_t kStateRaised = 0;
constexpr int32_t kStatePressed = 1;
constexpr int32_t kStateOff = 2;
struct ButtonLook {
    const char* label;
    int32_t style;
    int32_t state;
};
void paintButton(cairo_t* cr, const Fonts* fonts, Size size, ButtonLook look);

// The words drawn on a picture, for the page that speaks for the canvas:
// a button's label (by its file), a message, a score label; null for none.
const char* buttonLabel(const char* path);
const char* messageWords(int32_t message);
const char* scoreLabel(size_t slot);

void paintBackground(cairo_t* cr, const Fonts* fonts, int32_t screen);
void paintScoreBackdrop(cairo_t* cr, const Fonts* fonts);
void paintMessage(cairo_t* cr, const Fonts* fonts, int32_t message);
void paintCaption(cairo_t* cr, const Fonts* fonts, int32_t combination);
void paintCardFront(cairo_t* cr, const Fonts* fonts, int32_t rank, int32_t suit);
void paintCardBack(cairo_t* cr);
// Card at any place and scale (the start screen's fan uses it too); the
// card's corner is at the current origin, its size kCardSize.
void paintCard(cairo_t* cr, const Fonts* fonts, int32_t cardId);
void paintChip(cairo_t* cr, const Fonts* fonts, int32_t chip, int32_t state);
void paintIcon(cairo_t* cr);

// Writers of every runtime file, one group each.
bool writeBackgrounds(const Job* job, std::array<cairo_surface_t*, 6>* screens);
bool writeButtons(const Job* job, const std::array<cairo_surface_t*, 6>& screens);
bool writeChips(const Job* job, cairo_surface_t* gameScreen);
bool writeCards(const Job* job, cairo_surface_t* gameScreen);
bool writeTexts(const Job* job, cairo_surface_t* gameScreen);
bool writeIcon(const Job* job);
// The icon for the desktop: hicolor/<N>x<N>/apps/vantrel.png at every theme
// size and hicolor/scalable/apps/vantrel.svg, under `themeDir`.
bool writeThemeIcons(const char* themeDir);
// The icon for the browser build's manifest, under `webDir`: icon-192.png,
// icon-512.png, icon-maskable.png (512 pixels, full bleed), colors.json
// with the manifest's theme and background colours, and font-text.txt with
// every character the game draws with its font.
bool writeWebIcons(const char* webDir);
// The game's tables for the page and its tests, under `webDir`: tables.json
// with every picture element, click rectangle (with what it is called) and
// score text place, and the words a screen reader says for the screens,
// the pictures with words and the cards.
bool writeWebTables(const char* webDir);
// `name` under `webDir` opened for writing, or null after saying why.
std::FILE* openWebFile(const char* webDir, const char* name);
bool copyFont(const Job* job);

// The reviewer's page: every picture and the composed screens in one PNG,
// built from the files just written in `job->outDir`.
bool writeContactSheet(const Job* job, const char* sheetPath);

// The pay table as the game background shows it, strongest first; the
// multipliers are the game's own pay table, so the picture cannot drift.
struct PayRow {
    const char* name;
    int32_t code;
    int32_t multiplier;
};
constexpr PayRow payRow(const char* name, int32_t code) { return {name, code, kPayTable[static_cast<size_t>(code)]}; }
constexpr std::array<PayRow, kHandCodeCount> kPayRows = {{
    payRow("Quinte flush royale", kHandQuinteFlushRoyal),
    payRow("Quinte flush", kHandQuinteFlush),
    payRow("Carré", kHandCarre),
    payRow("Full", kHandFullHouse),
    payRow("Couleur", kHandCouleur),
    payRow("Suite", kHandSuite),
    payRow("Brelan", kHandBrelan),
    payRow("Double paire", kHandDoublePaire),
    payRow("Paire", kHandPaire),
    payRow("Rien", kHandRien),
}};

}  // namespace art
