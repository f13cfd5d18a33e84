#include "windowdriver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Rgb)

// The name fields and the palette toggles, driven through the real window.
class PalettesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup() { ui.reset(); }

    void typedNameSetsTheColour_data();
    void typedNameSetsTheColour();
    void unknownNameKeepsTheColour();
    void passingThroughAnEmptyNameKeepsTheColour();
    void toggleSnaps_data();
    void toggleSnaps();
    void pressingAPressedToggleOnlyBeeps();
    void membershipShown_data();
    void membershipShown();
    void startUpStopsOnABrokenFile_data();
    void startUpStopsOnABrokenFile();

private:
    std::unique_ptr<WindowDriver> ui;
};

void PalettesTest::typedNameSetsTheColour_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Rgb>("color");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("more");
    QTest::newRow("synonym shows the first name") << "cyan" << Rgb{0, 255, 255} << "aqua"
                                                  << "cyan";
    QTest::newRow("blanks and capitals") << "Alice Blue" << Rgb{240, 248, 255} << "aliceblue"
                                         << "";
    QTest::newRow("grey and gray") << "GREY" << Rgb{128, 128, 128} << "gray"
                                   << "grey";
}

void PalettesTest::typedNameSetsTheColour()
{
    QFETCH(QString, typed);
    QFETCH(Rgb, color);
    QFETCH(QString, name);
    QFETCH(QString, more);
    ui->type("txtRgbName", typed);
    ui->tab();
    VERIFY_VIEWS(*ui, color);
    QCOMPARE(ui->field("txtRgbName")->text(), name);
    QCOMPARE(ui->field("txtRgbMore")->text(), more);
    QVERIFY(ui->toolkit.messages.isEmpty());
}

void PalettesTest::unknownNameKeepsTheColour()
{
    ui->setColor({255, 0, 255});
    ui->type("txtRgbName", "no such colour");
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({255, 0, 255}));
    QCOMPARE(ui->field("txtRgbName")->text(), QStringLiteral("fuchsia"));
    QCOMPARE(ui->field("txtRgbMore")->text(), QStringLiteral("magenta"));
}

void PalettesTest::passingThroughAnEmptyNameKeepsTheColour()
{
    ui->setColor({10, 20, 30});
    QCOMPARE(ui->field("txtRgbName")->text(), QString());
    ui->click(ui->field("txtRgbName"));
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({10, 20, 30}));
}

void PalettesTest::toggleSnaps_data()
{
    QTest::addColumn<Rgb>("before");
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<Rgb>("after");
    QTest::newRow("web-safe: 10,10,10 to black") << Rgb{10, 10, 10} << "chkNetscape" << Rgb{0, 0, 0};
    QTest::newRow("web-safe: halfway steps") << Rgb{25, 26, 128} << "chkNetscape" << Rgb{0, 51, 153};
    QTest::newRow("sixteen: to red") << Rgb{200, 10, 10} << "chkWindows" << Rgb{255, 0, 0};
    QTest::newRow("sixteen: to silver") << Rgb{180, 190, 200} << "chkWindows" << Rgb{192, 192, 192};
}

void PalettesTest::toggleSnaps()
{
    QFETCH(Rgb, before);
    QFETCH(QString, toggle);
    QFETCH(Rgb, after);
    ui->setColor(before);
    QVERIFY(!ui->toggle(qPrintable(toggle))->isChecked());
    ui->click(ui->toggle(qPrintable(toggle)));
    VERIFY_VIEWS(*ui, after);
    QVERIFY(ui->toggle(qPrintable(toggle))->isChecked());
    QCOMPARE(ui->toolkit.beeps, 0);
    QVERIFY(ui->toolkit.messages.isEmpty());
}

void PalettesTest::pressingAPressedToggleOnlyBeeps()
{
    ui->setColor({51, 102, 153});
    QToolButton *netscape = ui->toggle("chkNetscape");
    QVERIFY(netscape->isChecked());
    ui->click(netscape);
    QCOMPARE(ui->toolkit.beeps, 1);
    QVERIFY(netscape->isChecked());
    VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    QTest::keyClick(netscape, Qt::Key_Space);
    QCOMPARE(ui->toolkit.beeps, 2);
    VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
}

void PalettesTest::membershipShown_data()
{
    QTest::addColumn<Rgb>("color");
    QTest::addColumn<bool>("netscape");
    QTest::addColumn<bool>("windows");
    QTest::newRow("aqua is in both") << Rgb{0, 255, 255} << true << true;
    QTest::newRow("maroon only in sixteen") << Rgb{128, 0, 0} << false << true;
    QTest::newRow("web-safe only") << Rgb{51, 102, 153} << true << false;
    QTest::newRow("neither") << Rgb{1, 2, 3} << false << false;
}

void PalettesTest::membershipShown()
{
    QFETCH(Rgb, color);
    QFETCH(bool, netscape);
    QFETCH(bool, windows);
    ui->setColor(color);
    QCOMPARE(ui->toggle("chkNetscape")->isChecked(), netscape);
    QCOMPARE(ui->toggle("chkWindows")->isChecked(), windows);
    QCOMPARE(ui->toolkit.beeps, 0); // the program's own writes neither snap nor beep
    VERIFY_VIEWS(*ui, color);
}

void PalettesTest::startUpStopsOnABrokenFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: the file is missing
    QTest::addColumn<QString>("report");
    QTest::newRow("names missing") << "color_names.txt" << QByteArray() << "color_names.txt: cannot be read";
    QTest::newRow("web-safe palette missing") << "netscape.pal" << QByteArray() << "netscape.pal: cannot be read";
    QTest::newRow("sixteen palette missing") << "windows.pal" << QByteArray() << "windows.pal: cannot be read";
    QTest::newRow("names end inside a record")
        << "color_names.txt" << QByteArray("red,255,0,0\r\nblue,0\r\n") << "color_names.txt, line 2: the file ends";
    QTest::newRow("palette too short") << "windows.pal" << QByteArray("0,0,0\r\n")
                                       << "windows.pal, line 2: ends after 1";
    QTest::newRow("palette number too large")
        << "netscape.pal" << QByteArray("0,0,300\r\n") << "netscape.pal, line 1: \"300\"";
}

void PalettesTest::startUpStopsOnABrokenFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, report);
    QTemporaryDir folder;
    for (const char *name : {"color_names.txt", "netscape.pal", "windows.pal"})
        QVERIFY(QFile::copy(QStringLiteral(RUSKET_DATA_DIR "/") + name, folder.filePath(name)));
    QFile::remove(folder.filePath(file));
    if (!content.isEmpty()) {
        QFile broken(folder.filePath(file));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(content);
    }
    RecordingToolkit toolkit;
    toolkit.folder = folder.path();
    MainWindow window(toolkit);
    const std::optional<LoadError> error = window.Form_Load();
    QVERIFY(error);
    QVERIFY2(error->text().startsWith(report), qPrintable(error->text()));
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(PalettesTest)
#include "tst_palettes.moc"
