#!/usr/bin/env python3
"""The DOM Chromium dumped of the summary page, held against the JSON summary of the same run.

Usage: html-page-check.py SUMMARY.json INSPECT_DIR PAGE.html FILTERED.html ONE_SESSION.html
INSPECT_DIR holds `qtcm inspect` of each key map and menu document (NAME.txt). FILTERED is the page
opened with ?property=horizontal&sort=unconverted, ONE_SESSION with ?session=payroll.
"""
import html.parser
import json
import os
import sys

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source", "track", "wbr"}


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent, self.children, self.text = tag, dict(attrs), parent, [], []

    def all(self, tag=None, **attrs):
        """Every element below this one with the tag and attributes (class_ matches one class)."""
        for child in self.children:
            wanted = tag is None or child.tag == tag
            for name, value in attrs.items():
                if name == "class_":
                    wanted = wanted and value in child.attrs.get("class", "").split()
                else:
                    wanted = wanted and child.attrs.get(name.replace("_", "-")) == value
            if wanted:
                yield child
            yield from child.all(tag, **attrs)

    def one(self, tag=None, **attrs):
        found = list(self.all(tag, **attrs))
        if len(found) != 1:
            raise AssertionError(f"{len(found)} <{tag} {attrs}> where one was expected")
        return found[0]

    def content(self):
        return "".join(part if isinstance(part, str) else part.content() for part in self.text)

    def hidden(self):
        return "hidden" in self.attrs


class Tree(html.parser.HTMLParser):
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.root = self.at = Node("#document", {}, None)
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.at)
        self.at.children.append(node)
        self.at.text.append(node)
        if tag not in VOID:
            self.at = node

    def handle_endtag(self, tag):
        node = self.at
        while node is not None and node.tag != tag:
            node = node.parent
        if node is not None and node.parent is not None:
            self.at = node.parent

    def handle_data(self, data):
        self.at.text.append(data)


failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def load(path):
    with open(path, encoding="utf-8") as file:
        return Tree(file.read()).root


def on_disk(path):
    """The file a path of the JSON names: its names are made UTF-8, so a name whose bytes are
    Windows-1252 on disk is found by turning it back."""
    try:
        back = os.fsdecode(path.encode("cp1252"))
    except UnicodeEncodeError:
        back = path
    return path if os.path.exists(path) else back


def extension(path):
    return os.path.splitext(path)[1].lower()


def check_section(doc, source, inspect_dir):
    name = source["source"]
    section = doc.one("section", id=source["section"])
    check(section.attrs.get("data-source") == name,
          f"{name}: the section's data-source is {section.attrs.get('data-source')}")
    for count in ("unconverted", "unrecognized"):
        shown = section.one(data_count=count).content()
        check(shown == str(source[count]), f"{name}: {count} shown {shown}, the JSON says {source[count]}")
    row = doc.one("tr", data_section=source["section"])
    for count, expected in (("lines", len(source["lines"])), ("notices", len(source["notices"])),
                            ("created", len(source["created"])), ("unconverted", source["unconverted"])):
        shown = row.one(data_count=count).content()
        check(shown == str(expected), f"{name}: the overview shows {shown} {count}, the JSON {expected}")
    lines = sorted((li.attrs["data-group"], li.attrs["data-property"]) for li in section.all("li", class_="line"))
    check(lines == sorted((line["group"], line["property"]) for line in source["lines"]),
          f"{name}: the report lines shown differ from the JSON's: {lines}")
    notices = [li.content() for li in section.all("li") if li.parent.attrs.get("class") == "notices"]
    check(notices == source["notices"], f"{name}: the notices shown differ from the JSON's")
    for path in source["created"]:
        kind = extension(path)[1:]
        files = [div for div in section.all("div", class_="file", data_kind=kind)
                 if div.one(class_="path").content() == path]
        if kind in ("tqp", "ttb"):
            check(len(files) == 1 and len(list(files[0].all("svg"))) == 1, f"{path}: no picture")
            check(len(files) == 1 and len(list(files[0].all("rect", class_="button"))) > 0,
                  f"{path}: a picture without buttons")
        elif kind == "tkm":
            with open(os.path.join(inspect_dir, os.path.basename(on_disk(path)) + ".txt"), encoding="latin-1") as file:
                bindings = len(file.read().splitlines()) - 2  # the header and the count
            rows = len(list(files[0].all("tr", class_="binding"))) if files else -1
            check(rows == bindings, f"{path}: {rows} key bindings shown, qtcm inspect reads {bindings}")
        elif kind == "cmu":
            with open(os.path.join(inspect_dir, os.path.basename(on_disk(path)) + ".txt"), encoding="latin-1") as file:
                elements = len(file.read().splitlines())
            items = len(list(files[0].all("li", class_="menu-item"))) if files else -1
            check(items == elements, f"{path}: {items} menu elements shown, qtcm inspect reads {elements}")
            nested = files and any(li.parent.parent.tag == "li" for li in files[0].all("li", class_="menu-item"))
            check(nested, f"{path}: the menu is not shown as a tree")
        elif kind == "tbm":
            with open(on_disk(path), "rb") as file:
                # A lone carriage return is shown boxed as its name.
                text = file.read().decode("cp1252", errors="replace").replace("\r\n", "\n").replace("\r", "CR")
            shown = files[0].one("pre").content() if files else None
            check(shown == text, f"{path}: the macro's text is not shown as it is")


