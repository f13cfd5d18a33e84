// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/palettefiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace PaletteFiles {
namespace {

constexpr int longestBaseName = 48; // characters, each at most 4 bytes: far below 255 bytes

bool isFileNameCharacter(char32_t c)
{
    return c == U'_' || QChar::isLetterOrNumber(c);
}

LoadError tooLarge(const QString &name)
{
    return {name, 0,
        QCoreApplication::translate("Palettes", "is larger than %1 MB, too large for a palette")
            .arg(largestFile / (1024 * 1024))};
}

} // namespace

std::optional<LoadError> read(const QString &path, QByteArray *data)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return LoadError{info.fileName(), 0,
            QCoreApplication::translate("Palettes", "is not a file that can be read: a folder, a device or a pipe")};
    if (info.size() > largestFile)
        return tooLarge(info.fileName());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadError{info.fileName(), 0,
            QCoreApplication::translate("LoadError", "cannot be read (%1)").arg(file.errorString())};
    *data = file.read(largestFile + 1); // a file that grew since is still read no further
    if (data->size() > largestFile)
        return tooLarge(info.fileName());
    return std::nullopt;
}

std::optional<LoadError> write(const QString &path, const QByteArray &data)
{
    // The explicit flush matters: Qt 6.4's commit() does not notice when the buffered rest
    // fails to go out (a full disk), and would put a cut file in place of the old one.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush() && file.commit())
        return std::nullopt;
    return LoadError{QFileInfo(path).fileName(), 0,
        QCoreApplication::translate("Palettes", "cannot be saved (%1)").arg(file.errorString())};
}

QString fileNameFor(const QString &paletteName, const QStringList &taken)
{
    QString base;
    int length = 0;
    bool separator = false;
    for (const char32_t c : paletteName.toUcs4()) {
        if (!isFileNameCharacter(c)) {
            separator = !base.isEmpty();
            continue;
        }
        if (length + separator >= longestBaseName)
            break;
        if (separator)
            base += u'-';
        base += QString::fromUcs4(&c, 1);
        length += 1 + separator;
        separator = false;
    }
    base = base.isEmpty() ? QStringLiteral("palette") : base.toLower();
    QString fileName = base + QStringLiteral(".gpl");
    for (int n = 2; taken.contains(fileName, Qt::CaseInsensitive); ++n)
        fileName = base + u'-' + QString::number(n) + QStringLiteral(".gpl");
    return fileName;
}

} // namespace PaletteFiles
