"""The font reader's names beside the system's under Wine, file by file.

compare_font_names.exe (tools/compare_font_names.cpp) reads each file with the
program's reader and adds it privately to the system's font list to see which faces
it brings. It runs in a Wine prefix of its own, a copy of the build's prefix whose
font configuration holds no font, so that a file's faces are the only new ones; one
Wine process reads a batch of files, and a new one starts where the system kept a
file's faces after its removal.

Used by scripts/compare-font-names and by the system test that runs it in CI.
"""
import os
import re
import shutil
import subprocess
import sys
from dataclasses import dataclass, field
from typing import List, Optional, Tuple

WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
EXTENSIONS = (".ttf", ".otf", ".ttc", ".otc")
ANSI = "cp1252"  # the prefix's ANSI code page (French locale)
LOCALE = "fr_FR.UTF-8"
PROCESS_TIMEOUT = 120  # seconds for one batch; a file takes milliseconds

# Registry sections that would bring other fonts into the list: the fonts Wine found
# through fontconfig when the prefix was made (it loads them from there) and its
# replacement names.
FONT_SECTIONS = re.compile(r"^\[Software\\\\(Wine\\\\Fonts\\\\(Cache|Replacements|External Fonts)"
                           r"|Microsoft\\\\Windows( NT)?\\\\CurrentVersion\\\\Fonts\])")

EMPTY_FONT_CONFIG = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig></fontconfig>
"""

Face = Tuple[str, str]  # face name, full name


@dataclass
class Result:
    path: str
    reader: Optional[Face] = None  # None: the reader refuses the file
    system: List[Face] = field(default_factory=list)  # the faces it brought, in list order
    crashed: bool = False  # the system's process died or hung on this file


def make_prefix(build_prefix, prefix):
    """The build's prefix copied to prefix (files linked, the registry copied) without
    its fonts; made again when the build's prefix is newer."""
    stamp = os.path.join(build_prefix, "system.reg")
    if not os.path.exists(stamp):
        sys.exit("font_name_comparison: no Wine prefix in %s (scripts/wine-prefix makes it)"
                 % build_prefix)
    mine = os.path.join(prefix, "system.reg")
    if os.path.exists(mine) and os.path.getmtime(mine) >= os.path.getmtime(stamp):
        return
    subprocess.run([WINESERVER, "-k"], env=dict(os.environ, WINEPREFIX=prefix),
                   stderr=subprocess.DEVNULL, check=False)
    shutil.rmtree(prefix, ignore_errors=True)
    subprocess.run(["cp", "-al", build_prefix, prefix], check=True)
    # What Wine writes in place must not be shared with the build's prefix: the files at
    # its top (registry, server key) become copies.
    for name in os.listdir(prefix):
        path = os.path.join(prefix, name)
        if os.path.isfile(path) and not os.path.islink(path):
            os.unlink(path)
            shutil.copy2(os.path.join(build_prefix, name), path)
    fonts = os.path.join(prefix, "drive_c", "windows", "Fonts")
    for name in os.listdir(fonts):
        os.unlink(os.path.join(fonts, name))
    for hive in ("user.reg", "system.reg"):
        _drop_sections(os.path.join(prefix, hive))
    with open(os.path.join(prefix, "fonts.conf"), "w") as f:
        f.write(EMPTY_FONT_CONFIG)
    os.utime(mine)


def _drop_sections(hive):
    with open(hive, encoding="utf-8", errors="surrogateescape") as f:
        lines = f.read().split("\n")
    kept, skipping = [], False
    for line in lines:
        if line.startswith("["):
            skipping = bool(FONT_SECTIONS.match(line))
        if not skipping:
            kept.append(line)
    with open(hive, "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write("\n".join(kept))


def in_ansi(path):
    try:
        path.encode(ANSI)
        return True
    except UnicodeEncodeError:
        return False


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"t": "\t", "n": "\n", "r": "\r"}.get(m.group(1), m.group(1)),
                  text)


