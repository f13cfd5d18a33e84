// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// Why a data file could not be read: which file, which line (0 when no line applies), what.
struct LoadError
{
    QString file;
    int line = 0;
    QString what;

    QString text() const
    {
        return line > 0 ? QCoreApplication::translate("LoadError", "%1, line %2: %3").arg(file).arg(line).arg(what)
                        : QCoreApplication::translate("LoadError", "%1: %2").arg(file, what);
    }
};
