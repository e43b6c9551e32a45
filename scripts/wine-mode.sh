#!/usr/bin/env bash
# Prints how 32-bit programs, and so wine32, run on this machine: "native",
# or "emulated by <emulator>" where the kernel cannot start them and QEMU's
# user-mode emulator is registered for them (scripts/setup.sh does that).
# Fails where they cannot run at all.
entry=/proc/sys/fs/binfmt_misc/qemu-i386
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  echo "32-bit programs cannot run here: run scripts/setup.sh" >&2
  exit 1
fi
if [ -r "$entry" ] && grep -qx enabled "$entry"; then
  emulator=$(sed -n 's/^interpreter //p' "$entry")
  echo "emulated by $("$emulator" --version | head -1)"
else
  echo native
fi