def run(exe, prefix, files, work_dir):
    """Results for files (Unix paths in code page 1252), in their order."""
    env = dict(os.environ, WINEPREFIX=prefix, WINEARCH="win64",
               WINEDEBUG=os.environ.get("WINEDEBUG", "-all"),
               WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL=LOCALE,
               FONTCONFIG_FILE=os.path.join(prefix, "fonts.conf"))
    # Fonts need no display, and a process given one waits for it under a test run's
    # Xvfb: none is given.
    env.pop("DISPLAY", None)
    list_file = os.path.join(work_dir, "compare-font-names.txt")
    results = []
    todo = list(files)
    # A server and its services kept for the whole run: a process then starts in a
    # tenth of a second, not in the seconds they take. They are started detached from
    # any output the results are read from, which they would keep open.
    server = dict(os.environ, WINEPREFIX=prefix)
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINESERVER, "-p"], env=server, check=True, **quiet)
    try:
        subprocess.run([WINE64, "cmd", "/c", "exit"], env=env, check=False, **quiet)
        while todo:
            with open(list_file, "wb") as f:
                f.write(b"".join(windows_path(p).encode(ANSI) + b"\n" for p in todo))
            try:
                process = subprocess.run([WINE64, exe, windows_path(list_file)], env=env,
                                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                         stderr=subprocess.PIPE, timeout=PROCESS_TIMEOUT)
            except subprocess.TimeoutExpired as hung:  # on a damaged file, as a crash
                process = subprocess.CompletedProcess(hung.cmd, -1, hung.stdout or b"",
                                                      hung.stderr or b"")
            done = _parse(process.stdout, todo)
            if not done:
                sys.exit("font_name_comparison: %s read no file (exit code %d)\n%s"
                         % (exe, process.returncode, process.stderr.decode(errors="replace")))
            results += done
            todo = todo[len(done):]
    finally:
        subprocess.run([WINESERVER, "-k"], env=server, stderr=subprocess.DEVNULL, check=False)
    return results


def _parse(output, files):
    """The results in the program's output. Each one's crashed is True until its end
    is seen: the process died on that file."""
    results = []
    for raw in output.split(b"\n"):
        fields = [unescape(f) for f in raw.rstrip(b"\r").decode(ANSI, "replace").split("\t")]
        if fields[0] == "file":
            results.append(Result(files[len(results)], crashed=True))
        elif not results:
            continue
        elif fields[0] == "reader" and len(fields) == 3:
            results[-1].reader = (fields[1], fields[2])
        elif fields[0] == "system" and len(fields) == 3:
            results[-1].system.append((fields[1], fields[2]))
        elif fields[0] in ("done", "stale"):
            results[-1].crashed = False
    return results


def system_names(result):
    """The face the system lists for the file's first face: the first that appeared,
    leaving out vertical faces ("@")."""
    for face in result.system:
        if not face[0].startswith("@"):
            return face
    return result.system[0] if result.system else None


@dataclass
class Comparison:
    disagreements: List[Tuple[str, str, str]] = field(default_factory=list)  # path, kind, line
    files: int = 0
    both: int = 0
    neither: int = 0
    reader_only: int = 0
    system_only: int = 0
    crashed: int = 0
    families: int = 0
    full_names: int = 0

    def add(self, path, kind, line):
        self.disagreements.append((path, kind, line))

    def summary(self):
        return ("%d files: read by both %d, refused by both %d, only by the reader %d, "
                "only by the system %d, system crashed %d; family names agree %d of %d, "
                "full names agree %d of %d" % (
                    self.files, self.both, self.neither, self.reader_only, self.system_only,
                    self.crashed, self.families, self.both, self.full_names, self.both))


def quoted(text):
    return '"%s"' % text.encode("unicode_escape").decode("ascii").replace('"', '\\"') \
        if any(ord(c) < 32 for c in text) else '"%s"' % text


def compare(results, name=lambda path: path):
    c = Comparison()
    for r in results:
        c.files += 1
        where = name(r.path)
        if r.crashed:
            c.crashed += 1
            c.add(r.path, "crashed", "%s: the system's process died or hung on it" % where)
            continue
        system = system_names(r)
        if r.reader is None and system is None:
            c.neither += 1
        elif r.reader is None:
            c.system_only += 1
            c.add(r.path, "refused by the reader",
                  "%s: refused by the reader; the system lists %s, full name %s" % (where, quoted(system[0]), quoted(system[1])))
        elif system is None:
            c.reader_only += 1
            c.add(r.path, "refused by the system",
                  "%s: refused by the system; the reader reads %s, full name %s" % (where, quoted(r.reader[0]), quoted(r.reader[1])))
        else:
            c.both += 1
            if r.reader[0] == system[0]:
                c.families += 1
            else:
                c.add(r.path, "family", "%s: family: reader %s, system %s" % (where, quoted(r.reader[0]), quoted(system[0])))
            if r.reader[1] == system[1]:
                c.full_names += 1
            else:
                c.add(r.path, "full name", "%s: full name: reader %s, system %s" % (where, quoted(r.reader[1]), quoted(system[1])))
    return c


def font_files(paths):
    """The TrueType and OpenType files among paths and in the folders among them and
    below, sorted."""
    found = []
    for path in paths:
        if os.path.isfile(path):
            found.append(path)
        for root, _, names in os.walk(path):
            found += [os.path.join(root, n) for n in names]
    found = [f for f in found if f.lower().endswith(EXTENSIONS)]
    return sorted(set(os.path.abspath(f) for f in found))
