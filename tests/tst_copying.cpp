// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "copying/colortemplate.h"
#include "copying/copypreferences.h"
#include "css/cssformats.h"
#include "palettes/paletteexport.h"
#include "values/linearlight.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Copying the way the user's code is written: hexadecimal styles, templates, the preferences
// that keep them, and the average a sample over several pixels takes.
class CopyingTest : public QObject
{
    Q_OBJECT

private slots:
    void hexStyles()
    {
        const std::tuple<HexStyle, Rgb, const char *> rows[] = {
            {{}, {255, 128, 0}, "#ff8000"},
            {{true, false, false}, {255, 128, 0}, "FF8000"},
            {{false, true, true}, {255, 136, 0}, "#f80"},
            {{true, false, true}, {0x11, 0x22, 0x33}, "123"},
            {{false, true, true}, {255, 128, 0}, "#ff8000"}, // short only where it says the same colour
            {{false, true, true}, {255, 136, 1}, "#ff8801"},
        };
        for (const auto &[style, color, text] : rows)
            QCOMPARE(style.write(color), QLatin1String(text));
    }

    void templates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        // (255, 128, 0): the fractions and percentages by hand, 128 / 255 = 0.50196…; its hue is 30.1,
        // as 30 would put green on a rounding half (127.5)
        QTest::newRow("bytes") << "Color({r}, {g}, {b})"
                               << ""
                               << "Color(255, 128, 0)";
        QTest::newRow("fractions") << "UIColor(red: {r.f}, green: {g.f}, blue: {b.f}, alpha: 1)"
                                   << ""
                                   << "UIColor(red: 1, green: 0.502, blue: 0, alpha: 1)";
        QTest::newRow("percentages") << "{r.p}% {g.p}% {b.p}%"
                                     << ""
                                     << "100% 50.2% 0%";
        QTest::newRow("hex digits") << "0x{r.x}{g.x}{b.x}"
                                    << ""
                                    << "0xff8000";
        QTest::newRow("hsl's parts") << "{hsl.h}/{hsl.s}/{hsl.l}"
                                     << ""
                                     << "30.1/100/50";
        QTest::newRow("hwb's parts") << "{hwb.h} {hwb.w} {hwb.b}"
                                     << ""
                                     << "30.1 0 0";
        QTest::newRow("the name given") << "--{name}: {hex};"
                                        << "brand"
                                        << "--brand: #ff8000;";
        QTest::newRow("a CSS rule's braces are text") << "a { color: {hex}; }"
                                                      << ""
                                                      << "a { color: #ff8000; }";
        QTest::newRow("unknown") << "x{foo}y"
                                 << ""
                                 << "unknown placeholder {foo}";
        QTest::newRow("unknown case") << "{R}"
                                      << ""
                                      << "unknown placeholder {R}";
        QTest::newRow("unknown part") << "{oklch.x}"
                                      << ""
                                      << "unknown placeholder {oklch.x}";
        QTest::newRow("unknown suffix") << "{r.q}"
                                        << ""
                                        << "unknown placeholder {r.q}";
        QTest::newRow("a part of a part") << "{r.f.x}"
                                          << ""
                                          << "unknown placeholder {r.f.x}";
        QTest::newRow("a dot and no part") << "{hex.}"
                                           << ""
                                           << "unknown placeholder {hex.}";
        QTest::newRow("a name has no parts") << "{name.n}"
                                             << ""
                                             << "unknown placeholder {name.n}";
    }

    void templates()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const ColorTemplate::Result result = ColorTemplate::expand(text, {255, 128, 0}, name);
        QCOMPARE(result.ok() ? result.text : result.error, expected);
    }

    void everyPlaceholder()
    {
        // Each format's parts make up its text again; the CSS name stands in for a missing one.
        const Rgb color{18, 52, 86};
        for (const char *format : {"rgb", "hsl", "hwb", "lab", "lch", "oklab", "oklch"}) {
            const QString text = CssFormats::write(color, *CssFormats::named(QString::fromLatin1(format)));
            QString parts = QStringLiteral("%1({%1.%2} {%1.%3} {%1.%4})").arg(QLatin1String(format));
            const QString letters = QLatin1String(format).right(3);
            parts = parts.arg(letters[0]).arg(letters[1]).arg(letters[2]);
            QCOMPARE(ColorTemplate::expand(parts, color).text, QString(text).remove(u'%'));
        }
        QCOMPARE(ColorTemplate::expand(
                     QStringLiteral("color(display-p3 {display-p3.r} {display-p3.g} {display-p3.b})"), color)
                     .text,
            CssFormats::write(color, CssFormat::DisplayP3));
        QCOMPARE(ColorTemplate::expand(QStringLiteral("{name}"), {255, 0, 0}).text, QStringLiteral("red"));
        QCOMPARE(ColorTemplate::expand(QStringLiteral("{name}"), color).text, QString());
        for (const QString &placeholder : ColorTemplate::placeholders())
            QVERIFY2(ColorTemplate::expand(placeholder, color).ok(), qPrintable(placeholder));
        // Every fraction and percentage reads back as its byte, clear of a rounding half.
        for (int byte = 0; byte < 256; ++byte) {
            const Rgb grey{quint8(byte), quint8(byte), quint8(byte)};
            for (const auto &[placeholder, whole] : {std::pair{"{r.f}", 1.0}, std::pair{"{r.p}", 100.0}}) {
                const double read = ColorTemplate::expand(QLatin1String(placeholder), grey).text.toDouble() / whole;
                QVERIFY2(std::abs(read * 255 - byte) < 0.5 - 1e-6, qPrintable(QString::number(byte)));
            }
        }
    }

    void templatesInExport()
    {
        const UserPalette palette{
            QStringLiteral("Brand"), {{{255, 128, 0}, QStringLiteral("brand 500")}, {{18, 52, 86}, {}}}};
        const QString alpha = QStringLiteral("rgb({r} {g} {b} / 50%)");
        QCOMPARE(PaletteExport::write(palette, PaletteForm::Css, CssFormat::Hex, alpha),
            QStringLiteral(":root {\n  --brand-500: rgb(255 128 0 / 50%);\n  --brand-2: rgb(18 52 86 / 50%);\n}\n"));
        QCOMPARE(
            PaletteExport::write(palette, PaletteForm::Lines, CssFormat::Hex, QStringLiteral("{name}={hex}"), {true}),
            QStringLiteral("brand 500=#FF8000\n=#123456\n"));
    }

    void preferencesKept()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("rusket.conf")), QSettings::IniFormat);
        CopyPreferences preferences;
        QCOMPARE(CopyPreferences::load(settings), preferences); // nothing kept: hex as CSS writes it
        preferences.hex = {true, false, true};
        preferences.templates = {{QStringLiteral("Swift"), QStringLiteral("UIColor(red: {r.f})")},
            {QStringLiteral("Var"), QStringLiteral("--x: {hex};")}};
        preferences.defaultForm = QStringLiteral("Var");
        preferences.save(settings);
        QCOMPARE(CopyPreferences::load(settings), preferences);
        QCOMPARE(preferences.write({255, 136, 0}, preferences.defaultForm)->text, QStringLiteral("--x: F80;"));
        QCOMPARE(preferences.write({255, 136, 0}, QStringLiteral("hex"))->text, QStringLiteral("F80"));
        QCOMPARE(preferences.write({}, QStringLiteral("Nothing")), std::nullopt);
        preferences.defaultForm = QStringLiteral("name"); // hex where a colour has no name
        QCOMPARE(preferences.writeDefault({255, 0, 0}), QStringLiteral("red"));
        QCOMPARE(preferences.writeDefault({255, 136, 0}), QStringLiteral("F80"));
        preferences.defaultForm = QStringLiteral("Var");

        // A file edited by hand: what the dialog would refuse is left out, and an unknown default is hex.
        settings.setValue(QStringLiteral("copy/templates/2/text"), QStringLiteral("{bogus}"));
        settings.setValue(QStringLiteral("copy/defaultForm"), QStringLiteral("Var"));
        const CopyPreferences edited = CopyPreferences::load(settings);
        QCOMPARE(edited.templates, QList<NamedTemplate>({preferences.templates[0]}));
        QCOMPARE(edited.defaultForm, QStringLiteral("hex"));
    }

    void templateRefusals()
    {
        CopyPreferences preferences;
        preferences.templates = {{QStringLiteral("Mine"), QStringLiteral("{hex}")}};
        const std::tuple<const char *, const char *, const char *> rows[] = {
            {"", "{hex}", "A template needs a name."},
            {"oklch", "{hex}", "oklch is the name of a built-in format."},
            {"Mine", "{hex}", "There is a template named Mine already."},
            {"New", "{hexx}", "unknown placeholder {hexx}"},
        };
        for (const auto &[name, text, reason] : rows)
            QCOMPARE(preferences.refusal({QLatin1String(name), QLatin1String(text)}), QString::fromLatin1(reason));
        QCOMPARE(preferences.refusal({QStringLiteral("Mine"), QStringLiteral("{rgb}")}, 0), std::nullopt);
    }

    void linearAverage()
    {
        // By hand from the sRGB curve: a linear 0.5 encodes as 1.055 * 0.5^(1/2.4) - 0.055 = 0.7354,
        // 187.5 in bytes; the bytes' own average would be 128.
        const std::tuple<QList<Rgb>, Rgb> rows[] = {
            {{{255, 0, 0}, {0, 0, 0}}, {188, 0, 0}},
            {{{0, 0, 0}, {255, 255, 255}}, {188, 188, 188}},
            {QList<Rgb>(9, {18, 52, 86}), {18, 52, 86}},
            {{{255, 0, 0}, {0, 0, 255}, {0, 0, 255}, {0, 0, 255}}, {137, 0, 225}},
        };
        for (const auto &[colors, expected] : rows)
            QCOMPARE(LinearLight::average(colors), expected);
    }
};

QTEST_APPLESS_MAIN(CopyingTest)
#include "tst_copying.moc"
