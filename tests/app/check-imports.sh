#!/bin/sh
# Fails unless every function the exe imports is on the reviewed list, each from a system no
# newer than Windows XP (or with a reviewed reason why XP SP3 has it), and unless the exe's
# header asks for no newer system than the old loaders accept.
# usage: check-imports.sh <objdump> <exe> <list>
dump=$("$1" -p "$2") || exit 1
imports=$(printf '%s\n' "$dump" | awk '
    /DLL Name:/ { dll = tolower($3); next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }')
[ -n "$imports" ] || { echo "no import table read from $2"; exit 1; }
status=0

unlisted=$(printf '%s\n' "$imports" | awk 'NR == FNR { if ($1 !~ /^#/) listed[$1 " " $2] = 1; next }
    !(($1 " " $2) in listed)' "$3" -)
if [ -n "$unlisted" ]; then
    printf '%s\n' "$unlisted" | sed 's/^/not on the reviewed list: /'
    status=1
fi

newer=$(awk '!/^#/ && NF && $3 != "2000" && $3 != "XP" && !/in XP: / { print $1, $2, $3 }' "$3")
if [ -n "$newer" ]; then
    printf '%s\n' "$newer" | sed 's/^/listed as newer than Windows XP, with no reason why XP has it: /'
    status=1
fi

# Windows 2000's loader takes system versions up to 5.0, XP's up to 5.1; a 64-bit exe names
# 5.2 at least, the version of the first 64-bit Windows XP.
oldest=500
printf '%s\n' "$dump" | grep -q '^Magic.*PE32+' && oldest=502
for field in OSystemVersion SubsystemVersion; do
    version=$(printf '%s\n' "$dump" | awk -v f="$field" '$1 == "Major" f { major = $2 }
        $1 == "Minor" f { minor = $2 } END { print major * 100 + minor }')
    if [ "$version" -gt $oldest ]; then
        echo "the header's $field is $((version / 100)).$((version % 100)); the old loaders take $((oldest / 100)).$((oldest % 100)) at most"
        status=1
    fi
done

echo "imports: $(printf '%s\n' "$imports" | wc -l) functions from $(printf '%s\n' "$imports" | cut -d' ' -f1 | sort -u | tr '\n' ' ')"
exit $status
