#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Rusket authors
# SPDX-License-Identifier: MIT
# Speed of `rusket --convert - --format hex`: one million mixed colour lines (hex, rgb with
# alpha, hsl, oklch, lab, names, color(display-p3 ...), legacy rgba), made the same every time,
# converted on one core; prints the lines per second. Usage, after a build:
#   tools/convert-bench.sh [PATH_TO_RUSKET] [LINES]
set -eu
rusket=$(readlink -f "${1:-build/rusket}")
lines=${2:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN {
    split("red Aqua rebeccapurple LightGoldenRodYellow transparent navy", names, " ")
    seed = 1
    for (i = 0; i < n; i++) {
        seed = (seed * 1103515245 + 12345) % 2147483648; r = seed % 256
        seed = (seed * 1103515245 + 12345) % 2147483648; g = seed % 256
        seed = (seed * 1103515245 + 12345) % 2147483648; b = seed % 256
        k = i % 8
        if (k == 0) printf "#%02x%02x%02x\n", r, g, b
        else if (k == 1) printf "rgb(%d %d %d / 50%%)\n", r, g, b
        else if (k == 2) printf "hsl(%d %d%% %d%%)\n", r, g % 101, b % 101
        else if (k == 3) printf "oklch(%.3f %.3f %.1f)\n", r / 255, g / 640, b * 1.4
        else if (k == 4) printf "lab(%.1f %.1f %.1f)\n", r / 2.55, g - 128, b - 128
        else if (k == 5) print names[r % 6 + 1]
        else if (k == 6) printf "color(display-p3 %.3f %.3f %.3f)\n", r / 255, g / 255, b / 255
        else printf "rgba(%d, %d, %d, 0.5)\n", r, g, b
    }
}' > "$input"
start=$(date +%s.%N)
taskset -c 0 "$rusket" --convert - --format hex < "$input" > /dev/null
end=$(date +%s.%N)
awk -v n="$lines" -v s="$start" -v e="$end" 'BEGIN { printf "%d lines in %.2f s: %.0f lines a second\n", n, e - s, n / (e - s) }'
