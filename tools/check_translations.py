#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds the faults a translation can have in Qt .ts files; exits 1 when there is one.

- a text with no translation, or one still marked unfinished;
- a placeholder (%1, %n, %L1) of the English lost, added or changed;
- an accelerator (&X) lost, doubled, or the same as another's in its menu or dialog: the
  texts of one menu or dialog are those of one context (and one comment, where a context
  holds several);
- a translation equal to the English, unless it has no word of two letters or more, or is
  one of the texts that stay as they are (below).
"""
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter, defaultdict
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")
# An ampersand and the character after it; "&&" is a written ampersand, not an accelerator.
AMPERSAND = re.compile(r"&(.)")
WORD = re.compile(r"[^\W\d_]{2,}")

# Texts the same in every language, and words that happen to be the same in one.
SAME_EVERYWHERE = {"OK", "Ok", "&OK", "&Ok", "Orvane", "3BV", "3BV/s", "IOE", "RQP"}
SAME_IN = {
    "de": {"Name", "Port", "Pause", "Normal", "Version %1", "Host"},
    "fr": {"Port", "Pause", "Normal", "Version %1", "Expert"},
    "es": {"Normal", "Host"},
    "it": {"Normal", "Host"},
    "pt_BR": {"Normal", "Host"},
    "pl": {"Port", "Host"},
}

def language_of(path):
    found = re.fullmatch(r"[^_]+_(.+)\.ts", path.name)
    return found.group(1) if found else ""


def translations_of(message):
    """The translated forms, or None when the translation is missing or unfinished."""
    element = message.find("translation")
    if element is None or element.get("type") == "unfinished":
        return None
    forms = [form.text or "" for form in element.findall("numerusform")]
    if message.get("numerus") != "yes":
        forms = [element.text or ""]
    return forms if all(forms) else None


def accelerators(text):
    return [key for key in AMPERSAND.findall(text) if key != "&"]


def accelerator(text):
    keys = accelerators(text)
    return keys[0].lower() if len(keys) == 1 else None


def check_file(path):
    problems = []
    language = language_of(path)
    same_allowed = SAME_EVERYWHERE | SAME_IN.get(language, set())
    groups = defaultdict(list)  # (context, comment) -> [(key, source)]
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") in ("obsolete", "vanished"):
                continue
            source = message.findtext("source") or ""

            def tell(what):
                problems.append(f'{path.name}: {name}: "{source}": {what}')

            forms = translations_of(message)
            if forms is None:
                tell("no translation (missing or unfinished)")
                continue
            for form in forms:
                if Counter(PLACEHOLDER.findall(form)) != Counter(PLACEHOLDER.findall(source)):
                    tell(f'placeholders differ in "{form}"')
                if accelerators(source):
                    key = accelerator(form)
                    if key is None:
                        tell(f'"{form}" should have one accelerator (&)')
                    else:
                        groups[(name, message.findtext("comment") or "")].append((key, form))
                if form == source and WORD.search(PLACEHOLDER.sub("", source)) and (
                        source not in same_allowed):
                    tell("the translation is the English text")
    for (name, comment), keys in groups.items():
        taken = defaultdict(list)
        for key, form in keys:
            taken[key].append(form)
        for key, forms in taken.items():
            if len(forms) > 1:
                where = name + (f" ({comment})" if comment else "")
                shown = ", ".join(f'"{form}"' for form in forms)
                problems.append(f"{path.name}: {where}: accelerator &{key} used by {shown}")
    return problems


def main(argv):
    if len(argv) < 2:
        sys.exit("usage: check_translations.py FILE.ts...")
    problems = []
    for name in argv[1:]:
        try:
            problems += check_file(Path(name))
        except (OSError, ET.ParseError) as error:
            problems.append(f"{name}: cannot be read: {error}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
