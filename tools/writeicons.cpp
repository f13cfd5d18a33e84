// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Writes the application icon in the hicolor layout, from the program's own artwork:
//   writeicons OUTPUT_FOLDER
// gives OUTPUT_FOLDER/hicolor/NxN/apps/APP_ID.png for every installed size, and
// OUTPUT_FOLDER/hicolor/scalable/apps/APP_ID.svg, named by the application's id.
#include "artwork/artwork.h"
#include "rusketversion.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: writeicons OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    for (int size : Artwork::iconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!hicolor.mkpath(folder) || !Artwork::emblem(size).save(hicolor.filePath(folder + "/" RUSKET_APP_ID ".png")))
            return 1;
    }
    QFile svg(hicolor.filePath(QStringLiteral("scalable/apps/" RUSKET_APP_ID ".svg")));
    if (!hicolor.mkpath(QStringLiteral("scalable/apps")) || !svg.open(QIODevice::WriteOnly))
        return 1;
    return svg.write(Artwork::emblemSvg()) > 0 ? 0 : 1;
}
