// The six backgrounds, 872 × 488. All stand on one cabinet: the same dark
// body and the same control strip at the bottom, so the buttons placed there
// look alike on every screen.
#include <cmath>
#include <cstdio>

#include "art/art.h"
#include "cards/card_list.h"
#include "state/display_state.h"

namespace art {

namespace {

constexpr double kW = kScreenWidth;
constexpr double kH = kScreenHeight;

// A wine-red light behind a screen's heading, centred on the cabinet's own
// light so that both make one round gradient.
struct WineLight {
    double cy;
    double radius;
    double strength;
};

// The cabinet's light, with the wine light mixed in where a screen has one.
// Mixed here into the stops of one pattern rather than painted over it: two
// lights of different centres blended in 8 bits leave a rounding noise that
// no lossless format compresses, and the browser build downloads every
// background.
void paintCabinetLight(cairo_t* cr, const WineLight* wine)
{
    constexpr double kInner = 20;  // the light is flat inside this radius
    constexpr double kOuter = 620;
    constexpr int kStops = 124;
    const double cy = wine != nullptr ? wine->cy : 150;
    cairo_pattern_t* glow = cairo_pattern_create_radial(kW / 2, cy, 0, kW / 2, cy, kOuter);
    for (int i = 0; i <= kStops; ++i) {
        const double r = kOuter * i / kStops;
        const double t = r <= kInner ? 0 : (r - kInner) / (kOuter - kInner);
        double red = kNightGlow.r + (kInk.r - kNightGlow.r) * t;
        double green = kNightGlow.g + (kInk.g - kNightGlow.g) * t;
        double blue = kNightGlow.b + (kInk.b - kNightGlow.b) * t;
        if (wine != nullptr && r < wine->radius) {
            const double a = wine->strength * (r <= 10 ? 1 : 1 - (r - 10) / (wine->radius - 10));
            red += (kWine.r - red) * a;
            green += (kWine.g - green) * a;
            blue += (kWine.b - blue) * a;
        }
        cairo_pattern_add_color_stop_rgb(glow, r / kOuter, red / 255, green / 255, blue / 255);
    }
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
}

void paintCabinet(cairo_t* cr, const Fonts* fonts, const WineLight* wine)
{
    paintCabinetLight(cr, wine);

    setVerticalGradient(cr, kStripTop, kStripLight, kH, kStripDark);
    cairo_rectangle(cr, 0, kStripTop, kW, kH - kStripTop);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1);
    setColor(cr, kGoldDeep);
    cairo_move_to(cr, 0, kStripTop + 0.5);
    cairo_line_to(cr, kW, kStripTop + 0.5);
    cairo_stroke(cr);
    setColorAlpha(cr, kInk, 0.8);
    cairo_move_to(cr, 0, kStripTop + 1.5);
    cairo_line_to(cr, kW, kStripTop + 1.5);
    cairo_stroke(cr);

    setFont(cr, fonts, kFontSans, 11);
    setColor(cr, kQuietText);
    showText(cr, "Échap\u202F: quitter", kW - 14, kH - 14, kAlignRight);
}

// Night-blue panel with a gold edge.
void paintPanel(cairo_t* cr, double x, double y, double w, double h)
{
    setColorAlpha(cr, kNightDeep, 0.88);
    fillFramedPanel(cr, x, y, w, h, 10);
}

// A heading in gold serif letters with a dark shadow.
void paintHeading(cairo_t* cr, const Fonts* fonts, const char* text, double cx, double baseline, double size)
{
    setFont(cr, fonts, kFontSerifBold, size);
    setColorAlpha(cr, kShadow, 0.6);
    showText(cr, text, cx + 2, baseline + 3, kAlignCenter);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline);
    addStop(gold, 0, kGoldPale);
    addStop(gold, 0.55, kGold);
    addStop(gold, 1, kGoldDeep);
    cairo_set_source(cr, gold);
    showText(cr, text, cx, baseline, kAlignCenter);
    cairo_pattern_destroy(gold);
}

