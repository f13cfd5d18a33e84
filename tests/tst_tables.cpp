#include "tables/colornametable.h"
#include "tables/fieldreader.h"
#include "tables/palette.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Rgb)

namespace {

// The named colours of CSS, as web authors type them, with their values.
struct CssColor
{
    const char *name;
    quint32 value;
};
const CssColor cssColors[] = {
    {"aliceblue", 0xf0f8ff},
    {"antiquewhite", 0xfaebd7},
    {"aqua", 0x00ffff},
    {"aquamarine", 0x7fffd4},
    {"azure", 0xf0ffff},
    {"beige", 0xf5f5dc},
    {"bisque", 0xffe4c4},
    {"black", 0x000000},
    {"blanchedalmond", 0xffebcd},
    {"blue", 0x0000ff},
    {"blueviolet", 0x8a2be2},
    {"brown", 0xa52a2a},
    {"burlywood", 0xdeb887},
    {"cadetblue", 0x5f9ea0},
    {"chartreuse", 0x7fff00},
    {"chocolate", 0xd2691e},
    {"coral", 0xff7f50},
    {"cornflowerblue", 0x6495ed},
    {"cornsilk", 0xfff8dc},
    {"crimson", 0xdc143c},
    {"cyan", 0x00ffff},
    {"darkblue", 0x00008b},
    {"darkcyan", 0x008b8b},
    {"darkgoldenrod", 0xb8860b},
    {"darkgray", 0xa9a9a9},
    {"darkgreen", 0x006400},
    {"darkgrey", 0xa9a9a9},
    {"darkkhaki", 0xbdb76b},
    {"darkmagenta", 0x8b008b},
    {"darkolivegreen", 0x556b2f},
    {"darkorange", 0xff8c00},
    {"darkorchid", 0x9932cc},
    {"darkred", 0x8b0000},
    {"darksalmon", 0xe9967a},
    {"darkseagreen", 0x8fbc8f},
    {"darkslateblue", 0x483d8b},
    {"darkslategray", 0x2f4f4f},
    {"darkslategrey", 0x2f4f4f},
    {"darkturquoise", 0x00ced1},
    {"darkviolet", 0x9400d3},
    {"deeppink", 0xff1493},
    {"deepskyblue", 0x00bfff},
    {"dimgray", 0x696969},
    {"dimgrey", 0x696969},
    {"dodgerblue", 0x1e90ff},
    {"firebrick", 0xb22222},
    {"floralwhite", 0xfffaf0},
    {"forestgreen", 0x228b22},
    {"fuchsia", 0xff00ff},
    {"gainsboro", 0xdcdcdc},
    {"ghostwhite", 0xf8f8ff},
    {"gold", 0xffd700},
    {"goldenrod", 0xdaa520},
    {"gray", 0x808080},
    {"green", 0x008000},
    {"greenyellow", 0xadff2f},
    {"grey", 0x808080},
    {"honeydew", 0xf0fff0},
    {"hotpink", 0xff69b4},
    {"indianred", 0xcd5c5c},
    {"indigo", 0x4b0082},
    {"ivory", 0xfffff0},
    {"khaki", 0xf0e68c},
    {"lavender", 0xe6e6fa},
    {"lavenderblush", 0xfff0f5},
    {"lawngreen", 0x7cfc00},
    {"lemonchiffon", 0xfffacd},
    {"lightblue", 0xadd8e6},
    {"lightcoral", 0xf08080},
    {"lightcyan", 0xe0ffff},
    {"lightgoldenrodyellow", 0xfafad2},
    {"lightgray", 0xd3d3d3},
    {"lightgreen", 0x90ee90},
    {"lightgrey", 0xd3d3d3},
    {"lightpink", 0xffb6c1},
    {"lightsalmon", 0xffa07a},
    {"lightseagreen", 0x20b2aa},
    {"lightskyblue", 0x87cefa},
    {"lightslategray", 0x778899},
    {"lightslategrey", 0x778899},
    {"lightsteelblue", 0xb0c4de},
    {"lightyellow", 0xffffe0},
    {"lime", 0x00ff00},
    {"limegreen", 0x32cd32},
    {"linen", 0xfaf0e6},
    {"magenta", 0xff00ff},
    {"maroon", 0x800000},
    {"mediumaquamarine", 0x66cdaa},
    {"mediumblue", 0x0000cd},
    {"mediumorchid", 0xba55d3},
    {"mediumpurple", 0x9370db},
    {"mediumseagreen", 0x3cb371},
    {"mediumslateblue", 0x7b68ee},
    {"mediumspringgreen", 0x00fa9a},
    {"mediumturquoise", 0x48d1cc},
    {"mediumvioletred", 0xc71585},
    {"midnightblue", 0x191970},
    {"mintcream", 0xf5fffa},
    {"mistyrose", 0xffe4e1},
    {"moccasin", 0xffe4b5},
    {"navajowhite", 0xffdead},
    {"navy", 0x000080},
    {"oldlace", 0xfdf5e6},
    {"olive", 0x808000},
    {"olivedrab", 0x6b8e23},
    {"orange", 0xffa500},
    {"orangered", 0xff4500},
    {"orchid", 0xda70d6},
    {"palegoldenrod", 0xeee8aa},
    {"palegreen", 0x98fb98},
    {"paleturquoise", 0xafeeee},
    {"palevioletred", 0xdb7093},
    {"papayawhip", 0xffefd5},
    {"peachpuff", 0xffdab9},
    {"peru", 0xcd853f},
    {"pink", 0xffc0cb},
    {"plum", 0xdda0dd},
    {"powderblue", 0xb0e0e6},
    {"purple", 0x800080},
    {"rebeccapurple", 0x663399},
    {"red", 0xff0000},
    {"rosybrown", 0xbc8f8f},
    {"royalblue", 0x4169e1},
    {"saddlebrown", 0x8b4513},
    {"salmon", 0xfa8072},
    {"sandybrown", 0xf4a460},
    {"seagreen", 0x2e8b57},
    {"seashell", 0xfff5ee},
    {"sienna", 0xa0522d},
    {"silver", 0xc0c0c0},
    {"skyblue", 0x87ceeb},
    {"slateblue", 0x6a5acd},
    {"slategray", 0x708090},
    {"slategrey", 0x708090},
    {"snow", 0xfffafa},
    {"springgreen", 0x00ff7f},
    {"steelblue", 0x4682b4},
    {"tan", 0xd2b48c},
    {"teal", 0x008080},
    {"thistle", 0xd8bfd8},
    {"tomato", 0xff6347},
    {"turquoise", 0x40e0d0},
    {"violet", 0xee82ee},
    {"wheat", 0xf5deb3},
    {"white", 0xffffff},
    {"whitesmoke", 0xf5f5f5},
    {"yellow", 0xffff00},
    {"yellowgreen", 0x9acd32},
};

} // namespace

class TablesTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldReader();
    void namesLookups();
    void namesWithBlanksAndQuotes();
    void namesLimitsAndBlankLines();
    void malformedFiles_data();
    void malformedFiles();
    void shippedNamesAreTheCssNames();
    void shippedPalettes();
    void nearestColor_data();
    void nearestColor();

private:
    QString write(const QByteArray &content, const QString &name = QStringLiteral("file.txt"));
    QTemporaryDir dir;
};

QString TablesTest::write(const QByteArray &content, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

void TablesTest::fieldReader()
{
    FieldReader reader("  \"a, b\" ,1,2\r\nlast , 3\n\r\n   \n");
    QVERIFY(!reader.atEndBeforeRecord());
    QCOMPARE(reader.readField(), QStringLiteral("a, b"));
    QCOMPARE(reader.readField(), QStringLiteral("1"));
    QCOMPARE(reader.readField(), QStringLiteral("2"));
    QCOMPARE(reader.line(), 2);
    QCOMPARE(reader.readField(), QStringLiteral("last"));
    QCOMPARE(reader.readField(), QStringLiteral("3"));
    QVERIFY(reader.atEndBeforeRecord());
    QCOMPARE(reader.readField(), std::nullopt);
}

void TablesTest::namesLookups()
{
    ColorNameTable table;
    QCOMPARE(table.load(write("aqua,0,255,255\r\ncyan,0,255,255\r\nred,255,0,0\r\nred,1,2,3\r\n")), std::nullopt);
    QCOMPARE(table.entries().size(), 4);
    QCOMPARE(table.FindNamesByColor({0, 255, 255}), QStringList({"aqua", "cyan"}));
    QCOMPARE(ColorNameTable::JoinNames(table.FindNamesByColor({0, 255, 255})), QStringLiteral("cyan"));
    QVERIFY(table.FindNamesByColor({1, 1, 1}).isEmpty());

    Rgb color{9, 9, 9};
    QVERIFY(table.FindColorByName(QStringLiteral("cyan"), color));
    QCOMPARE(color, Rgb({0, 255, 255}));
    QVERIFY(table.FindColorByName(QStringLiteral(" R E D "), color));
    QCOMPARE(color, Rgb({255, 0, 0})); // the earlier of two records wins
    QVERIFY(!table.FindColorByName(QStringLiteral("nosuchcolour"), color));
    QCOMPARE(color, Rgb({255, 0, 0})); // untouched
    QVERIFY(!table.FindColorByName(QStringLiteral("   "), color));

    QCOMPARE(ColorNameTable::JoinNames({"a", "b", "c", "d"}), QStringLiteral("b,c,d"));
    QCOMPARE(ColorNameTable::JoinNames({"a", "b", "", "d"}), QStringLiteral("b"));
    QCOMPARE(ColorNameTable::JoinNames({"a"}), QString());
}

void TablesTest::namesWithBlanksAndQuotes()
{
    ColorNameTable table;
    QCOMPARE(table.load(write("\"alice blue\",240,248,255\r\n\"a, b\",1,2,3\r\n\"\",4,5,6\r\n")), std::nullopt);
    Rgb color;
    QVERIFY(table.FindColorByName(QStringLiteral("AliceBlue"), color));
    QCOMPARE(color, Rgb({240, 248, 255}));
    QVERIFY(table.FindColorByName(QStringLiteral("A, B"), color));
    QCOMPARE(color, Rgb({1, 2, 3}));
    QCOMPARE(table.FindNamesByColor({1, 2, 3}), QStringList({"a, b"}));
    QVERIFY(table.FindColorByName(QStringLiteral("  "), color)); // only blanks: the empty name
    QCOMPARE(color, Rgb({4, 5, 6}));
}

void TablesTest::namesLimitsAndBlankLines()
{
    ColorNameTable table;
    QCOMPARE(table.load(write("")), std::nullopt);
    QVERIFY(table.entries().isEmpty());

    QCOMPARE(table.load(write("\r\nred,255,0,0\r\n\r\n  \r\nblue,0,0,255")), std::nullopt);
    QCOMPARE(table.entries().size(), 2);

    QByteArray many;
    for (int i = 0; i < 60; ++i)
        many += "n" + QByteArray::number(i) + ",1,1,1\r\n";
    QCOMPARE(table.load(write(many)), std::nullopt);
    QCOMPARE(table.FindNamesByColor({1, 1, 1}).size(), 60); // more than 51 names are all kept

    QByteArray full;
    for (int i = 0; i < ColorNameTable::capacity; ++i)
        full += "x,1,2,3\r\n";
    QCOMPARE(table.load(write(full)), std::nullopt);
    QCOMPARE(table.entries().size(), ColorNameTable::capacity);
    const std::optional<LoadError> tooMany = table.load(write(full + "y,1,2,3\r\n"));
    QVERIFY(tooMany);
    QVERIFY(tooMany->text().contains(QStringLiteral("10001")));
    QCOMPARE(table.entries().size(), ColorNameTable::capacity); // a failed load keeps the table
}

void TablesTest::malformedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("paletteSize"); // 0: a names file
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("what");
    QTest::newRow("names end inside a record") << QByteArray("red,255,0,0\r\nblue,0,0") << 0 << 2 << "ends";
    QTest::newRow("names component not a number") << QByteArray("red,255,x,0\r\n") << 0 << 1 << "\"x\"";
    QTest::newRow("names component too large") << QByteArray("a,1,2,3\r\nred,256,0,0\r\n") << 0 << 2 << "\"256\"";
    QTest::newRow("names component negative") << QByteArray("red,-1,0,0\r\n") << 0 << 1 << "\"-1\"";
    QTest::newRow("names component with fraction") << QByteArray("red,2.5,0,0\r\n") << 0 << 1 << "\"2.5\"";
    QTest::newRow("palette too short") << QByteArray("1,2,3\r\n4,5,6\r\n") << 3 << 3 << "ends after 2 of its 3";
    QTest::newRow("palette short inside a colour") << QByteArray("1,2,3\r\n4,5") << 2 << 2 << "ends";
    QTest::newRow("palette bad number") << QByteArray("1,2,3\r\n4,five,6\r\n") << 2 << 2 << "\"five\"";
}

