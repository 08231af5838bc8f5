#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop entry and the AppStream metainfo with their translated entries.

The English texts stay in data/; their translations come from the .ts files, context
"DesktopEntry" and "Metainfo" (marked for lupdate in translations/DesktopEntryTexts.h).

  desktop_translations.py texts DESKTOP METAINFO          the texts to mark, one a line
  desktop_translations.py desktop DESKTOP OUT TS...       the entry with Key[lang]= lines
  desktop_translations.py metainfo METAINFO OUT TS...     the metainfo with xml:lang copies
"""
import copy
import os
import re
import sys
import xml.etree.ElementTree as ET

DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")
METAINFO_TAGS = ("summary", "p", "li", "caption")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def fail(message):
    sys.exit("desktop_translations: " + message)


def one_line(text):
    return " ".join(text.split())


def language_of(ts_path):
    """The language code of the file's name (orvane_pt_BR.ts: pt_BR), as desktop files use."""
    found = re.fullmatch(r"[^_]+_(.+)\.ts", os.path.basename(ts_path))
    if not found:
        fail(f"{ts_path} is not named <program>_<language>.ts")
    return found.group(1)


def translations(ts_path, context_name):
    """English -> translation of one context; None for an unfinished one."""
    found = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        if context.findtext("name") != context_name:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            done = translation is not None and translation.get("type") not in (
                "unfinished", "obsolete", "vanished") and (translation.text or "")
            found[message.findtext("source")] = translation.text if done else None
    return found


def look_up(table, english, ts_path, context):
    if english not in table:
        fail(f'"{english}" is not in {ts_path} ({context}): run scripts/update-translations')
    return table[english]


def desktop_texts(path):
    texts = []
    for line in open(path, encoding="utf-8"):
        key, _, value = line.rstrip("\n").partition("=")
        if key in DESKTOP_KEYS:
            texts.append(value)
    return texts


def metainfo_elements(root):
    return [e for e in root.iter() if e.tag in METAINFO_TAGS and e.get(XML_LANG) is None]


def write_desktop(source, out, ts_files):
    lines = []
    for line in open(source, encoding="utf-8"):
        line = line.rstrip("\n")
        lines.append(line)
        key, _, value = line.partition("=")
        if key not in DESKTOP_KEYS:
            continue
        for ts in ts_files:
            translated = look_up(translations(ts, "DesktopEntry"), value, ts, "DesktopEntry")
            if translated:
                lines.append(f"{key}[{language_of(ts)}]={translated}")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def write_metainfo(source, out, ts_files):
    tree = ET.parse(source, ET.XMLParser(target=ET.TreeBuilder(insert_comments=True)))
    root = tree.getroot()
    tables = [(ts, language_of(ts), translations(ts, "Metainfo")) for ts in ts_files]
    parents = {child: parent for parent in root.iter() for child in parent}
    for element in metainfo_elements(root):
        english = one_line(element.text or "")
        parent = parents[element]
        at = list(parent).index(element)
        for ts, lang, table in tables:
            translated = look_up(table, english, ts, "Metainfo")
            if not translated:
                continue
            # Each translation follows its English original, as AppStream asks.
            twin = copy.deepcopy(element)
            twin.text = translated
            twin.set(XML_LANG, lang)
            at += 1
            parent.insert(at, twin)
    ET.indent(tree, space="  ")
    tree.write(out, encoding="UTF-8", xml_declaration=True)


def main(argv):
    if len(argv) == 4 and argv[1] == "texts":
        for text in desktop_texts(argv[2]):
            print("DesktopEntry\t" + text)
        for element in metainfo_elements(ET.parse(argv[3]).getroot()):
            print("Metainfo\t" + one_line(element.text or ""))
    elif len(argv) >= 4 and argv[1] == "desktop":
        write_desktop(argv[2], argv[3], argv[4:])
    elif len(argv) >= 4 and argv[1] == "metainfo":
        write_metainfo(argv[2], argv[3], argv[4:])
    else:
        fail("usage: see the top of " + os.path.basename(argv[0]))


if __name__ == "__main__":
    main(sys.argv)
