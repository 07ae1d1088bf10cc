#!/usr/bin/python3
"""Makes COUNT damaged font files, as a folder of fonts downloaded from anywhere may
hold: copies of the system's fonts (Liberation, DejaVu, FreeFont, cut to the code
page 1252 characters), each renamed "Abimee NNNN" so that it brings a new face, then
broken in one to four ways chosen by a seeded random source: fields rewritten with
fontTools (OS/2 code page ranges claiming Chinese, Japanese or Korean, line and
vertical metrics, units per em, glyph counts, widths, outlines, character maps) and
bytes changed in any table, or in the table directory itself, of the saved file.
The same COUNT and SEED always make the same files. Each file's ways are listed in
OUTPUT_DIR/manifest.txt.

"--killer" makes instead one file that ends the process that adds and draws it
under Wine 8: a font claiming the Japanese code page whose character map is
damaged. "--east-asian" makes a sound font that claims the Japanese code page, so
that the system lists a vertical "@" face beside its own.

Usage: make_damaged_fonts.py OUTPUT_DIR COUNT [SEED]   (writes OUTPUT_DIR/stamp last)
       make_damaged_fonts.py --killer OUTPUT_FILE
       make_damaged_fonts.py --east-asian OUTPUT_FILE
"""
import glob
import io
import logging
import os
import random
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTFont, newTable

SOURCES = sorted(glob.glob("/usr/share/fonts/truetype/liberation2/Liberation*-Regular.ttf") +
                 glob.glob("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf") +
                 glob.glob("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf") +
                 glob.glob("/usr/share/fonts/truetype/freefont/FreeSans.ttf"))
CP1252 = {ord(c) for c in bytes(range(0x20, 0x7F)).decode() + bytes(range(0x80, 0x100)).decode("cp1252", "ignore")}
# The code page bits of the Chinese, Japanese and Korean code pages (932, 936, 949,
# 950, 1361): the system makes a vertical "@" face beside fonts that claim one.
CJK_CODE_PAGES = [17, 18, 19, 20, 21]
EXTREMES16 = [0, 1, 0x7FFF, 0x8000, 0xFFFF, 0x8001, 0x00FF, 0xFF00]


def cut(path):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=CP1252)
    subsetter.subset(font)
    data = io.BytesIO()
    font.save(data)
    return data.getvalue()


def renamed(font, n):
    family = f"Abimee {n:04d}"
    name = font["name"]
    name.names = [r for r in name.names if r.nameID not in (1, 2, 3, 4, 6, 16, 17, 21, 22)]
    for platform, encoding, language in ((3, 1, 0x0409), (1, 0, 0)):
        for name_id, text in ((1, family), (2, "Regular"), (3, family), (4, family), (6, family.replace(" ", ""))):
            name.setName(text, name_id, platform, encoding, language)
    return family


# Ways of breaking a font through its parsed tables. Each takes (font, rng) and
# returns a short description.
def claim_cjk(font, rng):
    os2 = font["OS/2"]
    if os2.version < 1:
        os2.version = 1
    bits = rng.sample(CJK_CODE_PAGES, rng.randint(1, 3))
    os2.ulCodePageRange1 = getattr(os2, "ulCodePageRange1", 1) | sum(1 << b for b in bits)
    return "cjk" + "+".join(map(str, bits))


def line_metrics(font, rng):
    fields = [("hhea", "ascent"), ("hhea", "descent"), ("hhea", "lineGap"), ("OS/2", "sTypoAscender"),
              ("OS/2", "sTypoDescender"), ("OS/2", "sTypoLineGap"), ("OS/2", "usWinAscent"), ("OS/2", "usWinDescent"),
              ("head", "yMax"), ("head", "yMin"), ("head", "xMax"), ("head", "xMin"), ("hhea", "advanceWidthMax")]
    changed = []
    for table, field in rng.sample(fields, rng.randint(1, 4)):
        value = rng.choice([0, 1, -1, 32767, -32768, rng.randint(-40000, 40000)])
        unsigned = field.startswith("us") or field == "advanceWidthMax"
        setattr(font[table], field, value & 0xFFFF if unsigned else max(-32768, min(32767, value)))
        changed.append(field)
    return "metrics:" + ",".join(changed)


