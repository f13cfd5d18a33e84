// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/csscolorreader.h"
#include "palettes/gplformat.h"
#include "palettes/history.h"
#include "palettes/paletteexport.h"
#include "palettes/palettefiles.h"
#include "palettes/paletteimport.h"
#include "palettes/palettemerge.h"
#include "palettes/palettestore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <thread>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// "Brand [4] | #ff8000 Orange | #000000": the palette's name, columns and colours.
QString describe(const GplReading &reading)
{
    QStringList parts;
    if (const std::optional<UserPalette> &palette = reading.palette) {
        parts.append(palette->name + QStringLiteral(" [%1]").arg(palette->columns));
        for (const PaletteEntry &entry : palette->entries)
            parts.append((CssFormats::write(entry.color, CssFormat::Hex) + u' ' + entry.name).trimmed());
    }
    for (const LoadError &problem : reading.problems)
        parts.append(problem.text());
    return parts.join(QStringLiteral(" | "));
}

// Merge rows name colours by letters: "a b:n" is colour a unnamed, then colour b named n.
QList<PaletteEntry> lettered(const QString &text)
{
    QList<PaletteEntry> entries;
    for (const QString &token : text.split(u' ', Qt::SkipEmptyParts))
        entries.append({{quint8(token.at(0).unicode()), 0, 0}, token.sliced(1).remove(0, 1)});
    return entries;
}

QString letters(const QList<PaletteEntry> &entries)
{
    QStringList tokens;
    for (const PaletteEntry &entry : entries)
        tokens.append(QChar(entry.color.red) + (entry.name.isEmpty() ? QString() : u':' + entry.name));
    return tokens.join(u' ');
}

UserPalette paletteOf(const QString &name, const QList<PaletteEntry> &entries)
{
    UserPalette palette;
    palette.name = name;
    palette.entries = entries;
    return palette;
}

