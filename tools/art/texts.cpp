// Lettered pictures of the game screen: the four messages, the combination
// captions with the help caption, and the panel behind the score numbers.
#include "art/art.h"
#include "cards/display_state.h"
#include "cards/purse.h"

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
    {"GAGNÉ !", kGold},
    {"PERDU", {236, 150, 160}},
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

// One score label: right edge just left of its number, on the number's
// baseline. `slot` indexes the score slots, whose positions are window
// positions; the backdrop starts at kScoreBackdropPos.
void paintScoreLabel(cairo_t* cr, const Fonts* fonts, size_t slot, const char* text)
{
    const TextSlot& place = kScoreSlots[slot];
    const bool large = place.pointSize == kScoreLargePt;
    setFont(cr, fonts, FONT_LABEL, large ? 15 : 12.5);
    setColor(cr, large ? kCream : mix(kCream, kAsh, 0.25));
    const double right = place.pos.x - kScoreBackdropPos.x - 7;
    const double baseline = place.pos.y - kScoreBackdropPos.y + scoreAscent(fonts, place.pointSize);
    showText(cr, text, right, baseline, ALIGN_RIGHT);
}

}  // namespace

void paintMessage(cairo_t* cr, const Fonts* fonts, int32_t message)
{
    const MessageLook& look = kMessageLooks[static_cast<size_t>(message)];
    const double w = kMessageSize.w;
    const double h = kMessageSize.h;
    setVerticalGradient(cr, 0, {34, 46, 88}, h, kNightDeep);
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

    if (combination == kCombinationAide) {
        setFont(cr, fonts, FONT_SANS, 12.5);
        setColor(cr, kCream);
        showText(cr, "Misez avec les jetons,", w / 2, h / 2 - 2.5, ALIGN_CENTER);
        showText(cr, "puis jouez avec CARTE.", w / 2, h / 2 + 12.5, ALIGN_CENTER);
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

    // In Purse order, like the score slots.
    const std::array<const char*, 7> labels = {"BANQUE",  "MISE",          "GAIN",       "Gagnées",
                                               "Perdues", "Meilleur gain", "Total gagné"};
    for (size_t slot = 0; slot < labels.size(); ++slot) {
        paintScoreLabel(cr, fonts, slot, labels[slot]);
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
