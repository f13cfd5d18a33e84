// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/pickhistory.h"

#include "palettes/history.h"
#include "picking/screenpick.h"

PickHistory::PickHistory(ScreenPick *pick, Colors colors, const QString &folder)
    : QObject(pick)
    , store(folder)
{
    connect(pick, &ScreenPick::kept, this, &PickHistory::record);
    if (colors == Colors::KeptAndPicked)
        connect(pick, &ScreenPick::picked, this, &PickHistory::record);
    // Connected after the recording, so that the problems of the last colour are told too.
    connect(pick, &ScreenPick::picked, this, &PickHistory::tellProblems);
    connect(pick, &ScreenPick::cancelled, this, &PickHistory::tellProblems);
}

void PickHistory::record(Rgb color)
{
    if (const std::optional<LoadError> error = History::recordIn(store, color))
        problems.append(tr("The color could not be kept in History: %1").arg(error->text()));
}

void PickHistory::tellProblems()
{
    if (!problems.isEmpty())
        emit failed(std::exchange(problems, {}).join(u'\n'));
}
