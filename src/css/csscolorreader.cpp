// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/csscolorreader.h"

#include "css/cssmath.h"
#include "css/csstokenizer.h"
#include "css/namedcolors.h"
#include "text/asciicase.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <span>

namespace {

using Token = CssToken;

// ---- Values ----

struct Value
{
    enum class Unit { Number, Percent, Angle, None };
    Unit unit = Unit::Number;
    double v = 0; // angles in degrees
};
using Unit = Value::Unit;

std::optional<double> degreesOf(std::string_view unit)
{
    if (AsciiCase::equal(unit, "deg"))
        return 1;
    if (AsciiCase::equal(unit, "grad"))
        return 0.9;
    if (AsciiCase::equal(unit, "rad"))
        return 180 / std::numbers::pi;
    if (AsciiCase::equal(unit, "turn"))
        return 360;
    return std::nullopt;
}

// A part of the text in quotes: at most 60 of its characters, so that a message about a long
// text stays a line.
QString quoted(std::string_view text)
{
    constexpr qsizetype longest = 60;
    const QString whole = QString::fromUtf8(text.data(), qsizetype(text.size()));
    return u'\'' + (whole.size() > longest ? whole.left(longest) + u'\u2026' : whole) + u'\'';
}

QString describe(const Token &token)
{
    switch (token.type) {
    case Token::Type::End: return QCoreApplication::translate("CssColorReader", "the end");
    case Token::Type::Function: return quoted(std::string(token.text) + "(");
    case Token::Type::Hash: return quoted(std::string("#") + std::string(token.text));
    case Token::Type::Number:
    case Token::Type::Percentage:
    case Token::Type::Dimension: return QCoreApplication::translate("CssColorReader", "the number %1").arg(token.value);
    default: return quoted(token.text);
    }
}

// The keywords of a relative colour: each names a component of the origin colour.
struct Keyword
{
    std::string_view name;
    double value;
};

// One of the colour functions, as its components are written and what they mean.
struct FunctionForm
{
    std::string_view name;
    ColorSpace space;
    std::array<std::string_view, 3> keywords; // in a relative colour
    std::array<double, 3> percentOf; // what 100% means; 0: no percentage
    bool legacy; // rgb() and hsl() have a comma form
};

// clang-format off
constexpr FunctionForm functionForms[] = {
    {"rgb",   ColorSpace::Srgb,  {"r", "g", "b"}, {255, 255, 255}, true},
    {"hsl",   ColorSpace::Hsl,   {"h", "s", "l"}, {0, 100, 100},   true},
    {"hwb",   ColorSpace::Hwb,   {"h", "w", "b"}, {0, 100, 100},   false},
    {"lab",   ColorSpace::Lab,   {"l", "a", "b"}, {100, 125, 125}, false},
    {"lch",   ColorSpace::Lch,   {"l", "c", "h"}, {100, 150, 0},   false},
    {"oklab", ColorSpace::Oklab, {"l", "a", "b"}, {1, 0.4, 0.4},   false},
    {"oklch", ColorSpace::Oklch, {"l", "c", "h"}, {1, 0.4, 0},     false},
};

struct PredefinedSpace
{
    std::string_view name;
    ColorSpace space;
};
constexpr PredefinedSpace predefinedSpaces[] = {
    {"srgb", ColorSpace::Srgb}, {"srgb-linear", ColorSpace::SrgbLinear}, {"display-p3", ColorSpace::DisplayP3},
    {"a98-rgb", ColorSpace::A98Rgb}, {"prophoto-rgb", ColorSpace::ProphotoRgb}, {"rec2020", ColorSpace::Rec2020},
    {"xyz", ColorSpace::XyzD65}, {"xyz-d50", ColorSpace::XyzD50}, {"xyz-d65", ColorSpace::XyzD65},
};
constexpr PredefinedSpace mixingSpaces[] = {
    {"srgb", ColorSpace::Srgb}, {"srgb-linear", ColorSpace::SrgbLinear}, {"display-p3", ColorSpace::DisplayP3},
    {"a98-rgb", ColorSpace::A98Rgb}, {"prophoto-rgb", ColorSpace::ProphotoRgb}, {"rec2020", ColorSpace::Rec2020},
    {"lab", ColorSpace::Lab}, {"oklab", ColorSpace::Oklab}, {"xyz", ColorSpace::XyzD65},
    {"xyz-d50", ColorSpace::XyzD50}, {"xyz-d65", ColorSpace::XyzD65}, {"hsl", ColorSpace::Hsl},
    {"hwb", ColorSpace::Hwb}, {"lch", ColorSpace::Lch}, {"oklch", ColorSpace::Oklch},
};

// Colours whose value a page gives: CSS knows them, a colour tool cannot.
constexpr std::string_view systemColors[] = {
    "accentcolor", "accentcolortext", "activetext", "buttonborder", "buttonface", "buttontext", "canvas",
    "canvastext", "field", "fieldtext", "graytext", "highlight", "highlighttext", "linktext", "mark", "marktext",
    "selecteditem", "selecteditemtext", "visitedtext", "activeborder", "activecaption", "appworkspace", "background",
    "buttonhighlight", "buttonshadow", "captiontext", "inactiveborder", "inactivecaption", "inactivecaptiontext",
    "infobackground", "infotext", "menu", "menutext", "scrollbar", "threeddarkshadow", "threedface",
    "threedhighlight", "threedlightshadow", "threedshadow", "window", "windowframe", "windowtext",
};
// clang-format on

double normalizedHue(double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    const double h = std::fmod(degrees, 360);
    return h < 0 ? h + 360 : h;
}

// ---- The parser ----

// No stylesheet nests colours or calculations this deep, and every level costs the reader's
// stack (browsers stop somewhere too); no colour, comments and all, is this long.
constexpr int deepestNesting = 32;
constexpr qsizetype longestText = 10000;

class Parser
{
    Q_DECLARE_TR_FUNCTIONS(CssColorReader)

public:
    explicit Parser(std::string_view text)
        : tokens(text)
    {
        advance();
    }

