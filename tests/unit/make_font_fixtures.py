#!/usr/bin/python3
"""Makes the font files the font reader's tests read, from the system's fonts:
well-formed fonts with chosen names, and damaged copies.

Usage: make_font_fixtures.py OUTPUT_DIR   (writes OUTPUT_DIR/stamp last)
"""
import os
import random
import shutil
import struct
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.ttLib import TTCollection, TTFont
from fontTools.ttLib.tables.DefaultTable import DefaultTable

LIBERATION = "/usr/share/fonts/truetype/liberation2/"
DEJAVU = "/usr/share/fonts/truetype/dejavu/"
WINE = "/usr/share/wine/fonts/"
SANS = LIBERATION + "LiberationSans-Regular.ttf"


def with_names(source, path, records):
    """A copy of source whose name table holds records (platform, encoding, language,
    nameID, text)."""
    font = TTFont(source)
    font["name"].names = []
    for platform, encoding, language, name_id, text in records:
        font["name"].setName(text, name_id, platform, encoding, language)
    font.save(path)


def name_table(records, lang_tags=None):
    """The bytes of a name table holding records (platform, encoding, language, nameID,
    bytes); of format 1 when lang_tags is given."""
    header = storage = b""
    for platform, encoding, language, name_id, data in records:
        header += struct.pack(">6H", platform, encoding, language, name_id, len(data), len(storage))
        storage += data
    tags = b""
    if lang_tags is not None:
        tags = struct.pack(">H", len(lang_tags))
        for tag in lang_tags:
            tags += struct.pack(">HH", len(tag), len(storage))
            storage += tag
    start = 6 + len(header) + len(tags)
    table_format = 0 if lang_tags is None else 1
    return bytearray(struct.pack(">3H", table_format, len(records), start) +
                     header + tags + storage)


def windows(name_id, text, language=0x0409):
    return (3, 1, language, name_id, text.encode("utf_16_be"))


def with_name_table(source, path, table):
    font = TTFont(source)
    raw = DefaultTable("name")
    raw.data = bytes(table)
    font["name"] = raw
    font.save(path)


def patched(path, offset, value, source):
    """A copy of source with the 32-bit number at offset set to value."""
    data = bytearray(open(source, "rb").read())
    struct.pack_into(">I", data, offset, value)
    open(path, "wb").write(data)


def directory_entry(path, tag):
    data = open(path, "rb").read()
    for entry in range(12, 12 + 16 * struct.unpack_from(">H", data, 4)[0], 16):
        if data[entry:entry + 4] == tag:
            return entry


def cff_font(path):
    pen = T2CharStringPen(500, None)
    pen.moveTo((50, 0))
    pen.lineTo((450, 0))
    pen.lineTo((250, 700))
    pen.closePath()
    builder = FontBuilder(1000, isTTF=False)
    builder.setupGlyphOrder([".notdef", "A"])
    builder.setupCharacterMap({ord("A"): "A"})
    builder.setupCFF("GlyvaneTestCFF-Regular", {"FullName": "Glyvane Test CFF"},
                     {".notdef": pen.getCharString(), "A": pen.getCharString()}, {})
    builder.setupHorizontalMetrics({".notdef": (500, 50), "A": (500, 50)})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable({"familyName": "Glyvane Test CFF", "styleName": "Regular"})
    builder.setupOS2()
    builder.setupPost()
    builder.save(path)