// Four suits in a row, as a divider under headings.
void paintSuitRule(cairo_t* cr, double cx, double y, double halfWidth)
{
    cairo_set_line_width(cr, 1);
    setColor(cr, kGoldDeep);
    cairo_move_to(cr, cx - halfWidth, y + 0.5);
    cairo_line_to(cr, cx - 34, y + 0.5);
    cairo_move_to(cr, cx + 34, y + 0.5);
    cairo_line_to(cr, cx + halfWidth, y + 0.5);
    cairo_stroke(cr);
    for (int32_t suit = 0; suit < 4; ++suit) {
        suitPath(cr, suit, cx - 22.5 + 15 * suit, y, 10);
        setColor(cr, isRedSuit(suit) ? kPipRed : kCream);
        cairo_fill(cr);
    }
}

void paintLines(cairo_t* cr, const Fonts* fonts, const char* const* lines, size_t count, double x, double baseline,
                double step, double size)
{
    setFont(cr, fonts, kFontSans, size);
    setColor(cr, kPageText);
    for (size_t i = 0; i < count; ++i) {
        showText(cr, lines[i], x, baseline + step * static_cast<double>(i), kAlignLeft);
    }
}

void paintPayTable(cairo_t* cr, const Fonts* fonts, ArtBox box)
{
    paintPanel(cr, box.x, box.y, box.w, box.h);
    const double cx = box.x + box.w / 2.0;
    setFont(cr, fonts, kFontSansBold, 15);
    setColor(cr, kGold);
    showText(cr, "TABLE DES GAINS", cx, box.y + 30, kAlignCenter);
    setFont(cr, fonts, kFontSans, 10.5);
    setColor(cr, kCream);
    showText(cr, "gain pour 1\u00A0crédit misé, mise comprise", cx, box.y + 47, kAlignCenter);
    paintSuitRule(cr, cx, box.y + 62, box.w / 2.0 - 16);

    const double top = box.y + 74;
    const double step = (box.h - 84) / static_cast<double>(kPayRows.size());
    for (size_t i = 0; i < kPayRows.size(); ++i) {
        const double rowTop = top + step * static_cast<double>(i);
        if (i % 2 == 0) {
            cairo_rectangle(cr, box.x + 8, rowTop, box.w - 16, step);
            setColorAlpha(cr, kCream, 0.05);
            cairo_fill(cr);
        }
        const double baseline = rowTop + step / 2 + 5;
        const bool top3 = i < 3;
        setFont(cr, fonts, top3 ? kFontSansBold : kFontSans, 14);
        setColor(cr, top3 ? kGoldPale : kCream);
        showText(cr, kPayRows[i].name, box.x + 18, baseline, kAlignLeft);
        char multiplier[16];
        std::snprintf(multiplier, sizeof multiplier, "×\u202F%d", kPayRows[i].multiplier);
        setFont(cr, fonts, kFontSansBold, 15);
        setColor(cr, kPayRows[i].multiplier == 0 ? kQuietText : kGold);
        showText(cr, multiplier, box.x + box.w - 18, baseline, kAlignRight);
    }
}

// A hand of cards fanned round a point below them.
void paintFan(cairo_t* cr, const Fonts* fonts, const int32_t* ids, int count, double pivotX, double pivotY,
              double scale, double spread)
{
    for (int i = 0; i < count; ++i) {
        const double angle = spread * (i - (count - 1) / 2.0);
        cairo_save(cr);
        cairo_translate(cr, pivotX, pivotY);
        cairo_rotate(cr, angle);
        cairo_translate(cr, -kCardSize.w * scale / 2, -kCardSize.h * scale - 30);
        cairo_scale(cr, scale, scale);
        // A soft shadow, then the card.
        roundedRect(cr, 2, 3, kCardSize.w, kCardSize.h, 5);
        setColorAlpha(cr, kShadow, 0.35);
        cairo_fill(cr);
        paintCard(cr, fonts, ids[i]);
        cairo_restore(cr);
    }
}

void paintChipAt(cairo_t* cr, const Fonts* fonts, int32_t chip, double x, double y, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_arc(cr, kArtChipSize / 2.0 + 2, kArtChipSize / 2.0 + 3, kArtChipRadius, 0, 2 * kPi);
    setColorAlpha(cr, kShadow, 0.4);
    cairo_fill(cr);
    paintChip(cr, fonts, chip, kStateRaised);
    cairo_restore(cr);
}

