"""Writes two hostile fonts made from the shipped one, for the hostile-data case.

hostile_fonts.py SOURCE.ttf OUTDIR [TEXT_FILE] writes into OUTDIR:
- negative.ttf: the digits' hinting moves their advance point 12 px left, so
  that SDL_ttf reports a negative advance for each digit at every size, and
  the ascender is lowered under the digits' tops, so that they reach the
  first row of a text surface: drawn from there, a digit after another
  lands before the surface;
- tiny-em.ttf: 16 units per em and the largest ascender and descender, so
  that every glyph is 128 times its size and a line some 70,000 px high
  (a text surface of hundreds of megabytes);
- with TEXT_FILE (the characters the game draws), small.ttf first: the
  font cut down to those characters, hinting kept, and both fonts made from
  it; the fuzz target's seeds, where a 400 kB font takes 40 ms an input.
"""
import sys

from fontTools import subset
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram


def program(assembly):
    code = ttProgram.Program()
    code.fromAssembly(assembly)
    return code


def negative_digits(source, out):
    font = TTFont(source)
    # The font opts out of FreeType's backward-compatible hinting (selector 3,
    # value 4), which would otherwise ignore horizontal moves.
    prep = font["prep"].program.getAssembly() if "prep" in font else []
    font["prep"].program = program(["PUSHB[ ]", "4 3", "INSTCTRL[ ]"] + prep)
    glyf = font["glyf"]
    cmap = font.getBestCmap()
    for digit in "0123456789":
        glyph = glyf[cmap[ord(digit)]]
        assert not glyph.isComposite()
        points = len(glyph.coordinates)
        # The second phantom point is the advance: moved 12 px (768/64) left,
        # 2 px short of the 10 px a digit takes at 18 pt.
        glyph.program = program(["SVTCA[1]", "PUSHW[ ]", "%d -768" % (points + 1), "SHPIX[ ]"])
    font["hhea"].ascent = font["head"].unitsPerEm // 2
    font.save(out)


def tiny_em(source, out):
    font = TTFont(source)
    font["head"].unitsPerEm = 16
    font["hhea"].ascent = 32767
    font["hhea"].descent = -32768
    font.save(out)


def small(source, text_file, out):
    options = subset.Options()
    options.hinting = True
    font = TTFont(source)
    cutter = subset.Subsetter(options)
    with open(text_file, encoding="utf-8") as text:
        cutter.populate(text=text.read().strip())
    cutter.subset(font)
    font.save(out)


if __name__ == "__main__":
    source, out = sys.argv[1], sys.argv[2]
    if len(sys.argv) > 3:
        small(source, sys.argv[3], out + "/small.ttf")
        source = out + "/small.ttf"
    negative_digits(source, out + "/negative.ttf")
    tiny_em(source, out + "/tiny-em.ttf")