    std::optional<CssColor> whole()
    {
        std::optional<CssColor> color = parseColor();
        if (color && current.type != Token::Type::End)
            return fail(tr("unexpected %1 after the color").arg(describe(current)));
        return color;
    }

    QString reason;

private:
    std::nullopt_t fail(const QString &why)
    {
        if (reason.isEmpty())
            reason = why;
        return std::nullopt;
    }

    void advance() { current = tokens.next(); }
    bool take(Token::Type type)
    {
        if (current.type != type)
            return false;
        advance();
        return true;
    }
    bool takeIdent(std::string_view name)
    {
        if (current.type != Token::Type::Ident || !AsciiCase::equal(current.text, name))
            return false;
        advance();
        return true;
    }
    // A function or a parenthesis ends at its ")" or, left open, at the end of the text.
    bool closed() { return current.type == Token::Type::End || take(Token::Type::Close); }

    // Reads one more level of functions or parentheses, if the text is not already too deep.
    template <class Read> auto nested(Read read) -> decltype(read())
    {
        if (depth == deepestNesting)
            return fail(tr("functions and parentheses are nested more than %1 deep").arg(deepestNesting));
        ++depth;
        auto result = read();
        --depth;
        return result;
    }

    std::optional<CssColor> parseColor()
    {
        const Token token = current;
        advance();
        switch (token.type) {
        case Token::Type::Ident: return keywordColor(token.text);
        case Token::Type::Hash: return hexColor(token.text);
        case Token::Type::Function: return functionColor(token.text);
        case Token::Type::End: return fail(tr("there is no color"));
        default: return fail(tr("%1 is not a color").arg(describe(token)));
        }
    }

    std::optional<CssColor> keywordColor(std::string_view name)
    {
        if (const std::optional<Rgb> named = NamedColors::find(name))
            return ColorSpaces::fromBytes(*named);
        if (AsciiCase::equal(name, "transparent"))
            return CssColor{ColorSpace::Srgb, {0, 0, 0}, 0, {}};
        if (AsciiCase::equal(name, "currentcolor"))
            return fail(tr("currentcolor depends on the page: it is the color of the text around it"));
        for (std::string_view system : systemColors) {
            if (AsciiCase::equal(name, system))
                return fail(
                    tr("%1 is a system color: it depends on the page and the reader's settings").arg(quoted(name)));
        }
        return fail(tr("unknown color name %1").arg(quoted(name)));
    }

