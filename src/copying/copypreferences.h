// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/colortemplate.h"
#include "copying/hexstyle.h"

#include <QList>
#include <QString>
#include <optional>

class QSettings;

// A template the user named, offered beside the built-in forms.
struct NamedTemplate
{
    QString name;
    QString text;

    friend bool operator==(const NamedTemplate &, const NamedTemplate &) = default;
};

// How the user wants colours copied: the hexadecimal style, the form Ctrl+C, drags and
// --pick use, and the user's own templates. Kept in the user's settings.
struct CopyPreferences
{
    HexStyle hex;
    QString defaultForm = QStringLiteral("hex"); // a CSS format's name or a template's
    QList<NamedTemplate> templates;

    static CopyPreferences load(QSettings &settings);
    void save(QSettings &settings) const;

    /// The colour in a form, a CSS format's name or a template's; nothing for an unknown form.
    std::optional<ColorTemplate::Result> write(Rgb color, const QString &form, const QString &name = {}) const;

    /// The colour in the default form, or in hex where that form writes nothing (a colour with
    /// no CSS name in the name form): what Ctrl+C, drags and --pick give.
    QString writeDefault(Rgb color) const;

    /// Why a template cannot be kept under this name and text, or nothing when it can.
    std::optional<QString> refusal(const NamedTemplate &candidate, qsizetype replacing = -1) const;

    friend bool operator==(const CopyPreferences &, const CopyPreferences &) = default;
};
