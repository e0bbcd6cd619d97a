#!/usr/bin/env python3
"""Compiles the game's help from its one source file into HTML pages.

The source holds topics, each starting with a line
    === page-name | Title | map id (optional)
followed by the topic's HTML body. The output folder gets one page per
topic with a contents bar, a style sheet and the map file that the game's
help viewer reads to open a topic by its map id.
"""
import html
import pathlib
import sys


def parse(text):
    topics = []
    for line in text.splitlines():
        if line.startswith("=== "):
            parts = [p.strip() for p in line[4:].split("|")]
            name, title = parts[0], parts[1]
            mapid = int(parts[2]) if len(parts) > 2 and parts[2] else None
            topics.append({"name": name, "title": title, "mapid": mapid, "body": []})
        elif topics:
            topics[-1]["body"].append(line)
    return topics


def page(topic, topics):
    nav = []
    for t in topics:
        cls = ' class="here"' if t is topic else ""
        nav.append(f'<li><a href="{t["name"]}.html"{cls}>{html.escape(t["title"])}</a></li>')
    body = "\n".join(topic["body"]).strip()
    return (
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
        f"<title>{html.escape(topic['title'])} - Polyshard Help</title>\n"
        '<link rel="stylesheet" href="style.css"></head>\n<body>\n'
        '<table class="frame" width="100%" cellspacing="0" cellpadding="0"><tr>\n'
        '<td class="nav" valign="top" width="190"><p class="brand">Polyshard Help</p><ul>\n'
        + "\n".join(nav)
        + "\n</ul></td>\n<td class=\"main\" valign=\"top\">\n"
        f"<h1>{html.escape(topic['title'])}</h1>\n{body}\n"
        "</td></tr></table>\n</body></html>\n"
    )


STYLE = """body { font-family: sans-serif; margin: 0; color: #222; background: #fbfaf7; }
td.nav { background: #e9e4da; padding: 10px 8px; font-size: 90%; }
td.nav ul { list-style: none; padding-left: 0; margin: 0; }
td.nav li { margin: 4px 0; }
td.nav a { color: #36465d; text-decoration: none; }
td.nav a.here { font-weight: bold; color: #000; }
p.brand { font-weight: bold; font-size: 115%; color: #7a4a12; margin-top: 0; }
td.main { padding: 8px 22px 24px 22px; }
h1 { color: #7a4a12; font-size: 150%; }
h2 { color: #36465d; font-size: 118%; margin-top: 1.4em; }
kbd { background: #eee; border: 1px solid #bbb; padding: 0 4px; }
table.keys td { padding: 2px 10px 2px 0; vertical-align: top; }
p.picture { text-align: center; }
"""


def main():
    src = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    topics = parse(src.read_text(encoding="utf-8"))
    for t in topics:
        (out / f"{t['name']}.html").write_text(page(t, topics), encoding="utf-8", newline="\n")
    (out / "style.css").write_text(STYLE, encoding="utf-8", newline="\n")
    lines = [f"0 {topics[0]['name']}.html"]
    lines += [f"{t['mapid']} {t['name']}.html" for t in topics if t["mapid"]]
    (out / "Polyshard.map").write_text("\n".join(lines) + "\n", encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main()
