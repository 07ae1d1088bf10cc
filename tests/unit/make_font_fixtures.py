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
from fontTools.pens.ttGlyphPen import TTGlyphPen
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


def triangle(pen):
    """The glyph of the small fonts, drawn with pen."""
    pen.moveTo((50, 0))
    pen.lineTo((450, 0))
    pen.lineTo((250, 700))
    pen.closePath()
    return pen


def two_glyph_font(is_ttf, outlines, names, **os2):
    """A FontBuilder of a font with .notdef and A, both drawn by outlines(builder,
    glyphs), named names (FontBuilder's name fields)."""
    builder = FontBuilder(1000, isTTF=is_ttf)
    builder.setupGlyphOrder([".notdef", "A"])
    builder.setupCharacterMap({ord("A"): "A"})
    outlines(builder)
    builder.setupHorizontalMetrics({".notdef": (500, 50), "A": (500, 50)})
    builder.setupHorizontalHeader(ascent=800, descent=-200)
    builder.setupNameTable(names)
    builder.setupOS2(**os2)
    builder.setupPost()
    return builder


def cff_font(path):
    glyph = triangle(T2CharStringPen(500, None)).getCharString()
    two_glyph_font(False, lambda b: b.setupCFF("GlyvaneTestCFF-Regular",
                                               {"FullName": "Glyvane Test CFF"},
                                               {".notdef": glyph, "A": glyph}, {}),
                   {"familyName": "Glyvane Test CFF", "styleName": "Regular"}).save(path)


def small_font(path, records, without=(), os2_length=None):
    """A TrueType font of two glyphs whose name table holds records (platform, encoding,
    language, nameID, text), without the tables named in without; its OS/2 table cut
    to os2_length bytes when given."""
    glyph = triangle(TTGlyphPen(None)).glyph()
    builder = two_glyph_font(True, lambda b: b.setupGlyf({".notdef": glyph, "A": glyph}), {},
                             achVendID="GLYV")
    font = builder.font
    font["name"].names = []
    for platform, encoding, language, name_id, text in records:
        font["name"].setName(text, name_id, platform, encoding, language)
    font.save(path)
    if without or os2_length is not None:  # rewritten from the tables' bytes
        built = TTFont(path)
        font = TTFont()
        for tag in built.reader.keys():
            if tag not in without:
                font[tag] = DefaultTable(tag)
                font[tag].data = built.reader[tag][:os2_length] if tag == "OS/2" else built.reader[tag]
        font.save(path)


def win_names(language, family, style, full=None):
    records = [(3, 1, language, 1, family), (3, 1, language, 2, style)]
    if full is not None:
        records.append((3, 1, language, 4, full))
    return records


def name_cases(at):
    """Name tables that real fonts rarely hold, each in a small font of its own."""
    english = win_names(0x0409, "Glyvane Cas", "Regular", "Glyvane Cas Regular")
    small_font(at("fr-ca-only.ttf"), win_names(0x0C0C, "Glyvane Québec", "Gras", "Glyvane Québec Gras"))
    small_font(at("fr-ca-and-english.ttf"),
               win_names(0x0C0C, "Glyvane Québec", "Gras", "Glyvane Québec Gras") + english)
    small_font(at("french-and-english.ttf"),
               english + win_names(0x040C, "Zeta Glyvane", "Normal", "Zeta Glyvane Normal"))
    small_font(at("german.ttf"), win_names(0x0407, "Glyvane Deutsch", "Fett", "Glyvane Deutsch Fett"))
    small_font(at("unicode-only.ttf"), [
        (0, 3, 0, 1, "Glyvane Unicode"), (0, 3, 0, 2, "Regular"),
        (0, 3, 0, 4, "Glyvane Unicode Regular"), (0, 4, 0, 4, "Glyvane Unicode Full")])
    small_font(at("no-full-name.ttf"), win_names(0x0409, "Glyvane Sans Nom", "Italic"))
    small_font(at("non-latin.ttf"), win_names(
        0x0409, "Łódź Ωmega Ā", "Ωmega",
        "Łódź Ωmega Ā Ŧest “quotes” – ﬁ ∑ Ж 中文 ą😀ę"))
    # A surrogate pair across each cut: units 31-32 of the family, 63-64 of the full name.
    small_font(at("surrogate-cut.ttf"), win_names(
        0x0409, "Glyvane Surrogate Cut Family X😀 Tail", "Regular",
        "Glyvane Surrogate Cut Full Name That Runs Past Sixty-Three Uni😀 Tail"))
    small_font(at("long-full-name.ttf"), win_names(
        0x0409, "Glyvane Long", "Condensed Bold Oblique",
        "Glyvane Long Full Name Condensed Bold Oblique Beyond Sixty-Three Characters"))
    # Tables every Windows font has, each missing once.
    for tag in ("OS/2", "hhea", "head", "maxp", "cmap", "post", "hmtx", "name", "loca"):
        small_font(at("no-%s.ttf" % tag.replace("/", "").lower()), english, without=[tag])
    small_font(at("os2-version0.ttf"), english, os2_length=78)
    small_font(at("os2-short.ttf"), english, os2_length=68)


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
    font = TTFont(at("cff.otf"))
    del font["CFF "]
    font.save(at("cff-without-outlines.otf"))

    mono = LIBERATION + "LiberationMono-Regular.ttf"
    tagged = [windows(1, "Liberation Mono"), windows(2, "Regular"),
              (0, 4, 0x8000, 4, "Liberation Mono FR".encode("utf_16_be"))]
    with_name_table(mono, at("format1.ttf"), name_table(tagged, [b"fr"]))
    table = name_table([windows(1, "Liberation Odd"), (1, 0, 0, 1, b"Liberation Mac")])
    struct.pack_into(">H", table, 6 + 8, 13)  # an odd UTF-16 length
    with_name_table(mono, at("odd-length.ttf"), table)
    # A small font whose name table ends the file, ending in half a surrogate pair; and
    # that name table alone, which the system refuses.
    table = name_table([(3, 1, 0x0409, 1, "Lone ".encode("utf_16_be") + b"\xd8\x3d")])
    small_font(at("name-last.ttf"), [])
    built = TTFont(at("name-last.ttf")).reader
    tables = [(tag, built[tag]) for tag in sorted(built.keys()) if tag != "name"]
    for name, others in (("name-last.ttf", tables), ("name-only.ttf", [])):
        entries = others + [("name", bytes(table))]
        offset = 12 + 16 * len(entries)
        directory = data = b""
        for tag, content in entries:
            directory += struct.pack(">4sIII", tag.encode("latin-1"), 0, offset + len(data),
                                     len(content))
            data += content + b"\0" * (-len(content) % 4 if tag != "name" else 0)
        open(at(name), "wb").write(struct.pack(">IHHHH", 0x00010000, len(entries), 16, 0, 0) +
                                   directory + data)

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

    name_cases(at)
    open(at("stamp"), "w").close()


if __name__ == "__main__":
    main(sys.argv[1])
