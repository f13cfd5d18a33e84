// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/conversion.h"
#include "css/cssformats.h"
#include "css/csscolorreader.h"
#include "css/namedcolors.h"

#include <QColor>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

Q_DECLARE_METATYPE(Rgb)

// The colour of a text the writers give, in gamma-encoded sRGB with no gamut mapping, read
// apart from the program's own code: CSS Color 4's conversions with colorjs.io's matrices.
std::array<double, 3> independentSrgb(const QString &text)
{
    using Triple = std::array<double, 3>;
    using Matrix = std::array<Triple, 3>;
    // clang-format off
    static const Matrix xyzToLinearSrgb = {{{3.2409699419045226, -1.537383177570094, -0.4986107602930034},
        {-0.9692436362808796, 1.8759675015077202, 0.04155505740717559},
        {0.05563007969699366, -0.20397695888897652, 1.0569715142428786}}};
    static const Matrix d50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
        {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
        {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
    static const Matrix oklabToLms = {{{1, 0.3963377773761749, 0.2158037573099136},
        {1, -0.1055613458156586, -0.0638541728258133}, {1, -0.0894841775298119, -1.2914855480194092}}};
    static const Matrix lmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
        {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
        {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
    static const Matrix linearP3ToXyz = {{{0.4865709486482162, 0.26566769316909306, 0.1982172852343625},
        {0.2289745640697488, 0.6917385218365064, 0.079286914093745}, {0, 0.04511338185890264, 1.043944368900976}}};
    // clang-format on
    const auto times = [](const Matrix &m, const Triple &v) {
        Triple r{};
        for (int i = 0; i < 3; ++i)
            r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
        return r;
    };
    const auto curve = [](const Triple &v, bool encode) { // sRGB's, which display-p3 shares; odd
        Triple r;
        std::ranges::transform(v, r.begin(), [&](double c) {
            const double a = std::abs(c);
            return std::copysign(encode ? (a > 0.0031308 ? 1.055 * std::pow(a, 1 / 2.4) - 0.055 : 12.92 * a)
                                        : (a > 0.04045 ? std::pow((a + 0.055) / 1.055, 2.4) : a / 12.92),
                c);
        });
        return r;
    };
    const auto srgbOfXyz = [&](const Triple &xyz) { return curve(times(xyzToLinearSrgb, xyz), true); };
    const auto fromPolar = [](const Triple &lch) {
        const double h = lch[2] * std::numbers::pi / 180;
        return Triple{lch[0], lch[1] * std::cos(h), lch[1] * std::sin(h)};
    };
    const auto ofLab = [&](const Triple &lab) {
        constexpr double kappa = 24389.0 / 27, epsilon = 216.0 / 24389;
        const double f1 = (lab[0] + 16) / 116, f0 = f1 + lab[1] / 500, f2 = f1 - lab[2] / 200;
        const auto inverse = [&](double f) { return f * f * f > epsilon ? f * f * f : (116 * f - 16) / kappa; };
        const Triple xyzD50 = {inverse(f0) * 0.3457 / 0.3585, lab[0] > 8 ? f1 * f1 * f1 : lab[0] / kappa,
            inverse(f2) * (1 - 0.3457 - 0.3585) / 0.3585};
        return srgbOfXyz(times(d50ToD65, xyzD50));
    };
    const auto ofOklab = [&](const Triple &lab) {
        Triple lms = times(oklabToLms, lab);
        for (double &c : lms)
            c = c * c * c;
        return srgbOfXyz(times(lmsToXyz, lms));
    };
    const auto ofHsl = [](double hue, double saturation, double lightness) {
        const auto f = [&](double n) {
            const double k = std::fmod(n + hue / 30, 12);
            return lightness
                - saturation * std::min(lightness, 1 - lightness) * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
        };
        return Triple{f(0), f(8), f(4)};
    };
    if (text.startsWith(u'#'))
        return {text.mid(1, 2).toInt(nullptr, 16) / 255.0, text.mid(3, 2).toInt(nullptr, 16) / 255.0,
            text.mid(5, 2).toInt(nullptr, 16) / 255.0};
    const QString function = text.section(u'(', 0, 0);
    QStringList parts = text.section(u'(', 1).chopped(1).split(u' ');
    if (function == u"color")
        parts.removeFirst(); // display-p3
    Triple v;
    for (int i = 0; i < 3; ++i)
        v[i] = QString(parts.value(i)).remove(u'%').toDouble();
    if (function == u"rgb")
        return {v[0] / 255, v[1] / 255, v[2] / 255};
    if (function == u"hsl")
        return ofHsl(v[0], v[1] / 100, v[2] / 100);
    if (function == u"hwb") {
        const double white = v[1] / 100, black = v[2] / 100;
        if (white + black >= 1) {
            const double grey = white / (white + black);
            return Triple{grey, grey, grey};
        }
        Triple rgb = ofHsl(v[0], 1, 0.5);
        for (double &c : rgb)
            c = c * (1 - white - black) + white;
        return rgb;
    }
    if (function == u"lab" || function == u"lch")
        return ofLab(function == u"lab" ? v : fromPolar(v));
    if (function == u"oklab" || function == u"oklch")
        return ofOklab(function == u"oklab" ? v : fromPolar(v));
    return srgbOfXyz(times(linearP3ToXyz, curve(v, false)));
}

// Reading and writing CSS colours, without any window. The expected bytes come from outside
// the program: the CSS Color 4 and 5 specifications' examples and rules, the web-platform-tests
// parsing cases, and colour values computed once with colorjs.io (by the CSS Color editors).
class CssTest : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        static const char mixMapped[] = "CSS Color 5: a mix out of sRGB is gamut-mapped, not clipped";
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rgb>("bytes");
        // Where colorjs.io reads no such text, it gave the bytes of the plain colour the text
        // computes to; where it computes otherwise, the row names the CSS rule that decides.
        struct Row
        {
            const char *text;
            Rgb bytes;
            const char *rule = nullptr;
        };
        const Row rows[] = {
            {"#ff8000", {255, 128, 0}}, {"#F80", {255, 136, 0}}, {"#ff800080", {255, 128, 0}}, {"#f808", {255, 136, 0}},
            {"rgb(255 128 0 / 50%)", {255, 128, 0}}, {"rgba(255, 128, 0, 0.5)", {255, 128, 0}},
            {"rgb(100%, 50%, 0%)", {255, 128, 0}}, {"rgb(29 164 192 / 95%)", {29, 164, 192}},
            {"hsl(30 100% 50%)", {255, 128, 0}}, {"hsl(120deg, 100%, 25%)", {0, 128, 0}},
            {"hsla(240, 100%, 50%, .5)", {0, 0, 255}},
            {"hsl(-120 100% 50%)", {0, 0, 255}}, // a hue goes round: -120 is 240
            {"hsl(0.5turn 50% 50%)", {64, 191, 191}}, {"hsl(200grad 50% 50%)", {64, 191, 191}},
            {"hsl(3.14159rad 50% 50%)", {64, 191, 191}}, {"hsl(-90 60% 40%)", {102, 41, 163}},
            {"hsl(10 100% 50%)", {255, 43, 0}}, {"hwb(120 30% 50%)", {77, 128, 77}},
            {"hwb(0 60% 60%)", {128, 128, 128}}, {"lab(50% 40 59.5)", {191, 87, 0}},
            {"lab(29.2345% 39.3825 20.0664)", {125, 35, 41}}, {"lab(52.2345% 40.1645 59.9971)", {198, 93, 6}},
            {"lab(60.2345 -5.3654 58.956)", {157, 147, 24}}, {"lab(62.2345% -34.9638 47.7721)", {104, 166, 57}},
            {"lab(67.5345% -8.6911 -41.6019)", {98, 172, 239}}, {"lab(120% 30% -50%)", {255, 255, 255}},
            {"oklch(0 0.3 40)", {0, 0, 0}}, // no lightness: black, whatever its chroma
            {"color(xyz 1.2 1.3 1.1)", {255, 255, 255}}, // lighter than white: white
            {"lab(50% 40% -20%)", {183, 80, 163}}, // percentages of each component's reference range
            {"lch(50% 40% 30)", {202, 73, 72}}, {"oklab(60% 50% -25%)", {200, 56, 183}},
            {"oklch(60% 25% 200)", {13, 146, 152}}, {"oklch(60% 0.1 200deg)", {13, 146, 152}},
            {"lch(50 60 30deg)", {202, 73, 72}}, {"rgb(2e2 1e1 0)", {200, 10, 0}},
            {"color-mix(in oklch, oklab(0.6 none 0.1), oklch(0.7 0.1 200))", {103, 159, 105}}, // a has no analogue
            {"lch(29.2345% 44.2 27)", {125, 35, 41}}, {"lch(52.2345% 72.2 56.2)", {198, 93, 6}},
            {"lch(62.2345% 59.2 126.2)", {104, 166, 57}}, {"lch(67.5345% 42.5 258.2)", {98, 172, 239}},
            {"lch(50% 150 30)", {248, 0, 71}}, {"oklab(40.101% 0.1147 0.0453)", {125, 35, 41}},
            {"oklab(59.686% 0.1009 0.1192)", {198, 93, 7}}, {"oklab(0.65125 -0.0320 0.1274)", {157, 147, 24}},
            {"oklab(66.016% -0.1084 -0.0989)", {0, 164, 209}}, {"oklch(40.101% 0.12332 21.555)", {125, 35, 41}},
            {"oklch(59.686% 0.15619 49.7694)", {198, 93, 6}}, {"oklch(0.65125 0.13138 104.097)", {157, 147, 24}},
            {"oklch(0.72 0.19 50)", {254, 120, 2}}, {"oklch(0.7 0.4 150)", {0, 194, 72}},
            {"oklch(50% 50% 270)", {59, 81, 211}}, {"color(srgb 0.5 0.25 1)", {128, 64, 255}},
            {"color(srgb-linear 0.5 0.25 1)", {188, 137, 255}}, {"color(display-p3 1 0 0)", {255, 11, 12}},
            {"color(display-p3 0.2 0.6 0.4)", {0, 156, 97}}, {"color(a98-rgb 0.4 0.8 0.2)", {0, 205, 16}},
            {"color(prophoto-rgb 0.6 0.4 0.2)", {211, 106, 49}}, {"color(rec2020 0.3 0.5 0.7)", {0, 124, 173}},
            {"color(xyz 0.2 0.3 0.4)", {0, 167, 164}}, {"color(xyz-d50 0.2 0.3 0.4)", {0, 168, 188}},
            {"color(xyz-d65 0.4 0.3 0.2)", {223, 119, 115}}, {"color(srgb 1.2 -0.1 0.5)", {255, 103, 141}},
            {"color(display-p3 50% 25% 75%)", {137, 59, 198}}, {"Chartreuse", {127, 255, 0}},
            {"rebeccapurple", {102, 51, 153}}, {"transparent", {0, 0, 0}},
            {"color-mix(in oklch, red 40%, blue)", {161, 0, 213}}, {"color-mix(in srgb, red, blue)", {128, 0, 128}},
            {"color-mix(in srgb-linear, red, blue)", {188, 0, 188}},
            {"color-mix(in lab, #ff8000 25%, teal)", {112, 132, 105}},
            {"color-mix(in oklab, white 30%, navy 90%)", {44, 80, 163}},
            {"color-mix(in hsl longer hue, hsl(40 50% 50%), hsl(60 50% 50%))", {64, 85, 191}},
            {"color-mix(in hsl, hsl(0 50% 50%) 75%, hsl(180 50% 50%))", {191, 159, 64}}, // half way round: as written
            {"color-mix(in hsl, hsl(180 50% 50%) 75%, hsl(0 50% 50%))", {64, 191, 96}},
            {"color-mix(in hsl, hsl(200 50% 50%), hsl(5 50% 50%))", {154, 64, 191}}, // just past half way: round
            {"color-mix(in hsl, hsl(5 50% 50%), hsl(200 50% 50%))", {154, 64, 191}},
            {"color-mix(in hsl longer hue, hsl(40 50% 50%) 75%, hsl(40 50% 50%))", {64, 191, 85}},
            {"color-mix(in hsl longer hue, hsl(0 50% 50%) 75%, hsl(180 50% 50%))", {191, 159, 64}},
            {"color-mix(in hsl longer hue, hsl(180 50% 50%) 75%, hsl(0 50% 50%))", {64, 191, 96}},
            {"color-mix(in hsl increasing hue, hsl(320 50% 50%), hsl(20 50% 50%))", {191, 64, 85}},
            {"color-mix(in hsl decreasing hue, hsl(20 50% 50%), hsl(320 50% 50%))", {191, 64, 85}},
            {"color-mix(in hsl increasing hue, hsl(40 50% 50%), hsl(40.5 50% 50%))", {191, 149, 64}}, // already so
            {"color-mix(in hsl decreasing hue, hsl(40.5 50% 50%), hsl(40 50% 50%))", {191, 149, 64}},
            {"color-mix(in hsl increasing hue, hsl(40 50% 50%) 75%, hsl(40 50% 50%))", {191, 149, 64}}, // no turn
            {"color-mix(in hsl decreasing hue, hsl(40 50% 50%) 75%, hsl(40 50% 50%))", {191, 149, 64}},
            {"color-mix(in lch, rgb(255 0 0 / 20%), blue)", {172, 0, 105}},
            {"color-mix(in oklch, white, green)", {144, 192, 140}},
            {"color-mix(in hwb, 25% hwb(120 10% 20%), hwb(30 30% 40%))", {166, 153, 64}},
            {"color-mix(in hwb, hwb(120 0% 0%), white)", {128, 255, 128}}, // white has no hue
            {"color-mix(in hsl, lab(50 20 30), hsl(200 50% 50%))", {81, 176, 66}},
            {"color-mix(in srgb, oklch(0.7 0.1 200), red)", {160, 89, 91}},
            {"hwb(from lab(50 20 30) h w b)", {161, 105, 69}},
            {"rgb(from lab(from red l a b) r g b)", {255, 0, 0}}, // each function its own keywords
            {"color-mix(in hwb, rgb(100 100 100), hsl(200 60% 40%))", {70, 111, 132}},
            {"color-mix(in xyz, color(display-p3 0 1 0), lab(40 -20 30) 70%)", {0, 171, 0}},
            {"oklch(from #ff0000 l c calc(h + 120))", {0, 168, 54}}, {"rgb(from #123456 b g r)", {86, 52, 18}},
            {"color(from #ff8000 prophoto-rgb r g b)", {255, 128, 0}}, // there and back
            {"color(from #123456 rec2020 r g b)", {18, 52, 86}}, {"color(from #abcdef a98-rgb r g b)", {171, 205, 239}},
            {"color(from #fedcba xyz-d50 x y z)", {254, 220, 186}},
            {"hsl(from rebeccapurple calc(h + 180) s l)", {102, 153, 51}},
            {"lab(from teal calc(l * 1.5) a calc(b / 2))", {100, 192, 183}},
            {"color(from #ff8000 display-p3 r g calc(b + 0.3))", {255, 128, 123}},
            {"hwb(from orange h calc(w + 20) b)", {255, 183, 51}},
            {"rgb(calc(255 / 2) calc(50% + 10%) calc(infinity))", {128, 153, 255}},
            {"hsl(calc(0.5turn + 10deg) 50% 50%)", {64, 170, 191}}, {"rgb(calc(pi * 20) calc(e * 10) 0)", {63, 27, 0}},
            // The web-platform-tests' relative colours, from the computed values they expect.
            {"rgb(from rebeccapurple b alpha r / g)", {153, 1, 102}},
            {"rgb(from rebeccapurple r 20% 10)", {102, 51, 10}},
            {"rgb(from rgb(100 110 120 / 0.8) calc(r + 1) calc(g + 1) calc(b + 1) / calc(alpha + 0.01))",
                {101, 111, 121}},
            {"hsl(from rebeccapurple h l s)", {128, 77, 179}},
            {"color(from #ff8000 srgb b g r / alpha)", {0, 128, 255}},
            {"hsl(from rebeccapurple h s calc(50% * l / 100))", {51, 26, 77}},
            {"color-mix(in srgb, rgb(from rebeccapurple none g b), rebeccapurple)", {102, 51, 153}},
            // rgb() clamps its channels where it is read; hsl() clamps a negative saturation.
            {"rgb(300, -20, 128)", {255, 0, 128}},
            {"color-mix(in hsl longer hue, hsl(60 50% 50%), hsl(40 50% 50%))", {64, 85, 191}},
            {"color-mix(in srgb, transparent, red)", {255, 0, 0}}, // premultiplied: transparent adds no colour
            {"color-mix(in srgb, red, rgb(0 0 255 / 50%))", {170, 0, 85}},
            {"color-mix(in hsl, hsl(330 50% 50%), hsl(50 50% 50%))", {191, 85, 64}},
            {"hsl(30 -50% 60)", {153, 153, 153}}, {"hsl(calc(-infinity) 100% 50%)", {255, 0, 0}},
            {"hsl(calc(0 / 0) 100% 50%)", {255, 0, 0}}, {"hsl(90 50% 50% / calc(NaN))", {128, 191, 64}},
            {" \t#ABCDEF\n", {171, 205, 239}}, {"RGB( 1 /* one */ 2 3 )", {1, 2, 3}},
            {"rgb(1/**/2 3)", {1, 2, 3}}, // an empty comment parts two numbers
            {"color-mix(in srgb, rgb(255 0 0 / none), rgb(0 0 255 / 50%))", {128, 0, 128}}, // both 50% opaque
            // The origin's missing alpha is 0 as a keyword: the red adds nothing.
            {"color-mix(in srgb, rgb(from rgb(255 0 0 / none) r g b / alpha), rgb(0 0 255 / 50%))", {0, 0, 255}},
            {"rgb(+5 +1e1 0)", {5, 10, 0}},
            {"color-mix(in hsl longer hue, hsl(none 50% 50%), hsl(40 50% 50%))", {64, 106, 191}}, // 40 and 40, longer
            {"color(srgb 1.2 0.4 0.3)", {255, 142, 122}},
            {"hsl(from color(srgb 0.2 0 -0.2) h s calc(l + 40))", {102, 102, 102}}, // lightness 0: no saturation
            {"color-mix(in srgb, red 0.5%, blue 0.5%)", {128, 0, 128}}, // nearly transparent, still the mix
            {"color-mix(in srgb, #ff000080, blue)", {85, 0, 170}}, // the hex alphas weigh the mix
            {"color-mix(in srgb, #f008, blue)", {89, 0, 166}},
            // lab's missing lightness is carried into lch's and takes the other colour's.
            {"color-mix(in lch, lab(none 20 30), lch(50 30 40))", {162, 104, 78}},
            {"color-mix(in lch, hsl(120 50% none), lch(60 30 40))", {169, 137, 128}}, // hsl's too; black has no hue
            {"color-mix(in lch, hwb(120 none 0%), lch(60 30 40))", {213, 178, 27}}, // whiteness has no analogue
            // Lighter than white, its hsl saturation turns positive and its hue round.
            {"hsl(from color(srgb 1.5 1.2 1.1) h s calc(l - 67))", {98, 192, 224}},
            // The inner mix is 60% opaque, and the outer mix weighs it so.
            {"color-mix(in srgb, color-mix(in srgb, rgb(255 0 0 / 20%), blue), lime)", {16, 159, 80}},
            // Only rgb() as written clamps its channels; hsl(), hwb(), relative colours and mixes
            // keep what lies outside sRGB for the gamut mapping.
            {"rgb(from red 300 g b)", {255, 96, 79}}, {"hsl(0 150% 50%)", {255, 104, 75}},
            {"hwb(from red h -20 b)", {247, 0, 0}},
            {"color-mix(in hsl, color(rec2020 0 1 0), hsl(120 100% 25%))", {0, 229, 34}, mixMapped},
            {"color-mix(in hwb, color(rec2020 0 1 0), hwb(120 0% 50%))", {0, 192, 1}, mixMapped},
            {"color-mix(in hsl, color(display-p3 0 1 0), hsl(0 100% 50%))", {255, 255, 255}, mixMapped},
            {"oklch(1 .2 231)", {255, 255, 255}}, // its own lightness, not one recomputed a hair below 1
            {"color-mix(in srgb, rgb(from #f000 r g b), blue)", {0, 0, 255}}, // the origin's alpha: transparent
            // A number's value is the value written: a tiny one is 0, a huge one far out of gamut.
            {"rgb(1e-400 0 0)", {0, 0, 0}}, {"lab(50 1e-400 0)", {119, 119, 119}},
            {"color-mix(in srgb, red 1e-400%, blue)", {0, 0, 255}},
            {"color(srgb 1e300 0 0)", {255, 255, 255}, "CSS Color 4: OKLCh lightness of 100% or more is white"},
            {"color(srgb 1e300 -1e300 0)", {0, 0, 0}, "CSS Color 4: OKLCh lightness of 0% or less is black"},
            {"color-mix(in srgb, red calc(0% / 0), blue)", {0, 0, 255}, "CSS Values 4: NaN at the top is 0"},
            {"color-mix(in srgb, red calc(150%), blue)", {255, 0, 0}, "CSS Values 4: a calculation is clamped"},
            // The math functions of CSS Values 4, wherever calc() can stand.
            {"rgb(min(255, 300) max(10, 20, 30) clamp(0, 300, 128))", {255, 30, 128}},
            {"rgb(round(up, 10.1, 5) round(down, 19, 5) round(to-zero, 0.9))", {15, 15, 0}},
            {"lab(50 round(-7.5) round(to-zero, -7.9))", {101, 123, 131}, "CSS Values 4: round() takes a tie up"},
            {"lab(50 mod(-7, 5) rem(-7, 5))", {123, 117, 122}},
            {"hsl(calc(asin(1) + acos(0)) 100% 50%)", {0, 255, 255}}, {"hsl(atan2(1, 1) 100% 50%)", {255, 191, 0}},
            {"hsl(calc(atan(1) * 2) 50% 50%)", {128, 191, 64}},
            {"rgb(calc(sin(30deg) * 100) calc(cos(0.5turn) * -100) calc(tan(45deg) * 100))", {50, 100, 100}},
            {"rgb(pow(2, 7) sqrt(16) hypot(3, 4))", {128, 4, 5}},
            {"rgb(calc(log(e) * 100) calc(log(8, 2) * 10) calc(exp(1) * 50))", {100, 30, 136}},
            {"lab(50 abs(-20) calc(sign(-5) * 10))", {146, 107, 137}}, {"rgb(max(10%, 20%) 0 0)", {51, 0, 0}},
            {"color-mix(in srgb, red min(25%, 30%), blue)", {64, 0, 191}},
            {"rgb(from #102030 max(r, b) min(r, g) clamp(0, b, 40))", {48, 16, 40}},
            {"rgb(from rgb(none 128 0) r g b)", {0, 128, 0}, "CSS Color 5: a missing origin component is 0"},
            {"rgb(min(255, nan) round(up, 5, infinity) round(down, 5, infinity))", {0, 255, 0},
                "CSS Values 4: NaN spreads, and round() to an infinite step goes to an infinity or 0"},
            {"lab(50 mod(-5, infinity) rem(-5, infinity))", {116, 119, 127},
                "CSS Values 4: mod() by an infinity of the other sign is NaN"},
            // A function left open is closed by the end of the text; escapes spell names.
            {"rgb(255 128 0", {255, 128, 0}}, {"color-mix(in srgb, red, blue", {128, 0, 128}},
            {"rgb(0 0 calc(255 * (0.4", {0, 0, 102}}, {"r\\65 d", {255, 0, 0}}, {"\\72 gb(1 2 3)", {1, 2, 3}},
            {"hsl(0.5tur\\6e  50% 50%)", {64, 191, 191}},
            {"rgb(calc(1 /**/ + /**/ 2) 0 0)", {3, 0, 0}}, // white space, comments or not
        };
        for (const Row &row : rows) {
            const QString name
                = QString::fromUtf8(row.text) + (row.rule ? QStringLiteral(" (%1)").arg(row.rule) : QString());
            QTest::newRow(qPrintable(name)) << QString::fromUtf8(row.text) << row.bytes;
        }
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(Rgb, bytes);
        const CssReading reading = readCssColor(text);
        QVERIFY2(reading.ok, qPrintable(reading.reason));
        QCOMPARE(reading.bytes, bytes);
    }

    void refusing_data()
    {
        // The web-platform-tests' invalid colours, and each reason naming the part that is wrong.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        const std::pair<const char *, const char *> rows[] = {
            {"auto", "unknown color name 'auto'"},
            {"grean", "unknown color name 'grean'"},
            {"123", "is not a color"},
            {"#12", "a hexadecimal color has 3, 4, 6 or 8 digits"},
            {"#123456789", "3, 4, 6 or 8 digits"},
            {"#12345g", "'g' is not a hexadecimal digit"},
            {"rgb(1)", "rgb() needs three components"},
            {"rgb(1,2,3,4,5)", "unexpected ',' in rgb()"},
            {"rgb(from red r, g, b)", "rgb() has no comma form"}, // not in a relative colour
            {"color(srgb 1, 0, 0)", "color() has no comma form"},
            {"lab(50, 20, 30)", "lab() has no comma form"},
            {"rgb(10%, 20, 30%)", "the legacy rgb() form cannot mix numbers and percentages"},
            {"rgba(-2, 300, 400%, -0.5)", "the legacy rgb() form cannot mix numbers and percentages"},
            {"rgb(none, 0, 0)", "the legacy rgb() form does not take none"},
            {"hwb(120, 30%, 50%)", "hwb() has no comma form"},
            {"hwba(120 30% 50%)", "hwba() is not a color function"},
            {"hsl(120, 50, 50)", "needs percentages for saturation and lightness"},
            {"hsl(10% 50% 50%)", "the hue of hsl() is a number or an angle"},
            {"hwb(10% 0% 0%)", "the hue of hwb() is a number or an angle"},
            {"lch(50 10 10%)", "the hue of lch() is a number or an angle"},
            {"oklch(0.5 0.1 10%)", "the hue of oklch() is a number or an angle"},
            {"color(srgb 0 0 0 0)", "unexpected the number 0 in color()"},
            {"color(srgb 0deg 0% 0)", "color() takes no angles"},
            {"lab(0% 0 0deg)", "lab() takes an angle only for its hue"},
            {"lch(20% 10 10deg 10)", "unexpected the number 10 in lch()"},
            {"color(lab 20% 0 10 / 50%)", "color() does not know the color space 'lab'"},
            {"rgb(calc(1 +2) 0 0)", "calc() is not closed"},
            {"rgb(calc(1 -2) 0 0)", "calc() is not closed"},
            {"rgb(calc(10% + 2) 0 0)", "calc() cannot add values of different kinds"},
            {"rgb(calc(10% * 2%) 0 0)", "calc() can only multiply or divide by a plain number"},
            {"color-mix(in srgb, red 0%, blue 0%)", "add up to 0%"},
            {"color-mix(in srgb, red 120%, blue)", "a percentage from 0% to 100%"},
            {"color-mix(in srgb, red calc(50), blue)", "a percentage from 0% to 100%"},
            {"color-mix(in srgb longer hue, red, blue)", "'srgb' has no hue to interpolate"},
            {"color-mix(in foo, red, blue)", "color-mix() cannot mix in 'foo'"},
            {"color-mix(in srgb, red, blue, green)", "color-mix() mixes two colors"},
            {"oklch(from red l c)", "oklch() needs three components"},
            {"rgb(from red r g b, 1)", "unexpected ','"},
            {"color-mix(in srgb, rgb(from red r g b), rgb(r g b))", "'r' is not a component here"},
            {"rgb(calc(-e) 0 0)", "'-e' is not a component here"}, // one word, not minus e
            {"rgb(255 0 0) x", "unexpected 'x' after the color"},
            {"currentcolor", "currentcolor depends on the page"},
            {"Canvas", "'Canvas' is a system color"},
            {"light-dark(red, blue)", "light-dark() depends on the page's color scheme"},
            {"", "there is no color"},
            {"r\u00e9d", "unknown color name 'r\u00e9d'"},
            {"rgb(1 2", "a component is missing before the end"},
            {"\\72\\e9\\20ac\\1f600\\d800 x", "unknown color name 'r\u00e9\u20ac\U0001F600\uFFFDx'"},
            {"color-mix(in srgb, rgb(from red r g b), blue calc(r * 0.1%))", "'r' is not a component here"},
            {"rgb(calc(1/**/+/**/2) 0 0)", "calc() needs white space around + and -"},
            {"color-mix(in hsl shorter hue longer hue, red, blue)", "takes one hue interpolation method"},
            {"rgb(min(1, 10%) 0 0)", "min() cannot take values of different kinds"},
            {"rgb(sin(10%) 0 0)", "sin() takes a number or an angle"},
            {"rgb(pow(2, 1deg) 0 0)", "pow() takes plain numbers"},
            {"rgb(clamp(1, 2) 0 0)", "clamp() takes 3 values"},
            {"rgb(mod(7, 5, 3) 0 0)", "mod() takes 2 values"},
            {"-\\72 ed", "unknown color name '-red'"}, // a name may begin with - and an escape
            {"rgb(sqrt(1, 2) 0 0)", "sqrt() takes one value"},
            {"rgb(log(1, 2, 3) 0 0)", "log() takes one or two values"},
            {"hsl(round(10deg) 50% 50%)", "round() needs a step"},
            {"rgb(round(up 1) 0 0)", "round() needs a comma after its rounding strategy"},
            {"rgb(foo(1) 0 0)", "'foo(' cannot stand for a component"},
            {"rgb(calc(1 x) 0 0)", "calc() is not closed before 'x'"},
        };
        for (const auto &[text, reason] : rows)
            QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(reason);
    }
    void refusing()
    {
        QFETCH(QString, text);
        QFETCH(QString, reason);
        const CssReading reading = readCssColor(text);
        QVERIFY2(!reading.ok, qPrintable(text));
        QVERIFY2(reading.reason.contains(reason), qPrintable(reading.reason));
    }

    void nesting()
    {
        // Each kind of nesting: a reasonable depth reads; far more is refused with the reason;
        // 100,000 levels (a text pasted by mistake, or by malice) are refused without a crash.
        const struct
        {
            const char *head, *open, *middle, *close, *tail;
        } kinds[] = {
            {"rgb(", "calc(", "255", ")", " 0 0)"},
            {"rgb(calc(", "(", "255", ")", ") 0 0)"},
            {"rgb(", "min(", "255", ")", " 0 0)"},
            {"", "rgb(from ", "red", " r g b)", ""},
            {"", "color-mix(in srgb, ", "red", ", red)", ""},
        };
        for (const auto &kind : kinds) {
            const auto nested = [&](int levels) {
                return QString::fromUtf8(kind.head) + QString::fromUtf8(kind.open).repeated(levels)
                    + QString::fromUtf8(kind.middle) + QString::fromUtf8(kind.close).repeated(levels)
                    + QString::fromUtf8(kind.tail);
            };
            const CssReading reasonable = readCssColor(nested(20));
            QVERIFY2(reasonable.ok && reasonable.bytes == Rgb({255, 0, 0}), qPrintable(reasonable.reason));
            QVERIFY(readCssColor(nested(100)).reason.contains(QLatin1String("nested more than 32 deep")));
            const QByteArray deepest = nested(100000).toUtf8();
            QVERIFY(!readCssColor(std::string_view(deepest.data(), size_t(deepest.size()))).ok);
            QVERIFY(!readCssColor(nested(100000)).ok);
        }
        QVERIFY(readCssColor(QStringLiteral("red") + QString(10000, u' '))
                    .reason.contains(QLatin1String("longer than 10000")));
    }

    void namedColors()
    {
        // The standard set, as Qt knows it too: QColor's list is CSS's, with transparent.
        QStringList names = QColor::colorNames();
        names.removeOne(QStringLiteral("transparent"));
        names.append(QStringLiteral("rebeccapurple"));
        for (const QString &name : std::as_const(names)) {
            const QColor qt = name == u"rebeccapurple" ? QColor(102, 51, 153) : QColor(name);
            const std::optional<Rgb> css = NamedColors::find(name.toUpper().toStdString());
            QVERIFY2(css && *css == Rgb({quint8(qt.red()), quint8(qt.green()), quint8(qt.blue())}), qPrintable(name));
        }
        QCOMPARE(names.size(), 148);
        QCOMPARE(NamedColors::firstNameOf({0, 255, 255}), "aqua"); // before cyan
    }

    void missingAlpha()
    {
        // A mix's alpha is missing only where both colours' alphas are.
        const auto alphaMissing
            = [](const char *text) { return readCssColor(std::string_view(text)).color.alphaMissing; };
        QVERIFY(alphaMissing("color-mix(in srgb, rgb(255 0 0 / none), rgb(0 0 255 / none))"));
        QVERIFY(!alphaMissing("color-mix(in srgb, rgb(255 0 0 / none), blue)"));
        QVERIFY(!alphaMissing("color-mix(in srgb, red, rgb(0 0 255 / none))"));
    }

    void writing()
    {
        // The issue's own examples of the forms.
        QCOMPARE(CssFormats::write({255, 0, 0}, CssFormat::Hsl), QStringLiteral("hsl(0 100% 50%)"));
        // 50% would be 127.5, on the half, where readers part.
        QCOMPARE(CssFormats::write({128, 128, 128}, CssFormat::Hsl), QStringLiteral("hsl(0 0% 50.2%)"));
        // colorjs.io's hue is 329.88; 330 would put blue at 127.5, on the half.
        QCOMPARE(CssFormats::write({255, 0, 128}, CssFormat::Hsl), QStringLiteral("hsl(329.9 100% 50%)"));
        QCOMPARE(CssFormats::write({255, 255, 255}, CssFormat::Oklch), QStringLiteral("oklch(1 0 0)"));
        // A hue of 359.9997 (colorjs.io) at no decimals is 0, not 360.
        QCOMPARE(CssFormats::write({241, 237, 238}, CssFormat::Oklch), QStringLiteral("oklch(0.949 0.004 0)"));
        QCOMPARE(CssFormats::write({255, 128, 0}, CssFormat::Hex), QStringLiteral("#ff8000"));
        QCOMPARE(CssFormats::write({255, 128, 0}, CssFormat::Rgb), QStringLiteral("rgb(255 128 0)"));
        QCOMPARE(CssFormats::write({1, 2, 3}, CssFormat::Name), QString());
        QCOMPARE(CssFormats::named(u"display-p3"), CssFormat::DisplayP3);
        QVERIFY(!CssFormats::named(u"cmyk"));
    }

    void everyFormatMeansItsColor()
    {
        // Over a fixed sample of colours, greys first: each text's colour in sRGB, read by an
        // independent reader with no gamut mapping, lies within half a byte of each channel and
        // a millionth clear of the half; with one decimal fewer in all its numbers it would not.
        // It reads back here as the same bytes; no -0, no trailing zero, hues in [0, 360).
        const auto means = [](const QString &text, Rgb color) {
            const std::array<double, 3> srgb = independentSrgb(text);
            for (int i = 0; i < 3; ++i) {
                if (!(std::abs(srgb[i] * 255 - color.component(i)) <= 0.5 - 1e-6))
                    return false;
            }
            return true;
        };
        quint32 seed = 12345;
        for (int sample = 0; sample < 3000; ++sample) {
            seed = seed * 1664525u + 1013904223u;
            const Rgb color
                = sample < 256 ? Rgb{quint8(sample), quint8(sample), quint8(sample)} : Rgb::fromPacked(seed >> 8);
            for (CssFormat format : CssFormats::all) {
                if (format == CssFormat::Name)
                    continue;
                const QString text = CssFormats::write(color, format);
                QVERIFY2(means(text, color) && readCssColor(text).bytes == color, qPrintable(text));
                if (format == CssFormat::Hex)
                    continue;
                const QString opening = text.left(text.indexOf(u'(') + 1)
                    + QLatin1String(text.startsWith(u"color(") ? "display-p3 " : "");
                QStringList numbers = text.mid(opening.size()).chopped(1).split(u' ');
                int decimals = 0;
                for (const QString &number : std::as_const(numbers)) {
                    const QString digits = QString(number).remove(u'%');
                    QVERIFY2(!digits.startsWith(u"-0") || digits.startsWith(u"-0."), qPrintable(text));
                    QVERIFY2(!digits.contains(u'.') || !digits.endsWith(u'0'), qPrintable(text));
                    QVERIFY2(digits.toDouble() < 360, qPrintable(text));
                    if (digits.contains(u'.'))
                        decimals = qMax(decimals, int(digits.size() - digits.indexOf(u'.') - 1));
                }
                if (decimals == 0)
                    continue;
                for (QString &number : numbers) { // every number one decimal shorter
                    const bool percent = number.endsWith(u'%');
                    number = QString::number(QString(number).remove(u'%').toDouble(), 'f', decimals - 1)
                        + (percent ? QStringLiteral("%") : QString());
                }
                const QString rounded = opening + numbers.join(u' ') + u')';
                QVERIFY2(!means(rounded, color), qPrintable(text + QStringLiteral(" could be ") + rounded));
            }
        }
    }

    void convertingLines()
    {
        // One line out for each line in, an empty one for a refused colour, its reason on the side;
        // a last line without its line end, even of one character, is read too.
        const std::tuple<QByteArray, QByteArray, QByteArray, int> rows[]
            = {{"#ff8000\r\nnot a colour\n\noklch(0.6 0.1 200)", "#ff8000\n\n\n#0d9298\n",
                   "line 2: unknown color name 'not'\n", 1},
                {"x", "\n", "line 1: unknown color name 'x'\n", 1}, {"red\nlime\n", "#ff0000\n#00ff00\n", "", 0},
                {"red\n" + QByteArray("rgb(from ").repeated(100000) + "\nlime\n", "#ff0000\n\n#00ff00\n",
                    "line 2: the text is longer than 10000 characters: no color is so long\n", 1}};
        for (const auto &[input, expectedOutput, expectedErrors, status] : rows) {
            std::FILE *in = fmemopen(const_cast<char *>(input.data()), size_t(input.size()), "r");
            char *output = nullptr, *errors = nullptr;
            size_t outputSize = 0, errorsSize = 0;
            std::FILE *out = open_memstream(&output, &outputSize), *err = open_memstream(&errors, &errorsSize);
            QCOMPARE(Conversion::convertLines(in, out, err, {CssFormat::Hex}), status);
            std::fclose(in);
            std::fclose(out);
            std::fclose(err);
            QCOMPARE(QByteArray(output), expectedOutput);
            QCOMPARE(QByteArray(errors), expectedErrors);
            std::free(output);
            std::free(errors);
        }
        QCOMPARE(Conversion::allFormats({255, 0, 0}, {}).split(u'\n').value(9), QStringLiteral("name: red"));

        // Output that cannot be written fails, and says so.
        std::FILE *in = fmemopen(const_cast<char *>("red\n"), 4, "r");
        std::FILE *full = std::fopen("/dev/full", "w");
        char *errors = nullptr;
        size_t errorsSize = 0;
        std::FILE *err = open_memstream(&errors, &errorsSize);
        QCOMPARE(Conversion::convertLines(in, full, err, {CssFormat::Hex}), 1);
        for (std::FILE *file : {in, full, err})
            std::fclose(file);
        QCOMPARE(QByteArray(errors), "rusket: the output could not be written: No space left on device\n");
        std::free(errors);
    }
};

QTEST_APPLESS_MAIN(CssTest)
#include "tst_css.moc"