void paintStart(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Vantrel", kW / 2, 88, 74);
    setFont(cr, fonts, kFontSansBold, 13);
    setColor(cr, kCream);
    showText(cr, "V I D É O   P O K E R", kW / 2, 112, kAlignCenter);
    paintSuitRule(cr, kW / 2, 126, 150);

    const std::array<int32_t, 5> royal = {cardId(10, kSuitPique), cardId(11, kSuitPique), cardId(12, kSuitPique),
                                          cardId(13, kSuitPique), cardId(14, kSuitPique)};
    paintFan(cr, fonts, royal.data(), 5, 150, 420, 1.15, 0.3);

    paintChipAt(cr, fonts, 6, 660, 300, 1.0);
    paintChipAt(cr, fonts, 4, 740, 250, 1.0);
    paintChipAt(cr, fonts, 2, 700, 190, 1.0);
    paintChipAt(cr, fonts, 8, 760, 320, 0.9);

    setFont(cr, fonts, kFontSans, 13);
    setColor(cr, kCream);
    showText(cr, "Une partie commence avec 50\u00A0crédits.", kW / 2 + 1, 336, kAlignCenter);
    showText(cr, "Une banque vide met fin à la partie.", kW / 2 + 1, 356, kAlignCenter);
}

void paintOptions(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Options", kW / 2, 62, 40);
    paintSuitRule(cr, kW / 2, 84, 180);
    paintPanel(cr, 156, 104, 560, 280);
    setFont(cr, fonts, kFontSansBold, 15);
    setColor(cr, kGold);
    showText(cr, "Réglages de la partie", kW / 2, 136, kAlignCenter);
    const std::array<const char*, 7> lines = {
        "Banque de départ\u202F: 50\u00A0crédits",
        "Jetons\u202F: 1, 2, 5, 10, 20, 50, 100 et 200\u00A0crédits",
        "TAPIS mise toute la banque, ANNULER rend la mise",
        "Jeu de 52\u00A0cartes, mélangé avant chaque donne",
        "Un seul échange de cartes par main",
        "Paiement selon la table des gains",
        "Ces réglages sont ceux de la table\u202F: ils ne changent pas.",
    };
    paintLines(cr, fonts, lines.data(), lines.size(), 196, 172, 28, 14);
}

void paintGame(cairo_t* cr, const Fonts* fonts)
{
    roundedRect(cr, 5, 4, kW - 10, kStripTop - 9, 16);
    cairo_pattern_t* felt = cairo_pattern_create_radial(300, 270, 30, 300, 270, 560);
    addStop(felt, 0, kFelt);
    addStop(felt, 1, kFeltDeep);
    cairo_set_source(cr, felt);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(felt);
    cairo_set_line_width(cr, 2);
    setColor(cr, kGoldDeep);
    cairo_stroke(cr);

    // The house name in the free corner above the score.
    setFont(cr, fonts, kFontSerifBold, 30);
    setColorAlpha(cr, kShadow, 0.5);
    showText(cr, "Vantrel", 99, 52, kAlignCenter);
    setColor(cr, kGold);
    showText(cr, "Vantrel", 97, 49, kAlignCenter);
    setFont(cr, fonts, kFontSansBold, 9.5);
    setColor(cr, kCream);
    showText(cr, "V I D É O   P O K E R", 97, 68, kAlignCenter);

    paintPayTable(cr, fonts, kPayTableBox);
}

void paintAide(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Aide", 280, 50, 36);
    paintSuitRule(cr, 280, 70, 220);
    paintPanel(cr, 20, 84, 520, 326);
    setFont(cr, fonts, kFontSans, 13);
    setColor(cr, kPageText);
    showText(cr, "But\u202F: faire la meilleure main de poker avec cinq cartes.", 38, 114, kAlignLeft);
    // Numbered steps: continuation lines start where their item's text does.
    struct Step {
        const char* number;
        const char* text;
    };
    const std::array<Step, 9> steps = {{
        {"1.", "Misez avec les jetons\u202F: ils passent de la banque à la mise."},
        {"", "TAPIS mise toute la banque, ANNULER rend la mise."},
        {"2.", "CARTE distribue cinq cartes."},
        {"3.", "Cliquez CHANGER sous chaque carte à remplacer,"},
        {"", "puis CARTE pour le tirage (un seul échange)."},
        {"4.", "La main finale est payée\u202F: mise × gain de la table."},
        {"", "Avec «\u202FRien\u202F», la mise est perdue."},
        {"5.", "REJOUER lance la main suivante."},
        {"", "Une banque vide termine la partie."},
    }};
    constexpr double kStepTop = 155;
    constexpr double kStepLine = 20.5;
    for (size_t i = 0; i < steps.size(); ++i) {
        const double baseline = kStepTop + kStepLine * static_cast<double>(i);
        showText(cr, steps[i].number, 38, baseline, kAlignLeft);
        showText(cr, steps[i].text, 60, baseline, kAlignLeft);
    }
    showText(cr, "Échap quitte le jeu à tout moment.", 38, kStepTop + kStepLine * 10, kAlignLeft);
    // The page writes the web address at (275, 380); its label ends just before.
    setFont(cr, fonts, kFontSansBold, 12);
    setColor(cr, kGold);
    showText(cr, "Site web\u202F:", kAideAddressPos.x - 6, kAideAddressPos.y + scoreAscent(fonts, kAideTextPt),
             kAlignRight);
    paintPayTable(cr, fonts, {560, 84, 296, 326});
}

