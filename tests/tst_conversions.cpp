#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/notationtexts.h"
#include "values/rangecheck.h"

#include <QTest>
#include <cmath>

class ConversionsTest : public QObject
{
    Q_OBJECT

private slots:
    void hexDigitValue_data();
    void hexDigitValue();
    void hexToByte_data();
    void hexToByte();
    void byteToHex_data();
    void byteToHex();
    void percentOf_data();
    void percentOf();
    void lenientDecimal_data();
    void lenientDecimal();
    void makeWhole_data();
    void makeWhole();
    void percentText_data();
    void percentText();
    void percentReading_data();
    void percentReading();
    void everyComponentRoundTrips();
    void rangeCheck_data();
    void rangeCheck();
    void combinedTexts();
};

void ConversionsTest::hexDigitValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("seven") << "7" << 7;
    QTest::newRow("upper A") << "A" << 10;
    QTest::newRow("lower a") << "a" << 10;
    QTest::newRow("F") << "F" << 15;
    QTest::newRow("not a digit") << "g" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank then 7") << " 7" << 0;
    QTest::newRow("two characters 07") << "07" << 0;
    QTest::newRow("two characters 10") << "10" << 0;
    QTest::newRow("sign") << "-" << 0;
}

void ConversionsTest::hexDigitValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(HexDigitValue(text), value);
}

void ConversionsTest::hexToByte_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("FF") << "FF" << 255;
    QTest::newRow("ff") << "ff" << 255;
    QTest::newRow("0a") << "0a" << 10;
    QTest::newRow("A0") << "A0" << 160;
    QTest::newRow("one character F") << "F" << 255;
    QTest::newRow("one character 7") << "7" << 119;
    QTest::newRow("one character a") << "a" << 170;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("middle ignored") << "ABC" << 172;
    QTest::newRow("bad first") << "G5" << 5;
    QTest::newRow("bad last") << "5G" << 80;
}

void ConversionsTest::hexToByte()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(HexToByte(text), value);
}

void ConversionsTest::byteToHex_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "00";
    QTest::newRow("9") << 9 << "09";
    QTest::newRow("15") << 15 << "0F";
    QTest::newRow("16") << 16 << "10";
    QTest::newRow("200") << 200 << "C8";
    QTest::newRow("255") << 255 << "FF";
    QTest::newRow("256 is not cut") << 256 << "100";
}

void ConversionsTest::byteToHex()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(ByteToHex(qint16(value)), text);
    if (value < 256)
        QCOMPARE(HexToByte(text), value);
}

void ConversionsTest::percentOf_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<double>("percent");
    QTest::newRow("0") << 0 << 0.0;
    QTest::newRow("1") << 1 << 0.3921568691730499;
    QTest::newRow("51") << 51 << 20.0;
    QTest::newRow("127") << 127 << 49.80392074584961;
    QTest::newRow("128") << 128 << 50.19607925415039;
    QTest::newRow("255") << 255 << 100.0;
}

void ConversionsTest::percentOf()
{
    QFETCH(int, part);
    QFETCH(double, percent);
    QCOMPARE(double(PercentOf(float(part), 255)), percent);
}

void ConversionsTest::lenientDecimal_data()
{
    // The everyday cases are typed through the real fields in the window tests; these are
    // the corners of the reading itself.
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("tab and line feed") << "\t1\n28" << 128.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("comma is no point") << "2,5" << 2.0;
    QTest::newRow("lower exponent with sign") << "25e+1" << 250.0;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("hex prefix lower case") << "&hff" << 255.0;
    QTest::newRow("octal prefix") << "&O17" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("overflow") << "1E400" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative overflow") << "-1E400" << -std::numeric_limits<double>::infinity();
    QTest::newRow("underflow") << "1E-400" << 0.0;
    QTest::newRow("non-Latin digits") << "\u0661\u0662" << 0.0;
}

void ConversionsTest::lenientDecimal()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readLenientDecimal(text), value);
}

void ConversionsTest::makeWhole_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("whole");
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("-0.5 to zero") << -0.5 << 0;
    QTest::newRow("255.5 to 256") << 255.5 << 256;
    QTest::newRow("beyond 16 bits") << 40000.0 << 32767;
    QTest::newRow("below 16 bits") << -40000.0 << -32768;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
    QTest::newRow("nan") << std::nan("") << 0;
}

void ConversionsTest::makeWhole()
{
    QFETCH(double, value);
    QFETCH(int, whole);
    QCOMPARE(::makeWhole(value), whole);
}

