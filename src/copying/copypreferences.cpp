// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "copying/copypreferences.h"

#include "css/cssformats.h"

#include <QCoreApplication>
#include <QSettings>

CopyPreferences CopyPreferences::load(QSettings &settings)
{
    CopyPreferences preferences;
    settings.beginGroup(QStringLiteral("copy"));
    preferences.hex.upperCase = settings.value(QStringLiteral("hexUpperCase"), false).toBool();
    preferences.hex.hash = settings.value(QStringLiteral("hexHash"), true).toBool();
    preferences.hex.shortForm = settings.value(QStringLiteral("hexShort"), false).toBool();
    const int count = settings.beginReadArray(QStringLiteral("templates"));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const NamedTemplate kept{
            settings.value(QStringLiteral("name")).toString(), settings.value(QStringLiteral("text")).toString()};
        if (!preferences.refusal(kept)) // a hand-edited file may hold what the dialog refuses
            preferences.templates.append(kept);
    }
    settings.endArray();
    const QString form = settings.value(QStringLiteral("defaultForm")).toString();
    if (preferences.write({}, form))
        preferences.defaultForm = form;
    settings.endGroup();
    return preferences;
}

void CopyPreferences::save(QSettings &settings) const
{
    settings.beginGroup(QStringLiteral("copy"));
    settings.setValue(QStringLiteral("hexUpperCase"), hex.upperCase);
    settings.setValue(QStringLiteral("hexHash"), hex.hash);
    settings.setValue(QStringLiteral("hexShort"), hex.shortForm);
    settings.setValue(QStringLiteral("defaultForm"), defaultForm);
    settings.remove(QStringLiteral("templates"));
    settings.beginWriteArray(QStringLiteral("templates"), int(templates.size()));
    for (int i = 0; i < templates.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("name"), templates[i].name);
        settings.setValue(QStringLiteral("text"), templates[i].text);
    }
    settings.endArray();
    settings.endGroup();
}

std::optional<ColorTemplate::Result> CopyPreferences::write(Rgb color, const QString &form, const QString &name) const
{
    if (const std::optional<CssFormat> format = CssFormats::named(form))
        return ColorTemplate::Result{
            *format == CssFormat::Hex ? hex.write(color) : CssFormats::write(color, *format), {}};
    for (const NamedTemplate &each : templates) {
        if (each.name == form)
            return ColorTemplate::expand(each.text, color, name, hex);
    }
    return std::nullopt;
}

QString CopyPreferences::writeDefault(Rgb color) const
{
    const QString text = write(color, defaultForm).value_or(ColorTemplate::Result{}).text;
    return text.isEmpty() ? hex.write(color) : text;
}

std::optional<QString> CopyPreferences::refusal(const NamedTemplate &candidate, qsizetype replacing) const
{
    if (candidate.name.trimmed().isEmpty())
        return QCoreApplication::translate("CopyPreferences", "A template needs a name.");
    if (CssFormats::named(candidate.name))
        return QCoreApplication::translate("CopyPreferences", "%1 is the name of a built-in format.")
            .arg(candidate.name);
    for (qsizetype i = 0; i < templates.size(); ++i) {
        if (i != replacing && templates[i].name == candidate.name)
            return QCoreApplication::translate("CopyPreferences", "There is a template named %1 already.")
                .arg(candidate.name);
    }
    const ColorTemplate::Result tried = ColorTemplate::expand(candidate.text, {});
    if (!tried.ok())
        return tried.error;
    return std::nullopt;
}
