// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/cssmath.h"

#include "text/asciicase.h"

#include <array>
#include <cmath>
#include <limits>

namespace CssMath {
namespace {

using enum Operation;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// clang-format off
constexpr Function functions[] = {
    {"min",   Min,   1, 0, Arguments::OneKind,       Result::OfArguments},
    {"max",   Max,   1, 0, Arguments::OneKind,       Result::OfArguments},
    {"clamp", Clamp, 3, 3, Arguments::OneKind,       Result::OfArguments},
    {"round", Round, 1, 2, Arguments::OneKind,       Result::OfArguments},
    {"mod",   Mod,   2, 2, Arguments::OneKind,       Result::OfArguments},
    {"rem",   Rem,   2, 2, Arguments::OneKind,       Result::OfArguments},
    {"sin",   Sin,   1, 1, Arguments::NumberOrAngle, Result::Number},
    {"cos",   Cos,   1, 1, Arguments::NumberOrAngle, Result::Number},
    {"tan",   Tan,   1, 1, Arguments::NumberOrAngle, Result::Number},
    {"asin",  Asin,  1, 1, Arguments::Numbers,       Result::Angle},
    {"acos",  Acos,  1, 1, Arguments::Numbers,       Result::Angle},
    {"atan",  Atan,  1, 1, Arguments::Numbers,       Result::Angle},
    {"atan2", Atan2, 2, 2, Arguments::OneKind,       Result::Angle},
    {"pow",   Pow,   2, 2, Arguments::Numbers,       Result::Number},
    {"sqrt",  Sqrt,  1, 1, Arguments::Numbers,       Result::Number},
    {"hypot", Hypot, 1, 0, Arguments::OneKind,       Result::OfArguments},
    {"log",   Log,   1, 2, Arguments::Numbers,       Result::Number},
    {"exp",   Exp,   1, 1, Arguments::Numbers,       Result::Number},
    {"abs",   Abs,   1, 1, Arguments::OneKind,       Result::OfArguments},
    {"sign",  Sign,  1, 1, Arguments::OneKind,       Result::Number},
};
// clang-format on

// The smallest (or largest) argument; NaN as soon as one is NaN.
double extreme(std::span<const double> values, bool largest)
{
    double result = values.front();
    for (double v : values) {
        if (std::isnan(v))
            return nan;
        result = largest ? std::max(result, v) : std::min(result, v);
    }
    return result;
}

// The multiple of the step's size that the strategy picks; ties to the nearest go up.
double roundTo(double value, double step, Rounding rounding)
{
    if (step == 0 || (std::isinf(value) && std::isinf(step)))
        return nan;
    if (std::isinf(value))
        return value;
    if (std::isinf(step)) {
        constexpr double inf = std::numeric_limits<double>::infinity();
        switch (rounding) {
        case Rounding::Up: return value > 0 ? inf : value == 0 ? value : -0.0;
        case Rounding::Down: return value < 0 ? -inf : value == 0 ? value : 0.0;
        default: return std::copysign(0.0, value);
        }
    }
    const double size = std::abs(step);
    const double lower = std::floor(value / size) * size, upper = std::ceil(value / size) * size;
    switch (rounding) {
    case Rounding::Up: return upper;
    case Rounding::Down: return lower;
    case Rounding::ToZero: return value < 0 ? upper : lower;
    case Rounding::Nearest: return value - lower < upper - value ? lower : upper;
    }
    return nan;
}

// The remainder with the divisor's sign; an infinite divisor of the other sign leaves none.
double modulo(double value, double divisor)
{
    if (std::isinf(divisor) && std::signbit(value) != std::signbit(divisor))
        return nan;
    const double r = std::fmod(value, divisor);
    return r != 0 && (r < 0) != (divisor < 0) ? r + divisor : r;
}

} // namespace

const Function *find(std::string_view name)
{
    for (const Function &function : functions) {
        if (AsciiCase::equal(name, function.name))
            return &function;
    }
    return nullptr;
}

std::optional<Rounding> rounding(std::string_view name)
{
    constexpr std::pair<std::string_view, Rounding> strategies[] = {
        {"nearest", Rounding::Nearest}, {"up", Rounding::Up}, {"down", Rounding::Down}, {"to-zero", Rounding::ToZero}};
    for (const auto &[strategy, value] : strategies) {
        if (AsciiCase::equal(name, strategy))
            return value;
    }
    return std::nullopt;
}

double apply(Operation operation, std::span<const double> a, Rounding rounding)
{
    switch (operation) {
    case Min: return extreme(a, false);
    case Max: return extreme(a, true);
    case Clamp: return extreme(std::array{a[0], extreme(a.subspan(1), false)}, true);
    case Round: return roundTo(a[0], a.size() > 1 ? a[1] : 1, rounding);
    case Mod: return modulo(a[0], a[1]);
    case Rem: return std::fmod(a[0], a[1]);
    case Sin: return std::sin(a[0]);
    case Cos: return std::cos(a[0]);
    case Tan: return std::tan(a[0]);
    case Asin: return std::asin(a[0]);
    case Acos: return std::acos(a[0]);
    case Atan: return std::atan(a[0]);
    case Atan2: return std::atan2(a[0], a[1]);
    case Pow: return std::pow(a[0], a[1]);
    case Sqrt: return std::sqrt(a[0]);
    case Hypot: {
        double length = 0;
        for (double v : a)
            length = std::hypot(length, v);
        return length;
    }
    case Log: return a.size() > 1 ? std::log(a[0]) / std::log(a[1]) : std::log(a[0]);
    case Exp: return std::exp(a[0]);
    case Abs: return std::abs(a[0]);
    case Sign: return a[0] > 0 ? 1 : a[0] < 0 ? -1 : a[0];
    }
    return nan;
}

} // namespace CssMath
