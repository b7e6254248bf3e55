#!/bin/bash
# The words on the art, read back by OCR (tesseract, French) from the
# pictures the asset tool wrote: every caption, message, button label, the
# pay table's rows, the score and À propos labels and the chips, in order. The words are written out
# here; a swapped, misspelt or misplaced word fails.
#
# usage: words_test.sh RUNTIME_DIR
set -euo pipefail
export LC_ALL=C.UTF-8  # for iconv's transliteration of the accents
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$1/image"  # the pieces are named from here: no path is split

# What each picture (or part of one, as WxH+X+Y) must say, one line per text
# line, "/" between lines.
pieces=(
  "texte/combinaison/texteRien.bmp||Rien"
  "texte/combinaison/textePaire.bmp||Paire"
  "texte/combinaison/texteDoublePaire.bmp||Double paire"
  "texte/combinaison/texteBrelan.bmp||Brelan"
  "texte/combinaison/texteSuite.bmp||Suite"
  "texte/combinaison/texteCouleur.bmp||Couleur"
  "texte/combinaison/texteFullHouse.bmp||Full"
  "texte/combinaison/texteCarre.bmp||Carré"
  "texte/combinaison/texteQuinteFlush.bmp||Quinte flush"
  "texte/combinaison/texteQuinteFlushRoyal.bmp||Quinte flush royale"
  "texte/texteAide.bmp||Mise : jetons, puis CARTE/Échange : CHANGER, puis CARTE"
  "texte/texteMise.bmp||Faites vos mises"
  "texte/texteFirstHand.bmp||Choisissez les cartes à changer"
  "texte/texteWin.bmp||GAGNÉ !"
  "texte/texteLoose.bmp||PERDU"
  "bouton/boutonAideUp.bmp||AIDE"
  "bouton/boutonApropoUp.bmp||À PROPOS"
  "bouton/boutonRetourUp.bmp||RETOUR"
  "bouton/boutonContinuerUp.bmp||CONTINUER"
  "bouton/boutonGarderUp.bmp||CHANGER"
  "bouton/boutonNewGameUp.bmp||NOUVELLE PARTIE"
  "bouton/boutonOptionUp.bmp||OPTIONS"
  "bouton/boutonResumeUp.bmp||REPRENDRE"
  "bouton/boutonCarteUp.bmp||CARTE"
  "bouton/boutonRejouerUp.bmp||REJOUER"
  "backgroundJeu.bmp|264x326+598+84|Quinte flush royale × 21/Quinte flush × 11/Carré × 9/Full × 6/Couleur × 5/Suite × 4/Brelan × 3/Double paire × 2/Paire × 1/Rien × 0"
  "backTexte.bmp|230x98+0+0|BANQUE/MISE/GAIN"
  "backTexte.bmp|299x84+242+7|CETTE PARTIE Mains gagnées/Mains perdues/Meilleur gain/Total gagné"
  "backgroundApropos.bmp|100x30+24+180|Version"
  "backgroundApropos.bmp|80x30+24+356|Site"
)
for chip in 1 2 5 10 20 50 100 200; do pieces+=("jeton/jeton${chip}Up.bmp|40x26+16+23|$chip"); done
pieces+=("jeton/jetonAllinUp.bmp|48x22+12+25|TAPIS" "jeton/jetonResetUp.bmp|52x22+10+25|ANNULER")

# Lower case without accents (the multiplication sign becomes x), letters
# and digits only, no spaces (the engine is unsure of them); empty lines
# dropped.
normalise() {
  iconv -f UTF-8 -t ASCII//TRANSLIT | tr 'A-Z' 'a-z' | tr -cd 'a-z0-9\n' | grep -v '^$' || true
}

# Each piece without its outer edge, made dark text on white (a dark piece
# is turned over, a pale one stretched to full contrast), three times larger,
# and all stacked: the engine starts once.
expected=()
files=()
crops=()
for piece in "${pieces[@]}"; do
  IFS='|' read -r file crop words <<<"$piece"
  [ -r "$file" ] || { echo "missing $1/image/$file"; exit 1; }
  files+=("$file")
  crops+=("${crop:-+0+0}")
  expected+=("$(tr '/' '\n' <<<"$words")")
done
piece() { echo '(' "${files[$1]}" -crop "${crops[$1]}" +repage -shave 4x4 -colorspace gray ')'; }
dark=($(convert $(for i in "${!files[@]}"; do piece "$i"; done) -format '%[fx:mean < 0.5] ' info:))
convert $(for i in "${!files[@]}"; do
  echo '(' $(piece "$i") $([ "${dark[$i]}" = 1 ] && echo -negate) -auto-level -resize 300% -threshold 50% \
    -bordercolor white -border 24 ')'
done) -background white -gravity west -append "$work/all.png"
tesseract "$work/all.png" "$work/read" -l fra --psm 6 >/dev/null 2>&1 ||
  { echo "tesseract (French) could not read the pictures"; exit 1; }

printf '%s\n' "${expected[@]}" | normalise >"$work/expected"
normalise <"$work/read.txt" >"$work/read"
if ! diff -u --label expected --label read "$work/expected" "$work/read"; then
  echo "the words read on the art differ from the words expected (above)"
  exit 1
fi
echo "$(wc -l <"$work/expected") lines of words read as expected"
