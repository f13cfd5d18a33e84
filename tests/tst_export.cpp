#include "export/sampleexport.h"
#include "help/infotext.h"

#include <QTest>

Q_DECLARE_METATYPE(SampleColors)

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void infoMessage();
};

void ExportTest::texts_data()
{
    QTest::addColumn<SampleColors>("colors");
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("html");
    QTest::newRow("defaults") << SampleColors{{255, 255, 255}, {0, 0, 0}, {230, 0, 0}, {79, 16, 128}}
                              << "body { color: rgb(0,0,0); background-color: rgb(255,255,255) } a:link { color: "
                                 "rgb(230,0,0) } a:visited { color: rgb(79,16,128) }"
                              << "<body text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#E60000\" vlink=\"#4F1080\">";
    QTest::newRow("second example") << SampleColors{{255, 250, 240}, {18, 52, 86}, {0, 0, 238}, {85, 26, 139}}
                                    << "body { color: rgb(18,52,86); background-color: rgb(255,250,240) } a:link { "
                                       "color: rgb(0,0,238) } a:visited { color: rgb(85,26,139) }"
                                    << "<body text=\"#123456\" bgcolor=\"#FFFAF0\" link=\"#0000EE\" vlink=\"#551A8B\">";
    QTest::newRow("0 15 16 255") << SampleColors{{0, 15, 16}, {255, 0, 15}, {16, 255, 0}, {15, 16, 255}}
                                 << "body { color: rgb(255,0,15); background-color: rgb(0,15,16) } a:link { color: "
                                    "rgb(16,255,0) } a:visited { color: rgb(15,16,255) }"
                                 << "<body text=\"#FF000F\" bgcolor=\"#000F10\" link=\"#10FF00\" vlink=\"#0F10FF\">";
}

void ExportTest::texts()
{
    QFETCH(SampleColors, colors);
    QFETCH(QString, css);
    QFETCH(QString, html);
    QCOMPARE(cssText(colors), css);
    QCOMPARE(htmlText(colors), html);
}

void ExportTest::infoMessage()
{
    const QString text = ::infoMessage();
    QCOMPARE(text,
        QStringLiteral("Two documents for understanding web colors can be downloaded at the W3C "
                       "(https://www.w3.org/), the official HTML4 and CSS2 specifications. This program "
                       "is only meant as a tool to be used additionally to an editor (such as Notepad) if "
                       "you already know how the colors work."));
    QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
    QVERIFY(aboutText().startsWith(QStringLiteral("Rusket")));
    QVERIFY(aboutText().contains(QStringLiteral("freeware")));
}

QTEST_APPLESS_MAIN(ExportTest)
#include "tst_export.moc"
