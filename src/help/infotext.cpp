// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "help/infotext.h"

#include "rusketversion.h"

#include <QCoreApplication>

QString infoMessage()
{
    return QCoreApplication::translate("InfoText",
        "Two documents for understanding web colors can be downloaded at the W3C (https://www.w3.org/), the "
        "official HTML4 and CSS2 specifications. This program is only meant as a tool to be used additionally to "
        "an editor (such as Notepad) if you already know how the colors work.");
}

QString aboutText()
{
    return QCoreApplication::translate("InfoText",
        "Rusket %1 is freeware, written by the Rusket authors. Visit the authors' web site for more free programs.")
        .arg(QLatin1String(RUSKET_VERSION));
}
