// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// How fast palettes are saved and read, on the disk the folder is on:
//   palettebench [FOLDER]      (a new temporary folder inside FOLDER, by default the system's)
// - adding one colour to a palette of 1,000 colours and saving it (goal: under 10 ms), both
//   when only this program writes the file and when another program changed it just before,
//   so that the save reads, merges and writes;
// - reading a folder of twenty palettes of 1,000 colours, as a window does when it opens.
#include "palettes/palettestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int paletteSize = 1000;
constexpr int runs = 200;

UserPalette paletteOf(const QString &name, int size, quint32 first)
{
    UserPalette palette;
    palette.name = name;
    for (int i = 0; i < size; ++i)
        palette.entries.append({Rgb::fromPacked(first + quint32(i) * 4099), QStringLiteral("color %1").arg(i)});
    return palette;
}

// The median and the slowest of the runs, in milliseconds; `prepare` is not timed.
void report(
    const char *what, int count, const std::function<void(int run)> &step, const std::function<void()> &prepare = [] {})
{
    QList<double> times;
    for (int run = 0; run < count; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step(run);
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms (%d runs)\n", what, times.at(times.size() / 2), times.last(),
        int(times.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir folder(base + QStringLiteral("/palettebench-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "palettebench: cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    std::printf("in %s\n", qPrintable(folder.path()));

    PaletteStore store(folder.path());
    QString id;
    if (const std::optional<LoadError> error = store.create(paletteOf(QStringLiteral("Large"), paletteSize, 1), &id)) {
        std::fprintf(stderr, "palettebench: %s\n", qPrintable(error->text()));
        return 1;
    }
    // Add one colour and take the oldest away, so that the palette stays at 1,000 colours.
    const auto addOne = [&](int run) {
        UserPalette palette = *store.palette(id);
        palette.entries.append({Rgb::fromPacked(0xabcdef - quint32(run)), QStringLiteral("added")});
        palette.entries.removeFirst();
        if (store.save(id, palette))
            std::fprintf(stderr, "palettebench: the save failed\n");
    };
    report("add one colour to a palette of 1,000 colours, saved", runs, addOne);

    const QString path = folder.filePath(id);
    report(
        "the same, after another program changed the file", runs, [&](int run) { addOne(runs + run); },
        [&] {
            QFile file(path);
            if (file.open(QIODevice::Append))
                file.write(QByteArrayLiteral("1 2 3 from elsewhere\n"));
        });

    for (int i = 1; i < 20; ++i)
        store.create(paletteOf(QStringLiteral("Large %1").arg(i), paletteSize, quint32(i) * 1000003), nullptr);
    report("read twenty palettes of 1,000 colours", 20, [&](int) {
        PaletteStore reader(folder.path());
        if (!reader.reload().problems.isEmpty() || reader.ids().size() != 21)
            std::fprintf(stderr, "palettebench: the folder did not read back\n");
    });
    return 0;
}
