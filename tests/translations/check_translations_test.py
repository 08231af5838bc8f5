# SPDX-License-Identifier: GPL-3.0-or-later
"""The translation checker passes a sound file and finds each kind of fault."""
import importlib.util
import sys
import tempfile
import unittest
from pathlib import Path

TOOLS = Path(__file__).resolve().parents[2] / "tools"
spec = importlib.util.spec_from_file_location("check", TOOLS / "check_translations.py")
check = importlib.util.module_from_spec(spec)
spec.loader.exec_module(check)

SOUND = {
    "GameMenu": [("&New", "&Neu"), ("E&xit", "&Beenden"), ("%1 mines", "%1 Minen")],
    "OptionsMenu": [("&Sounds", "&Töne")],
    "Messages": [("OK", "OK"), ("Version %1", "Version %1")],
    "BlockSizeMenu": [("2.0 &x", "2.0 &x")],
}


def ts(contexts, attributes=""):
    parts = ['<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="de">']
    for name, messages in contexts.items():
        parts.append(f"<context><name>{name}</name>")
        for source, translation, *comment in messages:
            # A list of translations is the plural forms of a text counted by %n.
            numerus = isinstance(translation, list)
            forms = "".join(f"<numerusform>{form}</numerusform>" for form in translation) \
                if numerus else translation
            parts.append(("<message numerus='yes'>" if numerus else "<message>")
                         + f"<source>{source}</source>"
                         + "".join(f"<comment>{text}</comment>" for text in comment)
                         + f"<translation{attributes}>{forms}</translation></message>")
        parts.append("</context>")
    parts.append("</TS>")
    return "\n".join(parts).replace("&", "&amp;")


class CheckTranslations(unittest.TestCase):
    def problems(self, contexts, attributes="", language="de"):
        with tempfile.TemporaryDirectory() as folder:
            path = Path(folder) / f"orvane_{language}.ts"
            path.write_text(ts(contexts, attributes), encoding="utf-8")
            return check.check_file(path)

    def faulty(self, context, source, translation, expected):
        contexts = {name: list(messages) for name, messages in SOUND.items()}
        contexts.setdefault(context, []).append((source, translation))
        problems = self.problems(contexts)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn(expected, problems[0])

    def test_sound_file_passes(self):
        self.assertEqual(self.problems(SOUND), [])

    def test_unfinished_and_empty_translations(self):
        self.assertEqual(len(self.problems({"Messages": [("Hello", "Hallo")]},
                                           ' type="unfinished"')), 1)
        self.faulty("Messages", "Hello", "", "no translation")

    def test_placeholders_kept(self):
        self.faulty("Messages", "%1 of %2", "%1 von", "placeholders differ")
        self.faulty("Messages", "%1 of %2", "%1 von %3", "placeholders differ")
        self.faulty("Messages", "%L1 seconds", "Sekunden", "placeholders differ")

    def test_plural_forms_each_checked(self):
        self.faulty("Messages", "%n cells", ["%n Zelle", "Zellen"], "placeholders differ")
        self.faulty("Messages", "%n cells", ["%n Zelle", ""], "no translation")

    def test_texts_no_longer_used_are_not_checked(self):
        for kind in ("obsolete", "vanished"):
            self.assertEqual(self.problems({"Messages": [("Gone", "")]}, f' type="{kind}"'), [])

    def test_accelerators_kept_and_unique_per_menu(self):
        self.faulty("GameMenu", "&Pause", "Pause", "one accelerator")
        self.faulty("GameMenu", "&Pause", "&Pa&use", "one accelerator")
        self.faulty("GameMenu", "&Pause", "&Nicht weiter", "accelerator &n used by")
        # The same letter in another menu is fine.
        self.assertEqual(self.problems({**SOUND, "HelpMenu": [("&Help", "&Neu")]}), [])
        # Nor in another dialog of one context, told apart by the comment.
        self.assertEqual(self.problems({"Dialogs": [("&Yes", "&Ja", "Quit"),
                                                    ("&Join", "&Jetzt", "Join")]}), [])
        # "&&" is a written ampersand, not an accelerator.
        self.assertEqual(self.problems({"Messages": [("&Load && play", "&Laden && spielen"),
                                                     ("Save && quit", "Sichern && beenden")]}), [])

    def test_english_left_in_place(self):
        self.faulty("Messages", "Board code:", "Board code:", "is the English text")
        # A word the language shares with English, by the file's language and region.
        self.assertEqual(self.problems({"Messages": [("Host", "Host")]}, language="pt_BR"), [])


if __name__ == "__main__":
    unittest.main()
