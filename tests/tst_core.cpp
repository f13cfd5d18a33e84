#include "export/sampleexport.h"
#include "help/commandline.h"
#include "help/infotext.h"
#include "tables/colornametable.h"
#include "tables/datafiles.h"
#include "tables/palette.h"
#include "values/contrast.h"
#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/notationtexts.h"
#include "values/rangecheck.h"

#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

const QLocale english = QLocale::c();
const QLocale german(QLocale::German, QLocale::Germany);
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr Rgb white{255, 255, 255};

// One row of each table; the row's name says what it is about.
enum class Reading { Hex, Byte, EnglishPercent, GermanPercent, Whole };
struct ReadingRow
{
    Reading reading;
    const char *text;
    double value;
};
struct RangeRow
{
    int value;
    ColorSource notation;
    int corrected;
    const char *message;
};
struct FileRow
{
    const char *content; // nullptr: the file is missing
    int paletteSize; // 0: a names file
    const char *report; // how the report begins
};
struct NearestRow
{
    QList<Rgb> palette;
    int red, green, blue;
    Rgb nearest;
};
struct ContrastRow
{
    Rgb foreground, background;
    const char *line;
};
struct CommandLineRow
{
    const char *arguments;
    int status; // -1: the window opens
    const char *reply; // how what is printed begins
};

} // namespace

Q_DECLARE_METATYPE(ReadingRow)
Q_DECLARE_METATYPE(RangeRow)
Q_DECLARE_METATYPE(FileRow)
Q_DECLARE_METATYPE(NearestRow)
Q_DECLARE_METATYPE(ContrastRow)
Q_DECLARE_METATYPE(CommandLineRow)

