#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A pseudo-language for testing layouts: every text of a .ts file 40 % longer.

  pseudo_translation.py IN.ts OUT.ts

Each letter is replaced by an accented one (so a text not translated shows plain) and
letters are added at the end; placeholders (%1, %n, %L1), the & of an accelerator and line
breaks stay where they are.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans(
    "aceinousyzACEINOUSYZ", "áçéîñöûšýžÁÇÉÎÑÖÛŠÝŽ")
KEPT = re.compile(r"(%L?(?:\d+|n)|&&|\n)")
FILLER = " ŀöñĝéŕ ţéẋţ ƒöŕ ţĥé ļáýöûţ"
GROWTH = 0.4


def pseudo(text):
    pieces = KEPT.split(text)
    shown = "".join(p if KEPT.fullmatch(p) else p.translate(ACCENTED) for p in pieces)
    extra = math.ceil(len(text) * GROWTH)
    filler = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return shown + filler


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: pseudo_translation.py IN.ts OUT.ts")
    tree = ET.parse(argv[1])
    root = tree.getroot()
    root.set("language", "en_XA")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        for form in list(translation):
            translation.remove(form)
        source = message.findtext("source") or ""
        if message.get("numerus") == "yes":
            ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv)
