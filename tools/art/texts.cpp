// Lettered pictures of the game screen: the four messages, the combination
// captions with the help caption, and the panel behind the score numbers.
#include "art/art.h"
#include "cards/purse.h"
#include "state/display_state.h"

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
// share their font family and each one's baseline. The money sits on the
// left: its labels start at one left edge and a dotted leader runs from each
// to its number (the bank's stands further right than the others). The four
// statistics are grouped on a panel of their own, each label ending one gap
// before its number.
constexpr double kLabelGap = 8;
constexpr double kMoneyLeft = 12;
constexpr ArtBox kStatsBox = {242, 7, 299, 84};  // in backdrop pixels, clear of the bank's number

struct ScoreLabel {
    const char* text;
    bool money;  // left column; else a statistic
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

// Window positions of the slots turned into backdrop pixels.
double slotLeft(size_t slot) { return kScoreSlots[slot].pos.x - kScoreBackdropPos.x; }
double slotTop(size_t slot) { return kScoreSlots[slot].pos.y - kScoreBackdropPos.y; }
double slotBaseline(const Fonts* fonts, size_t slot)
{
    return slotTop(slot) + scoreAscent(fonts, kScoreSlots[slot].pointSize);
}

// A dotted leader from the end of a money label to just before its number.
void paintLeader(cairo_t* cr, const char* text, double baseline, double numberLeft)
{
    const double from = kMoneyLeft + textWidth(cr, text) + 5;
    const double y = baseline - 4.5;
    setColor(cr, kGoldDeep);
    for (double x = numberLeft - kLabelGap; x > from; x -= 4.5) {
        cairo_new_path(cr);
        cairo_arc(cr, x, y, 0.9, 0, 2 * kPi);
        cairo_fill(cr);
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
    setFont(cr, fonts, kFontLabel, 11);
    setColor(cr, kGold);
    showText(cr, "CETTE PARTIE", box.x + 10, box.y + 19, kAlignLeft);
    cairo_set_line_width(cr, 1);
    setColorAlpha(cr, kGold, 0.5);
    cairo_move_to(cr, box.x + 10, box.y + 25.5);
    cairo_line_to(cr, box.x + 90, box.y + 25.5);
    cairo_stroke(cr);
}

}  // namespace

const char* messageWords(int32_t message)
{
    return message >= 0 && static_cast<size_t>(message) < kMessageLooks.size()
               ? kMessageLooks[static_cast<size_t>(message)].text
               : nullptr;
}

const char* scoreLabel(size_t slot) { return slot < kScoreLabels.size() ? kScoreLabels[slot].text : nullptr; }

void paintMessage(cairo_t* cr, const Fonts* fonts, int32_t message)
{
    const MessageLook& look = kMessageLooks[static_cast<size_t>(message)];
    const double w = kMessageSize.w;
    const double h = kMessageSize.h;
    setVerticalGradient(cr, 0, kPanelTop, h, kNightDeep);
    fillFramedPanel(cr, 1, 1, w - 2, h - 2, 9);

    fitFont(cr, fonts, kFontSansBold, 23, look.text, w - 36);
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

    if (combination == kCombinationAide) {
        constexpr double kPoints = 12;
        for (size_t i = 0; i < kHelpLines.size(); ++i) {
            const HelpLine& line = kHelpLines[i];
            setFont(cr, fonts, kFontSansBold, kPoints);
            const double lead = textWidth(cr, line.lead);
            setFont(cr, fonts, kFontSans, kPoints);
            const double left = (w - lead - textWidth(cr, line.rest)) / 2;
            const double baseline = h / 2 - 4 + 13.5 * static_cast<double>(i);
            setColor(cr, kCream);
            showText(cr, line.rest, left + lead, baseline, kAlignLeft);
            setFont(cr, fonts, kFontSansBold, kPoints);
            setColor(cr, kGold);
            showText(cr, line.lead, left, baseline, kAlignLeft);
        }
        return;
    }
    const PayRow& row = kPayRows[kPayRows.size() - 1 - static_cast<size_t>(combination)];
    fitFont(cr, fonts, kFontSansBold, 20, row.name, w - 24);
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
        const double baseline = slotBaseline(fonts, slot);
        if (label.money) {
            setFont(cr, fonts, kFontLabel, 15);
            paintLeader(cr, label.text, baseline, slotLeft(slot));
            setColor(cr, kCream);
            showText(cr, label.text, kMoneyLeft, baseline, kAlignLeft);
        } else {
            setFont(cr, fonts, kFontLabel, 11);
            setColor(cr, mix(kCream, kAsh, 0.2));
            showText(cr, label.text, slotLeft(slot) - kLabelGap, baseline, kAlignRight);
        }
    }
}

bool writeTexts(const Job* job, cairo_surface_t* gameScreen)
{
    bool ok = true;
    for (int32_t message = kMsgMise; message <= kMsgLoose && ok; ++message) {
        Element element = beginElement(gameScreen, kMessagePos, kMessageSize.w, kMessageSize.h);
        paintMessage(element.cr, job->fonts, message);
        ok = finishElement(job, &element, imageFor(kMessageImages, message));
    }
    for (int32_t combination = 0; combination <= kCombinationAide && ok; ++combination) {
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
