// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "export/sampleexport.h"
#include "cli/commandline.h"
#include "cli/conversion.h"
#include "help/infotext.h"
#include "tables/colornametable.h"
#include "tables/datafiles.h"
#include "tables/palette.h"
#include "tables/usersettings.h"
#include "values/contrast.h"
#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/notationtexts.h"
#include "values/rangecheck.h"
#include "values/visionsimulation.h"

#include <QColor>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <poll.h>
#include <span>
#include <thread>
#include <unistd.h>

namespace {

const QLocale english = QLocale::c();
const QLocale german(QLocale::German, QLocale::Germany);
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr Rgb white{255, 255, 255};
enum class Reading { Hex, Byte, EnglishPercent, GermanPercent, Whole };

} // namespace

Q_DECLARE_METATYPE(Reading)

// The core without any window: conversions, reading typed text, the range check, contrast,
// the data files and their lookups, the export texts, the command line.
class CoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray &content)
    {
        QFile file(dir.filePath(QStringLiteral("broken.txt")));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    // What `rusket --convert - --format hex` (or another form) writes for the input: output,
    // errors, exit status.
    static std::tuple<QByteArray, QByteArray, int> converted(
        std::FILE *in, const ColorWriting &writing = {CssFormat::Hex})
    {
        char *output = nullptr, *errors = nullptr;
        size_t outputSize = 0, errorsSize = 0;
        std::FILE *out = open_memstream(&output, &outputSize), *err = open_memstream(&errors, &errorsSize);
        const int status = Conversion::convertLines(in, out, err, writing);
        for (std::FILE *file : {in, out, err})
            std::fclose(file);
        const std::tuple result{
            QByteArray(output, qsizetype(outputSize)), QByteArray(errors, qsizetype(errorsSize)), status};
        std::free(output);
        std::free(errors);
        return result;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(english); // the texts as written in English, whatever the environment's locale
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8()); // the user's settings, which templates follow
    }

    void reading_data()
    {
        // The corners of reading typed text; the everyday cases are typed in the window tests.
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("hex, one character counts twice") << Reading::Hex << "7" << 119.0;
        QTest::newRow("hex, middle ignored") << Reading::Hex << "ABC" << 172.0;
        QTest::newRow("hex, below 0") << Reading::Hex << "/0" << 0.0;
        QTest::newRow("hex, past f") << Reading::Hex << "0g" << 0.0;
        QTest::newRow("tab and line feed") << Reading::Byte << "\t1\n28" << 128.0;
        QTest::newRow("leading point") << Reading::Byte << ".5" << 0.5;
        QTest::newRow("comma is no point") << Reading::Byte << "2,5" << 2.0;
        QTest::newRow("exponent without digits") << Reading::Byte << "7E" << 7.0;
        QTest::newRow("exponent, sign without digits") << Reading::Byte << "7e-x" << 7.0;
        QTest::newRow("point alone") << Reading::Byte << "-." << 0.0;
        QTest::newRow("sign only") << Reading::Byte << "-" << 0.0;
        QTest::newRow("infinity is no number") << Reading::Byte << "-inf" << 0.0;
        QTest::newRow("plus sign") << Reading::Byte << "+7" << 7.0;
        QTest::newRow("hex prefix, up to a non-digit") << Reading::Byte << "&HaFAfg1" << 44975.0;
        QTest::newRow("octal, up to an 8") << Reading::Byte << "&o1078" << 71.0;
        QTest::newRow("ampersand alone") << Reading::Byte << "&" << 0.0;
        QTest::newRow("overflow") << Reading::Byte << "-1E400" << -infinity;
        QTest::newRow("underflow") << Reading::Byte << "1E-400" << 0.0;
        QTest::newRow("underflow, written out") << Reading::Byte << "0." + QString(400, u'0') + "1" << 0.0;
        QTest::newRow("overflow, negative exponent") << Reading::Byte << "1" + QString(400, u'0') + "e-5" << infinity;
        QTest::newRow("overflow, then an unrelated exponent")
            << Reading::Byte << "1" + QString(400, u'0') + "xe-500" << infinity;
        QTest::newRow("overflow, long exponent") << Reading::Byte << "5e99999999999999999999" << infinity;
        QTest::newRow("underflow, long exponent") << Reading::Byte << "-5e-99999999999999999999" << -0.0;
        QTest::newRow("non-Latin digits") << Reading::Byte << "\u0661\u0662" << 0.0;
        QTest::newRow("percent, leading number") << Reading::GermanPercent << "12,5abc" << 12.5;
        QTest::newRow("percent, no number") << Reading::EnglishPercent << "abc" << 0.0;
        QTest::newRow("percent, one character after it") << Reading::EnglishPercent << "12x" << 12.0;
        QTest::newRow("whole: 2.5 to even") << Reading::Whole << "2.5" << 2.0;
        QTest::newRow("whole: 3.5 to even") << Reading::Whole << "3.5" << 4.0;
        QTest::newRow("whole: beyond 16 bits") << Reading::Whole << "40000" << 32767.0;
        QTest::newRow("whole: infinity") << Reading::Whole << "inf" << 32767.0;
        QTest::newRow("whole: not a number") << Reading::Whole << "nan" << 0.0;
    }
    void reading()
    {
        QFETCH(Reading, reading);
        QFETCH(QString, text);
        QFETCH(double, value);
        switch (reading) {
        case Reading::Hex: QCOMPARE(hexToByte(text), value); break;
        case Reading::Byte: QCOMPARE(readLenientDecimal(text), value); break;
        case Reading::EnglishPercent: QCOMPARE(readPercentText(text, english), value); break;
        case Reading::GermanPercent: QCOMPARE(readPercentText(text, german), value); break;
        case Reading::Whole: QCOMPARE(makeWhole(english.toDouble(text)), value); break;
        }
    }

    void notationTexts()
    {
        for (const QLocale &locale : {english, german}) {
            for (int component = 0; component < 256; ++component) { // every component round trips
                const NotationTexts texts = NotationTexts::of({0, 0, quint8(component)}, locale);
                const double fromPercent = percentToComponent(readPercentText(texts.percent[2], locale));
                QCOMPARE(makeWhole(toSinglePrecision(fromPercent)), component);
                QCOMPARE(makeWhole(readLenientDecimal(texts.byte[2])), component);
                QCOMPARE(hexToByte(texts.hex[2]), component);
            }
        }
        const NotationTexts texts = NotationTexts::of({1, 85, 170}, german);
        QCOMPARE(QStringList(texts.percent.begin(), texts.percent.end()),
            QStringList({"0,3921569", "33,33333", "66,66666"}));
        QCOMPARE(QStringList({texts.byteShow, texts.percentShow, texts.hexShow, texts.hex[0]}),
            QStringList({"rgb(1,85,170)", "rgb(0%,33%,66%)", "=\"#0155AA\"", "01"}));
    }

    void rangeCheck()
    {
        const std::tuple<int, ColorSource, int, const char *> rows[]
            = {{255, ColorSource::Percent, 255, ""}, {-1, ColorSource::Byte, 0, "Value has to be equal or above 0"},
                {256, ColorSource::Byte, 255, "Value has to be equal or below 255"},
                {256, ColorSource::Percent, 255, "Value has to be equal or below 100"},
                {-1, ColorSource::Hex, 0, "Value has to be equal or above 00"},
                {256, ColorSource::Hex, 255, "Value has to be equal or below FF"},
                {-32768, ColorSource::Byte, 0, "Value has to be equal or above 0"}};
        for (const auto &[value, notation, corrected, message] : rows) {
            const RangeCheck checked = checkRange(qint16(value), notation);
            QCOMPARE(checked.value, corrected);
            QCOMPARE(checked.message, QLatin1String(message));
        }
    }

    void namesFile()
    {
        ColorNameTable table;
        const QByteArray file
            = " \"alice blue\" ,240,248,255\r\n\r\naqua,0,255,255\rcyan,0,255,255\n\"a, b,\",1,2,3\r\n"
              "red,255,0,0\r\nred,1,2,3\r\n\"\",4,5,6\r\nx,0,255,255\r\n  \r\n";
        QCOMPARE(table.load(write(file)), std::nullopt);
        QCOMPARE(table.entries().size(), 8);
        QCOMPARE(table.findNamesByColor({0, 255, 255}), QStringList({"aqua", "cyan", "x"}));
        QCOMPARE(ColorNameTable::joinFurtherNames({"a", "b", "c", "", "d"}), QStringLiteral("b,c"));
        Rgb color{9, 9, 9};
        QVERIFY(!table.findColorByName(QStringLiteral("nosuchcolour"), color));
        QCOMPARE(color, Rgb({9, 9, 9})); // untouched
        const std::pair<const char *, Rgb> found[]
            = {{"ALICEBLUE", {240, 248, 255}}, {" R E D ", {255, 0, 0}}, {"A, B,", {1, 2, 3}}, {"  ", {4, 5, 6}}};
        for (const auto &[name, rgb] : found)
            QVERIFY2(table.findColorByName(QLatin1String(name), color) && color == rgb, name);

        const QByteArray full = QByteArray("x,1,2,3\n").repeated(ColorNameTable::capacity);
        QCOMPARE(table.load(write(full)), std::nullopt);
        QCOMPARE(table.load(write(full + "y,1,2,3\n")).value_or(LoadError{}).text(),
            QStringLiteral("broken.txt, line 10002: holds more than 10001 color names, the most the table takes"));
        QCOMPARE(table.entries().size(), ColorNameTable::capacity); // a failed load keeps the table
    }

    void malformedFiles()
    {
        const std::tuple<const char *, int, const char *> rows[] = {// content, palette size (0: names), report
            {"red,0,0,0\nblue,0,0", 0, "line 2: the file ends where a color component was expected"},
            {"black,,0,0\r\n", 0, "line 1: \"\" is not a color component (a whole number from 0 to 255)"},
            {"a,1,2,3\nred,256,0,0\n", 0, "line 2: \"256\""}, {"red,-1,0,0", 0, "line 1: \"-1\""},
            {"red,2.5,0,0", 0, "line 1: \"2.5\""}, {"red,0255,0,0", 0, "line 1: \"0255\""},
            {"\"a\nb\",1,2,x", 0, "line 2: \"x\""}, {"1,2,3\n4,5,6\n", 3, "line 3: ends after 2 of its 3 colors"},
            {"1,2,3\r\n4,five,6\r\n", 2, "line 2: \"five\""},
            {"red,1,2,3\n\"open,1,2,3\n", 0, "line 2: the file ends where a color component was expected"}};
        for (const auto &[content, paletteSize, report] : rows) {
            ColorNameTable names;
            Palette palette;
            const QString path = write(content);
            const LoadError error
                = (paletteSize ? palette.load(path, paletteSize) : names.load(path)).value_or(LoadError{});
            QVERIFY2(error.text().startsWith(QStringLiteral("broken.txt, ") + report), qPrintable(error.text()));
        }
        QCOMPARE(Palette().load(dir.filePath("none.pal"), 16).value_or(LoadError{}).text(),
            QStringLiteral("none.pal: cannot be read (No such file or directory)"));
    }

    void dataFileLocation()
    {
        // Beside the program first, then where it is installed: share/rusket beside bin, or,
        // for a distribution's games, share/games/rusket beside games.
        for (const auto &[program, installed] : {std::pair{"bin", "share/rusket"}, {"games", "share/games/rusket"}}) {
            const QString folder = dir.filePath(QLatin1String(program));
            const QString relative = QStringLiteral("../") + QLatin1String(installed);
            QVERIFY(QDir(dir.path()).mkpath(QLatin1String(program)) && QDir(dir.path()).mkpath(installed));
            QString path;
            for (const QString file : {QLatin1String(installed) + "/a.pal", QLatin1String(program) + "/a.pal"}) {
                QVERIFY(QFile(dir.filePath(file)).open(QIODevice::WriteOnly));
                QCOMPARE(locateDataFile(folder, relative, QStringLiteral("a.pal"), &path), std::nullopt);
                QCOMPARE(path, dir.filePath(file));
            }
            QCOMPARE(locateDataFile(folder, relative, QStringLiteral("b.pal"), &path).value_or(LoadError{}).text(),
                QStringLiteral("b.pal: cannot be read: neither %1 nor %2 exists")
                    .arg(dir.filePath(QLatin1String(program) + "/b.pal"),
                        dir.filePath(QLatin1String(installed) + "/b.pal")));
        }
    }

    void shippedFiles()
    {
        // Qt knows the SVG colour names; CSS adds rebeccapurple, and Qt adds transparent.
        QStringList expected = QColor::colorNames();
        expected.replace(expected.indexOf(QStringLiteral("transparent")), QStringLiteral("rebeccapurple"));
        expected.sort();
        ColorNameTable names;
        QCOMPARE(names.load(QStringLiteral(RUSKET_DATA_DIR "/color_names.txt")), std::nullopt);
        QStringList shipped;
        for (const ColorNameTable::Entry &entry : names.entries()) {
            shipped.append(entry.name);
            const QColor css = entry.name == u"rebeccapurple" ? QColor(0x66, 0x33, 0x99) : QColor(entry.name);
            QCOMPARE(QColor(entry.color.red, entry.color.green, entry.color.blue), css);
        }
        QCOMPARE(shipped, expected);

        Palette netscape;
        Palette windows;
        QCOMPARE(netscape.load(QStringLiteral(RUSKET_DATA_DIR "/netscape.pal"), 216), std::nullopt);
        QCOMPARE(windows.load(QStringLiteral(RUSKET_DATA_DIR "/windows.pal"), 16), std::nullopt);
        for (int i = 0; i < 216; ++i)
            QCOMPARE(
                netscape.colors().at(i), Rgb({quint8(51 * (i / 36)), quint8(51 * (i / 6 % 6)), quint8(51 * (i % 6))}));
        const QList<Rgb> sixteen = {{0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
            {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
            {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        QCOMPARE(windows.colors(), sixteen);
    }

    void nearestMember()
    {
        const std::tuple<QList<Rgb>, int, int, int, Rgb> rows[] = {{{{80, 0, 0}, {50, 50, 0}}, 0, 0, 0, {80, 0, 0}},
            {{{0, 10, 0}, {10, 0, 0}}, 0, 0, 0, {0, 10, 0}}, // a tie goes to the earlier
            {{{9, 9, 0}, {9, 9, 9}, {9, 0, 9}, {0, 9, 9}}, 9, 9, 8, {9, 9, 9}},
            {{{0, 0, 0}, {255, 255, 255}}, 32767, 32767, 32767, {255, 255, 255}},
            {{{255, 255, 255}, {0, 0, 0}}, -32768, -5, 0, {0, 0, 0}},
            {{{10, 10, 11}, {10, 10, 10}}, 10, 10, 10, {10, 10, 10}}}; // an exact match after a near one
        for (const auto &[members, red, green, blue, nearest] : rows)
            QCOMPARE(Palette(members).nearest(red, green, blue), nearest);
    }

    void contrast()
    {
        const std::tuple<Rgb, Rgb, const char *> rows[] = {{{118, 118, 118}, white, "4.54:1 (AA)"},
            {{119, 119, 119}, white, "4.47:1 (AA large text only)"}, {{0, 0, 0}, white, "21.00:1 (AAA)"},
            {{255, 0, 0}, white, "3.99:1 (AA large text only)"}, {{0, 0, 255}, white, "8.59:1 (AAA)"},
            {{0, 1, 0}, white, "20.90:1 (AAA)"}, {{18, 52, 86}, {18, 52, 86}, "1.00:1 (fails)"}};
        for (const auto &[foreground, background, line] : rows) {
            for (const double ratio : {contrastRatio(foreground, background), contrastRatio(background, foreground)})
                QCOMPARE(ratioText(ratio) + QStringLiteral(" (") + contrastLevel(ratio) + u')', QLatin1String(line));
        }
        QCOMPARE(ratioText(4.499), QStringLiteral("4.49:1")); // truncated, never rounded up
        QLocale::setDefault(german); // beside German percentages, a German ratio
        QCOMPARE(ratioText(4.8199), QStringLiteral("4,81:1"));
        QLocale::setDefault(english);
        const std::pair<double, const char *> levels[] = {{7, "AAA"}, {6.999, "AA"}, {4.5, "AA"},
            {4.499, "AA large text only"}, {3, "AA large text only"}, {2.999, "fails"}};
        for (const auto &[ratio, level] : levels)
            QCOMPARE(contrastLevel(ratio), QLatin1String(level));
        QCOMPARE(contrastLines({white, {0, 0, 0}, {255, 0, 0}, {119, 119, 119}}),
            QStringList({"Text on background: 21.00:1 (AAA)", "Link on background: 3.99:1 (AA large text only)",
                "Visited link on background: 4.47:1 (AA large text only)"}));
    }

    void commandLine()
    {
        // Before the window system: Qt's options and any others wait for the application object
        // unless no display is named; --help, --version and --convert take nothing else. After Qt
        // took its own, the rest must be ours.
        QProcessEnvironment display;
        display.insert(QStringLiteral("DISPLAY"), QStringLiteral(":1"));
        const QString longName = QStringLiteral("--color ") + QString(80, u'a');
        QSettings(UserSettings::file(), QSettings::IniFormat)
            .setValue("copy/hexUpperCase", true); // templates follow it
        using Row = std::tuple<QString, QProcessEnvironment, int, const char *>; // status -1: no reply
        const Row early[] = {{"-geometry +10+10 -name foo -title X -reverse", display, -1, ""},
            {"--nope", display, -1, ""}, {"-display :1", {}, -1, ""}, {"-platform offscreen", {}, -1, ""},
            {"--version", {}, 0, "Rusket 1.0.0\n"}, {"-v", display, 0, "Rusket 1.0.0\n"},
            {"--help", {}, 0, "Usage: rusket [options]\n"}, {"", {}, 1, "rusket: no display found."},
            {"-widgetcount --style fusion -nograb -session s -dograb -visual 33 -testability -stylesheet=x -reverse "
             "-name n",
                {}, 1, "rusket: no display found."},
            {"--nope", {}, 2, "rusket: Unknown option 'nope'."}, {"--nope --help", {}, 2, "Unknown option 'nope'"},
            {"--convert red --fromat hex", display, 2, "Unknown option 'fromat'"},
            {"--convert red extra", {}, 2, "Unexpected argument 'extra'"},
            {"--help -style fusion", display, 2, "rusket: -style does not go with --help."},
            {"--convert red --color blue", {}, 2, "--color does not go with --convert."},
            {"--convert red --convert blue", {}, 2, "--convert is given more than once."},
            {"--convert red --format hex", {}, 0, "#ff0000\n"},
            {"--convert red --format cmyk", {}, 2, "rusket: unknown format"},
            {"--format hex", {}, 2, "rusket: --format goes with --convert, --pick or --export-palette."},
            {"--template {r}", display, 2, "rusket: --template goes with --convert, --pick or --export-palette."},
            {"--copy", display, 2, "rusket: --copy goes with --pick."}, {"--pick -style fusion", display, -1, ""},
            {"--pick --copy", {}, 1, "rusket: no display found."},
            {"--pick --template {r}/{nope}", display, 2, "rusket: --template: unknown placeholder {nope}\n"},
            {"--pick --template {r} --format hex", display, 2, "--format does not go with --template."},
            {"--convert red --template {r.f}/{hsl.h}/{hex}", {}, 0, "1/0/#FF0000\n"},
            {"--export-palette X --as gpl --template {r}", {}, 2, "--template goes with --as css, tailwind or lines."},
            {"--color nosuch", display, 2, "rusket: --color: unknown color name 'nosuch'"}, {"--color INDIGO", display, -1, ""},
            {longName, display, 2, "aaaaaaaaaa\u2026'"}};
        const Row late[] = {{"", {}, -1, ""}, {"--nope", {}, 2, "rusket: Unknown option 'nope'.\nTry 'rusket --help'"},
            {"--pick --copy --template {hex}", {}, -1, ""},
            {"--pick --color red", {}, 2, "--color does not go with --pick."},
            {"page.css", {}, 2, "rusket: Unexpected argument 'page.css'.\n"}};
        for (const auto &rows : {std::span<const Row>(early), std::span<const Row>(late)}) {
            for (const auto &[line, environment, status, expected] : rows) {
                const QStringList arguments = QStringList{"rusket"} + line.split(u' ', Qt::SkipEmptyParts);
                const auto reply = rows.data() == early ? replyBeforeWindowSystem(arguments, environment)
                                                        : replyToCommandLine(arguments);
                QVERIFY2((reply ? reply->exitStatus : -1) == status, qPrintable(line));
                QVERIFY2(!reply || (status ? reply->standardError : reply->standardOutput).contains(expected),
                    qPrintable(line));
                QVERIFY2(!reply || reply->standardError.size() < 200, qPrintable(line));
            }
        }
        QCOMPARE(startColor({"rusket", "--color", "hsl(120 100% 25%)"}), std::optional(Rgb{0, 128, 0}));
        const std::optional<PickRequest> pick = pickRequest({"rusket", "--pick", "--copy", "--template", "{hex}"});
        QVERIFY(pick && pick->copy && !pick->writing.format && pick->writing.templateText == "{hex}");
        QCOMPARE(Conversion::allFormats({255, 0, 0}, pick->writing), QStringLiteral("#FF0000\n"));
        QCOMPARE(pickRequest({"rusket", "--format", "rgb"}), std::nullopt);
        QCOMPARE(startColor({"rusket"}), std::nullopt);
    }

    void paletteCommands()
    {
        // The user's palettes from the command line, in a data folder of the test's own.
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("Rusket"));
        const auto file = [&home](const char *name, const QByteArray &content) {
            QFile out(home.filePath(QLatin1String(name)));
            out.open(QIODevice::WriteOnly);
            out.write(content);
            return out.fileName();
        };
        const QString css
            = file("brand.css", ":root { --brand-500: #ff8000; color: red; } .a { --ink: rgb(18 52 86); }");
        using Row = std::tuple<QString, int, const char *, const char *>; // arguments, status, output, error
        const Row rows[] = {
            {"--import-palette " + css + " --name Brand", 0, "Imported 2 colors as the palette 'Brand'.\n", ""},
            {"--import-palette " + css + " --name Brand", 0, "as the palette 'Brand 2'", ""},
            {"--list-palettes", 0, "History\nBrand\nBrand 2\n", ""},
            {"--export-palette Brand --as css", 0, ":root {\n  --brand-500: #ff8000;\n  --ink: #123456;\n}\n", ""},
            {"--export-palette Brand --as lines --format rgb", 0, "rgb(255 128 0)\nrgb(18 52 86)\n", ""},
            {"--export-palette Nobody --as css", 1, "", "rusket: there is no palette named 'Nobody'."},
            {"--export-palette Brand", 2, "", "--export-palette needs --as css, tailwind, tokens, gpl or lines."},
            {"--export-palette Brand --as scss", 2, "", "--export-palette needs --as"},
            {"--list-palettes --as css", 2, "", "--as does not go with --list-palettes."},
            {"--convert red --name x", 2, "", "--name does not go with --convert."},
            {"--import-palette " + file("broken.txt", "red\nnot a color\n"), 1,
                "Imported 1 color as the palette 'broken'.", "broken.txt, line 2: "},
            {"--import-palette " + home.filePath("nothing.gpl"), 1, "", "nothing.gpl"},
        };
        for (const auto &[line, status, output, error] : rows) {
            std::optional<CommandLineReply> reply = replyToCommandLine(QStringList{"rusket"} + line.split(u' '));
            if (reply && reply->deferred)
                reply = reply->deferred();
            QVERIFY2(reply && reply->exitStatus == status, qPrintable(line));
            QVERIFY2(reply->standardOutput.contains(QLatin1String(output)), qPrintable(reply->standardOutput));
            QVERIFY2(reply->standardError.contains(QLatin1String(error)), qPrintable(reply->standardError));
        }
    }

    void standardInput()
    {
        // What arrives on standard input: every line answered by one, however it ends and
        // whatever the refused text holds.
        const QByteArray longLine = QByteArray(9000, 'a') + '\n';
        const QByteArray carriageReturnAtBlockEnd = QByteArray(65535, ' ') + "\r\nred";
        const std::tuple<const char *, QByteArray, QByteArray, QByteArray, int> rows[]
            = {{"a byte order mark is passed over", "\xEF\xBB\xBFred\n", "#ff0000\n", "", 0},
                {"UTF-16 is refused", QByteArray("\xFF\xFEr\0e\0d\0\n\0", 10), "", "rusket: the input is UTF-16", 1},
                {"an empty UTF-16 file", "\xFE\xFF", "", "rusket: the input is UTF-16", 1},
                {"big-endian UTF-16 without a mark", QByteArray("\0r\0e\0d", 6), "", "rusket: the input is UTF-16", 1},
                {"UTF-16 without a byte order mark", QByteArray("r\0e\0d\0", 6), "", "rusket: the input is UTF-16", 1},
                {"a lone CR ends a line", "red\rlime\r\nblue", "#ff0000\n#00ff00\n#0000ff\n", "", 0},
                {"a CR LF across two reads is one line end", carriageReturnAtBlockEnd, "\n#ff0000\n", "", 0},
                {"a blank line stays blank", "\nred\n \t\nlime\n", "\n#ff0000\n\n#00ff00\n", "", 0},
                {"a long line is quoted in part", longLine, "\n", "aaaaaaaaaa\u2026'\n", 1},
                {"a NUL is shown, not cut", QByteArray("re\0d\n", 5), "\n", "line 1: unknown color name 're\\x00d'", 1}};
        for (const auto &[name, input, output, errors, status] : rows) {
            const auto [written, complaints, exitStatus]
                = converted(fmemopen(const_cast<char *>(input.data()), size_t(input.size()), "r"));
            QVERIFY2(written == output && complaints.contains(errors) && exitStatus == status, name);
            QVERIFY2(complaints.size() < 200, name);
        }
        const QByteArray lines = "red\n\nnot\n";
        const auto templated = converted(fmemopen(const_cast<char *>(lines.data()), size_t(lines.size()), "r"),
            {std::nullopt, QStringLiteral("({r.p}%)")});
        QVERIFY(std::get<0>(templated) == "(100%)\n\n\n" && std::get<1>(templated).startsWith("line 3: ")
            && std::get<2>(templated) == 1);
        const auto [written, complaints, status] = converted(std::fopen("/", "r"));
        QCOMPARE(complaints, "rusket: the input could not be read: Is a directory\n");
        QCOMPARE(status, 1);
    }

    void standardInputAnswersEachLineAsItComes()
    {
        // A line typed in a terminal, or written into a pipe that stays open, is answered at once.
        int input[2], output[2];
        QVERIFY(pipe(input) == 0 && pipe(output) == 0);
        std::FILE *in = fdopen(input[0], "r"), *out = fdopen(output[1], "w"), *errors = std::tmpfile();
        std::thread converter([&] { Conversion::convertLines(in, out, errors, {CssFormat::Hex}); });
        QCOMPARE(::write(input[1], "red\nbl", 6), 6);
        pollfd answer{output[0], POLLIN, 0};
        const bool answered = poll(&answer, 1, 10000) == 1;
        char line[9] = {};
        const bool read = answered && ::read(output[0], line, 8) == 8;
        close(input[1]); // the end of the input ends the conversion
        converter.join();
        for (std::FILE *file : {in, out, errors})
            std::fclose(file);
        close(output[0]);
        QVERIFY(read);
        QCOMPARE(line, "#ff0000\n");
    }

    void visionSimulation()
    {
        // Computed by hand from the published matrices, not by the program; the greys are the
        // luminance encoded as sRGB by colorjs.io.
        using enum VisionDeficiency;
        const std::tuple<VisionDeficiency, Rgb, Rgb> rows[] = {{Protanopia, {255, 0, 0}, {109, 95, 0}},
            {Protanopia, {0, 0, 238}, {0, 82, 243}}, {Protanopia, {230, 0, 0}, {97, 85, 0}},
            {Deuteranopia, {255, 0, 0}, {163, 144, 0}}, {Tritanopia, {0, 128, 0}, {0, 124, 108}},
            {Achromatopsia, {255, 0, 0}, {127, 127, 127}}, {Achromatopsia, {0, 255, 0}, {220, 220, 220}},
            {Achromatopsia, {0, 0, 255}, {76, 76, 76}}, {None, {1, 2, 3}, {1, 2, 3}}};
        for (const auto &[deficiency, color, seen] : rows)
            QCOMPARE(simulateVision(color, deficiency), seen);
        for (VisionDeficiency deficiency : allVisionDeficiencies)
            QCOMPARE(simulateVision(white, deficiency), white);
    }

    void exportAndHelpTexts()
    {
        const SampleColors colors{{0, 15, 16}, {255, 0, 15}, {16, 255, 0}, {15, 16, 255}};
        QCOMPARE(cssText(colors),
            QStringLiteral("body { color: rgb(255,0,15); background-color: rgb(0,15,16) } "
                           "a:link { color: rgb(16,255,0) } a:visited { color: rgb(15,16,255) }"));
        QCOMPARE(htmlText(colors),
            QStringLiteral("<body text=\"#FF000F\" bgcolor=\"#000F10\" link=\"#10FF00\" vlink=\"#0F10FF\">"));
        QCOMPARE(infoMessage(),
            QStringLiteral("Two documents for understanding web colors can be downloaded at the W3C "
                           "(https://www.w3.org/), the official HTML4 and CSS2 specifications. This program "
                           "is only meant as a tool to be used additionally to an editor (such as Notepad) if "
                           "you already know how the colors work."));
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"
