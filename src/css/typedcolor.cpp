// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/typedcolor.h"

#include <QRegularExpression>

TypedColor TypedColor::of(const QString &typed)
{
    static const QRegularExpression functional(QStringLiteral("^[a-zA-Z-]+\\("));
    static const QRegularExpression word(QStringLiteral("^[a-zA-Z]+$"));
    const QString text = typed.trimmed();
    const bool css = text.startsWith(u'#') || functional.match(text).hasMatch();
    if (!css && !word.match(text).hasMatch())
        return {};
    CssReading reading = readCssColor(text);
    if (reading.ok)
        return {Kind::Color, reading};
    return {css ? Kind::Refused : Kind::NotCss, reading};
}
