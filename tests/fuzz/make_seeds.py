#!/usr/bin/python3
"""Makes the fuzzer's seed corpus from the system's fonts: each TrueType font cut to
one glyph but keeping all its names (small inputs mutate faster), one whose name
table ends the file, a collection of two, a CFF font and a bitmap .fon file.

Usage: make_seeds.py OUTPUT_DIR
"""
import glob
import logging
import os
import shutil
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection, TTFont

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "unit"))
from make_font_fixtures import cff_font  # noqa: E402

SOURCES = sorted(glob.glob("/usr/share/fonts/truetype/*/*.ttf") +
                 glob.glob("/usr/share/wine/fonts/*.ttf"))


def one_glyph(path):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="A")
    subsetter.subset(font)
    return font


def main(out):
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # tables it drops, as intended
    os.makedirs(out, exist_ok=True)
    fonts = []
    for path in SOURCES:
        font = one_glyph(path)
        font.save(os.path.join(out, os.path.basename(path)))
        fonts.append(font)
    # The name table last in the file and a face name last in it: a fault at the end of
    # a string then reads past the input, where the sanitizer sees it.
    font = one_glyph(SOURCES[0])
    for tag in [tag for tag in font.keys() if tag > "name"]:
        del font[tag]
    font["name"].names = [n for n in font["name"].names if n.nameID in (1, 2, 4)]
    path = os.path.join(out, "name-last.ttf")
    font.save(path, reorderTables=False)
    name = TTFont(path).reader.tables["name"]
    os.truncate(path, name.offset + name.length)  # without the padding after it
    collection = TTCollection()
    collection.fonts = fonts[:2]
    collection.save(os.path.join(out, "collection.ttc"))
    cff_font(os.path.join(out, "cff.otf"))
    shutil.copy("/usr/share/wine/fonts/vgasys.fon", out)


if __name__ == "__main__":
    main(sys.argv[1])
