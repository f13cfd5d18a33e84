// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/palettestore.h"

#include <QObject>
#include <QStringList>

class ScreenPick;

// Keeps the colours a pick from the screen gives in History, each as it comes: those kept while
// the overlay stays open and, where asked, the one that ends the pick. A History that cannot be
// saved is told once the pick is over, so that nothing waits while the overlay holds the screen.
class PickHistory : public QObject
{
    Q_OBJECT

public:
    enum class Colors { Kept, KeptAndPicked };

    PickHistory(ScreenPick *pick, Colors colors, const QString &folder = PaletteStore::defaultFolder());

signals:
    /// After the pick: why colours could not be kept in History, one sentence a line.
    void failed(const QString &message);

private:
    void record(Rgb color);
    void tellProblems();

    PaletteStore store;
    QStringList problems;
};
