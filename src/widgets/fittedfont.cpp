// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "widgets/fittedfont.h"

#include <QFontMetricsF>
#include <QtGlobal>
#include <cmath>

// Each size measured loads a font, which is slow, so the search starts where widths growing in
// step with the size put it, and moves a step at a time from there.
QFont fittedFont(QFont font, const QString &text, qreal width)
{
    const qreal start = font.pointSizeF();
    const int smallest = int((start - 5.0) / 0.2); // no smaller than 5 pt
    const auto fits = [&](int steps) {
        font.setPointSizeF(start - 0.2 * steps);
        return QFontMetricsF(font).horizontalAdvance(text) <= width;
    };
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    if (advance <= width)
        return font;
    int steps = qBound(1, int(std::ceil(start * (1 - width / advance) / 0.2)), smallest);
    if (fits(steps)) {
        while (steps > 1 && fits(steps - 1))
            --steps;
    } else {
        while (steps < smallest && !fits(steps + 1))
            ++steps;
        steps = qMin(steps + 1, smallest);
    }
    font.setPointSizeF(start - 0.2 * steps);
    return font;
}
