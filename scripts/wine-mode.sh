#!/usr/bin/env bash
# Prints how 32-bit programs, and so wine32, run on this machine: "native",
# or "emulated by <emulator>" where binfmt_misc hands them to an emulator
# (scripts/setup.sh registers QEMU's where the kernel cannot start them), or
# "unknown" where that cannot be seen. Fails where they cannot run at all.
# The kernel's choice shows as the program it runs for a 32-bit process, so
# an emulator registered from another mount namespace, where binfmt_misc is
# not mounted here, is seen too.
set -uo pipefail
loader=/lib/ld-linux.so.2
if ! "$loader" --version >/dev/null 2>&1; then
  echo "32-bit programs cannot run here: run scripts/setup.sh" >&2
  exit 1
fi

# The program behind a 32-bit process: the loader, made to wait on opening a
# FIFO as the program to load, is read in /proc and then ended.
runner() {
  local dir pid exe="" shell
  dir=$(mktemp -d)
  mkfifo "$dir/wait"
  "$loader" "$dir/wait" 2>/dev/null &
  pid=$!
  shell=$(readlink "/proc/$$/exe")
  for _ in $(seq 100); do  # until the loader has replaced the forked shell
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || { exe=""; break; }
    [ "$exe" != "$shell" ] && break
    exe=""; sleep 0.02
  done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  rm -rf "$dir"
  echo "$exe"
}

emulated() {  # the emulator's path
  local version
  version=$("$1" --version 2>/dev/null | head -1)
  echo "emulated by ${version:-$1}"
}

exe=$(runner)
entry=/proc/sys/fs/binfmt_misc/qemu-i386
if [ -n "$exe" ]; then
  if [ "$exe" = "$(readlink -f "$loader")" ]; then echo native; else emulated "$exe"; fi
elif [ -r "$entry" ] && grep -qx enabled "$entry"; then
  emulated "$(sed -n 's/^interpreter //p' "$entry")"
else
  echo unknown
fi
