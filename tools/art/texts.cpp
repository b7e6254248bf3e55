// Lettered pictures of the game screen: the four messages, the combination
// captions with the help caption, and the panel behind the score numbers.
#include <cstring>

#include "art/art.h"
#include "cards/purse.h"
#include "display/display_state.h"

namespace art {

namespace {

struct MessageLook {
    const char* text;
    Rgb color;
};
// By `message`: stake, first hand, won, lost.
constexpr std::array<MessageLook, 4> kMessageLooks = {{
    {"Faites vos mises", kCream},
    {"Choisissez les cartes à changer", kCream},
    {"GAGNÉ\u202F!", kGold},
    {"PERDU", kLossPink},
}};

// Largest size up to `points` at which `text` fits in `room` pixels.
void fitFont(cairo_t* cr, const Fonts* fonts, int32_t font, double points, const char* text, double room)
{
    setFont(cr, fonts, font, points);
    const double width = textWidth(cr, text);
    if (width > room) {
        setFont(cr, fonts, font, points * room / width);
    }
}

// The help caption shows while betting and while choosing cards: one line
// for each phase, its lead word in gold.
struct HelpLine {
    const char* lead;
    const char* rest;
};
constexpr std::array<HelpLine, 2> kHelpLines = {{
    {"Mise\u202F: ", "jetons, puis CARTE"},
    {"Échange\u202F: ", "CHANGER, puis CARTE"},
}};

// ---- the score panel: labels painted round the game's number places ----
//
// The numbers are the game's (Liberation Sans at kScoreSlots); the labels
// share their font family and each one's baseline. The money (bank, stake,
// win) sits on the left, labels flush left and spaced out to end one gap
// before their numbers; the four statistics are grouped on a panel of their
// own, each label ending one gap before its number.
constexpr double kLabelGap = 9;
constexpr double kMoneyLeft = 14;
constexpr ArtBox kStatsBox = {232, 7, 308, 84};  // in backdrop pixels

struct ScoreLabel {
    const char* text;
    bool money;  // left group, spaced out; else a statistic
};
// In Purse order, like the score slots.
constexpr std::array<ScoreLabel, 7> kScoreLabels = {{
    {"BANQUE", true},
    {"MISE", true},
    {"GAIN", true},
    {"Mains gagnées", false},
    {"Mains perdues", false},
    {"Meilleur gain", false},
    {"Total gagné", false},
}};

// Window positions of the slots are turned into backdrop pixels.
double slotRight(size_t slot) { return kScoreSlots[slot].pos.x - kScoreBackdropPos.x - kLabelGap; }
double slotBaseline(const Fonts* fonts, size_t slot)
{
    return kScoreSlots[slot].pos.y - kScoreBackdropPos.y + scoreAscent(fonts, kScoreSlots[slot].pointSize);
}

// Capitals spread evenly from `left` to `right`.
void showSpaced(cairo_t* cr, const char* text, double left, double right, double baseline)
{
    const size_t count = std::strlen(text);
    double natural = 0;
    std::array<double, 16> widths{};
    for (size_t i = 0; i < count && i < widths.size(); ++i) {
        const char letter[2] = {text[i], '\0'};
        widths[i] = textWidth(cr, letter);
        natural += widths[i];
    }
    const double spacing = count > 1 ? (right - left - natural) / static_cast<double>(count - 1) : 0;
    double x = left;
    for (size_t i = 0; i < count && i < widths.size(); ++i) {
        const char letter[2] = {text[i], '\0'};
        showText(cr, letter, x, baseline, ALIGN_LEFT);
        x += widths[i] + spacing;
    }
}

void paintStatsPanel(cairo_t* cr, const Fonts* fonts)
{
    const ArtBox& box = kStatsBox;
    roundedRect(cr, box.x, box.y, box.w, box.h, 7);
    setColorAlpha(cr, kNight, 0.9);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColorAlpha(cr, kGold, 0.35);
    cairo_stroke(cr);
    // The heading fills the corner the staggered rows leave free.
    setFont(cr, fonts, FONT_LABEL, 11);
    setColor(cr, kGold);
    showText(cr, "CETTE PARTIE", box.x + 12, box.y + 19, ALIGN_LEFT);
    cairo_set_line_width(cr, 1);
    setColorAlpha(cr, kGold, 0.5);
    cairo_move_to(cr, box.x + 12, box.y + 25.5);
    cairo_line_to(cr, box.x + 92, box.y + 25.5);
    cairo_stroke(cr);
}

}  // namespace

void paintMessage(cairo_t* cr, const Fonts* fonts, int32_t message)
{
    const MessageLook& look = kMessageLooks[static_cast<size_t>(message)];
    const double w = kMessageSize.w;
    const double h = kMessageSize.h;
    setVerticalGradient(cr, 0, kPanelTop, h, kNightDeep);
    fillFramedPanel(cr, 1, 1, w - 2, h - 2, 9);

    fitFont(cr, fonts, FONT_SANS_BOLD, 23, look.text, w - 36);
    showEmbossed(cr, look.text, w / 2, h / 2 + 8, look.color);
}

void paintCaption(cairo_t* cr, const Fonts* fonts, int32_t combination)
{
    const double w = kCaptionSize.w;
    const double h = kCaptionSize.h;
    roundedRect(cr, 1, 1, w - 2, h - 2, 7);
    setColorAlpha(cr, kInk, 0.55);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    setColorAlpha(cr, kGold, 0.75);
    cairo_stroke(cr);

    if (combination == COMBINATION_AIDE) {
        for (size_t i = 0; i < kHelpLines.size(); ++i) {
            const HelpLine& line = kHelpLines[i];
            setFont(cr, fonts, FONT_SANS_BOLD, 12.5);
            const double lead = textWidth(cr, line.lead);
            setFont(cr, fonts, FONT_SANS, 12.5);
            const double left = (w - lead - textWidth(cr, line.rest)) / 2;
            const double baseline = h / 2 - 2.5 + 15 * static_cast<double>(i);
            setColor(cr, kCream);
            showText(cr, line.rest, left + lead, baseline, ALIGN_LEFT);
            setFont(cr, fonts, FONT_SANS_BOLD, 12.5);
            setColor(cr, kGold);
            showText(cr, line.lead, left, baseline, ALIGN_LEFT);
        }
        return;
    }
    const PayRow& row = kPayRows[kPayRows.size() - 1 - static_cast<size_t>(combination)];
    fitFont(cr, fonts, FONT_SANS_BOLD, 20, row.name, w - 24);
    showEmbossed(cr, row.name, w / 2, h / 2 + 7, row.multiplier == 0 ? mix(kCream, kAsh, 0.3) : kGold);
}

void paintScoreBackdrop(cairo_t* cr, const Fonts* fonts)
{
    const double w = kBackdropSize.w;
    const double h = kBackdropSize.h;
    setColor(cr, kNightDeep);
    fillFramedPanel(cr, 1, 1, w - 2, h - 2, 10);

    paintStatsPanel(cr, fonts);
    for (size_t slot = 0; slot < kScoreLabels.size(); ++slot) {
        const ScoreLabel& label = kScoreLabels[slot];
        const bool large = kScoreSlots[slot].pointSize == kScoreLargePt;
        setFont(cr, fonts, FONT_LABEL, large ? 15 : 12.5);
        setColor(cr, large ? kCream : mix(kCream, kAsh, 0.25));
        if (label.money) {
            showSpaced(cr, label.text, kMoneyLeft, slotRight(slot), slotBaseline(fonts, slot));
        } else {
            showText(cr, label.text, slotRight(slot), slotBaseline(fonts, slot), ALIGN_RIGHT);
        }
    }
}

bool writeTexts(const Job* job, cairo_surface_t* gameScreen)
{
    bool ok = true;
    for (int32_t message = MSG_MISE; message <= MSG_LOOSE && ok; ++message) {
        Element element = beginElement(gameScreen, kMessagePos, kMessageSize.w, kMessageSize.h);
        paintMessage(element.cr, job->fonts, message);
        ok = finishElement(job, &element, imageFor(kMessageImages, message));
    }
    for (int32_t combination = 0; combination <= COMBINATION_AIDE && ok; ++combination) {
        Element element = beginElement(gameScreen, kCombinationPos, kCaptionSize.w, kCaptionSize.h);
        paintCaption(element.cr, job->fonts, combination);
        ok = finishElement(job, &element, imageFor(kCombinationImages, combination));
    }
    if (ok) {
        Element element = beginElement(gameScreen, kScoreBackdropPos, kBackdropSize.w, kBackdropSize.h);
        paintScoreBackdrop(element.cr, job->fonts);
        ok = finishElement(job, &element, kScoreBackdropImage);
    }
    return ok;
}

}  // namespace art
