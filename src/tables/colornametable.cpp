// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/colornametable.h"

#include "text/asciicase.h"

#include <QFileInfo>

namespace {

QString searchKey(const QString &name)
{
    QString key = name;
    key.remove(u' ');
    return AsciiCase::lowered(key);
}

} // namespace

std::optional<LoadError> ColorNameTable::load(const QString &path)
{
    std::optional<FieldReader> reader;
    if (std::optional<LoadError> error = FieldReader::open(path, &reader))
        return error;
    return read(*reader, QFileInfo(path).fileName());
}

std::optional<LoadError> ColorNameTable::read(FieldReader &reader, const QString &fileName)
{
    QList<Entry> entries;
    while (!reader.atEndBeforeRecord()) {
        if (entries.size() == capacity)
            return LoadError{fileName, reader.line(),
                QCoreApplication::translate("LoadError", "holds more than %1 color names, the most the table takes")
                    .arg(capacity)};
        const QString name = *reader.readField();
        QString what;
        const std::optional<Rgb> color = reader.readColor(&what);
        if (!color)
            return LoadError{fileName, reader.fieldLine(), what};
        entries.append({*color, name});
    }
    rows = std::move(entries);
    return std::nullopt;
}

bool ColorNameTable::findColorByName(const QString &name, Rgb &color) const
{
    const QString key = searchKey(name);
    for (const Entry &entry : rows) {
        if (searchKey(entry.name) == key) {
            color = entry.color;
            return true;
        }
    }
    return false;
}

QStringList ColorNameTable::findNamesByColor(Rgb color) const
{
    QStringList names;
    for (const Entry &entry : rows) {
        if (entry.color == color)
            names.append(entry.name);
    }
    return names;
}

QString ColorNameTable::joinFurtherNames(const QStringList &names)
{
    QStringList further;
    for (qsizetype i = 1; i < names.size() && !names.at(i).isEmpty(); ++i)
        further.append(names.at(i));
    return further.join(u',');
}