def main():
    summary_path, inspect_dir, page, filtered, one_session = sys.argv[1:6]
    with open(summary_path, encoding="utf-8") as file:
        summary = json.load(file)
    sources = summary["sources"]
    doc = load(page)
    check(doc.one("html").attrs.get("data-script") == "ready", "the page's script did not run to its end")
    totals = summary["totals"]
    headline = doc.one("p", class_="headline").content()
    expected = f"{totals['translated']} of {totals['translated'] + totals['notTranslated']} files translated"
    check(headline.startswith(expected), f"the headline says {headline!r}, the JSON {expected!r}")
    check(len(list(doc.all("section", class_="session"))) == len(sources), "not one section per source")
    check(len(list(doc.one("table", id="losses").all("tr"))) == len(summary["losses"]) + 1,
          "the losses table has not a row per loss of the JSON")
    for source in sources:
        check_section(doc, source, inspect_dir)

    # Windows-1252 in a name and in a value, shown as UTF-8.
    cafe = [s for s in sources if s["source"].endswith("Caf\u00e9.qtc")]
    check(len(cafe) == 1, "no source Caf\u00e9.qtc in the JSON")
    if cafe:
        codes = [c.content() for c in doc.one("section", id=cafe[0]["section"]).all("code")]
        check('FontStyle="R\u00e9gular \u20ac"' in codes, f"the Windows-1252 value is not shown as UTF-8: {codes}")

    # The property filter keeps the sessions with such a line, sorted by unconverted, most first.
    doc = load(filtered)
    rows = [tr for tr in doc.one("table", id="sessions").all("tr") if "data-section" in tr.attrs]
    shown = [tr.attrs["data-section"] for tr in rows if not tr.hidden()]
    having = [s for s in sources if any("horizontal" in (l["property"] + "\n" + l["group"]).lower() for l in s["lines"])]
    expected = [s["section"] for s in sorted(having, key=lambda s: -s["unconverted"])]
    check(shown == expected, f"?property=horizontal&sort=unconverted shows {shown}, expected {expected}")
    for source in sources:
        section = doc.one("section", id=source["section"])
        check(section.hidden() != (source["section"] in expected),
              f"{source['source']}: its section wrongly shown or hidden")
        for li in section.all("li", class_="line"):
            match = "horizontal" in (li.attrs["data-property"] + "\n" + li.attrs["data-group"]).lower()
            check(li.hidden() != match, f"{source['source']}: a report line wrongly shown or hidden")

    doc = load(one_session)
    shown = [tr.attrs["data-source"] for tr in doc.one("table", id="sessions").all("tr")
             if "data-section" in tr.attrs and not tr.hidden()]
    check(len(shown) == 1 and shown[0].lower().endswith("payroll.qtc"), f"?session=payroll shows {shown}")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