    std::optional<CssColor> hexColor(std::string_view digits)
    {
        if (const size_t bad = digits.find_first_not_of("0123456789abcdefABCDEF"); bad != std::string_view::npos)
            return fail(tr("%1 is not a hexadecimal digit").arg(quoted(digits.substr(bad, 1))));
        const auto digit = [&](size_t i) {
            int value = 0;
            std::from_chars(digits.data() + i, digits.data() + i + 1, value, 16);
            return value;
        };
        const size_t n = digits.size();
        const auto channel = [&](size_t i) { return n <= 4 ? digit(i) * 17 : digit(2 * i) * 16 + digit(2 * i + 1); };
        if (n != 3 && n != 4 && n != 6 && n != 8)
            return fail(tr("'#%1' is not a color: a hexadecimal color has 3, 4, 6 or 8 digits")
                            .arg(QString::fromUtf8(digits.data(), qsizetype(digits.size()))));
        CssColor color = ColorSpaces::fromBytes({quint8(channel(0)), quint8(channel(1)), quint8(channel(2))});
        color.alpha = (n == 4 || n == 8) ? channel(3) / 255.0 : 1;
        return color;
    }

    std::optional<CssColor> functionColor(std::string_view name)
    {
        std::optional<CssColor> color = nested([&] { return colorOfFunction(name); });
        // A relative colour's keywords end with it: a colour read after it has none.
        keywords.clear();
        return color;
    }

