#!/usr/bin/env bash
# Builds the program and writes the release zip for Windows users:
#   scripts/package.sh          writes dist/zolvane-VERSION.zip
#   scripts/package.sh FOLDER   writes FOLDER/zolvane-VERSION.zip
# The zip holds zolvane.exe as built, and readme.txt and license.txt made from
# docs/release/ (UTF-8, LF) in code page 932 with CRLF line ends. VERSION and
# the copyright line come from the version block of the built exe, so neither
# the name nor the texts can drift from the program. The same sources give the
# same bytes: fixed order, fixed attributes, and every entry dated
# SOURCE_DATE_EPOCH when it is set, else 1980-01-01 00:00.
set -euo pipefail
out=$(realpath -m "${1:-$(dirname "$0")/../dist}")
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
mkdir -p "$out"

python3 - build/zolvane.exe docs/release "$out" <<'PY'
import os, struct, sys, time, zipfile
from pathlib import Path

exe_path, texts, out = Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3])
exe = exe_path.read_bytes()

def fail(message):
    sys.exit(f"package: {message}")

# FILEVERSION 1,0,6,0 is version 1.06, as the About box writes it.
fixed = exe.find(struct.pack("<I", 0xFEEF04BD))
if fixed < 0: fail(f"{exe_path} has no version block")
ms, ls = struct.unpack_from("<II", exe, fixed + 8)
version = f"{ms >> 16}.{ms & 0xFFFF}{ls >> 16}"
if f"Version {version}".encode("utf-16-le") not in exe:
    fail(f"the About box does not show Version {version} of the version block")

# The LegalCopyright value: UTF-16 after its key, from the next 32-bit boundary.
key = "LegalCopyright\0".encode("utf-16-le")
start = exe.find(key)
if start < 0: fail(f"{exe_path} has no LegalCopyright")
start = (start + len(key) + 3) & ~3
end = start
while exe[end:end + 2] != b"\0\0": end += 2
copyright_line = exe[start:end].decode("utf-16-le")

def windows_text(name):
    text = (texts / name).read_text(encoding="utf-8")
    text = text.replace("@VERSION@", version).replace("@COPYRIGHT@", copyright_line)
    return text.replace("\n", "\r\n").encode("cp932")

epoch = os.environ.get("SOURCE_DATE_EPOCH")
stamp = time.gmtime(int(epoch))[:6] if epoch else (1980, 1, 1, 0, 0, 0)

zip_path = out / f"zolvane-{version}.zip"
with zipfile.ZipFile(zip_path, "w") as archive:
    for name, data in (("zolvane.exe", exe), ("readme.txt", windows_text("readme.txt")),
                       ("license.txt", windows_text("license.txt"))):
        entry = zipfile.ZipInfo(name, stamp)
        entry.create_system = 0          # MS-DOS attributes, as Windows writes them
        entry.external_attr = 0x20       # archive
        entry.compress_type = zipfile.ZIP_DEFLATED
        archive.writestr(entry, data, compresslevel=9)
print(zip_path)
PY