const UserPalette brand = paletteOf(QStringLiteral("Brand"),
    {{{255, 128, 0}, "brand-500"}, {{0, 0, 0}, ""}, {{255, 255, 255}, "Brand 500"}, {{255, 0, 0}, "brand.500 {x}"},
        {{1, 2, 3}, "Grün Blau"}});

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void put(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

// Palettes without any window: the GIMP palette files, their names and their merging, saving
// that survives an interruption, History, and import and export in the forms stylesheets use.
class PalettesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void gplReading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        const QString notColor = QStringLiteral(
            " is not a color: a color line starts with three whole numbers from 0 to 255 (red, green, blue)");
        const QString refused
            = QStringLiteral("old.gpl: is not a GIMP palette: its first line is not \"GIMP Palette\"");
        const std::tuple<const char *, QByteArray, QString> rows[] = {
            {"GIMP's own", "GIMP Palette\nName: Brand\nColumns: 4\n#\n255 128   0\tOrange\n  0   0   0\n",
                "Brand [4] | #ff8000 Orange | #000000"},
            {"CR LF, tabs, blanks",
                "GIMP Palette\r\nName:  Web colors \r\nColumns:12\r\n# note\r\n12\t34  56   Dark  slate blue \r\n"
                "\r\n \t\r\n007 0 255\r\n",
                "Web colors [12] | #0c2238 Dark  slate blue | #0700ff"},
            {"old format, named after the file", "GIMP Palette\n0 0 0 Black\n", "old [0] | #000000 Black"},
            {"UTF-8 with a mark",
                "\xEF\xBB\xBFGIMP Palette\nName: Gr\xC3\xBCn\n1 2 3 Bl\xC3\xA5\xC3\xA6r \xE9\x9D\x92\n",
                "Grün [0] | #010203 Blåær 青"},
            {"Latin-1 from an old program", "GIMP Palette\nName: Gr\xFCn\n1 2 3 Bl\xE5\n", "Grün [0] | #010203 Blå"},
            {"lines that are no colour",
                "GIMP Palette\nColumns: many\n1 2\n256 0 0 x\n1,2,3\n-1 0 0\n12 34 "
                "56abcdefghijklmnopqrstuvwxyz0123456789\n1 2 3 ok\nName: late\n",
                "old [0] | #010203 ok | old.gpl, line 2: \"Columns: many\" is not a column count from 0 to 255 | "
                "old.gpl, line 3: \"1 2\"~ | old.gpl, line 4: \"256 0 0 x\"~ | old.gpl, line 5: \"1,2,3\"~ | "
                "old.gpl, line 6: \"-1 0 0\"~ | old.gpl, line 7: \"12 34 56abcdefghijklmnopqrstuvwxyz012345\"~ | "
                "old.gpl, line 9: \"Name: late\"~"},
            {"a line too long, then a colour", "GIMP Palette\n" + QByteArray(5000000, '1') + "\n1 2 3\n",
                "old [0] | #010203 | old.gpl, line 2: the line is longer than 4096 characters"},
            {"a line of the longest length", "GIMP Palette\n1 2 3 " + QByteArray(4090, 'n'),
                "old [0] | #010203 " + QString(4090, u'n')},
            {"more bad lines than reported", "GIMP Palette\n" + QByteArray("x\n").repeated(13),
                "old [0] | old.gpl, line 2: \"x\"~ | old.gpl, line 3: \"x\"~ | old.gpl, line 4: \"x\"~ | "
                "old.gpl, line 5: \"x\"~ | old.gpl, line 6: \"x\"~ | old.gpl, line 7: \"x\"~ | "
                "old.gpl, line 8: \"x\"~ | old.gpl, line 9: \"x\"~ | old.gpl, line 10: \"x\"~ | old.gpl, line 11: "
                "\"x\"~ | "
                "old.gpl: further lines that could not be read: 3"},
            {"empty", "", refused},
            {"header not first", "Name: x\nGIMP Palette\n", refused},
            {"binary", QByteArray("\x89PNG\r\n\x1A\n\0\0\0", 11), refused},
        };
        for (const auto &[name, content, read] : rows)
            QTest::newRow(name) << content << QString(read).replace(u'~', notColor);
    }
    void gplReading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        QCOMPARE(describe(GplFormat::read(content, QStringLiteral("old.gpl"))), read);
    }

    void gplWriting()
    {
        // GIMP's own layout; anything a line cannot hold is cleaned, and what is cleaned reads back.
        UserPalette palette = paletteOf(QStringLiteral(" Web\ncolors "),
            {{{255, 128, 0}, "  Brand orange\t500 "}, {{0, 10, 200}, ""}, {{7, 7, 7}, " # not a comment"}});
        palette.comments = QStringList{"# kept", "also kept"};
        palette.columns = 300;
        const QByteArray written = GplFormat::write(palette);
        QCOMPARE(written,
            "GIMP Palette\nName: Web colors\nColumns: 255\n# kept\n# also kept\n255 128   0\tBrand orange 500\n"
            "  0  10 200\n  7   7   7\t# not a comment\n");
        const UserPalette cleaned = GplFormat::cleaned(palette);
        QCOMPARE(*GplFormat::read(written, {}).palette, cleaned);
        QCOMPARE(cleaned.entries.first().name, QStringLiteral("Brand orange 500"));
        QCOMPARE(GplFormat::read(GplFormat::write(brand), {}).palette, brand); // spaces, braces, non-ASCII
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("words") << "Brand Colors" << QStringList() << "brand-colors.gpl";
        QTest::newRow("a path") << "../../etc/passwd" << QStringList() << "etc-passwd.gpl";
        QTest::newRow("hidden") << ".hidden" << QStringList() << "hidden.gpl";
        QTest::newRow("nothing usable") << "?*/" << QStringList() << "palette.gpl";
        QTest::newRow("History's file") << "History" << QStringList{"history.gpl"} << "history-2.gpl";
        QTest::newRow("clashes, any case") << "a/b" << QStringList{"A-B.gpl", "a-b-2.gpl", "x.gpl"} << "a-b-3.gpl";
        QTest::newRow("other scripts") << "Grün 青 🎨 Ünïcode" << QStringList() << "grün-青-ünïcode.gpl";
        QTest::newRow("long") << QString(300, u'a') << QStringList() << QString(48, u'a') + ".gpl";
        QTest::newRow("long words") << "ab " + QString(50, u'c') << QStringList() << "ab-" + QString(45, u'c') + ".gpl";
    }
    void fileNames()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, fileName);
        QCOMPARE(PaletteFiles::fileNameFor(name, taken), fileName);
    }

    void merging_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("merged");
        QTest::newRow("only theirs changed") << "a b"
                                             << "a b"
                                             << "b c"
                                             << "b c";
        QTest::newRow("only mine changed") << "a b"
                                           << "b a c"
                                           << "a b"
                                           << "b a c";
        QTest::newRow("both added first") << "a b"
                                          << "x a b"
                                          << "y a b"
                                          << "x y a b";
        QTest::newRow("both added after a") << "a b"
                                            << "a x b"
                                            << "a y b"
                                            << "a x y b";
        QTest::newRow("both added the same") << "a"
                                             << "x a"
                                             << "a x"
                                             << "a x";
        QTest::newRow("mine removed, theirs added") << "a b c"
                                                    << "a c"
                                                    << "a b c d"
                                                    << "a c d";
        QTest::newRow("both removed") << "a b c"
                                      << "a c"
                                      << "a b"
                                      << "a";
        QTest::newRow("mine renamed") << "a:n"
                                      << "a:m"
                                      << "a:n b"
                                      << "a:m b";
        QTest::newRow("theirs renamed") << "a:n b"
                                        << "a:n b c"
                                        << "a:o b"
                                        << "a:o b c";
        QTest::newRow("renamed twice") << "a:n"
                                       << "a:m"
                                       << "a:o"
                                       << "a:m";
        QTest::newRow("removed and renamed") << "a:n b"
                                             << "b"
                                             << "a:o b c"
                                             << "b c";
        QTest::newRow("mine moved, theirs added last") << "a b c"
                                                       << "c a b"
                                                       << "a b c d"
                                                       << "c a b d";
        QTest::newRow("theirs moved, mine added") << "a b c"
                                                  << "a x b c"
                                                  << "c a b"
                                                  << "c a x b";
        QTest::newRow("both moved") << "a b c"
                                    << "c b a"
                                    << "b a c"
                                    << "c b a";
        QTest::newRow("theirs moved, mine added last") << "a b c"
                                                       << "a b c x"
                                                       << "c a b"
                                                       << "c a b x";
        QTest::newRow("mine added first, theirs moved") << "a b c"
                                                        << "x a b c"
                                                        << "b c a"
                                                        << "x b c a";
        QTest::newRow("repeated colours") << "a a"
                                          << "a a a"
                                          << "a"
                                          << "a a";
        QTest::newRow("first of two removed") << "a:x a:y"
                                              << "a:y"
                                              << "a:x a:y b"
                                              << "a:y b";
    }
    void merging()
    {
        QFETCH(QString, base);
        QFETCH(QString, mine);
        QFETCH(QString, theirs);
        QFETCH(QString, merged);
        const auto palette = [](const QString &text) { return paletteOf("P", lettered(text)); };
        QCOMPARE(letters(mergePalettes(palette(base), palette(mine), palette(theirs)).entries), merged);
    }

    void mergingTheRest()
    {
        UserPalette base = paletteOf("P", {});
        UserPalette mine = base;
        UserPalette theirs = base;
        mine.name = "Q";
        theirs.columns = 8;
        theirs.comments = QStringList{"# t"};
        const UserPalette merged = mergePalettes(base, mine, theirs);
        QCOMPARE(std::tuple(merged.name, merged.columns, merged.comments), std::tuple(mine.name, 8, theirs.comments));
    }

    void history()
    {
        UserPalette history = paletteOf("History", {});
        for (int i = 0; i < History::capacity + 2; ++i)
            History::record(history, {quint8(i), 0, 0});
        QCOMPARE(history.entries.size(), History::capacity);
        QCOMPARE(history.entries.first().color, Rgb({History::capacity + 1, 0, 0}));
        QCOMPARE(history.entries.last().color, Rgb({2, 0, 0})); // 0 and 1 dropped off
        history.entries[10].name = "kept";
        History::record(history, {41, 0, 0});
        QCOMPARE(history.entries.first(), PaletteEntry({{41, 0, 0}, "kept"}));
        QCOMPARE(history.entries.size(), History::capacity);
        const QList<PaletteEntry> before = history.entries;
        const QList<PaletteEntry> cleared = History::clear(history);
        QVERIFY(history.entries.isEmpty());
        History::record(history, {200, 0, 0});
        History::restore(history, cleared);
        QCOMPARE(history.entries, (QList<PaletteEntry>{{{200, 0, 0}, ""}} + before.first(History::capacity - 1)));
        history.entries = lettered("a b a c");
        History::tidy(history);
        QCOMPARE(letters(history.entries), QStringLiteral("a b c"));

        // Recorded and saved at once, after what another copy recorded; a History file that is no
        // palette is left alone and said so.
        QTemporaryDir folder;
        PaletteStore mine(folder.path()), theirs(folder.path());
        QCOMPARE(History::recordIn(mine, {4, 5, 6}), std::nullopt);
        QCOMPARE(History::recordIn(theirs, {1, 2, 3}), std::nullopt);
        QCOMPARE(History::recordIn(mine, {7, 8, 9}), std::nullopt);
        QCOMPARE(mine.palette(PaletteStore::historyId)->entries,
            (QList<PaletteEntry>{{{7, 8, 9}, ""}, {{1, 2, 3}, ""}, {{4, 5, 6}, ""}}));
        QFile broken(folder.filePath(PaletteStore::historyId));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no palette") > 0);
        broken.close();
        QVERIFY(History::recordIn(mine, {1, 1, 1}).has_value());
        QVERIFY(broken.open(QIODevice::ReadOnly) && broken.readAll() == "no palette");
    }

    void exports_data()
    {
        QTest::addColumn<PaletteForm>("form");
        QTest::addColumn<CssFormat>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("css") << PaletteForm::Css << CssFormat::Hex
                             << ":root {\n  --brand-500: #ff8000;\n  --brand-2: #000000;\n  --brand-500-2: #ffffff;\n"
                                "  --brand-500-x: #ff0000;\n  --grün-blau: #010203;\n}\n";
        QTest::newRow("tailwind") << PaletteForm::Tailwind << CssFormat::Oklch
                                  << "@theme {\n  --color-brand-500: oklch(0.7319 0.1858 52.9847);\n"
                                     "  --color-brand-2: oklch(0 0 0);\n  --color-brand-500-2: oklch(1 0 0);\n"
                                     "  --color-brand-500-x: oklch(0.628 0.2577 29.2339);\n"
                                     "  --color-grün-blau: oklch(0.08 0.01 240.75);\n}\n";
        QTest::newRow("lines, names where CSS has them")
            << PaletteForm::Lines << CssFormat::Name << "#ff8000\nblack\nwhite\nred\n#010203\n";
        QTest::newRow("gpl") << PaletteForm::Gpl << CssFormat::Hsl
                             << "GIMP Palette\nName: Brand\nColumns: 0\n255 128   0\tbrand-500\n  0   0   0\n"
                                "255 255 255\tBrand 500\n255   0   0\tbrand.500 {x}\n  1   2   3\tGrün Blau\n";
    }
    void exports()
    {
        QFETCH(PaletteForm, form);
        QFETCH(CssFormat, format);
        QFETCH(QString, text);
        QCOMPARE(PaletteExport::write(brand, form, format), text);
        QCOMPARE(PaletteExport::named(QString::fromLatin1(PaletteExport::nameOf(form))), std::optional(form));
    }

    void cssReadBack()
    {
        // Every format, as custom properties: each declaration a valid identifier, each value
        // the same colour to the CSS reader; imported again, the same colours under those names.
        const QRegularExpression declaration(QStringLiteral("^  --([-_a-z0-9\\x{80}-\\x{10FFFF}]+): (.+);$"));
        for (const CssFormat format : CssFormats::all) {
            const QString css = PaletteExport::write(brand, PaletteForm::Css, format);
            const QStringList lines = css.split(u'\n');
            QCOMPARE(lines.size(), brand.entries.size() + 3);
            const std::optional<UserPalette> back = PaletteImport::read(css.toUtf8(), "x.css").palette;
            QVERIFY(back);
            for (qsizetype i = 0; i < brand.entries.size(); ++i) {
                const QRegularExpressionMatch match = declaration.match(lines.at(i + 1));
                QVERIFY2(match.hasMatch(), qPrintable(lines.at(i + 1)));
                QCOMPARE(readCssColor(match.captured(2)).bytes, brand.entries.at(i).color);
                QCOMPARE(back->entries.at(i), PaletteEntry({brand.entries.at(i).color, match.captured(1)}));
            }
        }
    }

    void designTokens_data()
    {
        // The examples of the Design Tokens Community Group's color module (the "Hot pink"
        // token); the oklab and oklch ones are cut, not rounded, at their last decimal. Its
        // hsl, hwb and display-p3 examples give the components of other colours than #ff00ff
        // (hue 330, and display-p3's own 1 0 1) and are left out.
        QTest::addColumn<CssFormat>("format");
        QTest::addColumn<QByteArray>("published");
        QTest::addColumn<double>("precision");
        const auto example = [](const char *space, const char *components) {
            return QByteArray("{\"Hot pink\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": \"") + space
                + "\", \"components\": [" + components + "], \"alpha\": 1, \"hex\": \"#ff00ff\"}}}";
        };
        QTest::newRow("srgb") << CssFormat::Hex << example("srgb", "1, 0, 1") << 0.0;
        QTest::newRow("srgb from rgb") << CssFormat::Rgb << example("srgb", "1, 0, 1") << 0.0;
        QTest::newRow("lab") << CssFormat::Lab << example("lab", "60.17, 93.54, -60.5") << 0.0;
        QTest::newRow("lch") << CssFormat::Lch << example("lch", "60.17, 111.4, 327.11") << 0.0;
        QTest::newRow("oklab") << CssFormat::Oklab << example("oklab", "0.701, 0.2746, -0.169") << 0.001;
        QTest::newRow("oklch") << CssFormat::Oklch << example("oklch", "0.7016, 0.3225, 328.363") << 0.001;
    }
    void designTokens()
    {
        QFETCH(CssFormat, format);
        QFETCH(QByteArray, published);
        QFETCH(double, precision);
        const UserPalette pink = paletteOf("P", {{{255, 0, 255}, "Hot pink"}, {{255, 255, 0}, "$a.b\t\"q\""}});
        QJsonParseError error;
        const QJsonObject written
            = QJsonDocument::fromJson(PaletteExport::write(pink, PaletteForm::Tokens, format).toUtf8(), &error)
                  .object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(written.keys(), QStringList({"Hot pink", "a-b\t\"q\""}));
        QJsonObject token = written.value("Hot pink").toObject();
        QJsonObject value = token.value("$value").toObject();
        const QJsonObject expected = QJsonDocument::fromJson(published).object().value("Hot pink").toObject();
        const QJsonArray components = value.value("components").toArray();
        const QJsonArray expectedComponents = expected.value("$value").toObject().value("components").toArray();
        QCOMPARE(components.size(), 3);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(std::abs(components.at(i).toDouble() - expectedComponents.at(i).toDouble()) <= precision,
                qPrintable(QString::number(components.at(i).toDouble())));
        value.insert("components", expectedComponents);
        token.insert("$value", value);
        QCOMPARE(token, expected);
        QCOMPARE(PaletteExport::write(paletteOf("P", {}), PaletteForm::Tokens, format), "{\n}\n");
        const QJsonDocument yellow
            = QJsonDocument::fromJson(PaletteExport::write(pink, PaletteForm::Tokens, CssFormat::Hsl).toUtf8());
        QCOMPARE(yellow["a-b\t\"q\""]["$value"]["components"].toArray(), QJsonArray({60, 100, 50}));
    }

    void imports_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        QTest::newRow("stylesheet") << QByteArray(
            ":root {\n  --brand-500: #ff8000; /* main\n  --old: red; */\n"
            "  --space: 4px;\n  color: red;\n}\n.dark { --bg:/* white */oklch(1 0 0) "
            "!important }\n@media (x) { a:hover { --link: rgb(0 0 255) } }\n")
                                    << "x [0] | #ff8000 brand-500 | #ffffff bg | #0000ff link";
        QTest::newRow("lines") << QByteArray(
            "/* the list;\n*/#ff8000\r\nbrand: hsl(30 100% 50%)\n--accent: red; teal\n\nnot a colour\n")
                               << "x [0] | #ff8000 | #ff8000 brand | #ff0000 accent | #008080 | x.txt, line 6: \"not a "
                                  "colour\" is not a color: unknown color name 'not'";
        QTest::newRow("gpl") << QByteArray("GIMP Palette\n1 2 3 a\n") << "x [0] | #010203 a";
        QTest::newRow("no colour") << QByteArray("a { color: red }") << "x.txt: holds no color that could be read";
        QTest::newRow("binary") << QByteArray("\x7F"
                                              "ELF\0\0",
            6) << "x.txt: is neither a GIMP palette nor a text with CSS colors";
    }
    void imports()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        QCOMPARE(describe(PaletteImport::read(content, "x.txt")), read);
    }

    void storeSaving()
    {
        // Every change is saved at once; a change made by another program is merged; nothing
        // is written when nothing changed.
        QTemporaryDir folder;
        PaletteStore store(folder.filePath("palettes"));
        QCOMPARE(store.reload().changed, false);
        QCOMPARE(store.ids(), QStringList{"history.gpl"});
        QString id;
        QCOMPARE(store.create(paletteOf("Web Brand", lettered("a")), &id), std::nullopt);
        QCOMPARE(id, QStringLiteral("web-brand.gpl"));
        const QString path = store.folder() + "/web-brand.gpl";
        QCOMPARE(contentOf(path), "GIMP Palette\nName: Web Brand\nColumns: 0\n 97   0   0\n");
        UserPalette changed = *store.palette(id);
        changed.entries += lettered("b:x");
        put(path, contentOf(path) + " 99   0   0\n"); // another program adds c
        QCOMPARE(store.save(id, changed), std::nullopt);
        QCOMPARE(letters(store.palette(id)->entries), QStringLiteral("a c b:x"));
        QCOMPARE(GplFormat::read(contentOf(path), id).palette, *store.palette(id));

        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(store.save(id, *store.palette(id)), std::nullopt);
        QCOMPARE(QFileInfo(path).lastModified(), old);
        put(path, contentOf(path) + "100   0   0\n"); // the same colour added here and elsewhere
        QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        file.close();
        changed = *store.palette(id);
        changed.entries += lettered("d");
        QCOMPARE(store.save(id, changed), std::nullopt);
        QCOMPARE(QFileInfo(path).lastModified(), old);
        QCOMPARE(letters(store.palette(id)->entries), QStringLiteral("a c b:x d"));

        QCOMPARE(store.create(paletteOf("Web Brand", {}), &id).value_or(LoadError{}).text(),
            "\"Web Brand\": another palette already has this name");
        UserPalette history = *store.palette(PaletteStore::historyId);
        History::record(history, {1, 2, 3});
        QCOMPARE(store.save(PaletteStore::historyId, history), std::nullopt);
        QCOMPARE(store.create(paletteOf("Alpha", {}), &id), std::nullopt);
        QCOMPARE(store.ids(), QStringList({"history.gpl", "alpha.gpl", "web-brand.gpl"}));
        QCOMPARE(store.remove(id), std::nullopt);
        QVERIFY(!QFileInfo::exists(folder.filePath("palettes/alpha.gpl")));
        QVERIFY(
            QFile::remove(store.folder() + "/history.gpl") && QDir(store.folder()).mkpath("history.gpl/in the way"));
        QVERIFY(store.remove(PaletteStore::historyId)
                    .value_or(LoadError{})
                    .text()
                    .startsWith("history.gpl: cannot be deleted ("));
        QCOMPARE(store.idOf("Web Brand"), QStringLiteral("web-brand.gpl"));
        QCOMPARE(store.unusedName("Web Brand"), QStringLiteral("Web Brand 2"));
    }

    void twoWriters()
    {
        // Two running copies add to one palette, one rename and a removal between, each
        // without reading the other's changes first: neither loses a colour.
        QTemporaryDir folder;
        PaletteStore first(folder.path());
        PaletteStore second(folder.path());
        QString id;
        QCOMPARE(first.create(paletteOf("Shared", lettered("a b")), &id), std::nullopt);
        second.reload();
        const auto change = [&id](PaletteStore &store, const QString &entries) {
            UserPalette palette = *store.palette(id);
            palette.entries = lettered(entries);
            return store.save(id, palette);
        };
        QCOMPARE(change(first, "a b x"), std::nullopt);
        QCOMPARE(change(second, "y a:n b"), std::nullopt);
        QCOMPARE(change(first, "a b x z"), std::nullopt);
        QCOMPARE(letters(second.palette(id)->entries), QStringLiteral("y a:n b x"));
        QCOMPARE(change(second, "y a:n x"), std::nullopt); // b removed, before z is seen here
        QCOMPARE(letters(second.palette(id)->entries), QStringLiteral("y a:n x z"));
        const PaletteStore::Reload reload = first.reload();
        QVERIFY(reload.changed);
        QCOMPARE(letters(first.palette(id)->entries), QStringLiteral("y a:n x z"));
        QCOMPARE(
            letters(GplFormat::read(contentOf(folder.filePath(id)), id).palette->entries), QStringLiteral("y a:n x z"));
    }

    void concurrentWriters()
    {
        // Two copies saving at the same moments take turns on the folder's lock: all kept.
        QTemporaryDir folder;
        QString id;
        QCOMPARE(PaletteStore(folder.path()).create(paletteOf("Shared", {}), &id), std::nullopt);
        const auto addTwenty = [&](quint8 green) {
            PaletteStore store(folder.path());
            store.reload();
            for (quint8 red = 0; red < 20; ++red) {
                UserPalette palette = *store.palette(id);
                palette.entries.append(PaletteEntry{{red, green, 0}, {}});
                store.save(id, palette);
            }
        };
        std::thread other(addTwenty, 1);
        addTwenty(2);
        other.join();
        PaletteStore store(folder.path());
        store.reload();
        QCOMPARE(store.palette(id)->entries.size(), 40);
    }

    void interruptedWrites()
    {
        // A write that fails at any byte (here: the file size limit) leaves the old file whole
        // and the change here, unsaved; the next save writes it. A copy killed while writing
        // leaves at most a temporary file, which is no palette's.
        QTemporaryDir folder;
        PaletteStore store(folder.path());
        QString id;
        QCOMPARE(store.create(paletteOf("P", lettered("a")), &id), std::nullopt);
        const QByteArray old = contentOf(folder.filePath(id));
        UserPalette changed = paletteOf("P", lettered("a b c"));
        const qsizetype size = GplFormat::write(changed).size();
        std::signal(SIGXFSZ, SIG_IGN);
        for (qsizetype cut = 0; cut < size; ++cut) {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit unlimited = limit;
            limit.rlim_cur = rlim_t(cut);
            setrlimit(RLIMIT_FSIZE, &limit);
            const std::optional<LoadError> error = store.save(id, changed);
            setrlimit(RLIMIT_FSIZE, &unlimited);
            QVERIFY2(error && error->text().startsWith("p.gpl: cannot be saved ("), qPrintable(QString::number(cut)));
            QCOMPARE(contentOf(folder.filePath(id)), old);
            QCOMPARE(store.palette(id)->entries, changed.entries);
        }
        put(folder.filePath("p.gpl.Xy12Ab"), GplFormat::write(changed).left(size / 2));
        QCOMPARE(store.save(id, *store.palette(id)), std::nullopt);
        QCOMPARE(contentOf(folder.filePath(id)), GplFormat::write(changed));
        PaletteStore again(folder.path());
        QCOMPARE(again.reload().problems.size(), 0);
        QCOMPARE(again.ids(), QStringList({"history.gpl", "p.gpl"}));
    }

    void hostileFiles()
    {
        // Whatever lies in the folder is reported once and skipped, without a hang; a file
        // that is no palette is never written over, neither by a save nor by a new palette.
        QTemporaryDir folder;
        QFile huge(folder.filePath("huge.gpl"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(100 * 1024 * 1024));
        huge.close();
        put(folder.filePath("binary.gpl"), QByteArray("\0\1\2GIMP", 7));
        put(folder.filePath("endless.gpl"), "GIMP Palette\n" + QByteArray(7000000, 'x'));
        put(folder.filePath("fine.gpl"), "GIMP Palette\nName: Fine\n1 2 3\n");
        QVERIFY(QDir(folder.path()).mkdir("folder.gpl"));
        QCOMPARE(mkfifo(qPrintable(folder.filePath("pipe.gpl")), 0600), 0);
        PaletteStore store(folder.path());
        QStringList reports;
        for (const LoadError &problem : store.reload().problems)
            reports.append(problem.text());
        QCOMPARE(reports.join("\n"),
            QStringList({"binary.gpl: is not a GIMP palette: its first line is not \"GIMP Palette\"",
                            "endless.gpl, line 2: the line is longer than 4096 characters",
                            "huge.gpl: is larger than 8 MB, too large for a palette",
                            "pipe.gpl: is not a file that can be read: a folder, a device or a pipe"})
                .join("\n"));
        QCOMPARE(store.reload().problems.size(), 0); // reported once
        QCOMPARE(store.ids(), QStringList({"history.gpl", "endless.gpl", "fine.gpl"}));

        QString id;
        QCOMPARE(store.create(paletteOf("Binary", {}), &id), std::nullopt);
        QCOMPARE(id, QStringLiteral("binary-2.gpl"));
        put(folder.filePath("fine.gpl"), "not a palette any more");
        QCOMPARE(store.save("fine.gpl", paletteOf("Fine", lettered("a"))).value_or(LoadError{}).text(),
            "fine.gpl: is not a GIMP palette: its first line is not \"GIMP Palette\"");
        QCOMPARE(contentOf(folder.filePath("fine.gpl")), "not a palette any more");
        QCOMPARE(letters(store.palette("fine.gpl")->entries), QStringLiteral("a")); // kept here
        store.reload();
        put(folder.filePath("fine.gpl"), "GIMP Palette\n");
        store.reload();
        put(folder.filePath("fine.gpl"), "broken once more");
        QCOMPARE(store.reload().problems.size(), 1); // reported again, as it was a palette between
    }

    void vanishedFiles()
    {
        // A file deleted elsewhere takes its palette along, unless a change to it is not saved
        // yet; History stays, empty.
        QTemporaryDir folder;
        PaletteStore store(folder.path());
        QString id;
        QCOMPARE(store.create(paletteOf("Gone", {}), &id), std::nullopt);
        UserPalette history = *store.palette(PaletteStore::historyId);
        History::record(history, {1, 2, 3});
        QCOMPARE(store.save(PaletteStore::historyId, history), std::nullopt);
        QVERIFY(QFile::remove(folder.filePath(id)) && QFile::remove(folder.filePath("history.gpl")));
        QVERIFY(store.reload().changed);
        QCOMPARE(store.ids(), QStringList{"history.gpl"});
        QVERIFY(store.palette(PaletteStore::historyId)->entries.isEmpty());
        QCOMPARE(store.save(PaletteStore::historyId, history), std::nullopt); // written again
        QCOMPARE(GplFormat::read(contentOf(folder.filePath("history.gpl")), {}).palette, history);

        // Changed elsewhere, History keeps each colour once; another palette keeps its repeats.
        QCOMPARE(store.create(paletteOf("Twice", {}), &id), std::nullopt);
        for (const QString &file : {id, QStringLiteral("history.gpl")})
            put(folder.filePath(file), "GIMP Palette\n97 0 0\n97 0 0\n98 0 0\n");
        store.reload();
        QCOMPARE(letters(store.palette(id)->entries), QStringLiteral("a a b"));
        QCOMPARE(letters(store.palette(PaletteStore::historyId)->entries), QStringLiteral("a b"));
    }

    void defaultFolder()
    {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QCoreApplication::setApplicationName("Rusket");
        QCOMPARE(PaletteStore::defaultFolder(), home.filePath("Rusket/palettes"));
    }
};

QTEST_GUILESS_MAIN(PalettesTest)
#include "tst_palettes.moc"
