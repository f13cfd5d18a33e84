#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Rusket authors
# SPDX-License-Identifier: MIT
# The README's pictures (docs/*.png) and its table of formats, made by the program itself so
# that they cannot go stale:
#   tools/docs.sh write BUILD_FOLDER   renders the pictures and fills in the table (make screenshot)
#   tools/docs.sh check BUILD_FOLDER   fails where either differs from what the program makes now
set -u
mode=$1
build=$(readlink -f "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
status=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

# picture | how the window is set up for it (tools/screenshot.cpp)
PICTURES=(
    "screenshot.png        |"
    "screenshot-dark.png   | --dark --color 250,250,210"
    "contrast-menu.png     | --color 118,118,118 --menu"
    "vision-protanopia.png | --color 0,150,0 --menu --vision 1"
)
for row in "${PICTURES[@]}"; do
    IFS='|' read -r file options <<<"$row"
    # shellcheck disable=SC2086 # the options are words
    "$build/screenshot" $options $([ "$mode" = check ] && echo --check) "$root/docs/$(echo $file)" 2>"$errors"
    picture=$?
    grep -Ev '^(QStandardPaths|This plugin does not support)' "$errors" >&2
    [ "$picture" -eq 77 ] && { [ "$status" -eq 0 ] && status=77; continue; }
    [ "$picture" -eq 0 ] || status=1
done

# Every format of #ff8000, as `rusket --convert` writes it, between the README's two markers.
begin='<!-- The formats: tools/docs.sh writes this table from rusket --convert. -->'
end='<!-- End of the formats. -->'
table=$(printf '%s\n| Format | `#ff8000` written so |\n|---|---|\n' "$begin"
    "$build/rusket" --convert '#ff8000' | sed -E 's/^([^:]*):$/| `\1` | *nothing* |/; s/^([^:]*): (.*)$/| `\1` | `\2` |/'
    echo "$end")
readme=$(cat "$root/README.md")
before=${readme%%"$begin"*}
after=${readme#*"$end"}
if [ "$before" = "$readme" ] || [ "$after" = "$readme" ]; then
    echo "README.md has lost the markers around its table of formats" >&2
    exit 1
fi
if [ "$mode" = write ]; then
    printf '%s%s%s\n' "$before" "$table" "$after" >"$root/README.md"
elif [ "$before$table$after" != "$readme" ]; then
    echo "README.md's table of formats is not what rusket --convert writes now: make screenshot" >&2
    diff <(echo "$readme") <(echo "$before$table$after") >&2
    status=1
fi
exit "$status"
