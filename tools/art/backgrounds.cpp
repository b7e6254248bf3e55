// The six backgrounds, 872 × 488. All stand on one cabinet: the same dark
// body and the same control strip at the bottom, so the buttons placed there
// look alike on every screen.
#include <cmath>
#include <cstdio>

#include "art/art.h"
#include "cards/card_list.h"
#include "cards/display_state.h"

namespace art {

namespace {

constexpr double kW = kScreenWidth;
constexpr double kH = kScreenHeight;

void paintCabinet(cairo_t* cr, const Fonts* fonts)
{
    cairo_pattern_t* glow = cairo_pattern_create_radial(kW / 2, 150, 20, kW / 2, 150, 620);
    cairo_pattern_add_color_stop_rgb(glow, 0, 36 / 255.0, 48 / 255.0, 88 / 255.0);
    cairo_pattern_add_color_stop_rgb(glow, 1, kInk.r / 255.0, kInk.g / 255.0, kInk.b / 255.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);

    setVerticalGradient(cr, kStripTop, {40, 44, 64}, kH, {10, 12, 22});
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

    setFont(cr, fonts, FONT_SANS, 11);
    setColor(cr, kAsh);
    showText(cr, "Échap : quitter", kW - 14, kH - 14, ALIGN_RIGHT);
}

// Night-blue panel with a gold edge.
void paintPanel(cairo_t* cr, double x, double y, double w, double h)
{
    setColorAlpha(cr, kNightDeep, 0.88);
    fillFramedPanel(cr, x, y, w, h, 10);
}

// A warm wine-red light behind a heading.
void paintWineGlow(cairo_t* cr, double cy, double radius, double strength)
{
    cairo_pattern_t* glow = cairo_pattern_create_radial(kW / 2, cy, 10, kW / 2, cy, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0, kWine.r / 255.0, kWine.g / 255.0, kWine.b / 255.0, strength);
    cairo_pattern_add_color_stop_rgba(glow, 1, kWine.r / 255.0, kWine.g / 255.0, kWine.b / 255.0, 0);
    cairo_rectangle(cr, 0, 0, kW, kStripTop);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

// A heading in gold serif letters with a dark shadow.
void paintHeading(cairo_t* cr, const Fonts* fonts, const char* text, double cx, double baseline, double size)
{
    setFont(cr, fonts, FONT_SERIF_BOLD, size);
    setColorAlpha(cr, {0, 0, 0}, 0.6);
    showText(cr, text, cx + 2, baseline + 3, ALIGN_CENTER);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline);
    cairo_pattern_add_color_stop_rgb(gold, 0, kGoldPale.r / 255.0, kGoldPale.g / 255.0, kGoldPale.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gold, 0.55, kGold.r / 255.0, kGold.g / 255.0, kGold.b / 255.0);
    cairo_pattern_add_color_stop_rgb(gold, 1, kGoldDeep.r / 255.0, kGoldDeep.g / 255.0, kGoldDeep.b / 255.0);
    cairo_set_source(cr, gold);
    showText(cr, text, cx, baseline, ALIGN_CENTER);
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
        setColor(cr, suit == kSuitCoeur || suit == kSuitCarreau ? kPipRed : kCream);
        cairo_fill(cr);
    }
}

void paintLines(cairo_t* cr, const Fonts* fonts, const char* const* lines, size_t count, double x, double baseline,
                double step, double size)
{
    setFont(cr, fonts, FONT_SANS, size);
    setColor(cr, kPageText);
    for (size_t i = 0; i < count; ++i) {
        showText(cr, lines[i], x, baseline + step * static_cast<double>(i), ALIGN_LEFT);
    }
}

void paintPayTable(cairo_t* cr, const Fonts* fonts, ArtBox box)
{
    paintPanel(cr, box.x, box.y, box.w, box.h);
    const double cx = box.x + box.w / 2.0;
    setFont(cr, fonts, FONT_SANS_BOLD, 15);
    setColor(cr, kGold);
    showText(cr, "TABLE DES GAINS", cx, box.y + 30, ALIGN_CENTER);
    setFont(cr, fonts, FONT_SANS, 10.5);
    setColor(cr, kCream);
    showText(cr, "gain pour 1 crédit misé, mise comprise", cx, box.y + 47, ALIGN_CENTER);
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
        setFont(cr, fonts, top3 ? FONT_SANS_BOLD : FONT_SANS, 14);
        setColor(cr, top3 ? kGoldPale : kCream);
        showText(cr, kPayRows[i].name, box.x + 18, baseline, ALIGN_LEFT);
        char multiplier[16];
        std::snprintf(multiplier, sizeof multiplier, "× %d", kPayRows[i].multiplier);
        setFont(cr, fonts, FONT_SANS_BOLD, 15);
        setColor(cr, kPayRows[i].multiplier == 0 ? kAsh : kGold);
        showText(cr, multiplier, box.x + box.w - 18, baseline, ALIGN_RIGHT);
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
        setColorAlpha(cr, {0, 0, 0}, 0.35);
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
    setColorAlpha(cr, {0, 0, 0}, 0.4);
    cairo_fill(cr);
    paintChip(cr, fonts, chip, FACE_UP);
    cairo_restore(cr);
}

void paintStart(cairo_t* cr, const Fonts* fonts)
{
    paintWineGlow(cr, 80, 330, 0.6);

    paintHeading(cr, fonts, "Vantrel", kW / 2, 88, 74);
    setFont(cr, fonts, FONT_SANS_BOLD, 13);
    setColor(cr, kCream);
    showText(cr, "V I D É O   P O K E R", kW / 2, 112, ALIGN_CENTER);
    paintSuitRule(cr, kW / 2, 126, 150);

    const std::array<int32_t, 5> royal = {cardId(10, kSuitPique), cardId(11, kSuitPique), cardId(12, kSuitPique),
                                          cardId(13, kSuitPique), cardId(14, kSuitPique)};
    paintFan(cr, fonts, royal.data(), 5, 150, 420, 1.15, 0.3);

    paintChipAt(cr, fonts, 6, 660, 300, 1.0);
    paintChipAt(cr, fonts, 4, 740, 250, 1.0);
    paintChipAt(cr, fonts, 2, 700, 190, 1.0);
    paintChipAt(cr, fonts, 8, 760, 320, 0.9);

    setFont(cr, fonts, FONT_SANS, 13);
    setColor(cr, kCream);
    showText(cr, "Une partie commence avec 50 crédits.", kW / 2 + 1, 336, ALIGN_CENTER);
    showText(cr, "Une banque vide met fin à la partie.", kW / 2 + 1, 356, ALIGN_CENTER);
}

void paintOptions(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Options", kW / 2, 62, 40);
    paintSuitRule(cr, kW / 2, 84, 180);
    paintPanel(cr, 156, 104, 560, 280);
    setFont(cr, fonts, FONT_SANS_BOLD, 15);
    setColor(cr, kGold);
    showText(cr, "Réglages de la partie", kW / 2, 136, ALIGN_CENTER);
    const std::array<const char*, 7> lines = {
        "Banque de départ : 50 crédits",
        "Jetons : 1, 2, 5, 10, 20, 50, 100 et 200 crédits",
        "TAPIS mise toute la banque, ANNULER rend la mise",
        "Jeu de 52 cartes, mélangé avant chaque donne",
        "Un seul échange de cartes par main",
        "Paiement selon la table des gains",
        "Ces réglages sont ceux de la table : ils ne changent pas.",
    };
    paintLines(cr, fonts, lines.data(), lines.size(), 196, 172, 28, 14);
}

void paintGame(cairo_t* cr, const Fonts* fonts)
{
    roundedRect(cr, 5, 4, kW - 10, kStripTop - 9, 16);
    cairo_pattern_t* felt = cairo_pattern_create_radial(300, 270, 30, 300, 270, 560);
    cairo_pattern_add_color_stop_rgb(felt, 0, 24 / 255.0, 116 / 255.0, 78 / 255.0);
    cairo_pattern_add_color_stop_rgb(felt, 1, kFeltDeep.r / 255.0, kFeltDeep.g / 255.0, kFeltDeep.b / 255.0);
    cairo_set_source(cr, felt);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(felt);
    cairo_set_line_width(cr, 2);
    setColor(cr, kGoldDeep);
    cairo_stroke(cr);

    // The house name in the free corner above the score.
    setFont(cr, fonts, FONT_SERIF_BOLD, 30);
    setColorAlpha(cr, {0, 0, 0}, 0.5);
    showText(cr, "Vantrel", 99, 52, ALIGN_CENTER);
    setColor(cr, kGold);
    showText(cr, "Vantrel", 97, 49, ALIGN_CENTER);
    setFont(cr, fonts, FONT_SANS_BOLD, 9.5);
    setColor(cr, kCream);
    showText(cr, "V I D É O   P O K E R", 97, 68, ALIGN_CENTER);

    paintPayTable(cr, fonts, kPayTableBox);
}

void paintAide(cairo_t* cr, const Fonts* fonts)
{
    paintHeading(cr, fonts, "Aide", 280, 50, 36);
    paintSuitRule(cr, 280, 70, 220);
    paintPanel(cr, 20, 84, 520, 326);
    const std::array<const char*, 13> lines = {
        "But : faire la meilleure main de poker avec cinq cartes.",
        "",
        "1.  Misez avec les jetons : ils passent de la banque à la mise.",
        "      TAPIS mise toute la banque, ANNULER rend la mise.",
        "2.  CARTE distribue cinq cartes.",
        "3.  Cliquez CHANGER sous chaque carte à remplacer,",
        "      puis CARTE pour le tirage (un seul échange).",
        "4.  La main finale est payée : mise × gain de la table.",
        "      Avec « Rien », la mise est perdue.",
        "5.  REJOUER lance la main suivante.",
        "      Une banque vide termine la partie.",
        "",
        "Échap quitte le jeu à tout moment.",
    };
    paintLines(cr, fonts, lines.data(), lines.size(), 38, 114, 20.5, 13);
    // The page writes the web address at (275, 380); its label ends just before.
    setFont(cr, fonts, FONT_SANS_BOLD, 12);
    setColor(cr, kGold);
    showText(cr, "Site web :", kAideAddressPos.x - 6, kAideAddressPos.y + scoreAscent(fonts, kAideTextPt), ALIGN_RIGHT);
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
    setFont(cr, fonts, FONT_LABEL, kAproposTextPt);
    setColor(cr, kGold);
    showText(cr, "Version", kAproposVersionPos.x - 8, kAproposVersionPos.y + ascent, ALIGN_RIGHT);
    showText(cr, "Site", kAproposAddressPos.x - 8, kAproposAddressPos.y + ascent, ALIGN_RIGHT);

    const std::array<const char*, 5> lines = {
        "Vidéo poker à cinq cartes, avec un échange.",   "Une banque de 50 crédits par partie ;",
        "rien n'est enregistré d'une partie à l'autre.", "Images dessinées par l'outil du jeu lui-même.",
        "Polices libres : Liberation Sans et DejaVu.",
    };
    paintLines(cr, fonts, lines.data(), lines.size(), 44, 236, 22, 14);

    const std::array<int32_t, 4> aces = {cardId(14, kSuitTrefle), cardId(14, kSuitCarreau), cardId(14, kSuitCoeur),
                                         cardId(14, kSuitPique)};
    paintFan(cr, fonts, aces.data(), 4, 706, 380, 1.35, 0.26);
}

void paintGameOver(cairo_t* cr, const Fonts* fonts)
{
    paintWineGlow(cr, 170, 360, 0.55);

    paintHeading(cr, fonts, "Partie terminée", kW / 2, 150, 52);
    paintSuitRule(cr, kW / 2, 176, 200);
    setFont(cr, fonts, FONT_SANS_BOLD, 20);
    setColor(cr, kCream);
    showText(cr, "Votre banque est vide.", kW / 2, 222, ALIGN_CENTER);
    setFont(cr, fonts, FONT_SANS, 14);
    showText(cr, "CONTINUER ramène à l'accueil, où une nouvelle partie", kW / 2, 256, ALIGN_CENTER);
    showText(cr, "vous attend avec 50 crédits.", kW / 2, 276, ALIGN_CENTER);

    const std::array<int32_t, 5> backs = {0, 0, 0, 0, 0};
    paintFan(cr, fonts, backs.data(), 5, kW / 2, 436, 0.9, 0.16);
}

}  // namespace

void paintBackground(cairo_t* cr, const Fonts* fonts, int32_t screen)
{
    paintCabinet(cr, fonts);
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