void TablesTest::malformedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, paletteSize);
    QFETCH(int, line);
    QFETCH(QString, what);
    const QString path = write(content, QStringLiteral("broken.txt"));
    ColorNameTable names;
    Palette palette;
    const std::optional<LoadError> error = paletteSize ? palette.load(path, paletteSize) : names.load(path);
    QVERIFY(error);
    QCOMPARE(error->file, QStringLiteral("broken.txt"));
    QCOMPARE(error->line, line);
    QVERIFY2(error->what.contains(what), qPrintable(error->text()));
}

void TablesTest::shippedNamesAreTheCssNames()
{
    ColorNameTable table;
    QCOMPARE(table.load(QStringLiteral(RUSKET_DATA_DIR "/color_names.txt")), std::nullopt);
    QCOMPARE(table.entries().size(), qsizetype(std::size(cssColors)));
    QCOMPARE(table.entries().size(), 148);
    for (qsizetype i = 0; i < table.entries().size(); ++i) {
        const ColorNameTable::Entry &entry = table.entries().at(i);
        QCOMPARE(entry.name, QLatin1String(cssColors[i].name));
        QCOMPARE(entry.color,
            Rgb::fromPacked(((cssColors[i].value >> 16) & 255) | (cssColors[i].value & 0xff00)
                | ((cssColors[i].value & 255) << 16)));
    }
    QFile raw(QStringLiteral(RUSKET_DATA_DIR "/color_names.txt"));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QCOMPARE(raw.readAll().count("\r\n"), 148);
}

