// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/palette.h"

#include <QFileInfo>
#include <cstdlib>
#include <limits>

std::optional<LoadError> Palette::load(const QString &path, int count)
{
    std::optional<FieldReader> reader;
    if (std::optional<LoadError> error = FieldReader::open(path, &reader))
        return error;
    return read(*reader, count, QFileInfo(path).fileName());
}

std::optional<LoadError> Palette::read(FieldReader &reader, int count, const QString &fileName)
{
    QList<Rgb> colors;
    while (colors.size() < count) {
        if (reader.atEndBeforeRecord())
            return LoadError{fileName, reader.line(),
                QCoreApplication::translate("LoadError", "ends after %n of its %1 colors", nullptr, int(colors.size()))
                    .arg(count)};
        QString what;
        const std::optional<Rgb> color = reader.readColor(&what);
        if (!color)
            return LoadError{fileName, reader.fieldLine(), what};
        colors.append(*color);
    }
    members = std::move(colors);
    return std::nullopt;
}

bool Palette::contains(Rgb color) const
{
    return members.contains(color);
}

Rgb Palette::nearest(int red, int green, int blue) const
{
    // Start above any possible distance, so that even components far outside 0..255 find
    // a member.
    int bestDistance = std::numeric_limits<int>::max();
    Rgb best;
    for (const Rgb &entry : members) {
        const int distance = std::abs(entry.green - green) + std::abs(entry.red - red) + std::abs(entry.blue - blue);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entry;
            if (distance == 0)
                break;
        }
    }
    return best;
}
