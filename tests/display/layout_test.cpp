// The game's fixed tables written out by hand: every file name, place, size,
// colour, text size and click rectangle. The drawing tests take their
// expectations from the tables; this is what pins the tables themselves.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "display/layout.h"
#include "input/hit_areas.h"

namespace {

std::ostream& operator<<(std::ostream& out, ScreenPos pos) { return out << " @" << pos.x << ',' << pos.y; }

std::ostream& operator<<(std::ostream& out, const HitRect& r)
{
    return out << " [" << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << ']';
}

std::ostream& operator<<(std::ostream& out, Rgb colour)
{
    return out << " rgb " << int{colour.r} << ',' << int{colour.g} << ',' << int{colour.b};
}

// One line per picture: "name value file".
template <size_t N>
void putFiles(std::ostream& out, const char* name, const ImageTable<N>& table)
{
    for (size_t value = 0; value < N; ++value) {
        if (table[value] != nullptr) {
            out << name << ' ' << value << ' ' << table[value] << '\n';
        }
    }
}

std::string cardPath(int32_t id)
{
    char path[kCardPathSize];
    return cardImagePath(id, path, sizeof(path)) ? path : "none";
}

TEST(FixedTables, AreTheGameAsDesigned)
{
    std::ostringstream out;
    out << "window " << kScreenWidth << 'x' << kScreenHeight << 'x' << kScreenDepth << ' ' << kWindowCaption << ' '
        << kIconFile << " up to " << kMaxIconSide << "px " << kFontFile << '\n';
    putFiles(out, "background", kBackgroundImages);
    out << "background" << kBackgroundPos << '\n';
    struct TwoState {
        const char* name;
        const ImageTable<2>& images;
        ScreenPos pos;
        HitRect rect;
    };
    const TwoState twoState[] = {{"aide", kAideButtonImages, kAideButtonPos, kAideRect},
                                 {"apropos", kAproposButtonImages, kAproposButtonPos, kAproposRect},
                                 {"retour", kRetourButtonImages, kRetourButtonPos, kRetourRect},
                                 {"continuer", kContinuerButtonImages, kContinuerButtonPos, kContinuerRect},
                                 {"newgame", kNewGameButtonImages, kNewGameButtonPos, kNewGameRect},
                                 {"option", kOptionButtonImages, kOptionButtonPos, kOptionRect}};
    for (const TwoState& b : twoState) {
        out << b.name << ' ' << b.images[0] << ' ' << b.images[1] << b.pos << b.rect << '\n';
    }
    out << "garder " << kGarderButtonImages[0] << ' ' << kGarderButtonImages[1] << "\nresume" << kResumeButtonPos
        << "\ncarte" << kCarteButtonPos << kCarteRect << '\n';
    putFiles(out, "resume", kResumeButtonImages);
    putFiles(out, "carte", kCarteButtonImages);
    for (size_t i = 0; i < kCardPos.size(); ++i) {
        out << "slot " << i << kCardPos[i] << kGarderButtonPos[i] << kGarderRects[i] << '\n';
    }
    for (const auto& ids : {std::array<int32_t, 4>{0, 1, 2, 36}, std::array<int32_t, 4>{49, 52, 53, -1}}) {
        out << "cards";
        for (const int32_t id : ids) {
            out << ' ' << id << ' ' << cardPath(id);
        }
        out << '\n';
    }
    for (size_t i = 0; i < kChipImages.size(); ++i) {
        out << "chip " << i << ' ' << kChipImages[i][0] << ' ' << kChipImages[i][1] << kChipPos[i] << kChipRects[i]
            << '\n';
    }
    out << "chip key" << kChipColorKey << '\n';
    putFiles(out, "message", kMessageImages);
    out << "message" << kMessagePos << '\n';
    putFiles(out, "combination", kCombinationImages);
    out << "combination" << kCombinationPos << "\nbackdrop " << kScoreBackdropImage << kScoreBackdropPos << '\n';
    out << "score";
    for (const TextSlot& slot : kScoreSlots) {
        out << slot.pos << ' ' << slot.pointSize << "pt";
    }
    out << kScoreColor << '\n';
    out << "aide text " << kWebAddress << kAideAddressPos << ' ' << kAideTextPt << "pt" << kPageTextColor
        << "\napropos text " << kWebAddress << kAproposAddressPos << ' ' << kVersionText << kAproposVersionPos << ' '
        << kAproposTextPt << "pt" << kPageTextColor << "\nsizes " << kSmallButtonWidth << 'x' << kSmallButtonHeight
        << ' ' << kLargeButtonWidth << 'x' << kLargeButtonHeight << ' ' << kCarteButtonWidth << 'x'
        << kCarteButtonHeight << ' ' << kChipSize << 'x' << kChipSize << ' ' << kGarderButtonWidth << 'x'
        << kGarderButtonHeight << "\npictures";
    for (const PictureSize size : {kBackgroundSize, kSmallButtonSize, kLargeButtonSize, kCarteButtonSize, kCardSize,
                                   kGarderButtonSize, kChipImageSize, kMessageSize, kCaptionSize, kBackdropSize}) {
        out << ' ' << size.w << 'x' << size.h;
    }
    out << '\n';

    EXPECT_EQ(out.str(), R"(window 872x488x32 Vantrel image/icon.png up to 256px arial.ttf
background 0 image/backgroundStart.bmp
background 1 image/backgroundOption.bmp
background 2 image/backgroundJeu.bmp
background 3 image/backgroundApropos.bmp
background 4 image/backgroundAide.bmp
background 5 image/backgroundGameOver.bmp
background @0,0
aide image/bouton/boutonAideUp.bmp image/bouton/boutonAideDown.bmp @6,425 [7,426,114,452]
apropos image/bouton/boutonApropoUp.bmp image/bouton/boutonApropoDown.bmp @6,456 [7,457,114,483]
retour image/bouton/boutonRetourUp.bmp image/bouton/boutonRetourDown.bmp @6,456 [7,457,114,483]
continuer image/bouton/boutonContinuerUp.bmp image/bouton/boutonContinuerDown.bmp @6,456 [7,457,114,483]
newgame image/bouton/boutonNewGameUp.bmp image/bouton/boutonNewGameDown.bmp @282,143 [283,144,586,180]
option image/bouton/boutonOptionUp.bmp image/bouton/boutonOptionDown.bmp @282,260 [283,261,586,297]
garder image/bouton/boutonGarderUp.bmp image/bouton/boutonGarderDown.bmp
resume @282,202
carte @385,440 [386,441,537,477]
resume 0 image/bouton/boutonResumeUp.bmp
resume 1 image/bouton/boutonResumeDown.bmp
resume 12 image/bouton/boutonResumeClose.bmp
carte 2 image/bouton/boutonCarteUp.bmp
carte 3 image/bouton/boutonCarteDown.bmp
carte 4 image/bouton/boutonRejouerUp.bmp
carte 5 image/bouton/boutonRejouerDown.bmp
carte 12 image/bouton/boutonCarteDisa.bmp
slot 0 @61,221 @56,321 [57,322,126,336]
slot 1 @152,221 @147,321 [148,322,217,336]
slot 2 @243,221 @238,321 [239,322,308,336]
slot 3 @334,221 @329,321 [330,322,399,336]
slot 4 @425,221 @420,321 [421,322,490,336]
cards 0 image/carte/back.bmp 1 image/carte/2Trefle.bmp 2 image/carte/2Carreau.bmp 36 image/carte/10Pique.bmp
cards 49 image/carte/asTrefle.bmp 52 image/carte/asPique.bmp 53 none -1 none
chip 0 image/jeton/jeton1Up.bmp image/jeton/jeton1Down.bmp @46,209 [47,210,114,277]
chip 1 image/jeton/jeton2Up.bmp image/jeton/jeton2Down.bmp @129,209 [130,210,197,277]
chip 2 image/jeton/jeton5Up.bmp image/jeton/jeton5Down.bmp @212,209 [213,210,280,277]
chip 3 image/jeton/jeton10Up.bmp image/jeton/jeton10Down.bmp @295,209 [296,210,363,277]
chip 4 image/jeton/jeton20Up.bmp image/jeton/jeton20Down.bmp @46,292 [47,293,114,360]
chip 5 image/jeton/jeton50Up.bmp image/jeton/jeton50Down.bmp @129,292 [130,293,197,360]
chip 6 image/jeton/jeton100Up.bmp image/jeton/jeton100Down.bmp @212,292 [213,293,280,360]
chip 7 image/jeton/jeton200Up.bmp image/jeton/jeton200Down.bmp @295,292 [296,293,363,360]
chip 8 image/jeton/jetonAllinUp.bmp image/jeton/jetonAllinDown.bmp @400,209 [401,210,468,277]
chip 9 image/jeton/jetonResetUp.bmp image/jeton/jetonResetDown.bmp @400,292 [401,293,468,360]
chip key rgb 0,150,0
message 0 image/texte/texteMise.bmp
message 1 image/texte/texteFirstHand.bmp
message 2 image/texte/texteWin.bmp
message 3 image/texte/texteLoose.bmp
message @193,7
combination 0 image/texte/combinaison/texteRien.bmp
combination 1 image/texte/combinaison/textePaire.bmp
combination 2 image/texte/combinaison/texteDoublePaire.bmp
combination 3 image/texte/combinaison/texteBrelan.bmp
combination 4 image/texte/combinaison/texteSuite.bmp
combination 5 image/texte/combinaison/texteCouleur.bmp
combination 6 image/texte/combinaison/texteFullHouse.bmp
combination 7 image/texte/combinaison/texteCarre.bmp
combination 8 image/texte/combinaison/texteQuinteFlush.bmp
combination 9 image/texte/combinaison/texteQuinteFlushRoyal.bmp
combination 10 image/texte/texteAide.bmp
combination @118,378
backdrop image/backTexte.bmp @10,93
score @140,108 18pt @84,131 18pt @84,155 18pt @452,108 14pt @452,127 14pt @335,144 14pt @335,162 14pt rgb 247,201,17
aide text www.vantrel.example @275,380 12pt rgb 247,247,247
apropos text www.vantrel.example @101,359 1.0 @126,183 20pt rgb 247,247,247
sizes 108x27 304x37 152x37 68x68 70x15
pictures 872x488 110x29 306x39 154x39 70x98 80x20 72x72 382x46 262x38 548x98
)");
}

}  // namespace
