// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <forward_list>
#include <string>
#include <string_view>

// One token of CSS, as far as colours need them.
struct CssToken
{
    enum class Type {
        Ident,
        Function,
        Hash,
        Number,
        Percentage,
        Dimension,
        Comma,
        Slash,
        Open,
        Close,
        Delim,
        End,
        Bad
    };
    Type type = Type::End;
    std::string_view text; // the name (escapes read), the hash's name, the unit, or the character
    double value = 0;
    bool spaceBefore = false; // white space before it; a comment alone is none
};

/// Splits a colour's text into CSS tokens. Comments only end the token before them; escapes
/// in names (`r\65 d`) stand for the characters they name. A number too small for a double
/// is 0, one too large is infinite.
class CssTokenizer
{
public:
    explicit CssTokenizer(std::string_view text)
        : text(text)
    { }

    CssToken next();

private:
    bool skipSpace();
    bool startsNumber() const;
    bool startsName(size_t i) const;
    bool isEscape(size_t i) const;
    void skipDigits();
    CssToken number(CssToken token);
    std::string_view name();
    void readEscape(std::string &into);

    std::string_view text;
    size_t at = 0;
    std::forward_list<std::string> unescapedNames; // what the tokens of names with escapes point into
};
