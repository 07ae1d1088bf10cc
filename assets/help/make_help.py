#!/usr/bin/env python3
"""Builds Glyvane's help file, Glyvane.chm, from the pages in pages/.

Each page is a fragment of HTML (UTF-8) that opens with an index comment and its
<h1> title; contents.txt orders the pages. This script wraps each page in the
common head and foot, writes it in code page 1252 (the programs' code page, in which
the viewer reads the contents and index as well), writes the project, contents and
index files, and compiles them with chmcmd.

usage: make_help.py SOURCE_DIR WORK_DIR OUTPUT_CHM
"""
import html
import os
import re
import shutil
import subprocess
import sys

TITLE = "Aide de Glyvane"
CHARSET = "windows-1252"

PAGE = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html lang="fr">
<head>
<meta http-equiv="Content-Type" content="text/html; charset={charset}">
<title>{title}</title>
<link rel="stylesheet" type="text/css" href="aide.css">
</head>
<body>
{body}
<p class="pied"><a href="index.html">Sommaire de l'aide</a></p>
</body>
</html>
"""

SITEMAP = """<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset={charset}">
</head>
<body>
{properties}{items}</body>
</html>
"""


class Page:
    def __init__(self, name, level, text):
        self.name = name
        self.level = level
        index = re.match(r"\s*<!--\s*index:(.*?)-->\s*", text, re.S)
        if not index:
            sys.exit(f"make_help: {name} does not open with its <!-- index: ... --> comment")
        self.keywords = [k.strip() for k in index.group(1).split(";") if k.strip()]
        self.body = text[index.end():].rstrip() + "\n"
        title = re.match(r"<h1>(.*?)</h1>", self.body, re.S)
        if not title:
            sys.exit(f"make_help: {name} has no <h1> title after its index comment")
        self.title = html.unescape(re.sub(r"<[^>]+>", "", title.group(1))).strip()


def read_contents(source):
    pages = []
    with open(os.path.join(source, "contents.txt"), encoding="utf-8") as contents:
        for line in contents:
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            indent = len(line) - len(line.lstrip(" "))
            if indent % 2:
                sys.exit(f"make_help: contents.txt: odd indent before {line.strip()}")
            name = line.strip()
            with open(os.path.join(source, "pages", name), encoding="utf-8") as page:
                pages.append(Page(name, indent // 2, page.read()))
    levels = [page.level for page in pages]
    if levels[0] != 0 or any(b > a + 1 for a, b in zip(levels, levels[1:])):
        sys.exit("make_help: contents.txt: a page is indented more than one step below the line above it")
    return pages


def sitemap_entry(name, local):
    # The viewers decode few entities in these files: an apostrophe stays as it is.
    return ('<li><object type="text/sitemap">'
            f'<param name="Name" value="{html.escape(name, quote=False).replace(chr(34), "&quot;")}">'
            f'<param name="Local" value="{local}"></object>\n')


def contents_file(pages):
    items, level = "<ul>\n", 0
    for page in pages:
        items += "</ul>\n" * (level - page.level) + "<ul>\n" * (page.level - level)
        level = page.level
        items += sitemap_entry(page.title, page.name)
    items += "</ul>\n" * (level + 1)
    properties = '<object type="text/site properties"><param name="ImageType" value="Folder"></object>\n'
    return SITEMAP.format(charset=CHARSET, properties=properties, items=items)


def index_file(pages):
    entries = {}
    for page in pages:
        for keyword in [page.title] + page.keywords:
            entries.setdefault((keyword.casefold(), keyword), page.name)
    items = "<ul>\n" + "".join(sitemap_entry(k, n) for (_, k), n in sorted(entries.items())) + "</ul>\n"
    return SITEMAP.format(charset=CHARSET, properties="", items=items)


def project_file(pages):
    files = "\n".join(["aide.css"] + [page.name for page in pages])
    return f"""[OPTIONS]
Compatibility=1.1 or later
Compiled file=Glyvane.chm
Contents file=Glyvane.hhc
Index file=Glyvane.hhk
Default topic=index.html
Display compile progress=No
Full-text search=Yes
Language=0x40c French
Title={TITLE}

[FILES]
{files}
"""


def write(path, text):
    # A character outside code page 1252 stops the build rather than reaching the
    # viewer as a question mark.
    with open(path, "w", encoding="cp1252", errors="strict", newline="\r\n") as out:
        out.write(text)


def main():
    source, work, output = sys.argv[1:4]
    pages = read_contents(source)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    for page in pages:
        write(os.path.join(work, page.name), PAGE.format(charset=CHARSET, title=html.escape(page.title, quote=False),
                                                         body=page.body))
    shutil.copy(os.path.join(source, "aide.css"), work)
    write(os.path.join(work, "Glyvane.hhc"), contents_file(pages))
    write(os.path.join(work, "Glyvane.hhk"), index_file(pages))
    write(os.path.join(work, "Glyvane.hhp"), project_file(pages))
    result = subprocess.run(["chmcmd", "--no-html-scan", "Glyvane.hhp"], cwd=work, capture_output=True, text=True)
    built = os.path.join(work, "Glyvane.chm")
    if result.returncode != 0 or not os.path.isfile(built):
        sys.exit(f"make_help: chmcmd failed:\n{result.stdout}{result.stderr}")
    shutil.copy(built, output)


if __name__ == "__main__":
    main()
