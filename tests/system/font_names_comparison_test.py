"""The font reader's names agree with the system's font list under Wine: for the
font fixtures, Wine's own fonts and a few Debian font packages with long and
non-Latin names, every file is read by both or refused by both, with the same
family and full name, except the cases listed below with their reason.

Usage: font_names_comparison_test.py COMPARE_EXE BUILD_PREFIX FIXTURES WORK_DIR
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import font_name_comparison  # noqa: E402

PACKAGES = ["fonts-freefont-ttf", "fonts-nanum", "fonts-tlwg-garuda-ttf", "fonts-dejavu-extra"]
WINE_FONTS = "/usr/share/wine/fonts"

WINE_EMPTY = "Wine leaves the name empty when the font has it neither in the user's " \
             "language nor in US English; Windows takes another language, as the reader does"
WINE_BITMAP = "Wine alone refuses its own bitmap-only TrueType files (vendor \"Wine\", EBSC table)"

# (file name, disagreement): why the reader keeps its own answer there.
KNOWN = {
    ("fr-ca-only.ttf", "family"): WINE_EMPTY,
    ("fr-ca-only.ttf", "full name"): WINE_EMPTY,
    ("german.ttf", "family"): WINE_EMPTY,
    ("german.ttf", "full name"): WINE_EMPTY,
    ("german-only.ttf", "full name"): WINE_EMPTY,
    ("os2-short.ttf", "refused by the reader"):
        "an OS/2 table shorter than its version 0: Wine reads past its end",
}
for bitmap in ("courier.ttf", "fixedsys.ttf", "fixedsys_jp.ttf", "ms_sans_serif.ttf",
               "small_fonts.ttf", "small_fonts_jp.ttf", "system.ttf"):
    KNOWN[(bitmap, "refused by the system")] = WINE_BITMAP

# Damaged files, which the reader refuses before any system call sees them. What
# the system makes of them is no answer to compare with: Wine lists most of them,
# some with names read from outside the name table, which may vary from run to run,
# and its process may die or hang on them.
DAMAGED = {"format1-tag-count.ttf", "name-count-ffff.ttf", "name-format-2.ttf",
           "storage-in-records.ttf", "string-past-table.ttf", "table-past-end.ttf",
           "table-length-wraps.ttf"}


def package_fonts(package):
    files = subprocess.run(["dpkg", "-L", package], stdout=subprocess.PIPE, text=True,
                           check=True).stdout.split("\n")
    return [f for f in files if f.lower().endswith(font_name_comparison.EXTENSIONS)
            and os.path.isfile(f)]


def main(exe, build_prefix, fixtures, work_dir):
    exe, build_prefix, work_dir = (os.path.abspath(p) for p in (exe, build_prefix, work_dir))
    files = font_name_comparison.font_files([fixtures, WINE_FONTS])
    for package in PACKAGES:
        found = package_fonts(package)
        if not found:
            sys.exit("%s has no font files: is it installed (scripts/bootstrap)?" % package)
        files += found
    prefix = os.path.join(work_dir, "font-names-prefix")
    font_name_comparison.make_prefix(build_prefix, prefix)
    results = font_name_comparison.run(exe, prefix, files, work_dir)
    comparison = font_name_comparison.compare(results, name=os.path.basename)

    failures = 0
    seen = set()
    for result in results:
        if os.path.basename(result.path) in DAMAGED and result.reader is not None:
            failures += 1
            print("FAILED: %s: a damaged file, read by the reader" % result.path)
    for path, kind, line in comparison.disagreements:
        key = (os.path.basename(path), kind)
        if key in KNOWN:
            seen.add(key)
            print("known: %s (%s)" % (line, KNOWN[key]))
        elif key[0] in DAMAGED:
            print("damaged: %s" % line)
        else:
            failures += 1
            print("FAILED: %s" % line)
    for key in sorted(set(KNOWN) - seen):
        failures += 1
        print("FAILED: %s: %s no longer disagrees; take it off the list" % key)
    print(comparison.summary())
    if comparison.files < 100:
        failures += 1
        print("FAILED: only %d files compared" % comparison.files)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
