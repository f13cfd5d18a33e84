#include "windowdriver.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/samplelabel.h"
#include "values/contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(ColorDialogResult)

namespace {

const SampleColors defaults = designedSampleDefaults;
const std::pair<const char *, Rgb SampleColors::*> sampleParts[] = {{"picBack", &SampleColors::back},
    {"txtText", &SampleColors::text}, {"txtLink", &SampleColors::link}, {"txtVLink", &SampleColors::vlink}};
const QLocale german(QLocale::German, QLocale::Germany);

QPoint lowerTrack(const QScrollBar *slider)
{
    return {slider->width() / 2, slider->height() * 3 / 4};
}

// Where an image differs from another by more than anti-aliasing would.
int differingPixels(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 48;
        }
    }
    return differing;
}

} // namespace

// The main window worked as a user would, every view compared after each step.
class WindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;

    QMenu *openSampleMenu(const char *part)
    {
        QTest::mousePress(ui->control(part), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(ui->control(part), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    void trigger(const char *action) { ui->window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    void dropForeign(QMimeData *data)
    {
        QWidget *swatch = ui->control("colShow");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(swatch, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(swatch, &drop);
        QVERIFY(!drop.isAccepted());
    }

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup()
    {
        ui.reset();
        QLocale::setDefault(QLocale::c());
    }

    void renderedWindows()
    {
        // Layout, fonts and painting at once. To accept a deliberate change of the pictures:
        //   RUSKET_UPDATE_REFERENCE=1 QT_QPA_PLATFORM=offscreen build/tests/tst_window renderedWindows
        trigger("mnuQuestionAbout");
        for (const auto &[window, file] : {std::pair<QWidget *, const char *>{ui->window.get(), "mainwindow.png"},
                 {ui->window->aboutWindow(), "about.png"}}) {
            const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QString path = QStringLiteral(RUSKET_SOURCE_DIR "/tests/reference/") + QLatin1String(file);
            if (qEnvironmentVariableIsSet("RUSKET_UPDATE_REFERENCE"))
                QVERIFY(shown.save(path));
            const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), reference.size());
            QVERIFY2(differingPixels(shown, reference) == 0, file);
        }
    }

    void typedValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rgb>("color");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("inGerman");
        const QString below = QStringLiteral("Value has to be equal or below ");
        const QString above = QStringLiteral("Value has to be equal or above 0");
        QTest::newRow("byte") << "redByte"
                              << "255" << Rgb{255, 200, 200} << "" << false;
        QTest::newRow("byte too large") << "redByte"
                                        << "300" << Rgb{255, 200, 200} << below + "255" << false;
        QTest::newRow("byte negative") << "greenByte"
                                       << "-5" << Rgb{200, 0, 200} << above << false;
        QTest::newRow("trailing letters") << "blueByte"
                                          << "12abc" << Rgb{200, 200, 12} << "" << false;
        QTest::newRow("empty") << "greenByte"
                               << "" << Rgb{200, 0, 200} << "" << false;
        QTest::newRow("blanks inside") << "redByte"
                                       << "1 2 8" << Rgb{128, 200, 200} << "" << false;
        QTest::newRow("hex prefix") << "greenByte"
                                    << "&H7F" << Rgb{200, 127, 200} << "" << false;
        QTest::newRow("half to even") << "redByte"
                                      << "2.5" << Rgb{2, 200, 200} << "" << false;
        QTest::newRow("255.5 rounds above") << "greenByte"
                                            << "255.5" << Rgb{200, 255, 200} << below + "255" << false;
        QTest::newRow("red keeps double precision") << "redByte"
                                                    << "2.5000001" << Rgb{3, 200, 200} << "" << false;
        QTest::newRow("blue is single precision") << "blueByte"
                                                  << "2.5000001" << Rgb{200, 200, 2} << "" << false;
        QTest::newRow("beyond 16 bits") << "redByte"
                                        << "40000" << Rgb{255, 200, 200} << below + "255" << false;
        QTest::newRow("below 16 bits") << "blueByte"
                                       << "-40000" << Rgb{200, 200, 0} << above << false;
        QTest::newRow("overflow") << "greenByte"
                                  << "9E999" << Rgb{200, 255, 200} << below + "255" << false;
        QTest::newRow("percent") << "greenPercent"
                                 << "50" << Rgb{200, 128, 200} << "" << false;
        QTest::newRow("percent red") << "redPercent"
                                     << "30" << Rgb{76, 200, 200} << "" << false;
        QTest::newRow("percent blue") << "bluePercent"
                                      << "10" << Rgb{200, 200, 26} << "" << false;
        QTest::newRow("percent just above") << "greenPercent"
                                            << "100.1" << Rgb{200, 255, 200} << "" << false;
        QTest::newRow("percent above") << "greenPercent"
                                       << "100.2" << Rgb{200, 255, 200} << below + "100" << false;
        QTest::newRow("percent below") << "bluePercent"
                                       << "-0.2" << Rgb{200, 200, 0} << above << false;
        QTest::newRow("percent sign") << "redPercent"
                                      << "50%" << Rgb{128, 200, 200} << "" << false;
        QTest::newRow("percent letters") << "greenPercent"
                                         << "abc" << Rgb{200, 0, 200} << "" << false;
        QTest::newRow("hex") << "redHex"
                             << "ff" << Rgb{255, 200, 200} << "" << false;
        QTest::newRow("hex one character") << "greenHex"
                                           << "a" << Rgb{200, 170, 200} << "" << false;
        QTest::newRow("hex bad digit") << "blueHex"
                                       << "1G" << Rgb{200, 200, 16} << "" << false;
        QTest::newRow("name") << "txtRgbName"
                              << "cyan" << Rgb{0, 255, 255} << "" << false;
        QTest::newRow("name with blanks") << "txtRgbName"
                                          << "Alice Blue" << Rgb{240, 248, 255} << "" << false;
        QTest::newRow("unknown name") << "txtRgbName"
                                      << "no such colour" << Rgb{200, 200, 200} << "" << false;
        QTest::newRow("German percent") << "greenPercent"
                                        << "50,19608" << Rgb{200, 128, 200} << "" << true;
        QTest::newRow("German byte: a point") << "redByte"
                                              << "2.5" << Rgb{2, 200, 200} << "" << true;
    }
    void typedValues()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(Rgb, color);
        QFETCH(QString, message);
        QFETCH(bool, inGerman);
        if (inGerman)
            QLocale::setDefault(german);
        ui->setColor({200, 200, 200});
        ui->type(qPrintable(field), text);
        ui->tab();
        QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
        VERIFY_VIEWS(*ui, color);
    }

    void threeMessagesRedFirst()
    {
        ui->type("redByte", "300");
        ui->field("greenByte")->setText(QStringLiteral("128")); // pasted, not yet applied
        ui->field("blueByte")->setText(QStringLiteral("-5"));
        ui->tab();
        QCOMPARE(ui->toolkit.messages,
            QStringList({"Value has to be equal or below 255", "Value has to be equal or above 0"}));
        VERIFY_VIEWS(*ui, Rgb({255, 128, 0}));
        QCOMPARE(QApplication::focusWidget(), ui->field("greenByte")); // the focus goes where the user sent it
    }

    void passingThroughChangesNothing()
    {
        // A synchronisation would rewrite the percentages in the locale now in force.
        ui->setColor({0, 128, 0});
        QLocale::setDefault(german);
        ui->click(ui->field("greenByte"));
        ui->tab();
        ui->click(ui->field("redPercent"));
        ui->click(ui->field("redHex"));
        ui->click(ui->field("txtRgbMore"));
        QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));
    }

    void popupOrDeactivationKeepsTheEdit()
    {
        ui->type("redByte", "99");
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent focusOut(QEvent::FocusOut, reason);
            QApplication::sendEvent(ui->field("redByte"), &focusOut);
        }
        QVERIFY(ui->window->hasPendingEdit());
        QCOMPARE(ui->slider("redSlide")->value(), 0);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 0, 0}));
    }

    void editAppliedBeforeSliderClick()
    {
        QScrollBar *green = ui->slider("greenSlide");
        int greenWhenMessageShown = -1;
        ui->toolkit.onMessage = [&] { greenWhenMessageShown = green->value(); };
        ui->type("redByte", "300");
        ui->click(green, lowerTrack(green)); // the field's focus loss comes first
        QCOMPARE(ui->toolkit.messages, QStringList{"Value has to be equal or below 255"});
        QCOMPARE(greenWhenMessageShown, 0);
        VERIFY_VIEWS(*ui, Rgb({255, 10, 0}));
    }

    void editAppliedBeforeToggleClick()
    {
        ui->type("redByte", "10");
        ui->type("greenByte", "10");
        ui->type("blueByte", "10");
        ui->click(ui->toggle("chkNetscape"));
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
        QCOMPARE(ui->toolkit.beeps, 0);
    }

    void toggleSnaps_data()
    {
        QTest::addColumn<Rgb>("before");
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<Rgb>("after");
        QTest::newRow("web-safe, to black") << Rgb{10, 10, 10} << "chkNetscape" << Rgb{0, 0, 0};
        QTest::newRow("web-safe, halfway steps") << Rgb{25, 26, 128} << "chkNetscape" << Rgb{0, 51, 153};
        QTest::newRow("sixteen, to silver") << Rgb{180, 190, 200} << "chkWindows" << Rgb{192, 192, 192};
    }
    void toggleSnaps()
    {
        QFETCH(Rgb, before);
        QFETCH(QString, toggle);
        QFETCH(Rgb, after);
        ui->setColor(before);
        VERIFY_VIEWS(*ui, before); // neither toggle pressed
        ui->click(ui->toggle(qPrintable(toggle)));
        VERIFY_VIEWS(*ui, after);
        QCOMPARE(ui->toolkit.beeps, 0);
    }

    void pressedToggleOnlyBeeps()
    {
        ui->setColor({51, 102, 153});
        ui->click(ui->toggle("chkNetscape"));
        QTest::keyClick(ui->toggle("chkNetscape"), Qt::Key_Space);
        QCOMPARE(ui->toolkit.beeps, 2);
        VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    }

    void lockSliding()
    {
        QScrollBar *green = ui->slider("greenSlide");
        ui->click(green, lowerTrack(green));
        ui->click(ui->toggle("slideLock"));
        VERIFY_VIEWS(*ui, Rgb({0, 10, 0})); // the lock alone moves nothing
        ui->click(green, lowerTrack(green));
        VERIFY_VIEWS(*ui, Rgb({20, 20, 20}));
        ui->type("redByte", "99"); // typing never equalises
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 20, 20}));
        ui->click(ui->toggle("slideLock"));
        QTest::keyClick(green, Qt::Key_Down);
        VERIFY_VIEWS(*ui, Rgb({99, 21, 20}));
    }

    void thumbDragCountsOnRelease()
    {
        QScrollBar *blue = ui->slider("blueSlide");
        const QPoint thumb(blue->width() / 2, blue->width() + 4); // just below the upper arrow, at 0
        QTest::mousePress(blue, Qt::LeftButton, Qt::NoModifier, thumb);
        QTest::mouseMove(blue, thumb + QPoint(0, 40));
        QVERIFY(blue->sliderPosition() > 0);
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
        QTest::mouseRelease(blue, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(0, 40));
        QVERIFY(blue->value() > 0);
        VERIFY_VIEWS(*ui, Rgb({0, 0, quint8(blue->value())}));
    }

    void keyboardOrder()
    {
        const QStringList expected = {"greenByte", "blueByte", "byteShow", "redPercent", "greenPercent", "bluePercent",
            "percentShow", "redHex", "greenHex", "blueHex", "hexShow", "redSlide", "greenSlide", "blueSlide", "colShow",
            "slideLock", "chkNetscape", "chkWindows", "picBack", "txtText", "txtLink", "txtVLink", "txtRgbName",
            "txtRgbMore", "cmdPickColor", "redByte"};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            ui->tab();
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited, expected);
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
    }

    void swatchOntoEachPart()
    {
        ui->setColor({18, 52, 86});
        SampleColors expected = defaults;
        for (const auto &[part, triple] : sampleParts) {
            ui->drag(ui->control("colShow"), ui->control(part));
            expected.*triple = {18, 52, 86};
            QCOMPARE(ui->window->sampleColors(), expected);
            QCOMPARE(ui->shownColor(part), QColor(18, 52, 86));
        }
        VERIFY_VIEWS(*ui, Rgb({18, 52, 86}));
    }

    void partOntoSwatch_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<Rgb>("after");
        QTest::newRow("background") << "picBack" << false << Rgb{255, 255, 255};
        QTest::newRow("text") << "txtText" << false << Rgb{0, 0, 0};
        QTest::newRow("visited link") << "txtVLink" << false << Rgb{79, 16, 128};
        QTest::newRow("link, locked: blue is written last") << "txtLink" << true << Rgb{0, 0, 0};
        QTest::newRow("visited link, locked") << "txtVLink" << true << Rgb{128, 128, 128};
    }
    void partOntoSwatch()
    {
        QFETCH(QString, part);
        QFETCH(bool, locked);
        QFETCH(Rgb, after);
        ui->setColor({100, 100, 100});
        if (locked)
            ui->click(ui->toggle("slideLock"));
        QLocale::setDefault(german); // even a colour already shown is synchronised anew
        ui->drag(ui->control(qPrintable(part)), ui->control("colShow"));
        VERIFY_VIEWS(*ui, after);
        QCOMPARE(ui->window->sampleColors(), defaults);
    }

    void dropsThatChangeNothing()
    {
        ui->type("redByte", "99"); // pending: none of these drops may apply or lose it
        const std::pair<const char *, const char *> pairs[]
            = {{"colShow", "colShow"}, {"txtLink", "picBack"}, {"txtLink", "txtLink"}, {"picBack", "txtText"}};
        for (const auto &[from, to] : pairs)
            ui->drag(ui->control(from), ui->control(to));
        QCOMPARE(ui->toolkit.dragSources.size(), 4);
        QCOMPARE(ui->window->sampleColors(), defaults);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 0, 0}));
    }

    void foreignDropsIgnored()
    {
        QMimeData text;
        text.setText(QStringLiteral("txtLink"));
        dropForeign(&text);
        QMimeData otherRusket; // what another Rusket process puts on a drag of its link
        otherRusket.setData(QStringLiteral("application/x-rusket-sample-part"),
            QByteArray::number(QCoreApplication::applicationPid() + 1) + ":txtLink");
        dropForeign(&otherRusket);
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
    }

    void sampleMenu()
    {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(ui->control("colShow"), &rightClick);
        auto *swatchMenu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); // the swatch's own menu
        QVERIFY(swatchMenu && swatchMenu->actions().size() == 1);
        QCOMPARE(swatchMenu->actions().first()->text(), QStringLiteral("Pick from Screen"));
        swatchMenu->close();
        for (const auto &[part, triple] : sampleParts) {
            QMenu *menu = openSampleMenu(part);
            QVERIFY2(menu, part);
            QStringList entries;
            for (QAction *action : menu->actions())
                entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            QCOMPARE(entries.mid(0, 7),
                QStringList({"Copy as CSS", "Copy as HTML", "-", "Set Default", "Apply Current Color",
                    "Make This Color Current", "-"}));
            QCOMPARE(entries.mid(7), contrastLines(defaults));
            menu->close();
        }
        QCOMPARE(ui->toolkit.dragSources.size(), 0);

        ui->setColor({18, 52, 86});
        ui->drag(ui->control("colShow"), ui->control("txtVLink"));
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.clipboard, cssText({{255, 255, 255}, {0, 0, 0}, {230, 0, 0}, {18, 52, 86}}));
        trigger("mnuEditCopyHTML");
        QCOMPARE(ui->toolkit.clipboard,
            QStringLiteral("<body text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#E60000\" vlink=\"#123456\">"));
        trigger("mnuEditSetDef");
        QCOMPARE(ui->window->sampleColors(), defaults);
        QCOMPARE(ui->shownColor("txtVLink"), QColor(79, 16, 128));
        VERIFY_VIEWS(*ui, Rgb({18, 52, 86}));

        ui->toolkit.clipboardFails = true;
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.messages, QStringList{"The clipboard could not be written. Please try again."});
    }

    void colourDialog_data()
    {
        QTest::addColumn<ColorDialogResult>("answer");
        QTest::addColumn<Rgb>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("confirmed") << ColorDialogResult{DialogOutcome::Confirmed, 0x563412, 0, {}} << Rgb{18, 52, 86}
                                   << "";
        QTest::newRow("confirmed, web-safe")
            << ColorDialogResult{DialogOutcome::Confirmed, 0x996633, 0, {}} << Rgb{51, 102, 153} << "";
        QTest::newRow("confirmed, the current colour")
            << ColorDialogResult{DialogOutcome::Confirmed, 0x008000, 0, {}} << Rgb{0, 128, 0} << "";
        QTest::newRow("cancelled") << ColorDialogResult{DialogOutcome::Cancelled, 0x123456, 0, {}} << Rgb{0, 128, 0}
                                   << "";
        QTest::newRow("failed") << ColorDialogResult{DialogOutcome::Failed, 0x123456, -7, "No dialog."}
                                << Rgb{0, 128, 0} << "Error -7 selecting color.\r\nNo dialog.";
    }
    void colourDialog()
    {
        QFETCH(ColorDialogResult, answer);
        QFETCH(Rgb, after);
        QFETCH(QString, message);
        ui->setColor({0, 128, 0});
        QLocale::setDefault(german); // only a synchronisation writes German percentages
        ui->toolkit.dialogAnswers = {answer};
        ui->click(ui->control<QPushButton>("cmdPickColor"));
        QCOMPARE(ui->toolkit.dialogsShown, 1);
        QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
        if (answer.outcome == DialogOutcome::Confirmed)
            VERIFY_VIEWS(*ui, after);
        else
            QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));
    }

    void infoAboutAndExit()
    {
        trigger("mnuQuestionInfo");
        QCOMPARE(ui->toolkit.messages, QStringList{infoMessage()});
        QTest::keyClick(ui->window.get(), Qt::Key_F1);
        AboutWindow *about = ui->window->aboutWindow();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->size(), QSize(307, 62));
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        trigger("mnuQuestionAbout");
        QCOMPARE(QApplication::topLevelWidgets().count(about), 1);
        ui->window->close(); // closing the main window leaves About open
        QVERIFY(about->isVisible());

        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { trigger("mnuFileExit"); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!about->isVisible());
    }

    void keyboardRouteMatchesDrags()
    {
        ui->setColor({18, 52, 86});
        ui->window->findChild<QWidget *>(QStringLiteral("picBack"))->setFocus();
        for (const auto &[part, key, modifier, command] :
            {std::tuple{"picBack", Qt::Key_Menu, Qt::NoModifier, "mnuEditApply"},
                {"txtText", Qt::Key_F10, Qt::ShiftModifier, "mnuEditApply"},
                {"txtLink", Qt::Key_Menu, Qt::NoModifier, "mnuEditTake"}}) {
            while (QApplication::focusWidget() != ui->control(part))
                ui->tab();
            QTest::keyClick(ui->control(part), key, modifier);
            QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY2(menu, part);
            menu->findChild<QAction *>(QLatin1String(command))->trigger();
            menu->close();
        }
        // As if the swatch had been dragged onto the background and the text, then the link onto the swatch.
        QCOMPARE(ui->window->sampleColors(), SampleColors({{18, 52, 86}, {18, 52, 86}, {230, 0, 0}, {79, 16, 128}}));
        VERIFY_VIEWS(*ui, Rgb({230, 0, 0}));
    }

    void contrastShown()
    {
        ui->setColor({118, 118, 118});
        ui->drag(ui->control("colShow"), ui->control("txtText"));
        ui->setColor({255, 0, 0});
        ui->drag(ui->control("colShow"), ui->control("txtVLink"));
        const QStringList lines = {"Text on background: 4.54:1 (AA)", "Link on background: 4.81:1 (AA)",
            "Visited link on background: 3.99:1 (AA large text only)"};
        QCOMPARE(ui->control("txtText")->toolTip(), lines[0]);
        QCOMPARE(ui->control("txtVLink")->accessibleDescription(), lines[2]);
        QCOMPARE(ui->control("picBack")->toolTip(), lines.join(u'\n'));
        QCOMPARE(ui->control("colShow")->toolTip(),
            QStringLiteral("On white 3.99:1, on black 5.25:1\nPick from Screen: right-click or Ctrl+Shift+P"));

        QMenu *menu = openSampleMenu("txtLink");
        QVERIFY(menu);
        QAction *line = menu->actions().at(menu->actions().size() - 2);
        QCOMPARE(line->text(), lines[1]);
        QVERIFY(line->isEnabled()); // drawn as readable as the commands
        line->trigger();
        QCOMPARE(ui->toolkit.clipboard, lines[1]);
        trigger("mnuEditSetDef");
        QCOMPARE(ui->control("txtText")->toolTip(), QStringLiteral("Text on background: 21.00:1 (AAA)"));
    }

    void everyValueReadable()
    {
        ui->type("txtRgbName", "lightgoldenrodyellow");
        ui->tab();
        for (const char *written : {"txtRgbName", "greenPercent", "percentShow"})
            QVERIFY2(ui->field(written)->cursorPosition() == 0, written); // the program's writes show the beginning

        // The widest value of each field fits: with the cursor at its end, nothing scrolls out on the left.
        const QFontMetricsF metrics(ui->field("redHex")->font());
        QChar d = u'0';
        for (QChar digit : QStringLiteral("123456789ABCDEF"))
            d = metrics.horizontalAdvance(digit) > metrics.horizontalAdvance(d) ? digit : d;
        const std::pair<const char *, QString> widest[] = {{"redByte", "255"}, {"greenPercent", "100"},
            {"blueHex", QString(2, d)}, {"byteShow", "rgb(255,255,255)"}, {"percentShow", "rgb(100%,100%,100%)"},
            {"hexShow", "=\"#" + QString(6, d) + u'"'}};
        for (const auto &[name, text] : widest) {
            QLineEdit *field = ui->field(name);
            field->setText(text);
            field->end(false);
            field->grab();
            QVERIFY2(field->cursorPositionAt(QPoint(0, field->height() / 2)) == 0, qPrintable(text));
        }
    }

    void focusShownColoursExact()
    {
        ui->setColor({255, 0, 0});
        int focusable = 0;
        for (QWidget *control : ui->window->centralWidget()->findChildren<QWidget *>()) {
            if (control->focusPolicy() == Qt::NoFocus)
                continue;
            ++focusable;
            if (QApplication::focusWidget())
                QApplication::focusWidget()->clearFocus();
            const QImage unfocused = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            const QImage focused = control->grab().toImage();
            QVERIFY2(focused != unfocused, qPrintable(control->objectName()));
            if (qobject_cast<PictureBox *>(control)) {
                // The centre, or where no sample text covers the page: just inside the focus frame.
                const QPoint centre = control->rect().center();
                const QPoint at = control->childAt(centre) ? control->rect().bottomRight() - QPoint(2, 2) : centre;
                QCOMPARE(focused.pixelColor(at), ::shownColor(control));
                QCOMPARE(unfocused.pixelColor(at), ::shownColor(control));
            }
        }
        QCOMPARE(focusable, 26);
        QCOMPARE(ui->shownColor("colShow"), QColor(255, 0, 0));
    }

    void darkSchemeReadable()
    {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(45, 45, 48), QColor(45, 45, 48));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(235, 235, 235));
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        ui.reset();
        QApplication::setPalette(dark);
        ui = std::make_unique<WindowDriver>();
        trigger("mnuQuestionAbout");
        const auto drawnOn = [](const QWidget *w) {
            const bool paintsItself = qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractButton *>(w);
            while (!paintsItself && !w->autoFillBackground() && w->parentWidget())
                w = w->parentWidget();
            return w->palette().color(w->backgroundRole());
        };
        for (QWidget *w :
            ui->window->findChildren<QWidget *>() + ui->window->aboutWindow()->findChildren<QWidget *>()) {
            const bool ownText = qobject_cast<QLineEdit *>(w) || qobject_cast<QGroupBox *>(w)
                || (qobject_cast<QLabel *>(w) && !qobject_cast<SampleLabel *>(w)) || qobject_cast<QPushButton *>(w);
            const QColor text = w->palette().color(w->foregroundRole()), ground = drawnOn(w);
            const double ratio = contrastRatio(Rgb{quint8(text.red()), quint8(text.green()), quint8(text.blue())},
                Rgb{quint8(ground.red()), quint8(ground.green()), quint8(ground.blue())});
            QVERIFY2(!ownText || ratio >= 4.5, qPrintable(w->objectName() + QStringLiteral(": %1").arg(ratio)));
        }
        QApplication::setPalette(light);
    }

    void accessibleNames()
    {
        const QSet<QAccessible::Role> sensible = {QAccessible::EditableText, QAccessible::ScrollBar,
            QAccessible::Graphic, QAccessible::StaticText, QAccessible::CheckBox, QAccessible::Button};
        QStringList names;
        QList<QAccessibleInterface *> pending = {QAccessible::queryAccessibleInterface(ui->window.get())};
        while (!pending.isEmpty()) {
            QAccessibleInterface *node = pending.takeFirst();
            for (int i = 0; i < node->childCount(); ++i)
                pending.append(node->child(i));
            auto *control = qobject_cast<QWidget *>(node->object());
            if (!control || control->focusPolicy() == Qt::NoFocus)
                continue;
            names.append(node->text(QAccessible::Name));
            QVERIFY2(!names.last().isEmpty() && sensible.contains(node->role()), qPrintable(control->objectName()));
        }
        QCOMPARE(names.size(), 26);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(names.contains(QStringLiteral("Colour swatch: drag onto the sample page")));
    }

    void missingDataFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("names") << "color_names.txt";
        QTest::newRow("web-safe palette") << "netscape.pal";
        QTest::newRow("sixteen palette") << "windows.pal";
    }
    void missingDataFile()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        for (const char *name : {"color_names.txt", "netscape.pal", "windows.pal"}) {
            if (file != QLatin1String(name))
                QVERIFY(QFile::copy(QStringLiteral(RUSKET_DATA_DIR "/") + name, folder.filePath(name)));
        }
        RecordingToolkit toolkit;
        toolkit.folder = folder.path();
        MainWindow window(toolkit);
        const std::optional<LoadError> error = window.loadData();
        QVERIFY(error);
        QVERIFY2(error->text().startsWith(file + QStringLiteral(": cannot be read")), qPrintable(error->text()));
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