def vertical_metrics(font, rng):
    glyphs = font.getGlyphOrder()
    vhea = newTable("vhea")
    vhea.tableVersion = 0x00011000
    for field in ("ascent", "descent", "lineGap", "advanceHeightMax", "minTopSideBearing", "minBottomSideBearing",
                  "yMaxExtent", "caretSlopeRise", "caretSlopeRun", "caretOffset", "reserved1", "reserved2",
                  "reserved3", "reserved4", "metricDataFormat"):
        setattr(vhea, field, rng.choice([0, 1, -1, 1000, 32767, -32768]) if field != "metricDataFormat" else 0)
    vhea.advanceHeightMax &= 0xFFFF
    vhea.numberOfVMetrics = len(glyphs)
    vmtx = newTable("vmtx")
    vmtx.metrics = {g: (rng.choice([0, 1, 1000, 65535]), rng.choice([0, -32768, 32767, 500])) for g in glyphs}
    font["vhea"] = vhea
    font["vmtx"] = vmtx
    return "vertical"


def units_per_em(font, rng):
    font["head"].unitsPerEm = rng.choice([1, 2, 15, 16, 16384, 32767, 65535])
    return f"upem{font['head'].unitsPerEm}"


def widths(font, rng):
    hmtx = font["hmtx"].metrics
    for glyph in rng.sample(sorted(hmtx), min(len(hmtx), rng.randint(1, 40))):
        hmtx[glyph] = (rng.choice([0, 1, 65535, 32768]), rng.choice([0, -32768, 32767]))
    return "widths"


def outlines(font, rng):
    glyf = font["glyf"]
    names = [g for g in font.getGlyphOrder() if glyf[g].numberOfContours > 0]
    for glyph_name in rng.sample(names, min(len(names), rng.randint(1, 20))):
        glyph = glyf[glyph_name]
        for i in rng.sample(range(len(glyph.coordinates)), min(len(glyph.coordinates), 4)):
            glyph.coordinates[i] = (rng.choice([-32768, 32767, 0]), rng.choice([-32768, 32767, 0]))
        glyph.recalcBounds(glyf) if rng.random() < 0.5 else None
    return "outlines"


def char_map(font, rng):
    glyphs = font.getGlyphOrder()
    for table in font["cmap"].tables:
        for code in rng.sample(sorted(table.cmap), min(len(table.cmap), rng.randint(1, 30))):
            table.cmap[code] = rng.choice(glyphs)
    return "cmap"


STRUCTURED = [claim_cjk, claim_cjk, line_metrics, vertical_metrics, units_per_em, widths, outlines, char_map]


# Ways of breaking the saved bytes: fields that fontTools recomputes on saving, and
# bytes of any table.
def directory(data):
    count = struct.unpack_from(">H", data, 4)[0]
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack_from(">4sIII", data, 12 + 16 * i)
        tables[tag.decode("latin-1")] = (offset, length, 12 + 16 * i)
    return tables


def patch_field(data, rng):
    fields = [("hhea", 34, "numberOfHMetrics"), ("maxp", 4, "numGlyphs"), ("head", 50, "indexToLocFormat"),
              ("head", 18, "unitsPerEm"), ("OS/2", 0, "OS2version"), ("vhea", 34, "numberOfVMetrics"),
              ("maxp", 6, "maxPoints"), ("maxp", 8, "maxContours"), ("post", 0, "postFormat"),
              ("cmap", 2, "cmapTables"), ("name", 2, "nameCount"), ("OS/2", 78, "codePages")]
    tables = directory(data)
    present = [f for f in fields if f[0] in tables]
    table, at, what = rng.choice(present)
    offset, length, _ = tables[table]
    if at + 2 <= length:
        struct.pack_into(">H", data, offset + at, rng.choice(EXTREMES16))
    return "field:" + what