// The core without any window: conversions, reading typed text, the range check, contrast,
// the data files and their lookups, the export texts, the command line.
class CoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray &content)
    {
        const QString path = dir.filePath(QStringLiteral("broken.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void reading_data()
    {
        // The corners of reading typed text; the everyday cases are typed in the window tests.
        QTest::addColumn<ReadingRow>("row");
        QTest::newRow("hex, one character counts twice") << ReadingRow{Reading::Hex, "7", 119};
        QTest::newRow("hex, middle ignored") << ReadingRow{Reading::Hex, "ABC", 172};
        QTest::newRow("hex, bad first digit") << ReadingRow{Reading::Hex, "G5", 5};
        QTest::newRow("hex, below 0") << ReadingRow{Reading::Hex, "/0", 0};
        QTest::newRow("hex, past 9") << ReadingRow{Reading::Hex, ":0", 0};
        QTest::newRow("hex, past f") << ReadingRow{Reading::Hex, "0g", 0};
        QTest::newRow("tab and line feed") << ReadingRow{Reading::Byte, "\t1\n28", 128};
        QTest::newRow("leading point") << ReadingRow{Reading::Byte, ".5", 0.5};
        QTest::newRow("comma is no point") << ReadingRow{Reading::Byte, "2,5", 2};
        QTest::newRow("exponent with sign") << ReadingRow{Reading::Byte, "25e+1", 250};
        QTest::newRow("exponent without digits") << ReadingRow{Reading::Byte, "7E", 7};
        QTest::newRow("sign only") << ReadingRow{Reading::Byte, "-", 0};
        QTest::newRow("octal prefix") << ReadingRow{Reading::Byte, "&O17", 15};
        QTest::newRow("octal stops at 8") << ReadingRow{Reading::Byte, "&o78", 7};
        QTest::newRow("ampersand alone") << ReadingRow{Reading::Byte, "&", 0};
        QTest::newRow("overflow") << ReadingRow{Reading::Byte, "1E400", infinity};
        QTest::newRow("negative overflow") << ReadingRow{Reading::Byte, "-1E400", -infinity};
        QTest::newRow("underflow") << ReadingRow{Reading::Byte, "1E-400", 0};
        QTest::newRow("non-Latin digits") << ReadingRow{Reading::Byte, "\u0661\u0662", 0};
        QTest::newRow("percent, blanks around") << ReadingRow{Reading::EnglishPercent, "  50.5 ", 50.5};
        QTest::newRow("percent, German comma") << ReadingRow{Reading::GermanPercent, "50,19608", 50.19608};
        QTest::newRow("percent, leading number") << ReadingRow{Reading::GermanPercent, "12,5abc", 12.5};
        QTest::newRow("percent, no number") << ReadingRow{Reading::EnglishPercent, "abc", 0};
        QTest::newRow("whole: 2.5 to even") << ReadingRow{Reading::Whole, "2.5", 2};
        QTest::newRow("whole: 3.5 to even") << ReadingRow{Reading::Whole, "3.5", 4};
        QTest::newRow("whole: -0.5 to zero") << ReadingRow{Reading::Whole, "-0.5", 0};
        QTest::newRow("whole: 255.5 to 256") << ReadingRow{Reading::Whole, "255.5", 256};
        QTest::newRow("whole: beyond 16 bits") << ReadingRow{Reading::Whole, "40000", 32767};
        QTest::newRow("whole: below 16 bits") << ReadingRow{Reading::Whole, "-40000", -32768};
        QTest::newRow("whole: infinity") << ReadingRow{Reading::Whole, "inf", 32767};
        QTest::newRow("whole: not a number") << ReadingRow{Reading::Whole, "nan", 0};
    }
    void reading()
    {
        QFETCH(ReadingRow, row);
        const QString text = QString::fromUtf8(row.text);
        switch (row.reading) {
        case Reading::Hex: QCOMPARE(hexToByte(text), row.value); break;
        case Reading::Byte: QCOMPARE(readLenientDecimal(text), row.value); break;
        case Reading::EnglishPercent: QCOMPARE(readPercentText(text, english), row.value); break;
        case Reading::GermanPercent: QCOMPARE(readPercentText(text, german), row.value); break;
        case Reading::Whole: QCOMPARE(makeWhole(english.toDouble(text)), row.value); break;
        }
    }

    void everyComponentRoundTrips()
    {
        for (const QLocale &locale : {english, german}) {
            for (int component = 0; component < 256; ++component) {
                const NotationTexts texts = NotationTexts::of({0, 0, quint8(component)}, locale);
                const double fromPercent = percentToComponent(readPercentText(texts.percent[2], locale));
                QCOMPARE(makeWhole(toSinglePrecision(fromPercent)), component);
                QCOMPARE(makeWhole(readLenientDecimal(texts.byte[2])), component);
                QCOMPARE(hexToByte(texts.hex[2]), component);
                QCOMPARE(texts.hex[2].size(), 2);
            }
        }
    }

    void notationTexts()
    {
        const std::tuple<int, const char *, const char *> percents[] = {{1, "0.3921569", "0,3921569"},
            {85, "33.33333", "33,33333"}, {128, "50.19608", "50,19608"}, {170, "66.66666", "66,66666"}};
        for (const auto &[component, inEnglish, inGerman] : percents) {
            QCOMPARE(NotationTexts::of({0, quint8(component), 0}, english).percent[1], QLatin1String(inEnglish));
            QCOMPARE(NotationTexts::of({0, quint8(component), 0}, german).percent[1], QLatin1String(inGerman));
        }
        QCOMPARE(percentText(-1e-9f, english), QStringLiteral("-0")); // no exponent, even far from 0..100
        const NotationTexts texts = NotationTexts::of({255, 128, 0}, english);
        QCOMPARE(QStringList({texts.byteShow, texts.percentShow, texts.hexShow, texts.percent[0], texts.hex[1]}),
            QStringList({"rgb(255,128,0)", "rgb(100%,50%,0%)", "=\"#FF8000\"", "100", "80"}));
        QCOMPARE(NotationTexts::of({254, 1, 0}, german).percentShow, QStringLiteral("rgb(99%,0%,0%)"));
    }

    void rangeCheck_data()
    {
        QTest::addColumn<RangeRow>("row");
        QTest::newRow("in range") << RangeRow{255, ColorSource::Percent, 255, ""};
        QTest::newRow("-1 byte") << RangeRow{-1, ColorSource::Byte, 0, "Value has to be equal or above 0"};
        QTest::newRow("256 byte") << RangeRow{256, ColorSource::Byte, 255, "Value has to be equal or below 255"};
        QTest::newRow("256 percent") << RangeRow{256, ColorSource::Percent, 255, "Value has to be equal or below 100"};
        QTest::newRow("-1 hex") << RangeRow{-1, ColorSource::Hex, 0, "Value has to be equal or above 00"};
        QTest::newRow("256 hex") << RangeRow{256, ColorSource::Hex, 255, "Value has to be equal or below FF"};
        QTest::newRow("most negative") << RangeRow{-32768, ColorSource::Byte, 0, "Value has to be equal or above 0"};
    }
    void rangeCheck()
    {
        QFETCH(RangeRow, row);
        const RangeCheck checked = checkRange(qint16(row.value), row.notation);
        QCOMPARE(checked.value, row.corrected);
        QCOMPARE(checked.message, QLatin1String(row.message));
    }

    void namesFile()
    {
        ColorNameTable table;
        const QByteArray file = " \"alice blue\" ,240,248,255\r\n\r\naqua,0,255,255\rcyan,0,255,255\n\"a, b\",1,2,3\r\n"
                                "red,255,0,0\r\nred,1,2,3\r\n\"\",4,5,6\r\nx,0,255,255\r\n  \r\n";
        QCOMPARE(table.load(write(file)), std::nullopt);
        QCOMPARE(table.entries().size(), 8);
        QCOMPARE(table.findNamesByColor({0, 255, 255}), QStringList({"aqua", "cyan", "x"}));
        QCOMPARE(ColorNameTable::joinFurtherNames({"a", "b", "c"}), QStringLiteral("b,c"));
        QCOMPARE(ColorNameTable::joinFurtherNames({"a", "b", "", "d"}), QStringLiteral("b"));
        Rgb color{9, 9, 9};
        QVERIFY(!table.findColorByName(QStringLiteral("nosuchcolour"), color));
        QCOMPARE(color, Rgb({9, 9, 9})); // untouched
        const std::pair<const char *, Rgb> found[]
            = {{"AliceBlue", {240, 248, 255}}, {" R E D ", {255, 0, 0}}, {"A, B", {1, 2, 3}}, {"  ", {4, 5, 6}}};
        for (const auto &[name, rgb] : found) {
            QVERIFY2(table.findColorByName(QLatin1String(name), color), name);
            QCOMPARE(color, rgb);
        }

        QByteArray full;
        for (int i = 0; i < ColorNameTable::capacity; ++i)
            full += "x,1,2,3\n";
        QCOMPARE(table.load(write(full)), std::nullopt);
        QCOMPARE(table.findNamesByColor({1, 2, 3}).size(), ColorNameTable::capacity);
        const std::optional<LoadError> tooMany = table.load(write(full + "y,1,2,3\n"));
        QCOMPARE(tooMany.value_or(LoadError{}).text(),
            QStringLiteral("broken.txt, line 10002: holds more than 10001 colour names, the most the table takes"));
        QCOMPARE(table.entries().size(), ColorNameTable::capacity); // a failed load keeps the table
    }

    void malformedFiles_data()
    {
        QTest::addColumn<FileRow>("row");
        QTest::newRow("names end in a record")
            << FileRow{"red,0,0,0\nblue,0,0", 0, "broken.txt, line 2: the file ends"};
        QTest::newRow("empty component") << FileRow{
            "black,,0,0\r\n", 0, "broken.txt, line 1: \"\" is not a colour comp"};
        QTest::newRow("too large") << FileRow{"a,1,2,3\nred,256,0,0\n", 0, "broken.txt, line 2: \"256"};
        QTest::newRow("negative") << FileRow{"red,-1,0,0", 0, "broken.txt, line 1: \"-1"};
        QTest::newRow("fraction") << FileRow{"red,2.5,0,0", 0, "broken.txt, line 1: \"2.5"};
        QTest::newRow("four digits") << FileRow{"red,0255,0,0", 0, "broken.txt, line 1: \"0255"};
        QTest::newRow("quoted name over two lines") << FileRow{"\"a\nb\",1,2,x", 0, "broken.txt, line 2: \"x"};
        QTest::newRow("palette too short") << FileRow{"1,2,3\n4,5,6\n", 3, "broken.txt, line 3: ends after 2 of its 3"};
        QTest::newRow("palette ends in a colour") << FileRow{"1,2,3\r\n4,5", 2, "broken.txt, line 2: the file ends"};
        QTest::newRow("palette bad number") << FileRow{"1,2,3\r\n4,five,6\r\n", 2, "broken.txt, line 2: \"five"};
        QTest::newRow("missing") << FileRow{nullptr, 16, "nothere.pal: cannot be read (No such file"};
    }
    void malformedFiles()
    {
        QFETCH(FileRow, row);
        const QString path = row.content ? write(row.content) : dir.filePath(QStringLiteral("nothere.pal"));
        ColorNameTable names;
        Palette palette;
        const std::optional<LoadError> error = row.paletteSize ? palette.load(path, row.paletteSize) : names.load(path);
        QVERIFY(error);
        QVERIFY2(error->text().startsWith(QLatin1String(row.report)), qPrintable(error->text()));
    }

    void dataFileLocation()
    {
        // Beside the program first, then in ../share/rusket as installed.
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("bin")) && QDir(dir.path()).mkpath("share/rusket"));
        QVERIFY(QFile(dir.filePath(QStringLiteral("share/rusket/a.pal"))).open(QIODevice::WriteOnly));
        QString path;
        QCOMPARE(locateDataFile(bin, QStringLiteral("a.pal"), &path), std::nullopt);
        QCOMPARE(path, dir.filePath(QStringLiteral("share/rusket/a.pal")));
        QVERIFY(QFile(dir.filePath(QStringLiteral("bin/a.pal"))).open(QIODevice::WriteOnly));
        QCOMPARE(locateDataFile(bin, QStringLiteral("a.pal"), &path), std::nullopt);
        QCOMPARE(path, dir.filePath(QStringLiteral("bin/a.pal")));
        QCOMPARE(locateDataFile(bin, QStringLiteral("b.pal"), &path).value_or(LoadError{}).text(),
            QStringLiteral("b.pal: cannot be read: neither %1 nor %2 exists")
                .arg(dir.filePath("bin/b.pal"), dir.filePath("share/rusket/b.pal")));
    }

    void shippedFiles()
    {
        // Qt knows the SVG colour names; CSS adds rebeccapurple, and Qt adds transparent.
        QStringList expected = QColor::colorNames();
        expected.removeOne(QStringLiteral("transparent"));
        expected.append(QStringLiteral("rebeccapurple"));
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

    void nearestMember_data()
    {
        QTest::addColumn<NearestRow>("row");
        QTest::newRow("city block") << NearestRow{{{80, 0, 0}, {50, 50, 0}}, 0, 0, 0, {80, 0, 0}};
        QTest::newRow("tie: the earlier") << NearestRow{{{0, 10, 0}, {10, 0, 0}}, 0, 0, 0, {0, 10, 0}};
        QTest::newRow("member") << NearestRow{{{1, 1, 1}, {5, 5, 5}, {6, 5, 5}}, 5, 5, 5, {5, 5, 5}};
        QTest::newRow("each component") << NearestRow{{{9, 9, 0}, {9, 9, 9}, {9, 0, 9}, {0, 9, 9}}, 9, 9, 8, {9, 9, 9}};
        QTest::newRow("far above") << NearestRow{{{0, 0, 0}, {255, 255, 255}}, 32767, 32767, 32767, {255, 255, 255}};
        QTest::newRow("far below") << NearestRow{{{255, 255, 255}, {0, 0, 0}}, -32768, -5, 0, {0, 0, 0}};
    }
    void nearestMember()
    {
        QFETCH(NearestRow, row);
        QCOMPARE(Palette(row.palette).nearest(row.red, row.green, row.blue), row.nearest);
    }

    void contrast_data()
    {
        QTest::addColumn<ContrastRow>("row");
        QTest::newRow("#767676 on white") << ContrastRow{{118, 118, 118}, white, "4.54:1 (AA)"};
        QTest::newRow("#777777 on white") << ContrastRow{{119, 119, 119}, white, "4.47:1 (AA large text only)"};
        QTest::newRow("black on white") << ContrastRow{{0, 0, 0}, white, "21.00:1 (AAA)"};
        QTest::newRow("red on white") << ContrastRow{{255, 0, 0}, white, "3.99:1 (AA large text only)"};
        QTest::newRow("blue on white") << ContrastRow{{0, 0, 255}, white, "8.59:1 (AAA)"};
        QTest::newRow("darkest green, linear part") << ContrastRow{{0, 1, 0}, white, "20.90:1 (AAA)"};
        QTest::newRow("equal colours") << ContrastRow{{18, 52, 86}, {18, 52, 86}, "1.00:1 (fails)"};
    }
    void contrast()
    {
        QFETCH(ContrastRow, row);
        for (const double ratio :
            {contrastRatio(row.foreground, row.background), contrastRatio(row.background, row.foreground)})
            QCOMPARE(ratioText(ratio) + QStringLiteral(" (") + contrastLevel(ratio) + u')', QLatin1String(row.line));
        const SampleColors page{row.background, row.foreground, {1, 1, 1}, {2, 2, 2}};
        QCOMPARE(contrastLines(page).first(), QStringLiteral("Text on background: ") + QLatin1String(row.line));
    }

    void contrastNeverRoundsUp()
    {
        QCOMPARE(ratioText(4.499), QStringLiteral("4.49:1"));
        const std::pair<double, const char *> levels[] = {{7, "AAA"}, {6.999, "AA"}, {4.5, "AA"},
            {4.499, "AA large text only"}, {3, "AA large text only"}, {2.999, "fails"}};
        for (const auto &[ratio, level] : levels)
            QCOMPARE(contrastLevel(ratio), QLatin1String(level));
        const SampleColors page{white, {0, 0, 0}, {255, 0, 0}, {119, 119, 119}};
        QCOMPARE(contrastLines(page),
            QStringList({"Text on background: 21.00:1 (AAA)", "Link on background: 3.99:1 (AA large text only)",
                "Visited link on background: 4.47:1 (AA large text only)"}));
    }

    void commandLine_data()
    {
        QTest::addColumn<CommandLineRow>("row");
        QTest::newRow("none") << CommandLineRow{"", -1, ""};
        QTest::newRow("Qt's own options") << CommandLineRow{"-style fusion -reverse", -1, ""};
        QTest::newRow("version") << CommandLineRow{"--version", 0, "Rusket 1.0.0\n"};
        QTest::newRow("short version") << CommandLineRow{"-v", 0, "Rusket 1.0.0\n"};
        QTest::newRow("help") << CommandLineRow{"--help", 0, "Usage: rusket [options]\n"};
        QTest::newRow("unknown") << CommandLineRow{"--nope", 2, "rusket: Unknown option 'nope'.\nTry 'rusket --help'"};
        QTest::newRow("an argument") << CommandLineRow{"page.css", 2, "rusket: Unexpected argument 'page.css'.\n"};
    }
    void commandLine()
    {
        QFETCH(CommandLineRow, row);
        const QStringList arguments = QStringList{"rusket"} + QString(row.arguments).split(u' ', Qt::SkipEmptyParts);
        const std::optional<CommandLineReply> reply = replyToCommandLine(arguments);
        QCOMPARE(reply ? reply->exitStatus : -1, row.status);
        if (reply)
            QVERIFY((row.status == 0 ? reply->standardOutput : reply->standardError).startsWith(row.reply));
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
        QVERIFY(aboutText().startsWith(QStringLiteral("Rusket 1.0.0 is freeware, written by the Rusket authors")));
    }
};

QTEST_APPLESS_MAIN(CoreTest)
#include "tst_core.moc"
