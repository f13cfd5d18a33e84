// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/fieldreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

FieldReader::FieldReader(QByteArray text)
    : data(std::move(text))
{ }

std::optional<LoadError> FieldReader::open(const QString &path, std::optional<FieldReader> *reader)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadError{QFileInfo(path).fileName(), 0,
            QCoreApplication::translate("LoadError", "cannot be read (%1)").arg(file.errorString())};
    reader->emplace(file.readAll());
    return std::nullopt;
}

bool FieldReader::atLineEnd() const
{
    return pos < data.size() && (data.at(pos) == '\n' || data.at(pos) == '\r');
}

void FieldReader::skipLineEnd()
{
    if (data.at(pos) == '\r' && pos + 1 < data.size() && data.at(pos + 1) == '\n')
        ++pos;
    ++pos;
    ++currentLine;
}

void FieldReader::skipBlanks()
{
    while (pos < data.size() && (data.at(pos) == ' ' || data.at(pos) == '\t'))
        ++pos;
}

bool FieldReader::atEndBeforeRecord()
{
    for (;;) {
        skipBlanks();
        if (!atLineEnd())
            return pos >= data.size();
        skipLineEnd();
    }
}

std::optional<QString> FieldReader::readField()
{
    skipBlanks();
    if (pos >= data.size())
        return std::nullopt; // lastFieldLine stays inside the record that was cut short
    lastFieldLine = currentLine;

    QByteArray field;
    if (data.at(pos) == '"') {
        const qsizetype close = data.indexOf('"', pos + 1);
        const qsizetype end = close == -1 ? data.size() : close;
        field = data.mid(pos + 1, end - pos - 1);
        currentLine += int(field.count('\n'));
        pos = qMin(end + 1, data.size()); // past the closing quote, where there is one
        // Whatever stands between the closing quote and the delimiter is not part of the field.
        while (pos < data.size() && data.at(pos) != ',' && !atLineEnd())
            ++pos;
    } else {
        const qsizetype start = pos;
        while (pos < data.size() && data.at(pos) != ',' && !atLineEnd())
            ++pos;
        field = data.mid(start, pos - start).trimmed();
    }

    if (pos < data.size()) {
        if (data.at(pos) == ',')
            ++pos;
        else
            skipLineEnd();
    }
    return QString::fromUtf8(field);
}

std::optional<quint8> FieldReader::readComponent(QString *error)
{
    const std::optional<QString> field = readField();
    if (!field) {
        *error = QCoreApplication::translate("LoadError", "the file ends where a color component was expected");
        return std::nullopt;
    }
    bool isNumber = !field->isEmpty() && field->size() <= 3;
    for (QChar c : *field)
        isNumber = isNumber && c >= u'0' && c <= u'9';
    const int value = isNumber ? field->toInt() : -1;
    if (value < 0 || value > 255) {
        *error = QCoreApplication::translate(
            "LoadError", "\"%1\" is not a color component (a whole number from 0 to 255)")
                     .arg(field->left(40));
        return std::nullopt;
    }
    return quint8(value);
}

std::optional<Rgb> FieldReader::readColor(QString *error)
{
    Rgb color;
    for (quint8 *component : {&color.red, &color.green, &color.blue}) {
        const std::optional<quint8> value = readComponent(error);
        if (!value)
            return std::nullopt;
        *component = *value;
    }
    return color;
}
