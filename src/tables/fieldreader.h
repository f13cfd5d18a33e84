// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/loaderror.h"
#include "values/rgb.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Sequential reading of comma- and line-delimited text: a comma or a line end (CR LF, LF or
// CR) ends a field, blanks in front of a field are skipped, and a field in double quotes may
// hold commas. The end of the data is tested only before a record.
class FieldReader
{
public:
    explicit FieldReader(QByteArray text);

    /// A reader over a whole file, which is opened, read and closed at once.
    static std::optional<LoadError> open(const QString &path, std::optional<FieldReader> *reader);

    /// Skips blank lines; true when nothing but them is left.
    bool atEndBeforeRecord();

    /// The next field, or nothing when the data ended first.
    std::optional<QString> readField();

    /// The next field as a component: a whole number 0..255, or nothing when it is not one.
    /// `error` receives what was wrong.
    std::optional<quint8> readComponent(QString *error);

    /// The next three fields as red, green and blue.
    std::optional<Rgb> readColor(QString *error);

    /// The line the reader stands on, counted from 1.
    int line() const { return currentLine; }

    /// The line on which the last field read began.
    int fieldLine() const { return lastFieldLine; }

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipBlanks();

    QByteArray data;
    qsizetype pos = 0;
    int currentLine = 1;
    int lastFieldLine = 1;
};
