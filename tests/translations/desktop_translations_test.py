# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop entry and the metainfo get each language's finished translations, and the
desktop's own checkers accept them."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TOOL = ROOT / "tools" / "desktop_translations.py"
DATA = ROOT / "data"


def ts_file(folder, language, translated):
    """Every text of the two contexts, the translation being "<lang>: English"; the
    texts for which translated() is false are left unfinished."""
    texts = subprocess.run([sys.executable, TOOL, "texts", DATA / "org.orvane.Orvane.desktop",
                            DATA / "org.orvane.Orvane.metainfo.xml"],
                           check=True, capture_output=True, text=True).stdout.splitlines()
    contexts = {}
    for line in texts:
        context, text = line.split("\t")
        done = translated(text)
        mark = "" if done else ' type="unfinished"'
        shown = f"{language}: {text}" if done else ""
        contexts.setdefault(context, []).append(
            f"<message><source>{text}</source><translation{mark}>{shown}</translation></message>")
    body = "".join(f"<context><name>{name}</name>{''.join(messages)}</context>"
                   for name, messages in contexts.items())
    path = Path(folder) / f"orvane_{language}.ts"
    path.write_text(f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1">{body}</TS>',
                    encoding="utf-8")
    return path


class DesktopTranslations(unittest.TestCase):
    def test_entries_of_finished_translations_only(self):
        with tempfile.TemporaryDirectory() as folder:
            files = [ts_file(folder, "de", lambda text: True),
                     ts_file(folder, "pt_BR", lambda text: not text.startswith("Open"))]
            desktop = Path(folder) / "orvane.desktop"
            metainfo = Path(folder) / "orvane.metainfo.xml"
            subprocess.run([sys.executable, TOOL, "desktop", DATA / "org.orvane.Orvane.desktop",
                            desktop, *files], check=True)
            subprocess.run([sys.executable, TOOL, "metainfo",
                            DATA / "org.orvane.Orvane.metainfo.xml", metainfo, *files], check=True)
            entry = desktop.read_text(encoding="utf-8")
            self.assertIn("\nGenericName[de]=de: Mine-field puzzle\n", entry)
            self.assertIn("\nGenericName[pt_BR]=pt_BR: Mine-field puzzle\n", entry)
            self.assertIn("\nComment[de]=de: Open every safe cell", entry)
            self.assertNotIn("Comment[pt_BR]", entry)
            info = metainfo.read_text(encoding="utf-8")
            self.assertIn('<summary xml:lang="de">de: Find the hidden mines', info)
            self.assertIn('<p xml:lang="pt_BR">pt_BR: Three ways to play:</p>', info)
            self.assertIn('<li xml:lang="de">de: Vs Human:', info)
            subprocess.run(["desktop-file-validate", desktop], check=True)
            subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], check=True,
                           capture_output=True)

    def test_text_without_a_mark_stops_the_build(self):
        with tempfile.TemporaryDirectory() as folder:
            lacking = ts_file(folder, "de", lambda text: True)
            lacking.write_text(lacking.read_text(encoding="utf-8").replace(
                "<source>Mine-field puzzle</source>", "<source>Something else</source>"),
                encoding="utf-8")
            run = subprocess.run([sys.executable, TOOL, "desktop",
                                  DATA / "org.orvane.Orvane.desktop",
                                  Path(folder) / "out.desktop", lacking],
                                 capture_output=True, text=True)
            self.assertNotEqual(run.returncode, 0)
            self.assertIn("update-translations", run.stderr)


if __name__ == "__main__":
    unittest.main()
