#!/usr/bin/env bash
# imc.exe imports nothing that Windows 7 SP1 lacks: only Windows' own DLLs, and none of the
# later functions that a program like it could reach for (the per-monitor dpi ones of
# Windows 10 and 8.1, Windows 8's).
#   imports.sh OBJDUMP IMC.EXE
set -euo pipefail
# "DLL function" for each import: objdump lists them under their DLL's name, up to a blank line,
# a row each: "vma hint name" up to binutils 2.43, "vma ordinal hint name" from 2.44.
imports=$("$1" -p "$2" | awk '/DLL Name:/ { dll = toupper($3) } /^$/ { dll = "" }
    dll && (NF == 3 || NF == 4) && $1 ~ /^[0-9a-f]+$/ && $(NF - 1) ~ /^[0-9a-f]+$/ { print dll, $NF }')
[ -n "$imports" ] || { echo "no import read from $2"; exit 1; }
dlls=$(cut -d' ' -f1 <<<"$imports" | sort -u | xargs)
[ "$dlls" = "COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL" ] || { echo "DLLs: $dlls"; exit 1; }
later='AdjustWindowRectExForDpi|EnableNonClientDpiScaling|GetDpiFor(System|Window|Monitor)'
later+='|GetSystemMetricsForDpi|SystemParametersInfoForDpi|(Get|Set)(Thread|Window)DpiAwarenessContext'
later+='|SetProcessDpiAwareness(Context)?|GetSystemTimePreciseAsFileTime|CreateFile2'
! grep -Ew "$later" <<<"$imports"
