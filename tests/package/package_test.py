#!/usr/bin/env python3
"""The release zip of scripts/package.sh: what it holds, how its texts are
encoded and what the guide names, and that two runs give the same bytes."""
import re
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]


def package(folder):
    result = subprocess.run([str(ROOT / "scripts/package.sh"), folder], check=True,
                            capture_output=True, text=True)
    return Path(result.stdout.strip())


class ReleasePackage(unittest.TestCase):
    def test_release_zip(self):
        rc = (ROOT / "src/res/zolvane.rc").read_text(encoding="utf-8")
        major, minor, build = re.search(r"^FILEVERSION (\d+),(\d+),(\d+),", rc, re.M).groups()
        version = f"{major}.{minor}{build}"
        legal = re.search(r'VALUE "LegalCopyright", "([^"]*)"', rc).group(1)

        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            zip_path = package(first)
            self.assertEqual(zip_path.name, f"zolvane-{version}.zip")
            self.assertEqual(zip_path.read_bytes(), package(second).read_bytes(),
                             "two runs give the same bytes")
            with zipfile.ZipFile(zip_path) as archive:
                self.assertEqual(archive.namelist(), ["zolvane.exe", "readme.txt", "license.txt"])
                self.assertEqual(archive.read("zolvane.exe"),
                                 (ROOT / "build/zolvane.exe").read_bytes())
                texts = {}
                for name in ("readme.txt", "license.txt"):
                    data = archive.read(name)
                    texts[name] = data.decode("cp932")  # strict: fails on other bytes
                    self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), f"{name}: LF alone")
                    self.assertEqual(data.count(b"\r"), data.count(b"\r\n"), f"{name}: CR alone")
                    self.assertTrue(legal in texts[name], f"{name} lacks {legal}")

        guide = texts["readme.txt"]
        for named in ("Zolvane", f"Version {version}", "zolvane.ini", "コピーの開始 Zolvane"):
            self.assertTrue(named in guide, f"the guide does not name {named}")
        # Every text the guide quotes in 「」 is one the program shows, its
        # mnemonic marks (&) aside. A quote wrapped onto the next line is read
        # without the line break and that line's indentation; a folder number
        # or a path between spaces stands for the %s of a text.
        sources = [ROOT / "src/res/zolvane.rc", *sorted(ROOT.glob("src/**/*.cpp"))]
        shown = "".join(p.read_text(encoding="utf-8") for p in sources).replace("&", "")
        self.assertEqual(guide.count("「"), guide.count("」"), "a quote is not closed")
        quoted = [re.sub(r"\r\n *", "", text) for text in re.findall(r"「([^「」]+)」", guide)]
        self.assertTrue(quoted)
        number_or_path = r"(?<= )(?:\d+|(?:[A-Za-z]:|\\\\)[^ ]*)(?= )"
        unknown = [text for text in quoted
                   if text not in shown and re.sub(number_or_path, "%s", text) not in shown]
        self.assertEqual(unknown, [], "texts the program does not show")
        # Notepad's lines: 68 columns, a column being a byte of code page 932.
        wide = [line for line in guide.split("\r\n") if len(line.encode("cp932")) > 68]
        self.assertEqual(wide, [], "lines wider than 68 bytes")


if __name__ == "__main__":
    unittest.main()
