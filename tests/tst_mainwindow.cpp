#include "windowdriver.h"
#include "mainwindow/controltable.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStyleOptionSlider>
#include <QTest>

Q_DECLARE_METATYPE(Rgb)

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnBlack();
    void bytesTypedAndTabbed();
    void outOfRangeByteShowsOneMessage();
    void threeMessagesRedFirst();
    void byteReading_data();
    void byteReading();
    void percentReading_data();
    void percentReading();
    void germanPercentages();
    void hexOneCharacter();
    void passingThroughRunsNoSynchronisation();
    void editAppliedBeforeSliderClick();
    void editAppliedBeforeToggleClick();
    void lockSliding();
    void thumbDragCountsOnRelease();
    void keyboardOrder();
    void geometry_data();
    void geometry();
    void windowAndMenus();
    void captionsFit();

private:
    std::unique_ptr<WindowDriver> ui;
};

void MainWindowTest::init()
{
    ui = std::make_unique<WindowDriver>();
}

void MainWindowTest::cleanup()
{
    ui.reset();
    QLocale::setDefault(QLocale::c());
}

void MainWindowTest::startsOnBlack()
{
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
    QCOMPARE(ui->field("byteShow")->text(), QStringLiteral("rgb(0,0,0)"));
    QCOMPARE(ui->field("percentShow")->text(), QStringLiteral("rgb(0%,0%,0%)"));
    QCOMPARE(ui->field("hexShow")->text(), QStringLiteral("=\"#000000\""));
    QCOMPARE(ui->field("txtRgbName")->text(), QStringLiteral("black"));
    QVERIFY(ui->toggle("chkNetscape")->isChecked());
    QVERIFY(ui->toggle("chkWindows")->isChecked());
    QCOMPARE(QApplication::focusWidget(), ui->field("redByte"));
    QVERIFY(ui->toolkit.messages.isEmpty());
}

void MainWindowTest::bytesTypedAndTabbed()
{
    ui->type("redByte", "255");
    ui->tab();
    ui->type("greenByte", "128");
    ui->tab();
    ui->type("blueByte", "0");
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({255, 128, 0}));
    QCOMPARE(ui->field("redPercent")->text(), QStringLiteral("100"));
    QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));
    QCOMPARE(ui->field("greenHex")->text(), QStringLiteral("80"));
    QCOMPARE(ui->field("byteShow")->text(), QStringLiteral("rgb(255,128,0)"));
    QCOMPARE(ui->field("percentShow")->text(), QStringLiteral("rgb(100%,50%,0%)"));
    QCOMPARE(ui->field("hexShow")->text(), QStringLiteral("=\"#FF8000\""));
    QCOMPARE(ui->shownColor("colShow").rgb() & 0xFFFFFF, QColor(255, 128, 0).rgb() & 0xFFFFFF);
}

void MainWindowTest::outOfRangeByteShowsOneMessage()
{
    ui->type("redByte", "300");
    ui->tab();
    QCOMPARE(ui->toolkit.messages, QStringList{"Value has to be equal or below 255"});
    VERIFY_VIEWS(*ui, Rgb({255, 0, 0}));
    QCOMPARE(QApplication::focusWidget(), ui->field("greenByte")); // the focus stays where the user sent it

    ui->type("greenByte", "-5");
    ui->tab();
    QCOMPARE(ui->toolkit.messages.last(), QStringLiteral("Value has to be equal or above 0"));
    VERIFY_VIEWS(*ui, Rgb({255, 0, 0}));
}

void MainWindowTest::threeMessagesRedFirst()
{
    ui->type("redByte", "300");
    ui->field("greenByte")->setText(QStringLiteral("128")); // pasted, not yet applied
    ui->field("blueByte")->setText(QStringLiteral("-5"));
    ui->tab();
    QCOMPARE(
        ui->toolkit.messages, QStringList({"Value has to be equal or below 255", "Value has to be equal or above 0"}));
    VERIFY_VIEWS(*ui, Rgb({255, 128, 0}));
}

void MainWindowTest::byteReading_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("message");
    QTest::newRow("trailing letters") << "redByte"
                                      << "12abc" << 12 << "";
    QTest::newRow("letters") << "redByte"
                             << "abc" << 0 << "";
    QTest::newRow("empty") << "greenByte"
                           << "" << 0 << "";
    QTest::newRow("2.5 to even") << "redByte"
                                 << "2.5" << 2 << "";
    QTest::newRow("3.5 to even") << "redByte"
                                 << "3.5" << 4 << "";
    QTest::newRow("255.5 rounds above") << "redByte"
                                        << "255.5" << 255 << "Value has to be equal or below 255";
    QTest::newRow("exponent") << "redByte"
                              << "1E2" << 100 << "";
    QTest::newRow("hex prefix") << "redByte"
                                << "&HFF" << 255 << "";
    QTest::newRow("blanks") << "redByte"
                            << "1 2 8" << 128 << "";
    QTest::newRow("red keeps double precision") << "redByte"
                                                << "2.5000001" << 3 << "";
    QTest::newRow("blue is single precision") << "blueByte"
                                              << "2.5000001" << 2 << "";
    QTest::newRow("beyond 16 bits") << "redByte"
                                    << "40000" << 255 << "Value has to be equal or below 255";
    QTest::newRow("below 16 bits") << "blueByte"
                                   << "-40000" << 0 << "Value has to be equal or above 0";
    QTest::newRow("overflow") << "greenByte"
                              << "9E999" << 255 << "Value has to be equal or below 255";
}

