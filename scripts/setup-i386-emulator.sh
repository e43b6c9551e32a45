#!/usr/bin/env bash
# Lets wine32 run where the kernel cannot start 32-bit programs (some virtual
# machines are built without that support): QEMU's user-mode emulator for
# i386, registered with binfmt_misc, starts them instead. Debian 12's own
# emulator (7.2) fails to map the memory that wine32 needs at start-up; the
# one of Debian 13 runs it, so that one is fetched through apt (which checks
# the archive's signature with the system's keyring) from the archive that
# apt's sources name for the installed release, and unpacked, not installed.
# Does nothing where 32-bit programs run already, natively or so emulated.
#   ZV_EMULATE_32BIT=1 scripts/setup.sh   emulate them even where the kernel
#                                         runs them (to try that road)
#   ZV_DEBIAN_URI=URI                     fetch from that Debian archive
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

emulator=/usr/local/lib/zolvane/qemu-i386
suite=trixie
binfmt=/proc/sys/fs/binfmt_misc
runs_32bit() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
registered() {
  [ -r "$binfmt/qemu-i386" ] && grep -qx enabled "$binfmt/qemu-i386" &&
    grep -qx "interpreter $emulator" "$binfmt/qemu-i386"
}
registered && exit 0
[ "${ZV_EMULATE_32BIT:-}" != 1 ] && runs_32bit && exit 0

# ELF, 32-bit, little-endian, executable or shared object, Intel 80386.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# qemu-user of $suite from the archive of the installed release. Only the
# source list and apt's lists and cache are private: the system's sources stay
# as they are, and its proxies, credentials and keyring still serve.
fetch_emulator() {
  local work uri log
  uri=${ZV_DEBIAN_URI:-$("$here/debian-archive.py")}
  work=$(mktemp -d)
  log="$work/apt.log"
  mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
  echo "deb $uri $suite main" > "$work/sources.list"
  local apt=(-q -o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/nonexistent
             -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
             -o APT::Architectures="$(dpkg --print-architecture)"
             -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=1)
  if ! LC_ALL=C apt-get "${apt[@]}" --error-on=any update >"$log" 2>&1 ||
     ! (cd "$work" && LC_ALL=C apt-get "${apt[@]}" download qemu-user >>"$log" 2>&1); then
    fetch_failed "$uri" "$log"
    rm -rf "$work"
    exit 1
  fi
  dpkg-deb --fsys-tarfile "$work"/qemu-user_*.deb | tar -x -C "$work" ./usr/bin/qemu-i386
  $sudo install -D -m 755 "$work/usr/bin/qemu-i386" "$emulator"
  rm -rf "$work"
  fetched="fetched from $uri and "
}

# Says in one line why apt could not fetch it (uri, apt's output, untranslated).
fetch_failed() {
  local hint="set ZV_DEBIAN_URI to a Debian archive that has $suite"
  if grep -qE 'NO_PUBKEY|EXPKEYSIG|BADSIG|not signed|signatures .* verified' "$2"; then
    echo "setup: cannot verify the signature of $suite at $1: update debian-archive-keyring, or $hint" >&2
  elif grep -qE 'Release file|is expired|404|Unable to locate package' "$2"; then
    echo "setup: $1 has no current $suite with qemu-user (a partial or pinned mirror): $hint" >&2
  else
    echo "setup: apt could not fetch $suite from $1 ($(sed -n 's/^E: //p' "$2" | head -1)):" \
         "check that apt reaches it, or $hint" >&2
  fi
}

# Flag F opens the emulator now, so that it serves in every mount namespace.
register_emulator() {
  [ -e "$binfmt/register" ] || $sudo mount -t binfmt_misc binfmt_misc "$binfmt"
  echo 1 | $sudo tee "$binfmt/status" >/dev/null
  if [ -e "$binfmt/qemu-i386" ]; then echo -1 | $sudo tee "$binfmt/qemu-i386" >/dev/null; fi
  printf ':qemu-i386:M::%s:%s:%s:F' "$magic" "$mask" "$emulator" | $sudo tee "$binfmt/register" >/dev/null
}

fetched=""
[ -x "$emulator" ] || fetch_emulator
register_emulator
if ! runs_32bit; then
  echo "setup: 32-bit programs cannot run here, not even through $emulator" >&2
  exit 1
fi
echo "setup: ${fetched}registered $("$emulator" --version | head -1) for 32-bit programs"
