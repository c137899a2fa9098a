#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes docs/help/LANG/topics/ID.html for every section of the manual: a
page that leads to INDEX.html#ID. F1 opens these, since the desktop's opener
(xdg-open) drops the #section of a file link and would land at the top.

usage: scripts/help-topic-pages.py [HELP_DIR]   (default: docs/help)
"""
import html
import pathlib
import re
import sys

PAGE = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta http-equiv="refresh" content="0; url=../index.html#{id}">
<title>{title}</title>
</head>
<body>
<p><a href="../index.html#{id}">{title}</a></p>
</body>
</html>
"""

HEADING = re.compile(r'<h[1-6][^>]*\bid="([^"]+)"[^>]*>(.*?)</h[1-6]>', re.S)


def main() -> None:
    help_dir = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "docs/help")
    for index in sorted(help_dir.glob("*/index.html")):
        lang = index.parent.name
        topics = index.parent / "topics"
        topics.mkdir(exist_ok=True)
        wanted = set()
        for topic_id, heading in HEADING.findall(index.read_text(encoding="utf-8")):
            title = html.escape(html.unescape(re.sub(r"<[^>]+>", "", heading)).strip())
            page = topics / f"{topic_id}.html"
            page.write_text(PAGE.format(lang=lang, id=topic_id, title=title), encoding="utf-8")
            wanted.add(page.name)
        for stale in topics.glob("*.html"):
            if stale.name not in wanted:
                stale.unlink()
        print(f"{topics}: {len(wanted)} pages")


if __name__ == "__main__":
    main()