void MainWindowTest::byteReading()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, component);
    QFETCH(QString, message);
    ui->setColor({7, 7, 7});
    ui->type(qPrintable(field), text);
    ui->tab();
    QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
    Rgb expected{7, 7, 7};
    (field.startsWith(u'r')          ? expected.red
            : field.startsWith(u'g') ? expected.green
                                     : expected.blue)
        = quint8(component);
    VERIFY_VIEWS(*ui, expected);
}

void MainWindowTest::percentReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("component");
    QTest::addColumn<QString>("message");
    QTest::newRow("50") << "50" << 128 << "";
    QTest::newRow("10") << "10" << 26 << "";
    QTest::newRow("30") << "30" << 76 << "";
    QTest::newRow("70") << "70" << 178 << "";
    QTest::newRow("90") << "90" << 230 << "";
    QTest::newRow("100.1") << "100.1" << 255 << "";
    QTest::newRow("100.2") << "100.2" << 255 << "Value has to be equal or below 100";
    QTest::newRow("-0.1") << "-0.1" << 0 << "";
    QTest::newRow("-0.2") << "-0.2" << 0 << "Value has to be equal or above 0";
    QTest::newRow("empty reads as 0") << "" << 0 << "";
    QTest::newRow("percent sign") << "50%" << 128 << "";
    QTest::newRow("letters read as 0") << "abc" << 0 << "";
    QTest::newRow("beyond 16 bits") << "20000" << 255 << "Value has to be equal or below 100";
}

void MainWindowTest::percentReading()
{
    QFETCH(QString, text);
    QFETCH(int, component);
    QFETCH(QString, message);
    ui->setColor({200, 200, 200});
    ui->type("greenPercent", text);
    ui->tab();
    QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
    VERIFY_VIEWS(*ui, Rgb({200, quint8(component), 200}));
    if (text == QLatin1String("30"))
        QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("29.80392"));
    if (text == QLatin1String("50"))
        QCOMPARE(ui->field("percentShow")->text(), QStringLiteral("rgb(78%,50%,78%)"));
}

void MainWindowTest::germanPercentages()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ui->type("greenPercent", "50,19608");
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({0, 128, 0}));
    QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50,19608"));
    ui->type("bluePercent", "12,5abc");
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({0, 128, 32}));
    ui->type("redByte", "2.5"); // byte fields always read "." as the point
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({2, 128, 32}));
}

void MainWindowTest::hexOneCharacter()
{
    ui->type("redHex", "a");
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({170, 0, 0}));
    QCOMPARE(ui->field("redHex")->text(), QStringLiteral("AA"));
}

void MainWindowTest::passingThroughRunsNoSynchronisation()
{
    // A synchronisation would rewrite the percentages in the locale now in force.
    ui->setColor({0, 128, 0});
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ui->click(ui->field("greenByte"));
    ui->tab();
    ui->tab();
    ui->click(ui->field("redPercent"));
    ui->click(ui->field("txtRgbMore"));
    QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));

    ui->type("blueByte", "0");
    ui->tab();
    QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50,19608"));
    VERIFY_VIEWS(*ui, Rgb({0, 128, 0}));
}

void MainWindowTest::editAppliedBeforeSliderClick()
{
    QScrollBar *green = ui->slider("greenSlide");
    int greenWhenMessageShown = -1;
    ui->toolkit.onMessage = [&] { greenWhenMessageShown = green->value(); };
    ui->type("redByte", "300");
    // A click in the track below the thumb: the field's focus loss comes first.
    ui->click(green, QPoint(green->width() / 2, green->height() * 3 / 4));
    QCOMPARE(ui->toolkit.messages, QStringList{"Value has to be equal or below 255"});
    QCOMPARE(greenWhenMessageShown, 0);
    QCOMPARE(QApplication::focusWidget(), green);
    VERIFY_VIEWS(*ui, Rgb({255, 10, 0}));
}

void MainWindowTest::editAppliedBeforeToggleClick()
{
    ui->type("redByte", "10");
    ui->type("greenByte", "10");
    ui->type("blueByte", "10");
    ui->click(ui->toggle("chkNetscape"));
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
    QCOMPARE(ui->toolkit.beeps, 0);
}

