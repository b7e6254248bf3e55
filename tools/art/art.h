// The asset tool: draws every picture of the game with Cairo and writes the
// runtime folder. Everything lives in namespace art so that no name can meet
// one of the game's own drawing routines when both are linked together.
#pragma once

#include <cairo-ft.h>
#include <cairo.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>

#include "art/art_layout.h"
#include "cards/evaluate.h"
#include "cards/purse.h"
#include "display/layout.h"

namespace art {

constexpr double kPi = 3.14159265358979323846;

// ---- palette: one set of colours for the whole game, gold as the accent ----
constexpr Rgb kGold = kScoreColor;
constexpr Rgb kGoldDeep = {168, 124, 10};
constexpr Rgb kGoldPale = {255, 236, 150};
constexpr Rgb kInk = {12, 16, 30};    // cabinet black-blue
constexpr Rgb kNight = {24, 34, 66};  // panels
constexpr Rgb kNightDeep = {14, 20, 42};
constexpr Rgb kFelt = {16, 92, 62};
constexpr Rgb kFeltDeep = {6, 48, 34};
constexpr Rgb kWine = {138, 24, 44};
constexpr Rgb kWineDeep = {72, 10, 24};
constexpr Rgb kCream = {250, 246, 234};
constexpr Rgb kPaper = {253, 252, 247};  // card faces
constexpr Rgb kPipRed = {206, 18, 40};
constexpr Rgb kPipBlack = {22, 22, 28};
constexpr Rgb kAsh = {104, 106, 116};  // anything unavailable
constexpr Rgb kAshDeep = {62, 64, 72};
constexpr Rgb kPageText = kPageTextColor;

// ---- sizes chosen for the pictures (each covers its click rectangle) ----
struct Size {
    int w;
    int h;
};
constexpr Size kSmallButtonSize = {110, 29};  // Aide, Apropos, Retour, Continuer
constexpr Size kLargeButtonSize = {306, 39};  // NewGame, Resume, Option
constexpr Size kCarteButtonSize = {154, 39};  // Carte, Rejouer
constexpr Size kGarderButtonSize = {80, 20};
constexpr Size kCardSize = {70, 98};
constexpr Size kMessageSize = {382, 46};
constexpr Size kCaptionSize = {262, 38};
constexpr Size kBackdropSize = {548, 98};
constexpr int kIconSize = 32;

// Top of the control strip shared by every screen; the bottom-left buttons
// stand on it, so they look the same whatever screen shows them.
constexpr int kStripTop = 418;

// ---- fonts, loaded from their files ----
constexpr int32_t FONT_SANS = 0;         // DejaVu Sans
constexpr int32_t FONT_SANS_BOLD = 1;    // DejaVu Sans Bold
constexpr int32_t FONT_SERIF_BOLD = 2;   // DejaVu Serif Bold
constexpr int32_t FONT_NARROW_BOLD = 3;  // Liberation Sans Narrow Bold
constexpr int32_t FONT_SCORE = 4;        // Liberation Sans: the game's own font
constexpr int32_t FONT_LABEL = 5;        // Liberation Sans Bold
constexpr int32_t FONT_COUNT = 6;

struct Fonts {
    FT_Library library;
    std::array<FT_Face, FONT_COUNT> faces;
    std::array<cairo_font_face_t*, FONT_COUNT> cairoFaces;
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
// A rounded panel filled with the current source and edged in gold with a
// fine inner line: the frame of every display on the cabinet.
void fillFramedPanel(cairo_t* cr, double x, double y, double w, double h, double radius);
// Suit symbol path centred on (cx, cy), `size` high; SUIT_* from the card rules.
void suitPath(cairo_t* cr, int32_t suit, double cx, double cy, double size);
Rgb suitColor(int32_t suit);

constexpr int32_t ALIGN_LEFT = 0;
constexpr int32_t ALIGN_CENTER = 1;
constexpr int32_t ALIGN_RIGHT = 2;
void setFont(cairo_t* cr, const Fonts* fonts, int32_t font, double size);
double textWidth(cairo_t* cr, const char* text);
// Text with its baseline at `baseline`; x is the left, centre or right edge.
void showText(cairo_t* cr, const char* text, double x, double baseline, int32_t align);
// Centred text with a soft dark shadow under it, for light lettering.
void showEmbossed(cairo_t* cr, const char* text, double cx, double baseline, Rgb color);
// The top of a text drawn at `pointSize` by the game's font lies this far
// above its baseline (the way the game's text library places it).
int scoreAscent(const Fonts* fonts, int pointSize);

// ---- the pictures ----
constexpr int32_t BUTTON_STYLE_GOLD = 0;   // the main action of a screen
constexpr int32_t BUTTON_STYLE_WINE = 1;   // everything else
constexpr int32_t BUTTON_STYLE_NIGHT = 2;  // the card-exchange buttons
constexpr int32_t FACE_UP = 0;
constexpr int32_t FACE_DOWN = 1;
constexpr int32_t FACE_OFF = 2;  // unavailable
struct ButtonLook {
    const char* label;
    int32_t style;
    int32_t face;
};
void paintButton(cairo_t* cr, const Fonts* fonts, Size size, ButtonLook look);

void paintBackground(cairo_t* cr, const Fonts* fonts, int32_t screen);
void paintScoreBackdrop(cairo_t* cr, const Fonts* fonts);
void paintMessage(cairo_t* cr, const Fonts* fonts, int32_t message);
void paintCaption(cairo_t* cr, const Fonts* fonts, int32_t combination);
void paintCardFace(cairo_t* cr, const Fonts* fonts, int32_t rank, int32_t suit);
void paintCardBack(cairo_t* cr);
// Card at any place and scale (the start screen's fan uses it too); the
// card's corner is at the current origin, its size kCardSize.
void paintCard(cairo_t* cr, const Fonts* fonts, int32_t cardId);
void paintChip(cairo_t* cr, const Fonts* fonts, int32_t chip, int32_t face);
void paintIcon(cairo_t* cr);

// Writers of every runtime file, one group each.
bool writeBackgrounds(const Job* job, std::array<cairo_surface_t*, 6>* screens);
bool writeButtons(const Job* job, const std::array<cairo_surface_t*, 6>& screens);
bool writeChips(const Job* job, cairo_surface_t* gameScreen);
bool writeCards(const Job* job, cairo_surface_t* gameScreen);
bool writeTexts(const Job* job, cairo_surface_t* gameScreen);
bool writeIcon(const Job* job);
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
