#!/usr/bin/env python3
"""scripts/debian-archive.py on small apt configurations: which entry gives
the archive that set-up fetches the newer emulator from."""
import os
import subprocess
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
STANZA = "Types: {types}\nURIs: {uri}\nSuites: {suites}\nComponents: main\n"


def archive(files, codename="bookworm"):
    """Runs the script on an apt folder holding files ({name: text})."""
    with tempfile.TemporaryDirectory() as etc:
        (Path(etc) / "sources.list.d").mkdir()
        for name, text in files.items():
            (Path(etc) / name).write_text(text)
        (Path(etc) / "os-release").write_text(f'ID=debian\nVERSION_CODENAME="{codename}"\n')
        env = dict(os.environ, ZV_APT_ETC=etc, ZV_OS_RELEASE=f"{etc}/os-release")
        return subprocess.run([str(ROOT / "scripts/debian-archive.py")], env=env,
                              capture_output=True, text=True)


class DebianArchive(unittest.TestCase):
    def assertArchive(self, files, uri, codename="bookworm"):
        result = archive(files, codename)
        self.assertEqual((result.returncode, result.stdout), (0, uri + "\n"), result.stderr)

    def test_entries(self):
        with self.subTest("deb822 stanza with several suites, after those passed over"):
            self.assertArchive({"sources.list.d/debian.sources": "\n".join([
                "# the installed release",
                STANZA.format(types="deb-src", uri="http://source.invalid/debian", suites="bookworm"),
                "Enabled: no\n" + STANZA.format(types="deb", uri="http://off.invalid/debian",
                                                suites="bookworm"),
                STANZA.format(types="deb deb-src", uri="http://archive.invalid/debian "
                              "http://second.invalid/debian", suites="bookworm-updates bookworm")
                + "Signed-By:\n -----BEGIN PGP PUBLIC KEY BLOCK-----\n .\n Suites: x\n",
            ]),
                # After the .sources file by name, or not a source file at all.
                "sources.list.d/zz.list": "deb http://later.invalid/debian bookworm main\n",
                "sources.list.d/00.list.disabled": "deb http://unread.invalid/debian bookworm main\n",
            }, "http://archive.invalid/debian")

        with self.subTest("one-line entries: cdrom, comments and options passed over"):
            self.assertArchive({"sources.list": "\n".join([
                "deb cdrom:[Debian GNU/Linux 12 bookworm - DVD]/ bookworm main",
                "#deb http://commented.invalid/debian bookworm main",
                "deb-src http://source.invalid/debian bookworm main",
                "deb http://security.invalid/debian-security bookworm-security main",
                "deb [ arch=amd64 trusted=yes ] http://archive.invalid/debian bookworm main # ok",
            ]), "sources.list.d/debian.sources":
                STANZA.format(types="deb", uri="http://later.invalid/debian", suites="bookworm"),
            }, "http://archive.invalid/debian")

        with self.subTest("the stable alias beside a security-only entry"):
            self.assertArchive({"sources.list.d/debian.sources": "\n".join([
                STANZA.format(types="deb", uri="http://security.invalid/debian-security",
                              suites="stable-security"),
                STANZA.format(types="deb", uri="http://archive.invalid/debian", suites="stable"),
            ])}, "http://archive.invalid/debian")

        with self.subTest("a mirror list, verbatim"):
            self.assertArchive({"sources.list":
                                "deb mirror+file:/etc/apt/mirrors/debian.list bookworm main\n"},
                               "mirror+file:/etc/apt/mirrors/debian.list")

        with self.subTest("nothing for the installed release"):
            for files in ({}, {"sources.list":
                               "deb http://archive.invalid/debian bullseye main\n"}):
                result = archive(files)
                self.assertEqual((result.returncode, result.stdout), (1, ""))
                self.assertEqual(len(result.stderr.splitlines()), 1, result.stderr)
                self.assertIn("ZV_DEBIAN_URI", result.stderr)


if __name__ == "__main__":
    unittest.main()
