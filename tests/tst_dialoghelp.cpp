#include "windowdriver.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Rgb)

// "Pick color...", Info, About and Exit.
class DialogHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup();

    void confirmedColourBecomesCurrent_data();
    void confirmedColourBecomesCurrent();
    void confirmingTheCurrentColourStillSynchronises();
    void cancelChangesNothing();
    void failureIsReported();
    void infoMessage();
    void aboutIsOneWindow();
    void exitEndsTheProgram();

private:
    void pickColor(ColorDialogResult answer);
    std::unique_ptr<WindowDriver> ui;
};

void DialogHelpTest::cleanup()
{
    ui.reset();
    QLocale::setDefault(QLocale::c());
}

void DialogHelpTest::pickColor(ColorDialogResult answer)
{
    ui->toolkit.dialogAnswers.append(answer);
    ui->click(ui->control<QPushButton>("cmdPickColor"));
    QCOMPARE(ui->toolkit.dialogsShown, 1);
}

void DialogHelpTest::confirmedColourBecomesCurrent_data()
{
    QTest::addColumn<Rgb>("color");
    QTest::addColumn<bool>("netscape");
    QTest::addColumn<bool>("windows");
    QTest::newRow("18, 52, 86") << Rgb{18, 52, 86} << false << false;
    QTest::newRow("web-safe") << Rgb{51, 102, 153} << true << false;
    QTest::newRow("sixteen") << Rgb{128, 0, 0} << false << true;
}

void DialogHelpTest::confirmedColourBecomesCurrent()
{
    QFETCH(Rgb, color);
    QFETCH(bool, netscape);
    QFETCH(bool, windows);
    pickColor({ColorDialogResult::Confirmed, color.packed(), 0, {}});
    VERIFY_VIEWS(*ui, color);
    QCOMPARE(ui->toggle("chkNetscape")->isChecked(), netscape);
    QCOMPARE(ui->toggle("chkWindows")->isChecked(), windows);
    QVERIFY(ui->toolkit.messages.isEmpty());
}

void DialogHelpTest::confirmingTheCurrentColourStillSynchronises()
{
    ui->setColor({0, 128, 0});
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    pickColor({ColorDialogResult::Confirmed, Rgb{0, 128, 0}.packed(), 0, {}});
    QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50,19608"));
    VERIFY_VIEWS(*ui, Rgb({0, 128, 0}));
}

void DialogHelpTest::cancelChangesNothing()
{
    ui->setColor({9, 8, 7});
    pickColor({ColorDialogResult::Cancelled, 0, 0, {}});
    VERIFY_VIEWS(*ui, Rgb({9, 8, 7}));
    QVERIFY(ui->toolkit.messages.isEmpty());
}

void DialogHelpTest::failureIsReported()
{
    ui->setColor({9, 8, 7});
    pickColor({ColorDialogResult::Failed, 0xFFFFFF, -7, QStringLiteral("No colour dialog is available.")});
    QCOMPARE(ui->toolkit.messages, QStringList{"Error -7 selecting color.\r\nNo colour dialog is available."});
    VERIFY_VIEWS(*ui, Rgb({9, 8, 7}));
}

void DialogHelpTest::infoMessage()
{
    ui->window->findChild<QAction *>("mnuQuestionInfo")->trigger();
    QCOMPARE(ui->toolkit.messages, QStringList{::infoMessage()});
    QVERIFY(ui->toolkit.messages.first().contains(QStringLiteral("(https://www.w3.org/), the official")));
}

void DialogHelpTest::aboutIsOneWindow()
{
    QVERIFY(!ui->window->aboutWindow());
    ui->window->findChild<QAction *>("mnuQuestionAbout")->trigger();
    AboutWindow *about = ui->window->aboutWindow();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->size(), QSize(307, 62));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!about->isModal());

    ui->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ui->window.get()));
    QTest::keyClick(ui->window.get(), Qt::Key_F1);
    QCOMPARE(ui->window->aboutWindow(), about);
    QCOMPARE(QApplication::topLevelWidgets().count(about), 1);

    // The main window stays usable while About is open.
    ui->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ui->window.get()));
    ui->setColor({3, 2, 1});
    VERIFY_VIEWS(*ui, Rgb({3, 2, 1}));
    QVERIFY(about->isVisible());

    ui->window->close(); // closing the main window leaves About open
    QVERIFY(about->isVisible());
}

void DialogHelpTest::exitEndsTheProgram()
{
    ui->window->findChild<QAction *>("mnuQuestionAbout")->trigger();
    QEventLoop loop;
    QTimer::singleShot(0, ui->window.get(), [this] { ui->window->findChild<QAction *>("mnuFileExit")->trigger(); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
    QVERIFY(!ui->window->aboutWindow()->isVisible());
}

QTEST_MAIN(DialogHelpTest)
#include "tst_dialoghelp.moc"
