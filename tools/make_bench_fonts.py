#!/usr/bin/python3
"""Makes COUNT font files with distinct names for the font reader's benchmark: the
system's Liberation and DejaVu fonts cut to the code page 1252 characters, as the
fonts of a Windows folder of the time, keeping all their names, each prefixed with
"Bench NNNN".

Usage: make_bench_fonts.py OUTPUT_DIR COUNT   (writes OUTPUT_DIR/stamp last)
"""
import glob
import io
import logging
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCES = sorted(glob.glob("/usr/share/fonts/truetype/liberation2/*.ttf") +
                 glob.glob("/usr/share/fonts/truetype/dejavu/*.ttf"))
CP1252 = bytes(range(0x20, 0x7F)) + bytes(range(0x80, 0x100))


def cut(path):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes={ord(c) for c in CP1252.decode("cp1252", errors="ignore")})
    subsetter.subset(font)
    data = io.BytesIO()
    font.save(data)
    return data.getvalue()


def main(out, count):
    logging.getLogger("fontTools").setLevel(logging.ERROR)  # tables it drops, as intended
    os.makedirs(out, exist_ok=True)
    sources = [cut(path) for path in SOURCES]
    for n in range(count):
        font = TTFont(io.BytesIO(sources[n % len(sources)]))
        for record in font["name"].names:
            if record.nameID in (1, 3, 4, 16, 21):  # every name a family or face goes by
                record.string = f"Bench {n:04d} {record.toUnicode()}"
            elif record.nameID == 6:
                record.string = f"Bench{n:04d}-{record.toUnicode()}"
        font.save(os.path.join(out, f"bench-{n:04d}.ttf"))
    open(os.path.join(out, "stamp"), "w").close()


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]))