def main(out):
    os.makedirs(out, exist_ok=True)
    at = lambda name: os.path.join(out, name)

    bold = TTFont(LIBERATION + "LiberationSans-Bold.ttf")
    for language, name_id, text in ((0x040C, 2, "Gras"), (0x040C, 4, "Liberation Sans Gras"),
                                    (0x080C, 4, "Liberation Sans Gras BE"),
                                    (0x0405, 4, "Liberation Sans Tučné")):
        bold["name"].setName(text, name_id, 3, 1, language)
    bold.save(at("bold-fr.ttf"))

    with_names(WINE + "marlett.ttf", at("symbol.ttf"), [
        (3, 0, 0x0409, 1, "Marlett"), (3, 0, 0x0409, 2, "Regular"), (3, 0, 0x0409, 4, "Marlett"),
        (1, 0, 0, 1, "Marlett Mac")])
    with_names(DEJAVU + "DejaVuSerif.ttf", at("mac-only.ttf"), [
        (1, 0, 0, 1, "Café Œuvre"), (1, 0, 0, 2, "Book"), (1, 0, 0, 4, "Café Œuvre ﬁ Book"),
        (1, 0, 1, 4, "Café Œuvre Livre")])
    with_names(DEJAVU + "DejaVuSans-Bold.ttf", at("german-only.ttf"), [
        (3, 1, 0x0407, 1, "DejaVu Sans"), (3, 1, 0x0407, 2, "Fett"),
        (3, 1, 0x0407, 4, "DejaVu Sans Fett"), (1, 0, 0, 1, "DejaVu Mac"), (1, 0, 0, 2, "Bold")])
    with_names(LIBERATION + "LiberationSerif-Regular.ttf", at("long-name.ttf"), [
        (3, 1, 0x0409, 1, "Liberation Serif Long Family Name Beyond Thirty-One"),
        (3, 1, 0x0409, 2, "Regular\0Junk"),
        (3, 1, 0x0409, 4, "Œuvre « € » – Łódź 😀 \x81")])
    collection = TTCollection()
    collection.fonts = [TTFont(SANS), TTFont(LIBERATION + "LiberationSerif-Regular.ttf")]
    collection.save(at("collection.ttc"))
    cff_font(at("cff.otf"))  # without a full name

    mono = LIBERATION + "LiberationMono-Regular.ttf"
    tagged = [windows(1, "Liberation Mono"), windows(2, "Regular"),
              (0, 4, 0x8000, 4, "Liberation Mono FR".encode("utf_16_be"))]
    with_name_table(mono, at("format1.ttf"), name_table(tagged, [b"fr"]))
    table = name_table([windows(1, "Liberation Odd"), (1, 0, 0, 1, b"Liberation Mac")])
    struct.pack_into(">H", table, 6 + 8, 13)  # an odd UTF-16 length
    with_name_table(mono, at("odd-length.ttf"), table)
    # Only a name table, at the very end of the file, ending in half a surrogate pair.
    table = name_table([(3, 1, 0x0409, 1, "Lone ".encode("utf_16_be") + b"\xd8\x3d")])
    open(at("name-only.ttf"), "wb").write(struct.pack(">IHHHH", 0x00010000, 1, 16, 0, 0) +
                                          struct.pack(">4sIII", b"name", 0, 28, len(table)) + table)

    # Damaged files and files of other kinds.
    open(at("empty.ttf"), "wb").close()
    open(at("truncated.ttf"), "wb").write(open(SANS, "rb").read(100))
    open(at("garbage.ttf"), "wb").write(random.Random(3).randbytes(4096))
    open(at("text.ttf"), "w").write("Ceci n'est pas une police.\n")
    shutil.copy(WINE + "vgasys.fon", at("vgasys.fon"))
    for offset, value, name in ((0, 2, "name-format-2.ttf"), (2, 0xFFFF, "name-count-ffff.ttf"),
                                (4, 6, "storage-in-records.ttf"),
                                (6 + 10, 0xFFF0, "string-past-table.ttf"),
                                (6 + 12 * 3, 0xFFFF, "format1-tag-count.ttf")):
        table = name_table(tagged, [b"fr"])
        struct.pack_into(">H", table, offset, value)
        with_name_table(mono, at(name), table)
    post = directory_entry(SANS, b"post")
    patched(at("table-past-end.ttf"), post + 8, os.path.getsize(SANS) + 16, SANS)
    patched(at("table-length-wraps.ttf"), post + 8, 0xFFFFFFF0, SANS)  # + its length: past 2**32
    patched(at("collection-empty.ttc"), 8, 0, at("collection.ttc"))
    patched(at("collection-past-end.ttc"), 12, 0xFFFFFF00, at("collection.ttc"))

    open(at("stamp"), "w").close()


if __name__ == "__main__":
    main(sys.argv[1])