void TablesTest::shippedPalettes()
{
    Palette netscape;
    Palette windows;
    QCOMPARE(netscape.load(QStringLiteral(RUSKET_DATA_DIR "/netscape.pal"), 216), std::nullopt);
    QCOMPARE(windows.load(QStringLiteral(RUSKET_DATA_DIR "/windows.pal"), 16), std::nullopt);
    const int levels[] = {0, 51, 102, 153, 204, 255};
    for (int i = 0; i < 216; ++i)
        QCOMPARE(
            netscape.colors().at(i), Rgb({quint8(levels[i / 36]), quint8(levels[i / 6 % 6]), quint8(levels[i % 6])}));
    const QList<Rgb> sixteen = {{0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255},
        {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    QCOMPARE(windows.colors(), sixteen);
    QVERIFY(netscape.contains({0, 255, 255}) && windows.contains({0, 255, 255}));
    QVERIFY(!netscape.contains({128, 0, 0}) && windows.contains({128, 0, 0}));
    QCOMPARE(netscape.nearest(10, 10, 10), Rgb({0, 0, 0}));
}

void TablesTest::nearestColor_data()
{
    QTest::addColumn<QList<Rgb>>("palette");
    QTest::addColumn<QList<int>>("color");
    QTest::addColumn<Rgb>("nearest");
    QTest::newRow("city block, not straight line")
        << QList<Rgb>{{80, 0, 0}, {50, 50, 0}} << QList<int>{0, 0, 0} << Rgb{80, 0, 0};
    QTest::newRow("tie goes to the earlier")
        << QList<Rgb>{{10, 0, 0}, {0, 10, 0}} << QList<int>{0, 0, 0} << Rgb{10, 0, 0};
    QTest::newRow("tie, other order") << QList<Rgb>{{0, 10, 0}, {10, 0, 0}} << QList<int>{0, 0, 0} << Rgb{0, 10, 0};
    QTest::newRow("member snaps to itself")
        << QList<Rgb>{{1, 1, 1}, {5, 5, 5}, {5, 5, 5}} << QList<int>{5, 5, 5} << Rgb{5, 5, 5};
    QTest::newRow("typed far outside the range")
        << QList<Rgb>{{0, 0, 0}, {255, 255, 255}} << QList<int>{32767, 32767, 32767} << Rgb{255, 255, 255};
    QTest::newRow("typed far below") << QList<Rgb>{{255, 255, 255}, {0, 0, 0}} << QList<int>{-32768, -5, 0}
                                     << Rgb{0, 0, 0};
}

void TablesTest::nearestColor()
{
    QFETCH(QList<Rgb>, palette);
    QFETCH(QList<int>, color);
    QFETCH(Rgb, nearest);
    QCOMPARE(Palette(palette).nearest(color[0], color[1], color[2]), nearest);
}

QTEST_APPLESS_MAIN(TablesTest)
#include "tst_tables.moc"