void paintApropos(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "À propos", 280, 50, 36);
    paintSuitRule(cr, 280, 70, 220);
    paintPanel(cr, 20, 84, 520, 326);
    paintHeading(cr, fonts, "Vantrel", 280, 150, 48);

    // The page writes the version at (126, 183) and the web address at
    // (101, 359), both in 20 pt; their labels end just left of them.
    const int ascent = scoreAscent(fonts, kAproposTextPt);
    setFont(cr, fonts, kFontLabel, kAproposTextPt);
    setColor(cr, kGold);
    showText(cr, "Version", kAproposVersionPos.x - 8, kAproposVersionPos.y + ascent, kAlignRight);
    showText(cr, "Site", kAproposAddressPos.x - 8, kAproposAddressPos.y + ascent, kAlignRight);

    const std::array<const char*, 5> lines = {
        "Vidéo poker à cinq cartes, avec un échange.",      "Une banque de 50\u00A0crédits par partie\u202F;",
        "rien n’est enregistré d’une partie à l’autre.",    "Images dessinées par l’outil du jeu lui-même.",
        "Polices libres\u202F: Liberation Sans et DejaVu.",
    };
    paintLines(cr, fonts, lines.data(), lines.size(), 44, 236, 22, 14);

    const std::array<int32_t, 4> aces = {cardId(14, kSuitTrefle), cardId(14, kSuitCarreau), cardId(14, kSuitCoeur),
                                         cardId(14, kSuitPique)};
    paintFan(cr, fonts, aces.data(), 4, 706, 380, 1.35, 0.26);
}

// An empty place for a chip: a dashed ring on the cabinet.
void paintEmptyChipPlace(cairo_t* cr, double cx, double cy, double radius)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    setColorAlpha(cr, kInk, 0.45);
    cairo_fill_preserve(cr);
    const double dashes[] = {5.0, 4.0};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1.6);
    setColorAlpha(cr, kGoldDeep, 0.8);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// The bank shown empty, in the score panel's own look: label and a zero.
void paintEmptyBank(cairo_t* cr, const Fonts* fonts, double cx, double top)
{
    constexpr double kPanelW = 300;
    constexpr double kPanelH = 64;
    setColor(cr, kNightDeep);
    fillFramedPanel(cr, cx - kPanelW / 2, top, kPanelW, kPanelH, 10);
    setFont(cr, fonts, kFontLabel, 20);
    setColor(cr, kCream);
    showText(cr, "BANQUE", cx - 12, top + 41, kAlignRight);
    setFont(cr, fonts, kFontScore, 36);
    setColor(cr, kGold);
    showText(cr, "0", cx + 4, top + 45, kAlignLeft);
    setFont(cr, fonts, kFontLabel, 20);
    setColor(cr, kAsh);
    showText(cr, "crédit", cx + 32, top + 41, kAlignLeft);
}

// A gold arrow along a curve from (x0, y0) to (x1, y1), its head at the end.
void paintArrow(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    setColor(cr, kGold);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    const double angle = std::atan2(y1 - cy, x1 - cx);
    cairo_save(cr);
    cairo_translate(cr, x1, y1);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 7, 0);
    cairo_line_to(cr, -9, -9);
    cairo_line_to(cr, -5, 0);
    cairo_line_to(cr, -9, 9);
    cairo_close_path(cr);
    cairo_restore(cr);
    cairo_fill(cr);
}

