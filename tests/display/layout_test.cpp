// The game's fixed tables written out by hand: every element of the picture
// list (field, size, screens, places, files), colours, the pages' text
// places and the click rectangles' sizes. The other tests take these from
// the tables; this pins the tables themselves, and a new element fails it
// until its line is written out below. The click rectangles follow from
// places and sizes by the rule the handler test pins with a few written
// out; the browser suite pins the score numbers' ink and colour, the
// start-up, install and end-to-end tests the window, icon and font.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "display/layout.h"
#include "input/hit_areas.h"

namespace {

std::string cardPath(int32_t id)
{
    char path[kCardPathSize];
    return cardImagePath(id, path, sizeof(path)) ? path : "none";
}

std::ostream& operator<<(std::ostream& out, ScreenPos pos) { return out << " @" << pos.x << ',' << pos.y; }

std::ostream& operator<<(std::ostream& out, Rgb colour)
{
    return out << " rgb " << int{colour.r} << ',' << int{colour.g} << ',' << int{colour.b};
}

// One line per element of the picture list: name, field, size, screens,
// places, then each picture as "value file" (the 53 cards sampled below).
void putElements(std::ostream& out)
{
    for (const ImageElement& e : kImageElements) {
        out << e.name << " field " << e.field << ' ' << e.size.w << 'x' << e.size.h << " on " << e.screens
            << (e.keyed ? " keyed" : "");
        for (size_t i = 0; i < e.placeCount; ++i) {
            out << e.places[i];
        }
        for (size_t value = 0; value < e.imageCount && e.imageCount < 20; ++value) {
            if (e.images[value] != nullptr) {
                out << ' ' << value << ' ' << e.images[value];
            }
        }
        out << '\n';
    }
}

TEST(FixedTables, AreTheGameAsDesigned)
{
    std::ostringstream out;
    putElements(out);
    for (const auto& ids : {std::array<int32_t, 4>{0, 1, 2, 36}, std::array<int32_t, 4>{49, 52, 53, -1}}) {
        out << "cards";
        for (const int32_t id : ids) {
            out << ' ' << id << ' ' << cardPath(id);
        }
        out << '\n';
    }
    out << "chip key" << kChipColorKey << "\naide text " << kWebAddress << kAideAddressPos << ' ' << kAideTextPt << "pt"
        << kPageTextColor << "\napropos text " << kWebAddress << kAproposAddressPos << ' ' << kVersionText
        << kAproposVersionPos << ' ' << kAproposTextPt << "pt" << kPageTextColor << "\nsizes " << kSmallButtonWidth
        << 'x' << kSmallButtonHeight << ' ' << kLargeButtonWidth << 'x' << kLargeButtonHeight << ' '
        << kCarteButtonWidth << 'x' << kCarteButtonHeight << ' ' << kChipSize << 'x' << kChipSize << ' '
        << kGarderButtonWidth << 'x' << kGarderButtonHeight << '\n';

    EXPECT_EQ(
        out.str(),
        R"(background field 0 872x488 on 0 @0,0 0 image/backgroundStart.bmp 1 image/backgroundOption.bmp 2 image/backgroundJeu.bmp 3 image/backgroundApropos.bmp 4 image/backgroundAide.bmp 5 image/backgroundGameOver.bmp
aide field 21 110x29 on 7 @6,425 0 image/bouton/boutonAideUp.bmp 1 image/bouton/boutonAideDown.bmp
apropos field 22 110x29 on 7 @6,456 0 image/bouton/boutonApropoUp.bmp 1 image/bouton/boutonApropoDown.bmp
retour field 26 110x29 on 24 @6,456 0 image/bouton/boutonRetourUp.bmp 1 image/bouton/boutonRetourDown.bmp
continuer field 30 110x29 on 32 @6,456 0 image/bouton/boutonContinuerUp.bmp 1 image/bouton/boutonContinuerDown.bmp
newgame field 27 306x39 on 1 @282,143 0 image/bouton/boutonNewGameUp.bmp 1 image/bouton/boutonNewGameDown.bmp
resume field 28 306x39 on 1 @282,202 0 image/bouton/boutonResumeUp.bmp 1 image/bouton/boutonResumeDown.bmp 12 image/bouton/boutonResumeClose.bmp
option field 29 306x39 on 1 @282,260 0 image/bouton/boutonOptionUp.bmp 1 image/bouton/boutonOptionDown.bmp
carte field 23 154x39 on 6 @385,440 2 image/bouton/boutonCarteUp.bmp 3 image/bouton/boutonCarteDown.bmp 4 image/bouton/boutonRejouerUp.bmp 5 image/bouton/boutonRejouerDown.bmp 12 image/bouton/boutonCarteDisa.bmp
garder field 6 80x20 on 4 @56,321 @147,321 @238,321 @329,321 @420,321 0 image/bouton/boutonGarderUp.bmp 1 image/bouton/boutonGarderDown.bmp
card field 1 70x98 on 4 @61,221 @152,221 @243,221 @334,221 @425,221
message field 24 382x46 on 6 @193,7 0 image/texte/texteMise.bmp 1 image/texte/texteFirstHand.bmp 2 image/texte/texteWin.bmp 3 image/texte/texteLoose.bmp
combination field 25 262x38 on 6 @118,378 0 image/texte/combinaison/texteRien.bmp 1 image/texte/combinaison/textePaire.bmp 2 image/texte/combinaison/texteDoublePaire.bmp 3 image/texte/combinaison/texteBrelan.bmp 4 image/texte/combinaison/texteSuite.bmp 5 image/texte/combinaison/texteCouleur.bmp 6 image/texte/combinaison/texteFullHouse.bmp 7 image/texte/combinaison/texteCarre.bmp 8 image/texte/combinaison/texteQuinteFlush.bmp 9 image/texte/combinaison/texteQuinteFlushRoyal.bmp 10 image/texte/texteAide.bmp
backdrop field -1 548x98 on 6 @10,93 0 image/backTexte.bmp
chip field 11 72x72 on 2 keyed @46,209 0 image/jeton/jeton1Up.bmp 1 image/jeton/jeton1Down.bmp
chip field 12 72x72 on 2 keyed @129,209 0 image/jeton/jeton2Up.bmp 1 image/jeton/jeton2Down.bmp
chip field 13 72x72 on 2 keyed @212,209 0 image/jeton/jeton5Up.bmp 1 image/jeton/jeton5Down.bmp
chip field 14 72x72 on 2 keyed @295,209 0 image/jeton/jeton10Up.bmp 1 image/jeton/jeton10Down.bmp
chip field 15 72x72 on 2 keyed @46,292 0 image/jeton/jeton20Up.bmp 1 image/jeton/jeton20Down.bmp
chip field 16 72x72 on 2 keyed @129,292 0 image/jeton/jeton50Up.bmp 1 image/jeton/jeton50Down.bmp
chip field 17 72x72 on 2 keyed @212,292 0 image/jeton/jeton100Up.bmp 1 image/jeton/jeton100Down.bmp
chip field 18 72x72 on 2 keyed @295,292 0 image/jeton/jeton200Up.bmp 1 image/jeton/jeton200Down.bmp
chip field 19 72x72 on 2 keyed @400,209 0 image/jeton/jetonAllinUp.bmp 1 image/jeton/jetonAllinDown.bmp
chip field 20 72x72 on 2 keyed @400,292 0 image/jeton/jetonResetUp.bmp 1 image/jeton/jetonResetDown.bmp
cards 0 image/carte/back.bmp 1 image/carte/2Trefle.bmp 2 image/carte/2Carreau.bmp 36 image/carte/10Pique.bmp
cards 49 image/carte/asTrefle.bmp 52 image/carte/asPique.bmp 53 none -1 none
chip key rgb 0,150,0
aide text www.vantrel.example @275,380 12pt rgb 247,247,247
apropos text www.vantrel.example @101,359 1.0 @126,183 20pt rgb 247,247,247
sizes 108x27 304x37 152x37 68x68 70x15
)");
}

}  // namespace
