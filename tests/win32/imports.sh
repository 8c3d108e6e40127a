#!/usr/bin/env bash
# imc.exe imports nothing that Windows 7 SP1 lacks: only Windows' own DLLs, and none of the
# functions that came later which a Win32 program of this kind could reach for (the
# per-monitor dpi ones of Windows 10 and 8.1, and Windows 8's).
#   imports.sh OBJDUMP IMC.EXE
set -euo pipefail
# "DLL function" for each import: objdump lists them under their DLL's name, up to a blank line.
imports=$("$1" -p "$2" | awk '
    /DLL Name:/ { dll = toupper($3) }
    /^$/ { dll = "" }
    dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print dll, $3 }')
[ -n "$imports" ] || { echo "no imports read from $2" >&2; exit 1; }
dlls=$(cut -d' ' -f1 <<<"$imports" | sort -u | tr '\n' ' ')
[ "$dlls" = "COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL " ] ||
    { echo "DLLs: $dlls" >&2; exit 1; }
newer='AdjustWindowRectExForDpi|AreDpiAwarenessContextsEqual|EnableNonClientDpiScaling'
newer+='|GetAwarenessFromDpiAwarenessContext|GetDpiForSystem|GetDpiForWindow'
newer+='|GetSystemMetricsForDpi|GetThreadDpiAwarenessContext|GetWindowDpiAwarenessContext'
newer+='|SetProcessDpiAwarenessContext|SetThreadDpiAwarenessContext|SystemParametersInfoForDpi'
newer+='|GetDpiForMonitor|SetProcessDpiAwareness|GetProcessDpiAwareness'
newer+='|GetSystemTimePreciseAsFileTime|CreateFile2|GetCurrentPackageFullName'
if grep -Ew "$newer" <<<"$imports"; then
    echo "imported above: not on Windows 7 SP1" >&2
    exit 1
fi
echo "$(wc -l <<<"$imports") functions from $dlls"
