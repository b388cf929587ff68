#!/bin/sh
# Fails unless every DLL the exe imports is one that every Windows system has.
# usage: check-imports.sh <objdump> <exe>
allowed='^(kernel32|user32|gdi32|shell32|ole32|oleaut32|comctl32|comdlg32|advapi32|dwmapi|winmm|uxtheme|shlwapi|version|msvcrt)\.dll$'
dlls=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "no import table read from $2"; exit 1; }
bad=$(printf '%s\n' "$dlls" | grep -Ev "$allowed")
echo "imports: $(echo $dlls)"
[ -z "$bad" ] || { echo "not a system DLL: $bad"; exit 1; }
