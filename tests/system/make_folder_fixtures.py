#!/usr/bin/python3
"""Makes the font files that the folder and installation tests pick from, beside the
damaged and special files of the font reader's fixtures:

  faces/   well-formed fonts whose faces are new to the system, copies of installed
           ones, a text file named .ttf;
  odd/     a folder of odd files: empty, cut short, random bytes, text, broken name
           tables, a table past the end, a bitmap .fon, a collection, CFF outlines,
           French or Mac names only, a 40-character name.

Usage: make_folder_fixtures.py OUTPUT_DIR   (writes OUTPUT_DIR/stamp last)
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "unit"))
import make_font_fixtures as fixtures  # noqa: E402

LIBERATION = fixtures.LIBERATION
WINE = fixtures.WINE

# The 40-character full name, and every other name here, is plain code page 1252
# text of at most 31 characters that any conversion keeps.
FORTY = "Glyvane Quarante Caracteres Pour Le Nom!"
assert len(FORTY) == 40


def named(source, path, family, full, language=0x0409, platform=3, style="Regular"):
    encoding = 1 if platform == 3 else 0
    if platform == 1:
        language = 0
    fixtures.with_names(source, path, [
        (platform, encoding, language, 1, family), (platform, encoding, language, 2, style),
        (platform, encoding, language, 4, full), (platform, encoding, language, 6, family.replace(" ", ""))])


def bitmap_font(path, face):
    """A copy of Wine's System bitmap font whose face is renamed (same length)."""
    data = open(WINE + "vgasys.fon", "rb").read()
    assert len(face) == len("System")
    open(path, "wb").write(data.replace(b"System\0", face.encode("ascii") + b"\0"))


def small_font(path, family):
    """A font of a few glyphs, for folders of many files."""
    from fontTools import subset
    options = subset.Options()
    font = fixtures.TTFont(LIBERATION + "LiberationSans-Regular.ttf")
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="AaBb")
    subsetter.subset(font)
    font.save(path)
    named(path, path, family, family)


def faces(out):
    os.makedirs(out, exist_ok=True)
    at = lambda name: os.path.join(out, name)
    named(LIBERATION + "LiberationSerif-Regular.ttf", at("nouvelle.ttf"), "Glyvane Nouvelle", "Glyvane Nouvelle")
    named(LIBERATION + "LiberationMono-Regular.ttf", at("seconde.ttf"), "Glyvane Seconde", "Glyvane Seconde")
    named(LIBERATION + "LiberationSans-Italic.ttf", at("installable.ttf"), "Glyvane Installable",
          "Glyvane Installable")
    bitmap_font(at("bitmap.fon"), "Glyfon")
    small_font(at("petite.ttf"), "Glyvane Petite")
    # A family of this project's own, which the tests install first (Wine loads no
    # second copy of a face it holds, so a copy of a system font would never show
    # whether the program took it out of the font table again), and other styles of it.
    named(LIBERATION + "LiberationSans-Regular.ttf", at("copie.ttf"), "Glyvane Copie", "Glyvane Copie")
    named(LIBERATION + "LiberationSans-Bold.ttf", at("copie-gras.ttf"), "Glyvane Copie", "Glyvane Copie Gras",
          style="Bold")
    # An installed family whose full name no installed name begins.
    named(LIBERATION + "LiberationSans-Italic.ttf", at("copie-sans-nom.ttf"), "Glyvane Copie", "Zzz Nom Inconnu",
          style="Italic")
    # A file whose face is an installed font's: the program must not mistake another
    # face for it, and prints it under the installed name.
    shutil.copy(LIBERATION + "LiberationSans-Regular.ttf", at("sans-copie.ttf"))
    open(at("pas-une-police.ttf"), "w").write("Ceci n'est pas une police.\n")


def odd(out, reader_fixtures):
    os.makedirs(out, exist_ok=True)
    at = lambda name: os.path.join(out, name)
    for source, name in (("empty.ttf", "zero.ttf"), ("truncated.ttf", "cent-octets.ttf"),
                         ("garbage.ttf", "aleatoire.ttf"), ("text.ttf", "texte.ttf"),
                         ("name-count-ffff.ttf", "compte-ffff.ttf"),
                         ("string-past-table.ttf", "chaines-hors-table.ttf"),
                         ("table-past-end.ttf", "table-hors-fichier.ttf"),
                         ("cff.otf", "cff.ttf"), ("cff.otf", "cff.otf")):
        shutil.copy(os.path.join(reader_fixtures, source), at(name))
    bitmap_font(at("bitmap.fon"), "Glyodd")
    regular, bold = at("collection-1.ttf"), at("collection-2.ttf")
    named(LIBERATION + "LiberationSans-Regular.ttf", regular, "Glyvane Collection", "Glyvane Collection")
    named(LIBERATION + "LiberationSans-Bold.ttf", bold, "Glyvane Collection", "Glyvane Collection Gras",
          style="Bold")
    collection = fixtures.TTCollection()
    collection.fonts = [fixtures.TTFont(regular), fixtures.TTFont(bold)]
    collection.save(at("collection.ttf"))
    os.remove(regular)
    os.remove(bold)
    named(LIBERATION + "LiberationSans-Regular.ttf", at("francais.ttf"), "Glyvane Française",
          "Glyvane Française Normale", language=0x040C)
    named(LIBERATION + "LiberationMono-Regular.ttf", at("mac.ttf"), "Glyvane Mac", "Glyvane Mac Regular",
          platform=1)
    named(LIBERATION + "LiberationSerif-Regular.ttf", at("quarante.ttf"), "Glyvane Quarante", FORTY)


def main(out):
    reader_fixtures = os.path.join(out, "reader")
    fixtures.main(reader_fixtures)
    faces(os.path.join(out, "faces"))
    odd(os.path.join(out, "odd"), reader_fixtures)
    open(os.path.join(out, "stamp"), "w").close()


if __name__ == "__main__":
    main(sys.argv[1])
