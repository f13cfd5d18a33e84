// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/csstokenizer.h"

#include "values/entryreading.h"

#include <charconv>
#include <cmath>
#include <string>

namespace {

// A NUL stands for U+FFFD, a letter beyond ASCII, as CSS reads it: it stays inside the name it
// is in, so that a reason quotes the whole name.
bool isNameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '\0'
        || static_cast<unsigned char>(c) >= 0x80;
}
bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isNewline(char c)
{
    return c == '\n' || c == '\r' || c == '\f';
}
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || isNewline(c);
}

void appendUtf8(std::string &into, char32_t c)
{
    if (c < 0x80) {
        into += char(c);
    } else if (c < 0x800) {
        into += char(0xc0 | (c >> 6));
        into += char(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        into += char(0xe0 | (c >> 12));
        into += char(0x80 | ((c >> 6) & 0x3f));
        into += char(0x80 | (c & 0x3f));
    } else {
        into += char(0xf0 | (c >> 18));
        into += char(0x80 | ((c >> 12) & 0x3f));
        into += char(0x80 | ((c >> 6) & 0x3f));
        into += char(0x80 | (c & 0x3f));
    }
}

} // namespace

CssToken CssTokenizer::next()
{
    CssToken token;
    token.spaceBefore = skipSpace();
    if (at >= text.size())
        return token;
    const char c = text[at];
    if (startsNumber())
        return number(token);
    if (startsName(at)) {
        token.text = name();
        token.type = CssToken::Type::Ident;
        if (at < text.size() && text[at] == '(') {
            ++at;
            token.type = CssToken::Type::Function;
        }
        return token;
    }
    ++at;
    token.text = text.substr(at - 1, 1);
    switch (c) {
    case '#':
        token.type = CssToken::Type::Hash;
        token.text = at < text.size() && (isNameChar(text[at]) || isEscape(at)) ? name() : std::string_view();
        return token;
    case ',': token.type = CssToken::Type::Comma; return token;
    case '/': token.type = CssToken::Type::Slash; return token;
    case '(': token.type = CssToken::Type::Open; return token;
    case ')': token.type = CssToken::Type::Close; return token;
    case '+':
    case '-':
    case '*': token.type = CssToken::Type::Delim; return token;
    default: token.type = CssToken::Type::Bad; return token;
    }
}

// Only white space counts as space: calc() needs it around + and -, and a comment is none.
bool CssTokenizer::skipSpace()
{
    bool space = false;
    while (at < text.size()) {
        if (isSpace(text[at])) {
            ++at;
            space = true;
        } else if (text.substr(at, 2) == "/*") {
            const size_t end = text.find("*/", at + 2);
            at = end == std::string_view::npos ? text.size() : end + 2;
        } else {
            break;
        }
    }
    return space;
}

bool CssTokenizer::startsNumber() const
{
    size_t i = at;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && isDigit(text[i]);
}

// A backslash escapes the next character, but not a line end.
bool CssTokenizer::isEscape(size_t i) const
{
    return i < text.size() && text[i] == '\\' && (i + 1 == text.size() || !isNewline(text[i + 1]));
}

bool CssTokenizer::startsName(size_t i) const
{
    if (i < text.size() && text[i] == '-')
        return i + 1 < text.size() && (isNameStart(text[i + 1]) || text[i + 1] == '-' || isEscape(i + 1));
    return i < text.size() && (isNameStart(text[i]) || isEscape(i));
}

void CssTokenizer::skipDigits()
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
}

CssToken CssTokenizer::number(CssToken token)
{
    const bool negative = text[at] == '-';
    if (text[at] == '+' || negative)
        ++at;
    const size_t unsignedStart = at;
    skipDigits();
    if (at + 1 < text.size() && text[at] == '.' && isDigit(text[at + 1])) {
        ++at;
        skipDigits();
    }
    if (at + 1 < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        size_t e = at + 1;
        if (e + 1 < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && isDigit(text[e])) {
            at = e;
            skipDigits();
        }
    }
    const std::string_view digits = text.substr(unsignedStart, at - unsignedStart);
    if (std::from_chars(digits.data(), digits.data() + digits.size(), token.value).ec
        == std::errc::result_out_of_range) {
        // A number's value is the value written: a tiny one is about 0, not beyond every range.
        token.value = decimalOrder(digits) < 0 ? 0 : HUGE_VAL;
    }
    token.value = negative ? -token.value : token.value;
    token.type = CssToken::Type::Number;
    if (at < text.size() && text[at] == '%') {
        ++at;
        token.type = CssToken::Type::Percentage;
    } else if (startsName(at)) {
        token.type = CssToken::Type::Dimension;
        token.text = name();
    }
    return token;
}

// A name's characters; where it has escapes, the name they spell, kept for the token to point to.
std::string_view CssTokenizer::name()
{
    const size_t start = at;
    std::string *unescaped = nullptr;
    while (at < text.size()) {
        if (isNameChar(text[at])) {
            if (unescaped)
                *unescaped += text[at];
            ++at;
        } else if (isEscape(at)) {
            if (!unescaped)
                unescaped = &unescapedNames.emplace_front(text.substr(start, at - start));
            readEscape(*unescaped);
        } else {
            break;
        }
    }
    return unescaped ? std::string_view(*unescaped) : text.substr(start, at - start);
}

// After the backslash: up to six hexadecimal digits and one white space, or any one character.
void CssTokenizer::readEscape(std::string &into)
{
    ++at;
    constexpr char32_t replacement = 0xfffd;
    if (at == text.size()) {
        appendUtf8(into, replacement);
        return;
    }
    if (!isHexDigit(text[at])) {
        into += text[at++];
        return;
    }
    char32_t code = 0;
    for (int digits = 0; digits < 6 && at < text.size() && isHexDigit(text[at]); ++digits, ++at) {
        int digit = 0;
        std::from_chars(text.data() + at, text.data() + at + 1, digit, 16);
        code = code * 16 + char32_t(digit);
    }
    if (at < text.size() && isSpace(text[at]))
        at += text.substr(at, 2) == "\r\n" ? 2 : 1;
    const bool surrogate = code >= 0xd800 && code <= 0xdfff;
    appendUtf8(into, code == 0 || surrogate || code > 0x10ffff ? replacement : code);
}