def table_bytes(data, rng):
    tables = directory(data)
    tag = rng.choice(sorted(tables))
    offset, length, _ = tables[tag]
    for _ in range(rng.randint(1, 16)):
        if length <= 0 or offset >= len(data):
            break
        at = offset + rng.randrange(min(length, len(data) - offset))
        how = rng.random()
        if how < 0.4:
            data[at] = rng.randrange(256)
        elif how < 0.7:
            data[at] = rng.choice([0x00, 0xFF, 0x7F, 0x80])
        else:
            data[at] ^= 1 << rng.randrange(8)
    return "bytes:" + tag.strip()


def table_entry(data, rng):
    tables = directory(data)
    tag = rng.choice(sorted(tables))
    _, _, entry = tables[tag]
    at = entry + rng.choice([8, 12])  # its offset or its length
    struct.pack_into(">I", data, at, rng.choice([0, 1, len(data) - 4, len(data) + 1000, 0xFFFFFFF0]))
    return "entry:" + tag.strip()


BYTES = [patch_field, patch_field, table_bytes, table_bytes, table_bytes, table_entry]


def damaged(source, n, rng):
    font = TTFont(io.BytesIO(source))
    renamed(font, n)
    ways = []
    for way in rng.sample(STRUCTURED, rng.randint(0, 3)):
        ways.append(way(font, rng))
    out = io.BytesIO()
    try:
        font.save(out)
    except Exception as error:  # a combination fontTools will not write: keep the renamed copy
        ways.append(f"unsaved({type(error).__name__})")
        font = TTFont(io.BytesIO(source))
        renamed(font, n)
        out = io.BytesIO()
        font.save(out)
    data = bytearray(out.getvalue())
    for way in rng.sample(BYTES, rng.randint(0 if ways else 1, 2)):
        ways.append(way(data, rng))
    return bytes(data), ways


def killer():
    """Claims the Japanese code page, and eight bytes of its character map are noise.
    Wine 8's font code reads through a null pointer on such a map (every one tried,
    of every source font, ended the process that drew it)."""
    font = TTFont(io.BytesIO(cut(SOURCES[0])))
    renamed(font, 9999)
    font["OS/2"].ulCodePageRange1 |= 1 << 17
    out = io.BytesIO()
    font.save(out)
    data = bytearray(out.getvalue())
    offset, length, _ = directory(data)["cmap"]
    rng = random.Random(0)
    for _ in range(8):
        data[offset + rng.randrange(length)] = rng.randrange(256)
    return bytes(data)


def east_asian():
    """A sound font claiming the Japanese code page, the system's vertical face beside
    it: "Glyvane Verticale" and "@Glyvane Verticale"."""
    font = TTFont(io.BytesIO(cut(SOURCES[0])))
    name = font["name"]
    name.names = [r for r in name.names if r.nameID not in (1, 2, 3, 4, 6, 16, 17, 21, 22)]
    for name_id, text in ((1, "Glyvane Verticale"), (2, "Regular"), (4, "Glyvane Verticale"), (6, "GlyvaneVerticale")):
        name.setName(text, name_id, 3, 1, 0x0409)
    font["OS/2"].ulCodePageRange1 |= 1 << 17
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def main(out, count, seed):
    logging.getLogger("fontTools").setLevel(logging.CRITICAL)
    os.makedirs(out, exist_ok=True)
    sources = [cut(path) for path in SOURCES]
    with open(os.path.join(out, "manifest.txt"), "w") as manifest:
        for n in range(count):
            rng = random.Random(f"{seed}:{n}")
            data, ways = damaged(sources[n % len(sources)], n, rng)
            name = f"abimee-{n:04d}.ttf"
            with open(os.path.join(out, name), "wb") as f:
                f.write(data)
            manifest.write(f"{name} {os.path.basename(SOURCES[n % len(SOURCES)])} {' '.join(ways)}\n")
    open(os.path.join(out, "stamp"), "w").close()


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] in ("--killer", "--east-asian"):
        logging.getLogger("fontTools").setLevel(logging.CRITICAL)
        with open(sys.argv[2], "wb") as f:
            f.write(killer() if sys.argv[1] == "--killer" else east_asian())
    elif len(sys.argv) in (3, 4):
        main(sys.argv[1], int(sys.argv[2]), sys.argv[3] if len(sys.argv) == 4 else "glyvane")
    else:
        sys.exit(__doc__)
