// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/colorspace.h"

#include "values/linearlight.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace ColorSpaces {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector operator*(const Matrix &m, const Vector &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices of CSS Color 4, from linear RGB to CIE XYZ with the space's own white and back.
// clang-format off
const Matrix srgbToXyz = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                           {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                           {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
const Matrix xyzToSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                           {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                           {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
const Matrix p3ToXyz = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                         {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                         {0, 32229.0 / 714400, 5220557.0 / 5000800}}};
const Matrix xyzToP3 = {{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
                         {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
                         {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};
const Matrix a98ToXyz = {{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                          {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                          {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
const Matrix xyzToA98 = {{{1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
                          {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                          {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040}}};
const Matrix rec2020ToXyz = {{{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
                              {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
                              {0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
const Matrix xyzToRec2020 = {{{30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
                              {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
                              {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125}}};
const Matrix prophotoToXyzD50 = {{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                  {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                  {0, 0, 0.82510460251046020}}};
const Matrix xyzD50ToProphoto = {{{1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
                                  {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
                                  {0, 0, 1.21196754563894520}}};
// Bradford chromatic adaptation between the D65 and D50 whites.
const Matrix d65ToD50 = {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                          {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                          {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
const Matrix d50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                          {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                          {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
// OKLab (Björn Ottosson), through the cone responses LMS, for the D65 white.
const Matrix xyzToLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                          {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                          {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
const Matrix lmsToOklab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                            {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                            {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
const Matrix oklabToLms = {{{1, 0.3963377773761749, 0.2158037573099136},
                            {1, -0.1055613458156586, -0.0638541728258133},
                            {1, -0.0894841775298119, -1.2914855480194092}}};
const Matrix lmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                          {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                          {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
// clang-format on
const Vector d50White = {0.3457 / 0.3585, 1, (1 - 0.3457 - 0.3585) / 0.3585};

// The transfer curves, extended to negative values by reflection.
double signedPow(double v, double power)
{
    return std::copysign(std::pow(std::abs(v), power), v);
}
using LinearLight::fromSrgb, LinearLight::toSrgb;
double prophotoToLinear(double v)
{
    return std::abs(v) <= 16.0 / 512 ? v / 16 : signedPow(v, 1.8);
}
double linearToProphoto(double v)
{
    return std::abs(v) >= 1.0 / 512 ? signedPow(v, 1 / 1.8) : 16 * v;
}
// rec2020 is display-referred: the BT.1886 curve, a pure 2.4 gamma.
double rec2020ToLinear(double v)
{
    return signedPow(v, 2.4);
}
double linearToRec2020(double v)
{
    return signedPow(v, 1 / 2.4);
}

template <class F> Vector each(Vector v, F f)
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

// The hue comes in [0, 360): the reader and the mix normalise it.
Vector hslToSrgb(const Vector &hsl)
{
    const double h = hsl[0];
    const double s = hsl[1] / 100, l = hsl[2] / 100;
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Vector srgbToHsl(const Vector &rgb)
{
    const double max = std::max({rgb[0], rgb[1], rgb[2]}), min = std::min({rgb[0], rgb[1], rgb[2]});
    const double l = (min + max) / 2, d = max - min;
    double h = 0, s = 0;
    if (d != 0) {
        s = (l == 0 || l == 1) ? 0 : (max - l) / std::min(l, 1 - l);
        if (max == rgb[0])
            h = (rgb[1] - rgb[2]) / d + (rgb[1] < rgb[2] ? 6 : 0);
        else if (max == rgb[1])
            h = (rgb[2] - rgb[0]) / d + 2;
        else
            h = (rgb[0] - rgb[1]) / d + 4;
        h *= 60;
    }
    if (s < 0) { // a colour outside sRGB: the hue turns round
        h += 180;
        s = -s;
    }
    return {std::fmod(h, 360), s * 100, l * 100};
}

Vector hwbToSrgb(const Vector &hwb)
{
    double w = hwb[1] / 100, b = hwb[2] / 100;
    if (w + b >= 1) {
        const double grey = w / (w + b);
        return {grey, grey, grey};
    }
    Vector rgb = hslToSrgb({hwb[0], 100, 50});
    return each(rgb, [&](double c) { return c * (1 - w - b) + w; });
}

Vector srgbToHwb(const Vector &rgb)
{
    const double white = std::min({rgb[0], rgb[1], rgb[2]}), black = 1 - std::max({rgb[0], rgb[1], rgb[2]});
    return {srgbToHsl(rgb)[0], white * 100, black * 100};
}

Vector xyzD50ToLab(const Vector &xyz)
{
    constexpr double epsilon = 216.0 / 24389, kappa = 24389.0 / 27;
    Vector f;
    std::ranges::transform(xyz, d50White, f.begin(), [](double component, double white) {
        const double v = component / white;
        return v > epsilon ? std::cbrt(v) : (kappa * v + 16) / 116;
    });
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Vector labToXyzD50(const Vector &lab)
{
    constexpr double epsilon = 216.0 / 24389, kappa = 24389.0 / 27;
    const double f1 = (lab[0] + 16) / 116, f0 = lab[1] / 500 + f1, f2 = f1 - lab[2] / 200;
    const Vector xyz = {f0 * f0 * f0 > epsilon ? f0 * f0 * f0 : (116 * f0 - 16) / kappa,
        lab[0] > kappa * epsilon ? f1 * f1 * f1 : lab[0] / kappa,
        f2 * f2 * f2 > epsilon ? f2 * f2 * f2 : (116 * f2 - 16) / kappa};
    return {xyz[0] * d50White[0], xyz[1] * d50White[1], xyz[2] * d50White[2]};
}

Vector toPolar(const Vector &lab)
{
    double hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    return {lab[0], std::hypot(lab[1], lab[2]), hue < 0 ? hue + 360 : hue};
}

Vector fromPolar(const Vector &lch)
{
    const double h = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(h), lch[1] * std::sin(h)};
}

Vector xyzToOklab(const Vector &xyz)
{
    return lmsToOklab * each(xyzToLms * xyz, [](double c) { return std::cbrt(c); });
}

Vector oklabToXyz(const Vector &lab)
{
    return lmsToXyz * each(oklabToLms * lab, [](double c) { return c * c * c; });
}

// Every space meets the others in CIE XYZ with the D65 white.
Vector toXyzD65(ColorSpace space, const Vector &v)
{
    switch (space) {
    case ColorSpace::Srgb: return srgbToXyz * each(v, fromSrgb);
    case ColorSpace::SrgbLinear: return srgbToXyz * v;
    case ColorSpace::DisplayP3: return p3ToXyz * each(v, fromSrgb);
    case ColorSpace::A98Rgb: return a98ToXyz * each(v, [](double c) { return signedPow(c, 563.0 / 256); });
    case ColorSpace::ProphotoRgb: return d50ToD65 * (prophotoToXyzD50 * each(v, prophotoToLinear));
    case ColorSpace::Rec2020: return rec2020ToXyz * each(v, rec2020ToLinear);
    case ColorSpace::XyzD50: return d50ToD65 * v;
    case ColorSpace::XyzD65: return v;
    case ColorSpace::Lab: return d50ToD65 * labToXyzD50(v);
    case ColorSpace::Lch: return d50ToD65 * labToXyzD50(fromPolar(v));
    case ColorSpace::Oklab: return oklabToXyz(v);
    case ColorSpace::Oklch: return oklabToXyz(fromPolar(v));
    case ColorSpace::Hsl: return toXyzD65(ColorSpace::Srgb, hslToSrgb(v));
    case ColorSpace::Hwb: return toXyzD65(ColorSpace::Srgb, hwbToSrgb(v));
    }
    return v;
}

Vector fromXyzD65(ColorSpace space, const Vector &xyz)
{
    switch (space) {
    case ColorSpace::Srgb: return each(xyzToSrgb * xyz, toSrgb);
    case ColorSpace::SrgbLinear: return xyzToSrgb * xyz;
    case ColorSpace::DisplayP3: return each(xyzToP3 * xyz, toSrgb);
    case ColorSpace::A98Rgb: return each(xyzToA98 * xyz, [](double c) { return signedPow(c, 256.0 / 563); });
    case ColorSpace::ProphotoRgb: return each(xyzD50ToProphoto * (d65ToD50 * xyz), linearToProphoto);
    case ColorSpace::Rec2020: return each(xyzToRec2020 * xyz, linearToRec2020);
    case ColorSpace::XyzD50: return d65ToD50 * xyz;
    case ColorSpace::XyzD65: return xyz;
    case ColorSpace::Lab: return xyzD50ToLab(d65ToD50 * xyz);
    case ColorSpace::Lch: return toPolar(xyzD50ToLab(d65ToD50 * xyz));
    case ColorSpace::Oklab: return xyzToOklab(xyz);
    case ColorSpace::Oklch: return toPolar(xyzToOklab(xyz));
    case ColorSpace::Hsl: return srgbToHsl(fromXyzD65(ColorSpace::Srgb, xyz));
    case ColorSpace::Hwb: return srgbToHwb(fromXyzD65(ColorSpace::Srgb, xyz));
    }
    return xyz;
}

// Components that stand for the same thing in different spaces, for carrying "none" across.
enum class Kind { Red, Green, Blue, Lightness, Colorfulness, Hue, OpponentA, OpponentB, Other };

std::array<Kind, 3> kindsOf(ColorSpace space)
{
    using enum Kind;
    switch (space) {
    case ColorSpace::Lab:
    case ColorSpace::Oklab: return {Lightness, OpponentA, OpponentB};
    case ColorSpace::Lch:
    case ColorSpace::Oklch: return {Lightness, Colorfulness, Hue};
    case ColorSpace::Hsl: return {Hue, Colorfulness, Lightness};
    case ColorSpace::Hwb: return {Hue, Other, Other};
    default: return {Red, Green, Blue}; // the RGB and XYZ spaces
    }
}

// A hue means nothing for a colour without chroma: it becomes missing.
bool hueIsPowerless(ColorSpace space, const Vector &v)
{
    switch (space) {
    case ColorSpace::Lch: return v[1] <= 0.0015;
    case ColorSpace::Oklch: return v[1] <= 0.000004;
    case ColorSpace::Hsl: return std::abs(v[1]) <= 1e-9;
    case ColorSpace::Hwb: return v[1] + v[2] >= 100 - 1e-9;
    default: return false;
    }
}

// sRGB's gamut, with the tolerance a colour computed in double precision needs, in gamma-encoded
// values and, the curve being monotonic, the same bounds in linear light.
constexpr double gamutTolerance = 0.000075;
bool inSrgbGamut(const Vector &rgb)
{
    return std::ranges::all_of(rgb, [](double c) { return c >= -gamutTolerance && c <= 1 + gamutTolerance; });
}
bool inLinearSrgbGamut(const Vector &linear)
{
    static const double lowest = fromSrgb(-gamutTolerance), highest = fromSrgb(1 + gamutTolerance);
    return std::ranges::all_of(linear, [](double c) { return c >= lowest && c <= highest; });
}

Vector clipped(const Vector &rgb)
{
    return each(rgb, [](double c) { return std::clamp(c, 0.0, 1.0); });
}

double deltaEOk(const Vector &oklabA, const Vector &oklabB)
{
    return std::hypot(oklabA[0] - oklabB[0], oklabA[1] - oklabB[1], oklabA[2] - oklabB[2]);
}

// The CSS gamut mapping: reduce the OKLCh chroma by halving until the clipped colour is
// within a just noticeable difference of it. Clipping gamma-encoded or linear values is the
// same, so the search stays in linear light. Gives gamma-encoded sRGB.
Vector mapIntoSrgb(ColorSpace space, const Vector &v)
{
    const Vector xyz = toXyzD65(space, v);
    const Vector linear = xyzToSrgb * xyz;
    if (inLinearSrgbGamut(linear))
        return clipped(each(linear, toSrgb));
    // The lightness is the colour's own where it has one: OKLab's 1 is white, not a hair below.
    Vector lch = space == ColorSpace::Oklch ? v : toPolar(space == ColorSpace::Oklab ? v : xyzToOklab(xyz));
    if (lch[0] >= 1)
        return {1, 1, 1};
    if (lch[0] <= 0)
        return {0, 0, 0};
    constexpr double jnd = 0.02, epsilon = 0.0001;
    const auto linearOf = [](const Vector &oklch) { return xyzToSrgb * oklabToXyz(fromPolar(oklch)); };
    const auto distance = [](const Vector &clippedLinear, const Vector &oklch) {
        return deltaEOk(xyzToOklab(srgbToXyz * clippedLinear), fromPolar(oklch));
    };
    Vector clip = clipped(linear);
    if (distance(clip, lch) < jnd)
        return each(clip, toSrgb);
    double min = 0, max = lch[1];
    bool minInGamut = true;
    while (max - min > epsilon) {
        lch[1] = (min + max) / 2;
        const Vector current = linearOf(lch);
        if (minInGamut && inLinearSrgbGamut(current)) {
            min = lch[1];
            continue;
        }
        clip = clipped(current);
        const double e = distance(clip, lch);
        if (e < jnd) {
            if (jnd - e < epsilon)
                break;
            minInGamut = false;
            min = lch[1];
        } else {
            max = lch[1];
        }
    }
    return each(clip, toSrgb);
}

bool isSrgbFamily(ColorSpace space)
{
    return space == ColorSpace::Srgb || space == ColorSpace::Hsl || space == ColorSpace::Hwb;
}

// sRGB, hsl and hwb meet directly, so that a grey stays exactly grey between them.
std::optional<Vector> throughSrgb(ColorSpace from, ColorSpace to, const Vector &v)
{
    if (!isSrgbFamily(from) || !isSrgbFamily(to))
        return std::nullopt;
    const Vector rgb = from == ColorSpace::Hsl ? hslToSrgb(v) : from == ColorSpace::Hwb ? hwbToSrgb(v) : v;
    return to == ColorSpace::Hsl ? srgbToHsl(rgb) : to == ColorSpace::Hwb ? srgbToHwb(rgb) : rgb;
}

} // namespace

std::optional<int> hueIndex(ColorSpace space)
{
    switch (space) {
    case ColorSpace::Lch:
    case ColorSpace::Oklch: return 2;
    case ColorSpace::Hsl:
    case ColorSpace::Hwb: return 0;
    default: return std::nullopt;
    }
}

CssColor convert(const CssColor &color, ColorSpace target)
{
    if (color.space == target)
        return color;
    Vector source;
    std::ranges::transform(
        color.c, color.missing, source.begin(), [](double c, bool missing) { return missing ? 0 : c; });
    const std::optional<Vector> direct = throughSrgb(color.space, target, source);
    CssColor result{target, direct ? *direct : fromXyzD65(target, toXyzD65(color.space, source)), color.alpha, {}};
    result.alphaMissing = color.alphaMissing;
    // A missing component leaves its analogue in the target missing too.
    std::array<Kind, 3> missingKinds;
    std::ranges::transform(kindsOf(color.space), color.missing, missingKinds.begin(),
        [](Kind kind, bool missing) { return missing ? kind : Kind::Other; });
    std::ranges::transform(kindsOf(target), result.missing.begin(),
        [&](Kind kind) { return kind != Kind::Other && std::ranges::find(missingKinds, kind) != missingKinds.end(); });
    if (const std::optional<int> hue = hueIndex(target); hue && hueIsPowerless(target, result.c))
        result.missing[*hue] = true;
    return result;
}

Rgb toBytes(const CssColor &color)
{
    Vector v;
    std::ranges::transform(color.c, color.missing, v.begin(), [](double c, bool missing) {
        return missing || std::isnan(c) ? 0 : std::clamp(c, -largestComponent, largestComponent);
    });
    // sRGB, hsl and hwb inside sRGB need no trip through XYZ.
    const std::optional<Vector> srgb = throughSrgb(color.space, ColorSpace::Srgb, v);
    const Vector rgb = srgb && inSrgbGamut(*srgb) ? clipped(*srgb) : mapIntoSrgb(color.space, v);
    // Rounded half up; the tiny allowance keeps a half that double arithmetic left a hair short.
    const auto byte = [](double c) {
        Q_ASSERT(std::isfinite(c));
        return quint8(std::floor(std::clamp(c, 0.0, 1.0) * 255 + 0.5 + 1e-9));
    };
    return {byte(rgb[0]), byte(rgb[1]), byte(rgb[2])};
}

CssColor fromBytes(Rgb color)
{
    return {ColorSpace::Srgb, {color.red / 255.0, color.green / 255.0, color.blue / 255.0}, 1, {}};
}

} // namespace ColorSpaces