void MainWindowTest::lockSliding()
{
    QScrollBar *green = ui->slider("greenSlide");
    ui->click(green, QPoint(green->width() / 2, green->height() * 3 / 4));
    VERIFY_VIEWS(*ui, Rgb({0, 10, 0}));

    ui->click(ui->toggle("slideLock"));
    QVERIFY(ui->toggle("slideLock")->isChecked());
    VERIFY_VIEWS(*ui, Rgb({0, 10, 0})); // the lock alone moves nothing
    ui->click(green, QPoint(green->width() / 2, green->height() * 3 / 4));
    VERIFY_VIEWS(*ui, Rgb({20, 20, 20}));
    QTest::keyClick(green, Qt::Key_Down);
    VERIFY_VIEWS(*ui, Rgb({21, 21, 21}));

    ui->type("redByte", "99"); // typing never equalises, lock or not
    ui->tab();
    VERIFY_VIEWS(*ui, Rgb({99, 21, 21}));

    ui->click(ui->toggle("slideLock"));
    QTest::keyClick(green, Qt::Key_Down);
    VERIFY_VIEWS(*ui, Rgb({99, 22, 21}));
}

void MainWindowTest::thumbDragCountsOnRelease()
{
    QScrollBar *blue = ui->slider("blueSlide");
    QStyleOptionSlider option;
    option.initFrom(blue);
    option.orientation = Qt::Vertical;
    option.minimum = blue->minimum();
    option.maximum = blue->maximum();
    option.sliderPosition = blue->sliderPosition();
    option.sliderValue = blue->value();
    option.pageStep = blue->pageStep();
    option.singleStep = blue->singleStep();
    option.subControls = QStyle::SC_All;
    const QRect thumb = blue->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, blue);
    QTest::mousePress(blue, Qt::LeftButton, Qt::NoModifier, thumb.center());
    QTest::mouseMove(blue, thumb.center() + QPoint(0, 40));
    QVERIFY(blue->sliderPosition() > 0);
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
    QTest::mouseRelease(blue, Qt::LeftButton, Qt::NoModifier, thumb.center() + QPoint(0, 40));
    QVERIFY(blue->value() > 0);
    VERIFY_VIEWS(*ui, Rgb({0, 0, quint8(blue->value())}));
}

void MainWindowTest::keyboardOrder()
{
    const QStringList expected
        = {"redByte", "greenByte", "blueByte", "byteShow", "redPercent", "greenPercent", "bluePercent", "percentShow",
            "redHex", "greenHex", "blueHex", "hexShow", "redSlide", "greenSlide", "blueSlide", "colShow", "slideLock",
            "chkNetscape", "chkWindows", "picBack", "txtRgbName", "txtRgbMore", "cmdPickColor", "redByte"};
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        ui->tab();
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
    VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
}

void MainWindowTest::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    for (const ControlTable::Control &c : ControlTable::controls()) {
        if (c.kind != ControlTable::Kind::Line)
            QTest::newRow(c.name) << QString::fromLatin1(c.name) << QRect(c.left, c.top, c.width, c.height);
    }
}

void MainWindowTest::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    const QWidget *widget = ui->control(qPrintable(name));
    const QRect pixels(qRound(twips.left() / 15.0), qRound(twips.top() / 15.0), qRound(twips.width() / 15.0),
        qRound(twips.height() / 15.0));
    QCOMPARE(widget->geometry(), pixels);
    QVERIFY(widget->isVisible());
}

void MainWindowTest::windowAndMenus()
{
    MainWindow *w = ui->window.get();
    QCOMPARE(w->windowTitle(), QStringLiteral("Rusket"));
    QCOMPARE(w->centralWidget()->size(), QSize(342, 280));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!w->windowIcon().isNull());

    QStringList bar;
    for (QAction *menu : w->menuBar()->actions())
        bar.append(menu->text());
    QCOMPARE(bar, QStringList({"&File", "&?"}));
    QCOMPARE(w->findChild<QAction *>("mnuQuestionAbout")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(w->findChild<QAction *>("mnuFileExit")->text(), QStringLiteral("E&xit"));
    QCOMPARE(ui->toggle("chkNetscape")->toolTip(), QStringLiteral("Netscape Color Cube"));
    QCOMPARE(ui->toggle("chkWindows")->toolTip(), QStringLiteral("Windows Default 16"));
    QCOMPARE(ui->toggle("slideLock")->toolTip(), QStringLiteral("Lock sliding"));
    QVERIFY(ui->field("byteShow")->isReadOnly());
    QTest::keyClicks(ui->field("hexShow"), "abc");
    QCOMPARE(ui->field("hexShow")->text(), QStringLiteral("=\"#000000\""));
    QCOMPARE(ui->slider("redSlide")->singleStep(), 1);
    QCOMPARE(ui->slider("redSlide")->pageStep(), 10);
}

void MainWindowTest::captionsFit()
{
    for (const char *name : {"txtText", "txtLink", "txtVLink"}) {
        const QLabel *label = ui->control<QLabel>(name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    QVERIFY(ui->control<QLabel>("txtLink")->font().underline());
    QVERIFY(ui->control<QLabel>("txtVLink")->font().underline());
    QVERIFY(!ui->control<QLabel>("txtText")->font().underline());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
