#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Rusket authors
# SPDX-License-Identifier: MIT
# Speed of `rusket --convert - --format hex`: one million mixed colour lines, made the same every
# time (hex, rgb with alpha, hsl, oklch, lab, names, color(display-p3 ...) and color(rec2020 ...),
# legacy rgba, relative colours and color-mix(), many of them outside sRGB and gamut-mapped),
# converted on one core; prints the lines per second. Usage, after a build:
#   tools/convert-bench.sh [PATH_TO_RUSKET] [LINES]
# With COMPARE_WITH set to a node_modules folder holding colorjs.io and culori (installed with
# npm outside this tree), the same lines, a tenth of them, go through each of the two with the
# same gamut mapping (the CSS one in OKLCh) to a hexadecimal colour, or an empty line for a text
# the library cannot read.
set -eu
rusket=$(readlink -f "${1:-build/rusket}")
lines=${2:-1000000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN {
    split("red Aqua rebeccapurple LightGoldenRodYellow transparent navy", names, " ")
    seed = 1 # MINSTD, whose products stay exact in doubles
    for (i = 0; i < n; i++) {
        seed = seed * 48271 % 2147483647; r = int(seed / 256) % 256
        seed = seed * 48271 % 2147483647; g = int(seed / 256) % 256
        seed = seed * 48271 % 2147483647; b = int(seed / 256) % 256
        k = i % 12
        if (k == 0) printf "#%02x%02x%02x\n", r, g, b
        else if (k == 1) printf "rgb(%d %d %d / 50%%)\n", r, g, b
        else if (k == 2) printf "hsl(%d %d%% %d%%)\n", r, g % 101, b % 101
        else if (k == 3) printf "oklch(%.3f %.3f %.1f)\n", r / 255, g / 640, b * 1.4
        else if (k == 4) printf "lab(%.1f %.1f %.1f)\n", r / 2.55, g - 128, b - 128
        else if (k == 5) print names[r % 6 + 1]
        else if (k == 6) printf "color(display-p3 %.3f %.3f %.3f)\n", r / 255, g / 255, b / 255
        else if (k == 7) printf "rgba(%d, %d, %d, 0.5)\n", r, g, b
        else if (k == 8) printf "rgb(from #%02x%02x%02x calc(r + 60) g b)\n", r, g, b
        else if (k == 9) printf "color-mix(in oklch, #%02x%02x%02x %d%%, rgb(%d %d %d))\n", r, g, b, g % 101, b, r, g
        else if (k == 10) printf "oklch(from #%02x%02x%02x l calc(c * 1.6) calc(h + %d))\n", r, g, b, b
        else printf "color(rec2020 %.3f %.3f %.3f)\n", g / 255, b / 255, r / 255
    }
}' > "$input"
start=$(date +%s.%N)
taskset -c 0 "$rusket" --convert - --format hex < "$input" > /dev/null || true # refused lines are none of its speed
end=$(date +%s.%N)
awk -v n="$lines" -v s="$start" -v e="$end" 'BEGIN { printf "rusket: %d lines in %.2f s: %.0f lines a second\n", n, e - s, n / (e - s) }'

[ -n "${COMPARE_WITH:-}" ] || exit 0
head -n $((lines / 10)) "$input" > "$input.part"
trap 'rm -f "$input" "$input.part"' EXIT
for library in colorjs.io culori; do
    taskset -c 0 node -e '
        const [library, modules] = process.argv.slice(1);
        const lines = require("fs").readFileSync(0, "utf8").split("\n").slice(0, -1);
        let convert;
        if (library === "colorjs.io") {
            const Color = require(modules + "/colorjs.io").default;
            convert = line => new Color(line).to("srgb").toGamut({ method: "css" }).toString({ format: "hex", collapse: false });
        } else {
            const culori = require(modules + "/culori");
            const toSrgb = culori.toGamut("rgb", "oklch");
            convert = line => { const color = culori.parse(line); if (!color) throw 0; return culori.formatHex(toSrgb(color)); };
        }
        const start = process.hrtime.bigint();
        let out = "", refused = 0;
        for (const line of lines) {
            try { out += convert(line) + "\n"; } catch { out += "\n"; ++refused; }
        }
        require("fs").writeFileSync("/dev/null", out);
        const seconds = Number(process.hrtime.bigint() - start) / 1e9;
        console.log(`${library}: ${lines.length} lines in ${seconds.toFixed(2)} s: ${Math.round(lines.length / seconds)} lines a second (${refused} refused)`);
    ' "$library" "$(readlink -f "$COMPARE_WITH")" < "$input.part"
done
