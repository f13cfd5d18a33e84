// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// One colour triple: three components 0..255, always red, green, blue in this order.
struct Rgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    quint8 component(int index) const { return index == 0 ? red : index == 1 ? green : blue; }

    // The platform's packed colour value: red in the low byte.
    quint32 packed() const { return red + 256u * green + 65536u * blue; }

    static Rgb fromPacked(quint32 value)
    {
        return {quint8(value & 255), quint8((value >> 8) & 255), quint8((value >> 16) & 255)};
    }

    friend bool operator==(const Rgb &, const Rgb &) = default;
};
