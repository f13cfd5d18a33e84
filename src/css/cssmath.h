// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

// The math functions of CSS Values 4 that calc() can hold and that can stand in its place.
namespace CssMath {

enum class Operation {
    Min,
    Max,
    Clamp,
    Round,
    Mod,
    Rem,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    Atan2,
    Pow,
    Sqrt,
    Hypot,
    Log,
    Exp,
    Abs,
    Sign
};

/// What a function's arguments must be: all of one kind (numbers, percentages or angles), a
/// number or an angle, or plain numbers.
enum class Arguments { OneKind, NumberOrAngle, Numbers };

/// What a function gives: a value of its arguments' kind, a number, or an angle.
enum class Result { OfArguments, Number, Angle };

enum class Rounding { Nearest, Up, Down, ToZero };

struct Function
{
    std::string_view name;
    Operation operation;
    int least; // arguments
    int most; // arguments; 0 for any number of them
    Arguments arguments;
    Result result;
};

/// The math function of that name, in any case; nothing for another name (calc() included).
const Function *find(std::string_view name);

/// round()'s strategy of that name (nearest, up, down, to-zero), in any case.
std::optional<Rounding> rounding(std::string_view name);

/// The function's value, angles in and out in radians. NaN where CSS gives NaN: sqrt(-1),
/// mod(1, 0), an infinite step of round() that cannot be taken, any NaN argument.
double apply(Operation operation, std::span<const double> arguments, Rounding rounding);

} // namespace CssMath
