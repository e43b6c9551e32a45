#!/usr/bin/env python3
"""Prints the URI of the Debian archive that this machine's apt installs its
release from: the first enabled "deb" entry, in apt's order of its source
files, one of whose suites is the release's codename (os-release) or
"stable". The URI is printed as written (a mirror+file: list included);
cdrom: entries are passed over. Fails with one line when there is none.
  ZV_APT_ETC      apt's configuration folder (apt's own by default)
  ZV_OS_RELEASE   the os-release file (/etc/os-release by default)
"""
import os
import re
import shlex
import subprocess
import sys
from pathlib import Path

# A word of a one-line entry: "quoted" and [bracketed] parts may hold spaces,
# as in a cdrom: URI. (A comment's first word is never "deb".)
WORD = re.compile(r'(?:"[^"]*"|\[[^\]]*\]|[^\s"\[])+')
DISABLED = {"no", "false", "off", "without", "disable", "0"}


def source_files():
    """sources.list, then sources.list.d/*.list and *.sources by name."""
    etc = os.environ.get("ZV_APT_ETC")
    option = ["-o", f"Dir::Etc={etc}"] if etc else []
    shell = subprocess.run(["apt-config", *option, "shell", "LIST", "Dir::Etc::sourcelist/f",
                            "PARTS", "Dir::Etc::sourceparts/d"],
                           check=True, capture_output=True, text=True).stdout
    paths = dict(word.split("=", 1) for word in shlex.split(shell))
    parts = Path(paths["PARTS"])
    names = sorted(p.name for p in parts.iterdir()) if parts.is_dir() else []
    return [Path(paths["LIST"])] + [parts / n for n in names
                                    if re.fullmatch(r"[\w.-]+\.(list|sources)", n, re.A)]


def one_line_entries(text):
    """(types, uris, suites, enabled) of each line: "deb [options] uri suite..."."""
    for line in text.splitlines():
        words = [w.replace('"', "") for w in WORD.findall(line)]
        if len(words) > 1 and words[1].startswith("["):
            del words[1]
        if len(words) >= 3:
            yield [words[0]], [words[1]], words[2:3], True


def deb822_entries(text):
    """(types, uris, suites, enabled) of each stanza of a .sources file."""
    for stanza in re.split(r"\n[ \t]*\n", text):
        fields, name = {}, None
        for line in stanza.splitlines():
            if line.startswith("#"):
                continue
            if line[:1] in (" ", "\t") and name:
                fields[name] += " " + line.strip()
            elif ":" in line:
                name, value = line.split(":", 1)
                name = name.strip().lower()
                fields[name] = value.strip()
        if fields:
            yield (fields.get("types", "").split(), fields.get("uris", "").split(),
                   fields.get("suites", "").split(),
                   fields.get("enabled", "yes").lower() not in DISABLED)


def codename():
    path = Path(os.environ.get("ZV_OS_RELEASE", "/etc/os-release"))
    if not path.exists():
        path = Path("/usr/lib/os-release")
    found = re.search(r"^VERSION_CODENAME=[\"']?([^\"'\n]*)", path.read_text(), re.M)
    return found[1] if found else ""


def main():
    release = codename()
    for path in source_files():
        if not path.is_file():
            continue
        parse = deb822_entries if path.suffix == ".sources" else one_line_entries
        for types, uris, suites, enabled in parse(path.read_text(errors="replace")):
            uris = [u for u in uris if not u.startswith("cdrom:")]
            if enabled and "deb" in types and uris and {release, "stable"} & set(suites):
                print(uris[0])
                return 0
    print(f"setup: apt has no Debian archive for {release or 'this release'} (a 'deb' entry "
          f"with suite {release or 'stable'}): add one to apt's sources, or set ZV_DEBIAN_URI "
          "to a Debian archive's URI", file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
