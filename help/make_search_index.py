#!/usr/bin/env python3
"""Writes search-index.js: the text of every help page, section by section, for search.html.

Run it from this folder after changing a page:  python3 make_search_index.py
"""
import html
import json
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
SKIP = {"search.html"}


def plain(fragment):
    text = re.sub(r"<[^>]+>", " ", fragment)
    return re.sub(r"\s+", " ", html.unescape(text)).strip()


def sections(page):
    source = (HERE / page).read_text(encoding="utf-8")
    title = plain(re.search(r"<h1[^>]*>(.*?)</h1>", source, re.S).group(1))
    body = re.sub(r"<nav.*?</nav>", "", source.split("<body>", 1)[1], flags=re.S)
    parts = re.split(r"(<h2[^>]*>.*?</h2>)", body, flags=re.S)
    result = [{"page": page, "anchor": "", "heading": title, "text": plain(parts[0])}]
    for i in range(1, len(parts), 2):
        anchor = re.search(r'id="([^"]+)"', parts[i])
        result.append({
            "page": page,
            "anchor": anchor.group(1) if anchor else "",
            "heading": plain(parts[i]),
            "text": plain(parts[i + 1]),
        })
    return title, result


def main():
    pages = sorted(p.name for p in HERE.glob("*.html") if p.name not in SKIP)
    entries = []
    for page in pages:
        title, found = sections(page)
        for entry in found:
            entry["title"] = title
            entries.append(entry)
    out = "// Made by make_search_index.py from the help pages; do not edit by hand.\n"
    out += "var KESTO_HELP_INDEX = " + json.dumps(entries, ensure_ascii=False, indent=0) + ";\n"
    (HERE / "search-index.js").write_text(out, encoding="utf-8")


if __name__ == "__main__":
    main()
