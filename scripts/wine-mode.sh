#!/usr/bin/env bash
# Prints how Windows programs run on this machine: "win32" when the kernel
# runs 32-bit programs (wine32 runs zolvane.exe itself), "win64" when it does
# not (some virtual machines lack 32-bit support; then the tests run the
# x86-64 build of the same sources under wine64).
if [ -n "${ZV_WINE_MODE:-}" ]; then echo "$ZV_WINE_MODE"; exit 0; fi
if [ -x /usr/lib/wine/wine ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo win32; else echo win64; fi
