#include "export/sampleexport.h"
#include "help/commandline.h"
#include "help/infotext.h"
#include "tables/datafiles.h"
#include "tables/colornametable.h"
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

Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(ColorSource)

namespace {

const QLocale english = QLocale::c();
const QLocale german(QLocale::German, QLocale::Germany);
constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr Rgb white{255, 255, 255};

} // namespace

// The core without any window: conversions, reading typed text, the range check, the data
// files and their lookups, the export texts.
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
        // How typed text becomes a number, per notation; the everyday cases are typed in the
        // window tests.
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("hex one character counts twice") << "hex"
                                                        << "7" << 119.0;
        QTest::newRow("hex middle ignored") << "hex"
                                            << "ABC" << 172.0;
        QTest::newRow("hex bad first") << "hex"
                                       << "G5" << 5.0;
        QTest::newRow("hex below 0") << "hex"
                                     << "/0" << 0.0;
        QTest::newRow("hex past 9") << "hex"
                                    << ":0" << 0.0;
        QTest::newRow("hex past f") << "hex"
                                    << "0g" << 0.0;
        QTest::newRow("tab and line feed") << "byte"
                                           << "\t1\n28" << 128.0;
        QTest::newRow("leading point") << "byte"
                                       << ".5" << 0.5;
        QTest::newRow("comma is no point") << "byte"
                                           << "2,5" << 2.0;
        QTest::newRow("exponent with sign") << "byte"
                                            << "25e+1" << 250.0;
        QTest::newRow("exponent without digits") << "byte"
                                                 << "7E" << 7.0;
        QTest::newRow("sign only") << "byte"
                                   << "-" << 0.0;
        QTest::newRow("octal prefix") << "byte"
                                      << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "byte"
                                          << "&o78" << 7.0;
        QTest::newRow("ampersand alone") << "byte"
                                         << "&" << 0.0;
        QTest::newRow("overflow") << "byte"
                                  << "1E400" << infinity;
        QTest::newRow("negative overflow") << "byte"
                                           << "-1E400" << -infinity;
        QTest::newRow("underflow") << "byte"
                                   << "1E-400" << 0.0;
        QTest::newRow("non-Latin digits") << "byte"
                                          << "\u0661\u0662" << 0.0;
        QTest::newRow("percent, blanks around") << "english"
                                                << "  50.5 " << 50.5;
        QTest::newRow("percent, German comma") << "german"
                                               << "50,19608" << 50.19608;
        QTest::newRow("percent, leading number") << "german"
                                                 << "12,5abc" << 12.5;
        QTest::newRow("percent, no number") << "english"
                                            << "abc" << 0.0;
    }
    void reading()
    {
        QFETCH(QString, notation);
        QFETCH(QString, text);
        QFETCH(double, value);
        if (notation == u"hex")
            QCOMPARE(hexToByte(text), value);
        else if (notation == u"byte")
            QCOMPARE(readLenientDecimal(text), value);
        else
            QCOMPARE(readPercentText(text, notation == u"german" ? german : english), value);
    }

    void makeWhole_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("whole");
        QTest::newRow("2.5 to even") << 2.5 << 2;
        QTest::newRow("3.5 to even") << 3.5 << 4;
        QTest::newRow("-0.5 to zero") << -0.5 << 0;
        QTest::newRow("255.5 to 256") << 255.5 << 256;
        QTest::newRow("beyond 16 bits") << 40000.0 << 32767;
        QTest::newRow("below 16 bits") << -40000.0 << -32768;
        QTest::newRow("infinity") << infinity << 32767;
        QTest::newRow("nan") << std::nan("") << 0;
    }
    void makeWhole()
    {
        QFETCH(double, value);
        QFETCH(int, whole);
        QCOMPARE(::makeWhole(value), whole);
    }

    void percentTexts_data()
    {
        QTest::addColumn<int>("component");
        QTest::addColumn<QString>("englishText");
        QTest::addColumn<QString>("germanText");
        QTest::newRow("0") << 0 << "0"
                           << "0";
        QTest::newRow("1") << 1 << "0.3921569"
                           << "0,3921569";
        QTest::newRow("85") << 85 << "33.33333"
                            << "33,33333";
        QTest::newRow("128") << 128 << "50.19608"
                             << "50,19608";
        QTest::newRow("170") << 170 << "66.66666"
                             << "66,66666";
        QTest::newRow("255") << 255 << "100"
                             << "100";
    }
    void percentTexts()
    {
        QFETCH(int, component);
        QFETCH(QString, englishText);
        QFETCH(QString, germanText);
        const float percent = percentOf(float(component), 255);
        QCOMPARE(percentText(percent, english), englishText);
        QCOMPARE(percentText(percent, german), germanText);
        QCOMPARE(percentText(-1e-9f, english), QStringLiteral("-0")); // no exponent, even far from 0..100
    }

    void everyComponentRoundTrips()
    {
        for (const QLocale &locale : {english, german}) {
            for (int component = 0; component < 256; ++component) {
                const NotationTexts texts = NotationTexts::of({0, 0, quint8(component)}, locale);
                const double fromPercent = percentToComponent(readPercentText(texts.percent[2], locale));
                QCOMPARE(::makeWhole(toSinglePrecision(fromPercent)), component);
                QCOMPARE(::makeWhole(readLenientDecimal(texts.byte[2])), component);
                QCOMPARE(hexToByte(texts.hex[2]), component);
                QCOMPARE(texts.hex[2].size(), 2);
            }
        }
    }

    void combinedTexts()
    {
        const NotationTexts texts = NotationTexts::of({255, 128, 0}, english);
        QCOMPARE(texts.byteShow, QStringLiteral("rgb(255,128,0)"));
        QCOMPARE(texts.percentShow, QStringLiteral("rgb(100%,50%,0%)"));
        QCOMPARE(texts.hexShow, QStringLiteral("=\"#FF8000\""));
        QCOMPARE(NotationTexts::of({254, 1, 0}, german).percentShow, QStringLiteral("rgb(99%,0%,0%)"));
    }

    void rangeCheck_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<ColorSource>("notation");
        QTest::addColumn<int>("corrected");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << 0 << ColorSource::Byte << 0 << "";
        QTest::newRow("255") << 255 << ColorSource::Percent << 255 << "";
        QTest::newRow("-1 byte") << -1 << ColorSource::Byte << 0 << "Value has to be equal or above 0";
        QTest::newRow("256 byte") << 256 << ColorSource::Byte << 255 << "Value has to be equal or below 255";
        QTest::newRow("256 percent") << 256 << ColorSource::Percent << 255 << "Value has to be equal or below 100";
        QTest::newRow("-1 hex") << -1 << ColorSource::Hex << 0 << "Value has to be equal or above 00";
        QTest::newRow("256 hex") << 256 << ColorSource::Hex << 255 << "Value has to be equal or below FF";
        QTest::newRow("most negative") << -32768 << ColorSource::Byte << 0 << "Value has to be equal or above 0";
    }
    void rangeCheck()
    {
        QFETCH(int, value);
        QFETCH(ColorSource, notation);
        QFETCH(int, corrected);
        QFETCH(QString, message);
        const RangeCheck checked = checkRange(qint16(value), notation);
        QCOMPARE(checked.value, corrected);
        QCOMPARE(checked.message, message);
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
        QVERIFY(table.findNamesByColor({9, 9, 9}).isEmpty());

        Rgb color{9, 9, 9};
        QVERIFY(!table.findColorByName(QStringLiteral("nosuchcolour"), color));
        QCOMPARE(color, Rgb({9, 9, 9})); // untouched
        const std::pair<const char *, Rgb> found[]
            = {{"AliceBlue", {240, 248, 255}}, {" R E D ", {255, 0, 0}}, {"A, B", {1, 2, 3}}, {"  ", {4, 5, 6}}};
        for (const auto &[name, rgb] : found) {
            QVERIFY2(table.findColorByName(QLatin1String(name), color), name);
            QCOMPARE(color, rgb);
        }
    }

    void namesCapacity()
    {
        ColorNameTable table;
        QByteArray full;
        for (int i = 0; i < ColorNameTable::capacity; ++i)
            full += "x,1,2,3\n";
        QCOMPARE(table.load(write(full)), std::nullopt);
        QCOMPARE(table.findNamesByColor({1, 2, 3}).size(), ColorNameTable::capacity);
        const std::optional<LoadError> tooMany = table.load(write(full + "y,1,2,3\n"));
        QVERIFY(tooMany);
        QCOMPARE(tooMany->text(),
            QStringLiteral("broken.txt, line 10002: holds more than 10001 colour names, "
                           "the most the table takes"));
        QCOMPARE(table.entries().size(), ColorNameTable::capacity); // a failed load keeps the table
    }

    void malformedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("paletteSize"); // 0: a names file
        QTest::addColumn<QString>("report");
        QTest::newRow("names end inside a record") << QByteArray("red,255,0,0\r\nblue,0,0") << 0
                                                   << "broken.txt, line 2: the file ends where a colour component "
                                                      "was expected";
        QTest::newRow("empty component") << QByteArray("black,,0,0\r\n") << 0
                                         << "broken.txt, line 1: \"\" is not a colour component (a whole number "
                                            "from 0 to 255)";
        QTest::newRow("too large") << QByteArray("a,1,2,3\nred,256,0,0\n") << 0 << "broken.txt, line 2: \"256\"";
        QTest::newRow("negative") << QByteArray("red,-1,0,0") << 0 << "broken.txt, line 1: \"-1\"";
        QTest::newRow("fraction") << QByteArray("red,2.5,0,0") << 0 << "broken.txt, line 1: \"2.5\"";
        QTest::newRow("four digits") << QByteArray("red,0255,0,0") << 0 << "broken.txt, line 1: \"0255\"";
        QTest::newRow("quoted name over two lines") << QByteArray("\"a\nb\",1,2,x") << 0 << "broken.txt, line 2: \"x\"";
        QTest::newRow("palette too short")
            << QByteArray("1,2,3\r\n4,5,6\r\n") << 3 << "broken.txt, line 3: ends after 2 of its 3 colours";
        QTest::newRow("palette ends in a colour") << QByteArray("1,2,3\r\n4,5") << 2 << "broken.txt, line 2: the file";
        QTest::newRow("palette bad number")
            << QByteArray("1,2,3\r\n4,five,6\r\n") << 2 << "broken.txt, line 2: \"five\"";
        QTest::newRow("missing") << QByteArray() << 16 << "nothere.pal: cannot be read";
    }
    void malformedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, paletteSize);
        QFETCH(QString, report);
        const QString path = content.isEmpty() ? dir.filePath(QStringLiteral("nothere.pal")) : write(content);
        ColorNameTable names;
        Palette palette;
        const std::optional<LoadError> error = paletteSize ? palette.load(path, paletteSize) : names.load(path);
        QVERIFY(error);
        QVERIFY2(error->text().startsWith(report), qPrintable(error->text()));
    }

    void shippedNamesAreTheCssNames()
    {
        // Qt knows the SVG colour names; CSS adds rebeccapurple, and Qt adds transparent.
        QStringList expected = QColor::colorNames();
        expected.removeOne(QStringLiteral("transparent"));
        expected.append(QStringLiteral("rebeccapurple"));
        expected.sort();
        ColorNameTable table;
        QCOMPARE(table.load(QStringLiteral(RUSKET_DATA_DIR "/color_names.txt")), std::nullopt);
        QStringList shipped;
        for (const ColorNameTable::Entry &entry : table.entries()) {
            shipped.append(entry.name);
            const QColor css = entry.name == u"rebeccapurple" ? QColor(0x66, 0x33, 0x99) : QColor(entry.name);
            QCOMPARE(QColor(entry.color.red, entry.color.green, entry.color.blue), css);
        }
        QCOMPARE(shipped, expected);
    }

    void shippedPalettes()
    {
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
        QTest::addColumn<QList<Rgb>>("palette");
        QTest::addColumn<QList<int>>("color");
        QTest::addColumn<Rgb>("nearest");
        QTest::newRow("city block") << QList<Rgb>{{80, 0, 0}, {50, 50, 0}} << QList<int>{0, 0, 0} << Rgb{80, 0, 0};
        QTest::newRow("tie: the earlier") << QList<Rgb>{{0, 10, 0}, {10, 0, 0}} << QList<int>{0, 0, 0} << Rgb{0, 10, 0};
        QTest::newRow("member") << QList<Rgb>{{1, 1, 1}, {5, 5, 5}, {6, 5, 5}} << QList<int>{5, 5, 5} << Rgb{5, 5, 5};
        QTest::newRow("each component counts")
            << QList<Rgb>{{9, 9, 0}, {9, 9, 9}, {9, 0, 9}, {0, 9, 9}} << QList<int>{9, 9, 8} << Rgb{9, 9, 9};
        QTest::newRow("far above") << QList<Rgb>{{0, 0, 0}, {255, 255, 255}} << QList<int>{32767, 32767, 32767}
                                   << Rgb{255, 255, 255};
        QTest::newRow("far below") << QList<Rgb>{{255, 255, 255}, {0, 0, 0}} << QList<int>{-32768, -5, 0}
                                   << Rgb{0, 0, 0};
    }
    void nearestMember()
    {
        QFETCH(QList<Rgb>, palette);
        QFETCH(QList<int>, color);
        QFETCH(Rgb, nearest);
        QCOMPARE(Palette(palette).nearest(color[0], color[1], color[2]), nearest);
        QVERIFY(Palette(palette).contains(nearest));
    }

    void contrast_data()
    {
        QTest::addColumn<Rgb>("foreground");
        QTest::addColumn<Rgb>("background");
        QTest::addColumn<QString>("line");
        QTest::newRow("#767676 on white") << Rgb{118, 118, 118} << white << "4.54:1 (AA)";
        QTest::newRow("#777777 on white") << Rgb{119, 119, 119} << white << "4.47:1 (AA large text only)";
        QTest::newRow("black on white") << Rgb{0, 0, 0} << white << "21.00:1 (AAA)";
        QTest::newRow("red on white") << Rgb{255, 0, 0} << white << "3.99:1 (AA large text only)";
        QTest::newRow("blue on white") << Rgb{0, 0, 255} << white << "8.59:1 (AAA)";
        QTest::newRow("darkest green, linear part") << Rgb{0, 1, 0} << white << "20.90:1 (AAA)";
        QTest::newRow("equal colours") << Rgb{18, 52, 86} << Rgb{18, 52, 86} << "1.00:1 (fails)";
    }
    void contrast()
    {
        QFETCH(Rgb, foreground);
        QFETCH(Rgb, background);
        QFETCH(QString, line);
        for (const double ratio : {contrastRatio(foreground, background), contrastRatio(background, foreground)})
            QCOMPARE(ratioText(ratio) + QStringLiteral(" (") + contrastLevel(ratio) + u')', line);
        const SampleColors page{background, foreground, {1, 1, 1}, {2, 2, 2}};
        QCOMPARE(contrastLines(page).first(), QStringLiteral("Text on background: ") + line);
    }

    void contrastNeverRoundsUp()
    {
        QCOMPARE(ratioText(4.499), QStringLiteral("4.49:1"));
        QCOMPARE(contrastLevel(4.499), QStringLiteral("AA large text only"));
        const std::pair<double, const char *> levels[]
            = {{7, "AAA"}, {6.999, "AA"}, {4.5, "AA"}, {3, "AA large text only"}, {2.999, "fails"}};
        for (const auto &[ratio, level] : levels)
            QCOMPARE(contrastLevel(ratio), QLatin1String(level));
        const SampleColors page{{255, 255, 255}, {0, 0, 0}, {255, 0, 0}, {119, 119, 119}};
        QCOMPARE(contrastLines(page),
            QStringList({"Text on background: 21.00:1 (AAA)", "Link on background: 3.99:1 (AA large text only)",
                "Visited link on background: 4.47:1 (AA large text only)"}));
    }

    void commandLine_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status"); // -1: the window opens
        QTest::addColumn<QString>("reply"); // the beginning of what is printed
        QTest::newRow("none") << "" << -1 << "";
        QTest::newRow("Qt's own options") << "-style fusion -reverse" << -1 << "";
        QTest::newRow("version") << "--version" << 0 << "Rusket 1.0.0\n";
        QTest::newRow("short version") << "-v" << 0 << "Rusket 1.0.0\n";
        QTest::newRow("help") << "--help" << 0 << "Usage: rusket [options]\n";
        QTest::newRow("unknown option") << "--nope" << 2 << "rusket: Unknown option 'nope'.\nTry 'rusket --help'";
        QTest::newRow("an argument") << "page.css" << 2 << "rusket: Unexpected argument 'page.css'.\n";
    }
    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, reply);
        const auto answer = replyToCommandLine(QStringList{"rusket"} + arguments.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(answer ? answer->exitStatus : -1, status);
        if (answer)
            QVERIFY((status == 0 ? answer->standardOutput : answer->standardError).startsWith(reply));
    }

    void dataFileLocation()
    {
        // Beside the program first, then in ../share/rusket as installed.
        QVERIFY(
            QDir(dir.path()).mkpath(QStringLiteral("bin")) && QDir(dir.path()).mkpath(QStringLiteral("share/rusket")));
        QVERIFY(QFile(dir.filePath(QStringLiteral("share/rusket/a.pal"))).open(QIODevice::WriteOnly));
        QString path;
        QCOMPARE(locateDataFile(dir.filePath(QStringLiteral("bin")), QStringLiteral("a.pal"), &path), std::nullopt);
        QCOMPARE(path, dir.filePath(QStringLiteral("share/rusket/a.pal")));
        QVERIFY(QFile(dir.filePath(QStringLiteral("bin/a.pal"))).open(QIODevice::WriteOnly));
        QCOMPARE(locateDataFile(dir.filePath(QStringLiteral("bin")), QStringLiteral("a.pal"), &path), std::nullopt);
        QCOMPARE(path, dir.filePath(QStringLiteral("bin/a.pal")));
        const std::optional<LoadError> missing = locateDataFile(dir.filePath(QStringLiteral("bin")), "b.pal", &path);
        QVERIFY(missing);
        QCOMPARE(missing->text(),
            QStringLiteral("b.pal: cannot be read: neither %1 nor %2 exists")
                .arg(dir.filePath("bin/b.pal"), dir.filePath("share/rusket/b.pal")));
    }

    void exportTexts()
    {
        const SampleColors colors{{0, 15, 16}, {255, 0, 15}, {16, 255, 0}, {15, 16, 255}};
        QCOMPARE(cssText(colors),
            QStringLiteral("body { color: rgb(255,0,15); background-color: rgb(0,15,16) } "
                           "a:link { color: rgb(16,255,0) } a:visited { color: rgb(15,16,255) }"));
        QCOMPARE(htmlText(colors),
            QStringLiteral("<body text=\"#FF000F\" bgcolor=\"#000F10\" link=\"#10FF00\" vlink=\"#0F10FF\">"));
    }

    void helpTexts()
    {
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