void ConversionsTest::percentText_data()
{
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("0") << 0 << "0"
                       << "0";
    QTest::newRow("1") << 1 << "0.3921569"
                       << "0,3921569";
    QTest::newRow("3") << 3 << "1.176471"
                       << "1,176471";
    QTest::newRow("51") << 51 << "20"
                        << "20";
    QTest::newRow("85") << 85 << "33.33333"
                        << "33,33333";
    QTest::newRow("127") << 127 << "49.80392"
                         << "49,80392";
    QTest::newRow("128") << 128 << "50.19608"
                         << "50,19608";
    QTest::newRow("170") << 170 << "66.66666"
                         << "66,66666";
    QTest::newRow("254") << 254 << "99.60784"
                         << "99,60784";
    QTest::newRow("255") << 255 << "100"
                         << "100";
}

void ConversionsTest::percentText()
{
    QFETCH(int, component);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const float percent = PercentOf(float(component), 255);
    QCOMPARE(::percentText(percent, QLocale::c()), english);
    QCOMPARE(::percentText(percent, QLocale(QLocale::German, QLocale::Germany)), german);
}

void ConversionsTest::percentReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("percent");
    const QLocale english = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("blanks around") << "  50.5 " << english << 50.5;
    QTest::newRow("german comma") << "50,19608" << german << 50.19608;
    QTest::newRow("german leading number") << "12,5abc" << german << 12.5;
}

void ConversionsTest::percentReading()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(double, percent);
    QCOMPARE(readPercentText(text, locale), percent);
}

void ConversionsTest::everyComponentRoundTrips()
{
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        for (int component = 0; component < 256; ++component) {
            const QString text = ::percentText(PercentOf(float(component), 255), locale);
            QVERIFY2(!text.contains(u'e') && !text.contains(u'E'), qPrintable(text));
            const double value = percentToComponent(readPercentText(text, locale));
            QCOMPARE(::makeWhole(value), component);
            QCOMPARE(::makeWhole(toSinglePrecision(value)), component);
            QCOMPARE(::makeWhole(readLenientDecimal(NumberText(qint16(component)))), component);
            QCOMPARE(HexToByte(ByteToHex(qint16(component))), component);
        }
    }
}

void ConversionsTest::rangeCheck_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("notation");
    QTest::addColumn<int>("corrected");
    QTest::addColumn<QString>("message");
    QTest::newRow("0 byte") << 0 << int(SourceByte) << 0 << "";
    QTest::newRow("255 percent") << 255 << int(SourcePercent) << 255 << "";
    QTest::newRow("-1 byte") << -1 << int(SourceByte) << 0 << "Value has to be equal or above 0";
    QTest::newRow("256 byte") << 256 << int(SourceByte) << 255 << "Value has to be equal or below 255";
    QTest::newRow("300 percent") << 300 << int(SourcePercent) << 255 << "Value has to be equal or below 100";
    QTest::newRow("-1 percent") << -1 << int(SourcePercent) << 0 << "Value has to be equal or above 0";
    QTest::newRow("hex bounds") << 256 << int(SourceHex) << 255 << "Value has to be equal or below FF";
    QTest::newRow("most negative") << -32768 << int(SourceByte) << 0 << "Value has to be equal or above 0";
}

void ConversionsTest::rangeCheck()
{
    QFETCH(int, value);
    QFETCH(int, notation);
    QFETCH(int, corrected);
    QFETCH(QString, message);
    const RangeCheck checked = checkRange(qint16(value), ColorSource(notation));
    QCOMPARE(checked.value, corrected);
    QCOMPARE(checked.message, message);
}

void ConversionsTest::combinedTexts()
{
    const NotationTexts texts = NotationTexts::of({255, 128, 0}, QLocale::c());
    QCOMPARE(texts.byteShow, QStringLiteral("rgb(255,128,0)"));
    QCOMPARE(texts.percentShow, QStringLiteral("rgb(100%,50%,0%)"));
    QCOMPARE(texts.hexShow, QStringLiteral("=\"#FF8000\""));
    QCOMPARE(NotationTexts::of({254, 0, 0}, QLocale::c()).percentShow, QStringLiteral("rgb(99%,0%,0%)"));
    QCOMPARE(NotationTexts::of({0, 128, 0}, QLocale(QLocale::German)).percentShow, QStringLiteral("rgb(0%,50%,0%)"));
}

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
