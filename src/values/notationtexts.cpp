// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/notationtexts.h"

#include "values/conversions.h"
#include "values/entryreading.h"

NotationTexts NotationTexts::of(Rgb color, const QLocale &locale)
{
    NotationTexts texts;
    for (int i = 0; i < 3; ++i) {
        const qint16 component = color.component(i);
        texts.byte[i] = QString::number(component);
        texts.percent[i] = percentText(quint8(component), locale);
        texts.hex[i] = byteToHex(component);
    }
    texts.byteShow = QStringLiteral("rgb(%1,%2,%3)").arg(texts.byte[0], texts.byte[1], texts.byte[2]);
    texts.percentShow = QStringLiteral("rgb(%1%,%2%,%3%)")
                            .arg(wholePercent(texts.percent[0], locale))
                            .arg(wholePercent(texts.percent[1], locale))
                            .arg(wholePercent(texts.percent[2], locale));
    texts.hexShow = QStringLiteral("=\"#") + texts.hex[0] + texts.hex[1] + texts.hex[2] + u'"';
    return texts;
}