// Says plainly that the bank is empty and the game over, then leads the eye
// down to CONTINUER, the only way on: a light behind its place, an arrow to
// it and the words next to it.
void paintGameOver(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Partie terminée", kW / 2, 104, 52);
    paintSuitRule(cr, kW / 2, 128, 200);
    paintEmptyBank(cr, fonts, kW / 2, 148);
    setFont(cr, fonts, kFontSansBold, 20);
    setColor(cr, kCream);
    showText(cr, "Votre banque est vide\u202F: la partie est finie.", kW / 2, 250, kAlignCenter);
    setFont(cr, fonts, kFontSans, 15);
    showText(cr, "Une nouvelle partie vous attend à l’accueil, avec 50\u00A0crédits.", kW / 2, 280, kAlignCenter);

    // The three empty chip places on the left, the face-down hand on the right.
    paintEmptyChipPlace(cr, 112, 200, 30);
    paintEmptyChipPlace(cr, 84, 262, 30);
    paintEmptyChipPlace(cr, 146, 262, 30);
    setFont(cr, fonts, kFontSans, 12);
    setColor(cr, mix(kCream, kAsh, 0.4));
    showText(cr, "plus un jeton", 115, 314, kAlignCenter);
    const std::array<int32_t, 5> backs = {0, 0, 0, 0, 0};
    paintFan(cr, fonts, backs.data(), 5, 760, 330, 0.7, 0.16);

    // CONTINUER: a gold light round its place, an arrow and the words. The
    // light is three flat bands: a round glow over the strip's gradient
    // left a rounding noise that cost the browser build 12 kB.
    const double buttonY = kContinuerButtonPos.y + kSmallButtonSize.h / 2.0;
    for (int band = 3; band >= 1; --band) {
        const double grow = 12.0 * band;
        roundedRect(cr, kContinuerButtonPos.x - grow, kContinuerButtonPos.y - grow, kSmallButtonSize.w + 2 * grow,
                    kSmallButtonSize.h + 2 * grow, 8 + grow);
        setColorAlpha(cr, kGold, 0.14);
        cairo_fill(cr);
    }
    roundedRect(cr, kContinuerButtonPos.x - 3.5, kContinuerButtonPos.y - 3.5, kSmallButtonSize.w + 5,
                kSmallButtonSize.h + 5, 8);
    cairo_set_line_width(cr, 1.5);
    setColor(cr, kGoldPale);
    cairo_stroke(cr);
    setFont(cr, fonts, kFontSansBold, 17);
    setColor(cr, kGold);
    showText(cr, "Cliquez sur CONTINUER pour revenir à l’accueil.", kW / 2, 338, kAlignCenter);
    paintArrow(cr, 236, 352, 150, 372, kContinuerButtonPos.x + kSmallButtonSize.w + 10, buttonY - 4);
    setFont(cr, fonts, kFontSansBold, 14);
    showText(cr, "Nouvelle partie\u202F: c’est ici.", kContinuerButtonPos.x + kSmallButtonSize.w + 26, buttonY + 5,
             kAlignLeft);
}

}  // namespace

void paintBackground(cairo_t* cr, const Fonts* fonts, int32_t screen)
{
    // The start and end screens have a wine-red light behind their heading.
    constexpr WineLight kStartLight = {80, 330, 0.6};
    constexpr WineLight kGameOverLight = {130, 360, 0.55};
    paintCabinet(cr, fonts,
                 screen == kScreenStart      ? &kStartLight
                 : screen == kScreenGameover ? &kGameOverLight
                                             : nullptr);
    if (screen == kScreenStart) {
        paintStart(cr, fonts);
    } else if (screen == kScreenOption) {
        paintOptions(cr, fonts);
    } else if (screen == kScreenJeu) {
        paintGame(cr, fonts);
    } else if (screen == kScreenApropos) {
        paintApropos(cr, fonts);
    } else if (screen == kScreenAide) {
        paintAide(cr, fonts);
    } else {
        paintGameOver(cr, fonts);
    }
}

bool writeBackgrounds(const Job* job, std::array<cairo_surface_t*, 6>* screens)
{
    for (size_t screen = 0; screen < screens->size(); ++screen) {
        cairo_surface_t* image = newImage(kScreenWidth, kScreenHeight);
        cairo_t* cr = beginDrawing(image);
        paintBackground(cr, job->fonts, static_cast<int32_t>(screen));
        cairo_destroy(cr);
        (*screens)[screen] = image;
        if (!writeBmp(job, imageFor(kBackgroundImages, static_cast<int32_t>(screen)), image)) {
            return false;
        }
    }
    return true;
}

}  // namespace art
