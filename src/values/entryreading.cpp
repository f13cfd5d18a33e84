// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/entryreading.h"

#include "values/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isIgnoredInByteText(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isAsciiDigit(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (base == 8)
        return u >= u'0' && u <= u'7';
    if (base == 16)
        return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
    return u >= u'0' && u <= u'9';
}

// "&H1F" or "&O17": the digits after the prefix, up to the first character that is none.
double readRadixNumber(const QString &text, int base)
{
    double value = 0;
    for (qsizetype i = 2; i < text.size() && isAsciiDigit(text.at(i), base); ++i) {
        value = value * base + QString(text.at(i)).toInt(nullptr, base);
        if (std::isinf(value))
            break;
    }
    return value;
}

double parseAsciiNumber(const QString &number)
{
    std::string ascii = number.toStdString();
    const bool negative = !ascii.empty() && ascii.front() == '-';
    if (!ascii.empty() && (ascii.front() == '+' || negative))
        ascii.erase(0, 1);
    // std::from_chars reads the longest number at the start; "inf" and "nan", which it would
    // read too, are no numbers here.
    if (ascii.empty() || !(std::isdigit(static_cast<unsigned char>(ascii.front())) || ascii.front() == '.'))
        return 0.0;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Decided by the value written, not by how it is written: a tiny number is 0 like
        // any other small one, a huge one is beyond every range.
        value = decimalOrder(std::string_view(ascii.data(), size_t(end - ascii.data()))) < 0
            ? 0.0
            : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

bool readLocaleNumber(const QString &text, const QLocale &locale, double *value)
{
    bool ok = false;
    const double number = locale.toDouble(text, &ok);
    if (!ok || std::isnan(number))
        return false;
    *value = number;
    return true;
}

} // namespace

long long decimalOrder(std::string_view number)
{
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        const char *first = number.data() + exponentAt + 1;
        const char *last = number.data() + number.size();
        const bool negative = *first == '-';
        first += (*first == '-' || *first == '+');
        // An exponent beyond an int is still far beyond any mantissa's digits. Held there, adding
        // the position of the first digit cannot overflow.
        constexpr long long farBeyond = std::numeric_limits<int>::max();
        if (std::from_chars(first, last, exponent).ec == std::errc::result_out_of_range || exponent > farBeyond)
            exponent = farBeyond;
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return std::numeric_limits<int>::min(); // all zeros
    const auto position = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                                   : -static_cast<long long>(firstSignificant - point);
    return position + exponent;
}

double readLenientDecimal(const QString &text)
{
    QString compact;
    for (QChar c : text) {
        if (!isIgnoredInByteText(c))
            compact.append(c);
    }
    if (compact.size() >= 2 && compact.at(0) == u'&') {
        const QChar kind = compact.at(1).toUpper();
        if (kind == u'H')
            return readRadixNumber(compact, 16);
        if (kind == u'O')
            return readRadixNumber(compact, 8);
    }
    return parseAsciiNumber(compact);
}

double readPercentText(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    double value = 0;
    if (readLocaleNumber(trimmed, locale, &value))
        return value;
    // The leading number: the longest beginning the locale still reads as one. Real leading
    // numbers are short, so the search is bounded to keep absurd pastes cheap.
    constexpr qsizetype longestNumber = 64;
    for (qsizetype length = qMin(trimmed.size() - 1, longestNumber); length > 0; --length) {
        if (readLocaleNumber(trimmed.left(length), locale, &value))
            return value;
    }
    return 0;
}

double percentToComponent(double percent)
{
    return percent / 100.0 * 255.0;
}

double toSinglePrecision(double value)
{
    // Anything this large is out of range anyway; bounding it keeps the cast defined.
    constexpr double bound = 1e30;
    if (std::isnan(value))
        return 0;
    return double(float(qBound(-bound, value, bound)));
}

qint16 makeWhole(double value)
{
    if (std::isnan(value))
        return 0;
    const double clamped = qBound(-32768.0, value, 32767.0);
    return qint16(std::nearbyint(clamped));
}

QString percentText(quint8 component, const QLocale &locale)
{
    // From 0 to 100, 'g' with 7 digits never needs an exponent.
    return QString::number(double(percentOf(float(component), 255)), 'g', 7).replace(u'.', locale.decimalPoint());
}

int wholePercent(const QString &percentText, const QLocale &locale)
{
    return int(std::floor(qBound(-1e9, readPercentText(percentText, locale), 1e9)));
}

std::array<double, 3> readComponents(ColorSource notation, const std::array<QString, 3> &texts, const QLocale &locale)
{
    std::array<double, 3> components{};
    for (int i = 0; i < 3; ++i) {
        double value = 0;
        if (notation == ColorSource::Byte)
            value = readLenientDecimal(texts[i]);
        else if (notation == ColorSource::Percent)
            value = percentToComponent(readPercentText(texts[i], locale));
        else
            value = hexToByte(texts[i]);
        components[i] = i == 2 ? toSinglePrecision(value) : value;
    }
    return components;
}
