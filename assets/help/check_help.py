#!/usr/bin/env python3
"""Reads the compiled help file back and checks what the viewer would show.

Wine's viewer shows no pages here (no HTML engine), so the pages are checked as
extracted from the .chm: the title and language the viewer reads, every page of the
contents in code page 1252 with its title, every link leading to a page of the file,
a page for each command of the main window's menu and each window named in the help.

usage: check_help.py GLYVANE_CHM PROJECT_ROOT
"""
import html
import os
import re
import struct
import subprocess
import sys
import tempfile

failures = []


def fail(message):
    failures.append(message)


def system_entries(data):
    """The #SYSTEM file's records: code -> bytes."""
    entries, at = {}, 4
    while at + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, at)
        entries[code] = data[at + 4:at + 4 + length]
        at += 4 + length
    return entries


def text_of(page):
    return " ".join(html.unescape(re.sub(r"<[^>]+>", " ", page)).split())


def menu_commands(root):
    """The captions of the main window's menu commands, shortcuts left out."""
    with open(os.path.join(root, "viewer/form1.cpp"), encoding="utf-8") as source:
        rows = re.findall(r'\{kMenu\w+, "([^"]*)"', source.read())
    return [caption.split("\\t")[0] for caption in rows]


def window_captions(root):
    captions = []
    for header in ("viewer/form1_ids.h", "printing/form2_ids.h", "viewer/proposbox_ids.h"):
        with open(os.path.join(root, header), encoding="utf-8") as source:
            captions += re.findall(r'k\w*Caption = "([^"]*)"', source.read())
    return captions


def main():
    chm, root = sys.argv[1:3]
    source = os.path.join(root, "assets/help")
    with open(os.path.join(source, "contents.txt"), encoding="utf-8") as contents:
        listed = [line.strip() for line in contents if line.strip() and not line.lstrip().startswith("#")]
    sources = {}
    for name in listed:
        with open(os.path.join(source, "pages", name), encoding="utf-8") as page:
            title = re.search(r"<h1>(.*?)</h1>", page.read(), re.S)
            sources[name] = text_of(title.group(1)) if title else None

    with tempfile.TemporaryDirectory() as out:
        result = subprocess.run(["extract_chmLib", chm, out], capture_output=True, text=True)
        if result.returncode != 0:
            sys.exit(f"extract_chmLib failed: {result.stdout}{result.stderr}")

        with open(os.path.join(out, "#SYSTEM"), "rb") as system:
            entries = system_entries(system.read())
        if entries.get(3, b"").rstrip(b"\0") != b"Aide de Glyvane":
            fail(f"the viewer's caption (#SYSTEM title) is {entries.get(3)!r}")
        if entries.get(2, b"").rstrip(b"\0") != b"index.html":
            fail(f"the first page (#SYSTEM default topic) is {entries.get(2)!r}")
        if entries.get(4, b"\0\0\0\0")[:4] != struct.pack("<I", 0x040C):
            fail("the file's language is not French (LCID 0x040C)")

        files = {os.path.relpath(os.path.join(d, f), out).replace(os.sep, "/")
                 for d, _, names in os.walk(out) for f in names}
        pages, texts = {}, {}
        for name in sorted(f for f in files if f.endswith((".html", ".hhc", ".hhk"))):
            with open(os.path.join(out, name), "rb") as raw:
                data = raw.read()
            try:
                pages[name] = data.decode("cp1252")
            except UnicodeDecodeError as error:
                fail(f"{name} is not code page 1252: {error}")
                continue
            if "Ã" in pages[name]:
                fail(f"{name} holds UTF-8 read as code page 1252 (\"Ã\")")
            if not re.search(r'charset=windows-1252"', pages[name]):
                fail(f"{name} does not declare its code page")
            texts[name] = text_of(pages[name])
            if name.endswith((".hhc", ".hhk")) and "&#" in pages[name]:
                fail(f"{name} holds a numeric entity, which the viewer shows as it stands")

        for name, title in sources.items():
            if name not in pages:
                fail(f"{name} of the contents is missing from the help file")
                continue
            shown = re.search(r"<title>(.*?)</title>", pages[name], re.S)
            if not shown or text_of(shown.group(1)) != title:
                fail(f"{name}: title {shown and shown.group(1)!r}, its source says {title!r}")
            if f'value="{name}"' not in pages.get("Glyvane.hhc", ""):
                fail(f"{name} is not in the contents (Glyvane.hhc)")

        for name, page in pages.items():
            for target in re.findall(r'(?:href|src)="([^"]*)"|name="Local" value="([^"]*)"', page):
                link = (target[0] or target[1]).split("#")[0]
                if link and not re.match(r"[a-z]+:", link) and link not in files:
                    fail(f"{name} links to {link}, which the help file does not hold")

        titles = {text_of(re.search(r"<title>(.*?)</title>", p, re.S).group(1)): n
                  for n, p in pages.items() if n.endswith(".html") and "<title>" in p}
        for command in menu_commands(root):
            if command not in titles:
                fail(f"the menu command \"{command}\" has no page of its own")
        everything = " ".join(texts.values())
        for caption in window_captions(root):
            if caption not in everything:
                fail(f"no page names the window \"{caption}\"")
        if not menu_commands(root) or not window_captions(root):
            fail("the menu commands or window captions could not be read from the sources")

    for message in failures:
        print("FAIL:", message)
    print(f"help file: {len(sources)} pages checked, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
