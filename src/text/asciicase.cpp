// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "text/asciicase.h"

#include <algorithm>

namespace AsciiCase {

bool equal(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

bool less(std::string_view a, std::string_view b)
{
    return std::ranges::lexicographical_compare(a, b, [](char x, char y) { return uchar(lower(x)) < uchar(lower(y)); });
}

QString lowered(QString text)
{
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return text;
}

} // namespace AsciiCase