    std::optional<CssColor> colorOfFunction(std::string_view name)
    {
        // rgba() and hsla() are rgb() and hsl() by other names.
        if (AsciiCase::equal(name, "rgba") || AsciiCase::equal(name, "hsla"))
            name.remove_suffix(1);
        for (const FunctionForm &form : functionForms) {
            if (AsciiCase::equal(name, form.name))
                return formColor(form);
        }
        if (AsciiCase::equal(name, "color"))
            return predefinedColor();
        if (AsciiCase::equal(name, "color-mix"))
            return mixedColor();
        if (AsciiCase::equal(name, "light-dark"))
            return fail(tr("light-dark() depends on the page's color scheme"));
        return fail(tr("%1() is not a color function").arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
    }

    // ---- Components and calculations ----

    // A component: a number, a percentage, an angle, none, a math function, or a keyword of a
    // relative colour.
    std::optional<Value> component()
    {
        if (takeIdent("none"))
            return Value{Unit::None, 0};
        std::optional<Value> value = term();
        if (value && std::isnan(value->v))
            value->v = 0; // NaN does not leave a calculation
        return value;
    }

    static bool isMathFunction(std::string_view name) { return AsciiCase::equal(name, "calc") || CssMath::find(name); }

    std::optional<Value> term()
    {
        const Token token = current;
        switch (token.type) {
        case Token::Type::Number: advance(); return Value{Unit::Number, token.value};
        case Token::Type::Percentage: advance(); return Value{Unit::Percent, token.value};
        case Token::Type::Dimension:
            if (const std::optional<double> degrees = degreesOf(token.text)) {
                advance();
                return Value{Unit::Angle, token.value * *degrees};
            }
            return fail(tr("%1 is not an angle unit").arg(quoted(token.text)));
        case Token::Type::Ident:
            for (const Keyword &keyword : keywords) {
                if (AsciiCase::equal(token.text, keyword.name)) {
                    advance();
                    return Value{Unit::Number, keyword.value};
                }
            }
            return fail(tr("%1 is not a component here").arg(quoted(token.text)));
        case Token::Type::Function:
            if (!isMathFunction(token.text))
                return fail(tr("%1 cannot stand for a component").arg(describe(token)));
            advance();
            return nested([&]() -> std::optional<Value> {
                if (const CssMath::Function *function = CssMath::find(token.text))
                    return mathFunction(*function);
                return calcGroup(QStringLiteral("calc()"));
            });
        default: return fail(tr("a component is missing before %1").arg(describe(token)));
        }
    }

    std::optional<Value> calcGroup(const QString &opening)
    {
        std::optional<Value> value = calcSum();
        if (value && !closed())
            return fail(tr("%1 is not closed before %2").arg(opening, describe(current)));
        return value;
    }

    std::optional<Value> calcSum()
    {
        std::optional<Value> sum = calcProduct();
        while (sum && current.type == Token::Type::Delim && (current.text == "+" || current.text == "-")) {
            const bool minus = current.text == "-";
            if (!current.spaceBefore)
                return fail(tr("calc() needs white space around + and -"));
            advance();
            if (!current.spaceBefore)
                return fail(tr("calc() needs white space around + and -"));
            const std::optional<Value> right = calcProduct();
            if (!right)
                return std::nullopt;
            if (right->unit != sum->unit)
                return fail(tr("calc() cannot add values of different kinds"));
            sum->v += minus ? -right->v : right->v;
        }
        return sum;
    }

    std::optional<Value> calcProduct()
    {
        std::optional<Value> product = calcValue();
        while (product
            && (current.type == Token::Type::Slash || (current.type == Token::Type::Delim && current.text == "*"))) {
            const bool divide = current.type == Token::Type::Slash;
            advance();
            const std::optional<Value> right = calcValue();
            if (!right)
                return std::nullopt;
            if (divide ? right->unit != Unit::Number : (right->unit != Unit::Number && product->unit != Unit::Number))
                return fail(tr("calc() can only multiply or divide by a plain number"));
            if (divide)
                product->v /= right->v;
            else
                *product = {product->unit == Unit::Number ? right->unit : product->unit, product->v * right->v};
        }
        return product;
    }

    std::optional<Value> calcValue()
    {
        if (take(Token::Type::Open))
            return nested([&] { return calcGroup(QStringLiteral("'('")); });
        if (current.type == Token::Type::Ident) {
            constexpr double inf = std::numeric_limits<double>::infinity();
            constexpr std::pair<std::string_view, double> constants[]
                = {{"e", std::numbers::e}, {"pi", std::numbers::pi}, {"infinity", inf}, {"-infinity", -inf},
                    {"nan", std::numeric_limits<double>::quiet_NaN()}};
            for (const auto &[name, value] : constants) {
                if (takeIdent(name))
                    return Value{Unit::Number, value};
            }
        }
        return term();
    }

    // min(), round(), sin(), ...: the arguments up to the closing parenthesis, checked and computed.
    std::optional<Value> mathFunction(const CssMath::Function &function)
    {
        const QString name = QLatin1String(function.name) + QStringLiteral("()");
        CssMath::Rounding rounding = CssMath::Rounding::Nearest;
        if (function.operation == CssMath::Operation::Round && current.type == Token::Type::Ident) {
            if (const std::optional<CssMath::Rounding> strategy = CssMath::rounding(current.text)) {
                advance();
                if (!take(Token::Type::Comma))
                    return fail(tr("round() needs a comma after its rounding strategy"));
                rounding = *strategy;
            }
        }
        std::vector<Value> arguments;
        do {
            const std::optional<Value> argument = calcSum();
            if (!argument)
                return std::nullopt;
            arguments.push_back(*argument);
        } while (take(Token::Type::Comma));
        if (!closed())
            return fail(tr("%1 is not closed before %2").arg(name, describe(current)));
        if (!argumentsFit(function, name, arguments))
            return std::nullopt;
        std::vector<double> values;
        for (const Value &argument : arguments) {
            const bool radians
                = function.arguments == CssMath::Arguments::NumberOrAngle && argument.unit == Unit::Angle;
            values.push_back(radians ? argument.v * std::numbers::pi / 180 : argument.v);
        }
        const double result = CssMath::apply(function.operation, values, rounding);
        switch (function.result) {
        case CssMath::Result::OfArguments: return Value{arguments.front().unit, result};
        case CssMath::Result::Number: return Value{Unit::Number, result};
        case CssMath::Result::Angle: return Value{Unit::Angle, result * 180 / std::numbers::pi};
        }
        return std::nullopt;
    }

    bool argumentsFit(const CssMath::Function &function, const QString &name, const std::vector<Value> &arguments)
    {
        // Every function takes one value at least, and an empty list is no value: only the
        // functions with a fixed count can be given too many or too few.
        const int count = int(arguments.size());
        if (function.most > 0 && (count < function.least || count > function.most)) {
            if (function.least != function.most)
                return fail(tr("%1 takes one or two values").arg(name)), false;
            return fail(function.most == 1 ? tr("%1 takes one value").arg(name)
                                           : tr("%1 takes %2 values").arg(name).arg(function.most)),
                   false;
        }
        const auto all = [&](auto fits) { return std::ranges::all_of(arguments, fits); };
        switch (function.arguments) {
        case CssMath::Arguments::OneKind:
            if (!all([&](const Value &v) { return v.unit == arguments.front().unit; }))
                return fail(tr("%1 cannot take values of different kinds").arg(name)), false;
            if (function.operation == CssMath::Operation::Round && count == 1 && arguments.front().unit != Unit::Number)
                return fail(tr("round() needs a step to round a percentage or an angle")), false;
            return true;
        case CssMath::Arguments::NumberOrAngle:
            if (!all([](const Value &v) { return v.unit == Unit::Number || v.unit == Unit::Angle; }))
                return fail(tr("%1 takes a number or an angle").arg(name)), false;
            return true;
        case CssMath::Arguments::Numbers:
            if (!all([](const Value &v) { return v.unit == Unit::Number; }))
                return fail(tr("%1 takes plain numbers").arg(name)), false;
            return true;
        }
        return true;
    }

    // ---- The functions ----

    // The keywords of a relative colour: its origin's components in the function's space.
    // What the origin lacks counts as 0.
    void bindKeywords(
        const CssColor &origin, ColorSpace space, const std::array<std::string_view, 3> &names, double rgbScale = 1)
    {
        const CssColor inSpace = ColorSpaces::convert(origin, space);
        keywords.clear();
        for (int i = 0; i < 3; ++i) {
            const double v = inSpace.missing[i] || std::isnan(inSpace.c[i]) ? 0 : inSpace.c[i];
            keywords.push_back({names[i], i == ColorSpaces::hueIndex(space) ? v : v * rgbScale});
        }
        keywords.push_back({"alpha", originAlpha(inSpace)});
    }

    // The alpha a relative colour takes when it gives none: its origin's, as the keyword alpha.
    static double originAlpha(const CssColor &origin) { return origin.alphaMissing ? 0 : origin.alpha; }

    // The colour space named by the current token, taken; nothing for another word.
    const PredefinedSpace *takeSpace(std::span<const PredefinedSpace> spaces)
    {
        for (const PredefinedSpace &candidate : spaces) {
            if (current.type == Token::Type::Ident && AsciiCase::equal(current.text, candidate.name)) {
                advance();
                return &candidate;
            }
        }
        return nullptr;
    }

    // Three components, then an alpha after "/" or, in the comma form, after a comma.
    struct Components
    {
        std::array<Value, 3> c;
        std::optional<Value> alpha;
        bool commas = false;
    };

    std::optional<Components> components(std::string_view name, bool commaFormAllowed)
    {
        Components parts;
        for (int i = 0; i < 3; ++i) {
            if (i == 1 && current.type == Token::Type::Comma)
                parts.commas = true;
            if (i > 0 && parts.commas && !take(Token::Type::Comma))
                return fail(tr("the comma form of %1() separates every component by a comma").arg(QLatin1String(name)));
            if (parts.commas && !commaFormAllowed)
                return fail(tr("%1() has no comma form").arg(QLatin1String(name)));
            if (current.type == Token::Type::Close || current.type == Token::Type::Slash)
                return fail(tr("%1() needs three components").arg(QLatin1String(name)));
            const std::optional<Value> value = component();
            if (!value)
                return std::nullopt;
            parts.c[i] = *value;
        }
        if (parts.commas ? take(Token::Type::Comma) : take(Token::Type::Slash)) {
            parts.alpha = component();
            if (!parts.alpha)
                return std::nullopt;
        }
        if (!closed())
            return fail(tr("unexpected %1 in %2()").arg(describe(current), QLatin1String(name)));
        if (parts.commas) {
            for (const Value &v : parts.c) {
                if (v.unit == Unit::None)
                    return fail(tr("the legacy %1() form does not take none").arg(QLatin1String(name)));
            }
            if (parts.alpha && parts.alpha->unit == Unit::None)
                return fail(tr("the legacy %1() form does not take none").arg(QLatin1String(name)));
        }
        return parts;
    }

    // The alpha is read and checked, or taken from the origin, and the components clamped where
    // CSS clamps them.
    std::optional<CssColor> withAlpha(CssColor color, const std::optional<Value> &alpha, double given)
    {
        color.alpha = given;
        color.alphaMissing = alpha && alpha->unit == Unit::None;
        if (alpha && alpha->unit == Unit::Angle)
            return fail(tr("the alpha cannot be an angle"));
        if (alpha && !color.alphaMissing)
            color.alpha = std::clamp(alpha->unit == Unit::Percent ? alpha->v / 100 : alpha->v, 0.0, 1.0);
        clampComponents(color);
        return color;
    }

    std::optional<CssColor> formColor(const FunctionForm &form)
    {
        std::optional<CssColor> origin;
        if (takeIdent("from")) {
            origin = parseColor();
            if (!origin)
                return std::nullopt;
            bindKeywords(*origin, form.space, form.keywords, form.space == ColorSpace::Srgb ? 255 : 1);
        }
        const std::string_view name = form.name;
        const std::optional<Components> parts = components(name, form.legacy && !origin);
        if (!parts)
            return std::nullopt;
        CssColor color{form.space, {}, 1, {}};
        const std::optional<int> hue = ColorSpaces::hueIndex(form.space);
        for (int i = 0; i < 3; ++i) {
            const Value &v = parts->c[i];
            color.missing[i] = v.unit == Unit::None;
            if (i == hue) {
                if (v.unit == Unit::Percent)
                    return fail(
                        tr("the hue of %1() is a number or an angle, not a percentage").arg(QLatin1String(name)));
                color.c[i] = normalizedHue(v.v);
                continue;
            }
            if (v.unit == Unit::Angle)
                return fail(tr("%1() takes an angle only for its hue").arg(QLatin1String(name)));
            // hsl() and hwb() keep their percentages as 0..100, like their numbers; rgb() is
            // kept as 0..1, clamped only where it is written as such: a relative colour keeps
            // what lies outside sRGB for the gamut mapping, as hsl() and hwb() always do.
            color.c[i] = v.unit == Unit::Percent ? v.v / 100 * form.percentOf[i] : v.v;
            if (form.space == ColorSpace::Srgb)
                color.c[i] = origin ? color.c[i] / 255 : std::clamp(color.c[i] / 255, 0.0, 1.0);
        }
        if (parts->commas && !legacyUnitsAgree(form, parts->c))
            return std::nullopt;
        return withAlpha(color, parts->alpha, origin ? originAlpha(*origin) : 1);
    }

    bool legacyUnitsAgree(const FunctionForm &form, const std::array<Value, 3> &c)
    {
        if (form.space == ColorSpace::Srgb) {
            if (c[0].unit != c[1].unit || c[1].unit != c[2].unit)
                return fail(tr("the legacy rgb() form cannot mix numbers and percentages")), false;
            return true;
        }
        if (c[1].unit != Unit::Percent || c[2].unit != Unit::Percent)
            return fail(tr("the legacy hsl() form needs percentages for saturation and lightness")), false;
        return true;
    }

    // What CSS clamps when it computes the colour, and what lies far outside every gamut.
    static void clampComponents(CssColor &color)
    {
        auto &c = color.c;
        switch (color.space) {
        case ColorSpace::Hsl: c[1] = std::max(c[1], 0.0); break;
        case ColorSpace::Lab: c[0] = std::clamp(c[0], 0.0, 100.0); break;
        case ColorSpace::Lch:
            c[0] = std::clamp(c[0], 0.0, 100.0);
            c[1] = std::max(c[1], 0.0);
            break;
        case ColorSpace::Oklab: c[0] = std::clamp(c[0], 0.0, 1.0); break;
        case ColorSpace::Oklch:
            c[0] = std::clamp(c[0], 0.0, 1.0);
            c[1] = std::max(c[1], 0.0);
            break;
        default: break;
        }
        for (double &v : c)
            v = std::clamp(v, -ColorSpaces::largestComponent, ColorSpaces::largestComponent);
    }

    std::optional<CssColor> predefinedColor()
    {
        std::optional<CssColor> origin;
        if (takeIdent("from")) {
            origin = parseColor();
            if (!origin)
                return std::nullopt;
        }
        const PredefinedSpace *space = takeSpace(predefinedSpaces);
        if (!space)
            return fail(tr("color() does not know the color space %1").arg(describe(current)));
        if (origin) {
            const bool xyz = space->space == ColorSpace::XyzD50 || space->space == ColorSpace::XyzD65;
            bindKeywords(*origin, space->space,
                xyz ? std::array<std::string_view, 3>{"x", "y", "z"} : std::array<std::string_view, 3>{"r", "g", "b"});
        }
        const std::optional<Components> parts = components("color", false);
        if (!parts)
            return std::nullopt;
        CssColor color{space->space, {}, 1, {}};
        for (int i = 0; i < 3; ++i) {
            const Value &v = parts->c[i];
            if (v.unit == Unit::Angle)
                return fail(tr("color() takes no angles"));
            color.missing[i] = v.unit == Unit::None;
            color.c[i] = v.unit == Unit::Percent ? v.v / 100 : v.v;
        }
        return withAlpha(color, parts->alpha, origin ? originAlpha(*origin) : 1);
    }

    // ---- color-mix() ----

    enum class HueMethod { Shorter, Longer, Increasing, Decreasing };

    std::optional<CssColor> mixedColor()
    {
        if (!takeIdent("in"))
            return fail(tr("color-mix() begins with 'in' and a color space"));
        const PredefinedSpace *space = takeSpace(mixingSpaces);
        if (!space)
            return fail(tr("color-mix() cannot mix in %1").arg(describe(current)));
        const std::optional<HueMethod> method = hueMethod(*space);
        if (!method)
            return std::nullopt;
        if (!take(Token::Type::Comma))
            return fail(tr("color-mix() needs a comma after its color space"));
        std::optional<double> p1, p2;
        const std::optional<CssColor> first = mixPart(&p1);
        if (!first)
            return std::nullopt;
        if (!take(Token::Type::Comma))
            return fail(tr("color-mix() needs a comma between its two colors"));
        const std::optional<CssColor> second = mixPart(&p2);
        if (!second)
            return std::nullopt;
        if (!closed())
            return fail(tr("color-mix() mixes two colors; unexpected %1").arg(describe(current)));
        return mix(*first, *second, p1, p2, space->space, *method);
    }

    // One hue interpolation method at most, "shorter hue" where none is given.
    std::optional<HueMethod> hueMethod(const PredefinedSpace &space)
    {
        constexpr std::pair<std::string_view, HueMethod> methods[]
            = {{"shorter", HueMethod::Shorter}, {"longer", HueMethod::Longer}, {"increasing", HueMethod::Increasing},
                {"decreasing", HueMethod::Decreasing}};
        const auto named = [&]() -> const std::pair<std::string_view, HueMethod> * {
            for (const auto &method : methods) {
                if (current.type == Token::Type::Ident && AsciiCase::equal(current.text, method.first))
                    return &method;
            }
            return nullptr;
        };
        const auto *method = named();
        if (!method)
            return HueMethod::Shorter;
        advance();
        if (!ColorSpaces::hueIndex(space.space))
            return fail(tr("%1 has no hue to interpolate").arg(quoted(space.name)));
        if (!takeIdent("hue"))
            return fail(tr("color-mix() needs 'hue' after %1").arg(quoted(method->first)));
        if (named())
            return fail(tr("color-mix() takes one hue interpolation method"));
        return method->second;
    }

    // A colour with its share before or after it. A share calculated is brought into 0% to
    // 100%, as every calculation is into its range; one written plainly must lie there.
    std::optional<CssColor> mixPart(std::optional<double> *percentage)
    {
        const auto readPercentage = [&]() -> bool {
            const bool calculated = current.type == Token::Type::Function && isMathFunction(current.text);
            if (current.type != Token::Type::Percentage && !calculated)
                return true;
            const std::optional<Value> p = term();
            if (!p)
                return false;
            if (p->unit != Unit::Percent || (!calculated && (p->v < 0 || p->v > 100)))
                return fail(tr("a color's share in color-mix() is a percentage from 0% to 100%")), false;
            *percentage = std::isnan(p->v) ? 0 : std::clamp(p->v, 0.0, 100.0);
            return true;
        };
        if (!readPercentage())
            return std::nullopt;
        const bool before = percentage->has_value();
        std::optional<CssColor> color = parseColor();
        if (color && !before && !readPercentage())
            return std::nullopt;
        return color;
    }

    std::optional<CssColor> mix(
        CssColor a, CssColor b, std::optional<double> p1, std::optional<double> p2, ColorSpace space, HueMethod method)
    {
        if (!p1 && !p2)
            p1 = p2 = 50;
        else if (!p1)
            p1 = 100 - *p2;
        else if (!p2)
            p2 = 100 - *p1;
        const double sum = *p1 + *p2;
        if (sum <= 0)
            return fail(tr("the shares in color-mix() add up to 0%"));
        const double t = *p2 / sum;
        const double alphaMultiplier = std::min(sum / 100, 1.0);
        a = ColorSpaces::convert(a, space);
        b = ColorSpaces::convert(b, space);
        // A missing component takes the other colour's; missing in both, it stays missing.
        const auto takeMissing = [&](double &x, double &y, bool xMissing, bool yMissing) {
            if (xMissing && !yMissing)
                x = y;
            else if (yMissing && !xMissing)
                y = x;
        };
        for (int i = 0; i < 3; ++i)
            takeMissing(a.c[i], b.c[i], a.missing[i], b.missing[i]);
        takeMissing(a.alpha, b.alpha, a.alphaMissing, b.alphaMissing);
        const std::optional<int> hue = ColorSpaces::hueIndex(space);
        if (hue && !(a.missing[*hue] && b.missing[*hue]))
            fixHues(a.c[*hue], b.c[*hue], method);
        CssColor mixed{space, {}, a.alpha + (b.alpha - a.alpha) * t, {}};
        for (int i = 0; i < 3; ++i) {
            mixed.missing[i] = a.missing[i] && b.missing[i];
            // Interpolated premultiplied by alpha, but for the hue.
            const double wa = i == hue ? 1 : a.alpha, wb = i == hue ? 1 : b.alpha;
            const double premultiplied = a.c[i] * wa + (b.c[i] * wb - a.c[i] * wa) * t;
            const double divisor = i == hue ? 1 : mixed.alpha;
            mixed.c[i] = divisor == 0 ? premultiplied : premultiplied / divisor;
        }
        if (hue)
            mixed.c[*hue] = normalizedHue(mixed.c[*hue]);
        mixed.alphaMissing = a.alphaMissing && b.alphaMissing;
        mixed.alpha *= alphaMultiplier;
        return mixed;
    }

    static void fixHues(double &a, double &b, HueMethod method)
    {
        const double d = b - a;
        switch (method) {
        case HueMethod::Shorter:
            if (d > 180)
                a += 360;
            else if (d < -180)
                b += 360;
            break;
        case HueMethod::Longer:
            if (std::abs(d) < 180)
                (d > 0 ? a : b) += 360;
            break;
        case HueMethod::Increasing:
            if (d < 0)
                b += 360;
            break;
        case HueMethod::Decreasing:
            if (d > 0)
                a += 360;
            break;
        }
    }

    CssTokenizer tokens;
    Token current;
    std::vector<Keyword> keywords;
    int depth = 0;
};

CssReading tooLong()
{
    return {false, {}, {},
        QCoreApplication::translate("CssColorReader", "the text is longer than %1 characters: no color is so long")
            .arg(longestText)};
}

} // namespace

CssReading readCssColor(std::string_view text)
{
    if (text.size() > size_t(longestText))
        return tooLong();
    Parser parser(text);
    const std::optional<CssColor> color = parser.whole();
    if (!color)
        return {false, {}, {}, parser.reason};
    return {true, *color, ColorSpaces::toBytes(*color), {}};
}

CssReading readCssColor(const QString &text)
{
    if (text.size() > longestText) // before it is copied: UTF-8 is never shorter
        return tooLong();
    const QByteArray utf8 = text.toUtf8();
    return readCssColor(std::string_view(utf8.constData(), size_t(utf8.size())));
}
