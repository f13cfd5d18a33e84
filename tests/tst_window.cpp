#include "windowdriver.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/samplelabel.h"
#include "values/contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const SampleColors defaults = designedSampleDefaults;
const char *const sampleParts[] = {"picBack", "txtText", "txtLink", "txtVLink"};
const QLocale german(QLocale::German, QLocale::Germany);
const QString below = QStringLiteral("Value has to be equal or below ");
const QString above0 = QStringLiteral("Value has to be equal or above 0");

struct TypedRow
{
    const char *field;
    const char *text;
    Rgb color; // typed into 200, 200, 200
    QString message;
    bool inGerman = false;
};
struct DialogRow
{
    ColorDialogResult answer;
    QString message;
};

QPoint lowerTrack(const QScrollBar *slider)
{
    return {slider->width() / 2, slider->height() * 3 / 4};
}

// How many pixels differ by more than anti-aliasing would.
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

Rgb rgbOf(const QColor &c)
{
    return {quint8(c.red()), quint8(c.green()), quint8(c.blue())};
}

} // namespace

Q_DECLARE_METATYPE(TypedRow)
Q_DECLARE_METATYPE(DialogRow)
Q_DECLARE_METATYPE(Rgb)

// A stand-in for the desktop portal on the test's private session bus. It answers each
// PickColor as the test says, at once or when told.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("standin"));
    int calls = 0;
    bool answerAtOnce = true;
    bool refuse = false;
    uint response = 0;
    QList<double> color;

    void answer()
    {
        QVariantMap results;
        if (!color.isEmpty()) {
            QDBusArgument rgb;
            rgb.beginStructure();
            rgb << color[0] << color[1] << color[2];
            rgb.endStructure();
            results[QStringLiteral("color")] = QVariant::fromValue(rgb);
        }
        bus.send(QDBusMessage::createSignal(
                     request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"))
            << response << results);
    }

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        ++calls;
        if (refuse) {
            message.setDelayedReply(true);
            bus.send(message.createErrorReply(QDBusError::AccessDenied, QStringLiteral("not allowed")));
            return {};
        }
        request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                      .arg(message.service().mid(1).replace(u'.', u'_'), options.value("handle_token").toString());
        if (answerAtOnce)
            QTimer::singleShot(0, this, &StandInPortal::answer);
        return QDBusObjectPath(request);
    }

private:
    QString request;
};

// The main window worked as a user would, every view compared after each step.
class WindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<StandInPortal> portal;

    void startPortal()
    {
        portal = std::make_unique<StandInPortal>();
        QVERIFY(portal->bus.registerObject(
            QStringLiteral("/org/freedesktop/portal/desktop"), portal.get(), QDBusConnection::ExportAllSlots));
        QVERIFY(portal->bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        ui->setColor({9, 8, 7});
    }
    void pickFromScreen()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    }

    QMenu *openSampleMenu(const char *part)
    {
        QTest::mousePress(ui->control(part), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(ui->control(part), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }
    void trigger(const char *action) { ui->window->findChild<QAction *>(QLatin1String(action))->trigger(); }

private slots:
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup()
    {
        ui.reset();
        QLocale::setDefault(QLocale::c());
        portal.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("standin"));
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
        QTest::addColumn<TypedRow>("row");
        QTest::newRow("byte") << TypedRow{"redByte", "255", {255, 200, 200}, ""};
        QTest::newRow("byte too large") << TypedRow{"redByte", "300", {255, 200, 200}, below + "255"};
        QTest::newRow("byte negative") << TypedRow{"greenByte", "-5", {200, 0, 200}, above0};
        QTest::newRow("trailing letters") << TypedRow{"blueByte", "12abc", {200, 200, 12}, ""};
        QTest::newRow("empty") << TypedRow{"greenByte", "", {200, 0, 200}, ""};
        QTest::newRow("blanks inside") << TypedRow{"redByte", "1 2 8", {128, 200, 200}, ""};
        QTest::newRow("hex prefix") << TypedRow{"greenByte", "&H7F", {200, 127, 200}, ""};
        QTest::newRow("half to even") << TypedRow{"redByte", "2.5", {2, 200, 200}, ""};
        QTest::newRow("255.5 rounds above") << TypedRow{"greenByte", "255.5", {200, 255, 200}, below + "255"};
        QTest::newRow("red keeps double precision") << TypedRow{"redByte", "2.5000001", {3, 200, 200}, ""};
        QTest::newRow("blue is single precision") << TypedRow{"blueByte", "2.5000001", {200, 200, 2}, ""};
        QTest::newRow("beyond 16 bits") << TypedRow{"redByte", "40000", {255, 200, 200}, below + "255"};
        QTest::newRow("below 16 bits") << TypedRow{"blueByte", "-40000", {200, 200, 0}, above0};
        QTest::newRow("overflow") << TypedRow{"greenByte", "9E999", {200, 255, 200}, below + "255"};
        QTest::newRow("percent") << TypedRow{"greenPercent", "50", {200, 128, 200}, ""};
        QTest::newRow("percent red") << TypedRow{"redPercent", "30", {76, 200, 200}, ""};
        QTest::newRow("percent blue") << TypedRow{"bluePercent", "10", {200, 200, 26}, ""};
        QTest::newRow("percent just above") << TypedRow{"greenPercent", "100.1", {200, 255, 200}, ""};
        QTest::newRow("percent above") << TypedRow{"greenPercent", "100.2", {200, 255, 200}, below + "100"};
        QTest::newRow("percent below") << TypedRow{"bluePercent", "-0.2", {200, 200, 0}, above0};
        QTest::newRow("percent sign") << TypedRow{"redPercent", "50%", {128, 200, 200}, ""};
        QTest::newRow("percent letters") << TypedRow{"greenPercent", "abc", {200, 0, 200}, ""};
        QTest::newRow("German percent") << TypedRow{"greenPercent", "50,19608", {200, 128, 200}, "", true};
        QTest::newRow("German byte: a point") << TypedRow{"redByte", "2.5", {2, 200, 200}, "", true};
        QTest::newRow("hex") << TypedRow{"redHex", "ff", {255, 200, 200}, ""};
        QTest::newRow("hex one character") << TypedRow{"greenHex", "a", {200, 170, 200}, ""};
        QTest::newRow("hex bad digit") << TypedRow{"blueHex", "1G", {200, 200, 16}, ""};
        QTest::newRow("name") << TypedRow{"txtRgbName", "cyan", {0, 255, 255}, ""};
        QTest::newRow("name with blanks") << TypedRow{"txtRgbName", "Alice Blue", {240, 248, 255}, ""};
        QTest::newRow("unknown name") << TypedRow{"txtRgbName", "no such colour", {200, 200, 200}, ""};
    }
    void typedValues()
    {
        QFETCH(TypedRow, row);
        if (row.inGerman)
            QLocale::setDefault(german);
        ui->setColor({200, 200, 200});
        ui->type(row.field, QString::fromUtf8(row.text));
        ui->tab();
        QCOMPARE(ui->toolkit.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message});
        VERIFY_VIEWS(*ui, row.color);
    }

    void threeMessagesRedFirst()
    {
        ui->type("redByte", "300");
        ui->field("greenByte")->setText(QStringLiteral("128")); // pasted, not yet applied
        ui->field("blueByte")->setText(QStringLiteral("-5"));
        ui->tab();
        QCOMPARE(ui->toolkit.messages, QStringList({below + "255", above0}));
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

    void editAppliedBeforeClick()
    {
        QScrollBar *green = ui->slider("greenSlide");
        int greenWhenMessageShown = -1;
        ui->toolkit.onMessage = [&] { greenWhenMessageShown = green->value(); };
        ui->type("redByte", "300");
        ui->click(green, lowerTrack(green)); // the field's focus loss comes first
        QCOMPARE(ui->toolkit.messages, QStringList{below + "255"});
        QCOMPARE(greenWhenMessageShown, 0);
        VERIFY_VIEWS(*ui, Rgb({255, 10, 0}));

        ui->type("redByte", "10");
        ui->type("greenByte", "10");
        ui->type("blueByte", "10");
        ui->click(ui->toggle("chkNetscape"));
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
        QCOMPARE(ui->toolkit.beeps, 0);
    }

    void paletteToggles()
    {
        const std::tuple<Rgb, const char *, Rgb> snaps[]
            = {{{25, 26, 128}, "chkNetscape", {0, 51, 153}}, {{180, 190, 200}, "chkWindows", {192, 192, 192}}};
        for (const auto &[before, toggle, after] : snaps) {
            ui->setColor(before);
            VERIFY_VIEWS(*ui, before); // neither toggle pressed
            ui->click(ui->toggle(toggle));
            VERIFY_VIEWS(*ui, after);
        }
        QCOMPARE(ui->toolkit.beeps, 0);
        ui->setColor({51, 102, 153});
        ui->click(ui->toggle("chkNetscape")); // pressing a pressed toggle only beeps
        QTest::keyClick(ui->toggle("chkNetscape"), Qt::Key_Space);
        QCOMPARE(ui->toolkit.beeps, 2);
        VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    }

    void sliders()
    {
        // A thumb dragged counts once it is released.
        QScrollBar *blue = ui->slider("blueSlide");
        const QPoint thumb(blue->width() / 2, blue->width() + 4); // just below the upper arrow, at 0
        QTest::mousePress(blue, Qt::LeftButton, Qt::NoModifier, thumb);
        QTest::mouseMove(blue, thumb + QPoint(0, 40));
        QVERIFY(blue->sliderPosition() > 0);
        VERIFY_VIEWS(*ui, Rgb({0, 0, 0}));
        QTest::mouseRelease(blue, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(0, 40));
        const quint8 dragged = quint8(blue->value());
        QVERIFY(dragged > 0);
        VERIFY_VIEWS(*ui, Rgb({0, 0, dragged}));

        QScrollBar *green = ui->slider("greenSlide");
        ui->click(green, lowerTrack(green));
        ui->click(ui->toggle("slideLock"));
        VERIFY_VIEWS(*ui, Rgb({0, 10, dragged})); // the lock alone moves nothing
        ui->click(green, lowerTrack(green));
        VERIFY_VIEWS(*ui, Rgb({20, 20, 20}));
        ui->type("redByte", "99"); // typing never equalises
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 20, 20}));
        ui->click(ui->toggle("slideLock"));
        QTest::keyClick(green, Qt::Key_Down);
        VERIFY_VIEWS(*ui, Rgb({99, 21, 20}));
    }

    void drops()
    {
        ui->setColor({18, 52, 86});
        for (const char *part : sampleParts)
            ui->drag(ui->control("colShow"), ui->control(part));
        QCOMPARE(ui->window->sampleColors(), SampleColors({{18, 52, 86}, {18, 52, 86}, {18, 52, 86}, {18, 52, 86}}));
        QCOMPARE(ui->shownColor("txtLink"), QColor(18, 52, 86));
        trigger("mnuEditSetDef");

        // Back onto the swatch; with the lock, each slider written drags the others along.
        for (const auto &[part, locked, after] : {std::tuple{"picBack", false, Rgb{255, 255, 255}},
                 {"txtText", false, {0, 0, 0}}, {"txtVLink", false, {79, 16, 128}}, {"txtLink", true, {0, 0, 0}},
                 {"txtVLink", true, {128, 128, 128}}}) {
            if (locked != ui->toggle("slideLock")->isChecked())
                ui->click(ui->toggle("slideLock"));
            QLocale::setDefault(locked ? german : QLocale::c()); // a colour already shown is synchronised anew
            ui->drag(ui->control(part), ui->control("colShow"));
            VERIFY_VIEWS(*ui, after);
        }
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

        QMimeData text, otherRusket; // plain text, and what another Rusket process puts on a drag of its link
        text.setText(QStringLiteral("txtLink"));
        otherRusket.setData(QStringLiteral("application/x-rusket-sample-part"),
            QByteArray::number(QCoreApplication::applicationPid() + 1) + ":txtLink");
        for (const QMimeData *data : {&text, &otherRusket}) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(ui->control("colShow"), &enter);
            QApplication::sendEvent(ui->control("colShow"), &drop);
            QVERIFY(!enter.isAccepted() && !drop.isAccepted());
        }
        QCOMPARE(ui->window->sampleColors(), defaults);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 0, 0}));
    }

    void sampleMenu()
    {
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QApplication::sendEvent(ui->control("colShow"), &rightClick);
        auto *swatchMenu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); // the swatch's own menu
        QVERIFY(swatchMenu && swatchMenu->actions().size() == 1);
        QCOMPARE(swatchMenu->actions().first()->text(), QStringLiteral("Pick from Screen"));
        swatchMenu->close();
        for (const char *part : sampleParts) {
            QMenu *menu = openSampleMenu(part);
            QVERIFY2(menu, part);
            QStringList entries;
            for (QAction *action : menu->actions())
                entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            QCOMPARE(entries,
                QStringList({"Copy as CSS", "Copy as HTML", "-", "Set Default", "Apply Current Color",
                    "Make This Color Current", "-"})
                    + contrastLines(defaults));
            menu->close();
        }

        ui->setColor({18, 52, 86});
        ui->drag(ui->control("colShow"), ui->control("txtVLink"));
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.clipboard, cssText({{255, 255, 255}, {0, 0, 0}, {230, 0, 0}, {18, 52, 86}}));
        trigger("mnuEditCopyHTML");
        QCOMPARE(ui->toolkit.clipboard,
            QStringLiteral("<body text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#E60000\" vlink=\"#123456\">"));
        ui->toolkit.clipboardFails = true;
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.messages, QStringList{"The clipboard could not be written. Please try again."});
    }

    void keyboardRouteMatchesDrags()
    {
        ui->setColor({18, 52, 86});
        ui->control("picBack")->setFocus();
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
        QAction *line = menu->actions().at(menu->actions().size() - 2);
        QCOMPARE(line->text(), lines[1]);
        QVERIFY(line->isEnabled()); // drawn as readable as the commands
        line->trigger();
        QCOMPARE(ui->toolkit.clipboard, lines[1]);
        trigger("mnuEditSetDef");
        QCOMPARE(ui->control("txtText")->toolTip(), QStringLiteral("Text on background: 21.00:1 (AAA)"));
    }

    void colourDialog_data()
    {
        QTest::addColumn<DialogRow>("row");
        using enum DialogOutcome;
        QTest::newRow("confirmed") << DialogRow{{Confirmed, 0x563412, 0, {}}, ""};
        QTest::newRow("confirmed, the current colour") << DialogRow{{Confirmed, 0x008000, 0, {}}, ""};
        QTest::newRow("cancelled") << DialogRow{{Cancelled, 0x123456, 0, {}}, ""};
        QTest::newRow("failed") << DialogRow{
            {Failed, 0x123456, -7, "No dialog."}, "Error -7 selecting color.\r\nNo dialog."};
    }
    void colourDialog()
    {
        QFETCH(DialogRow, row);
        ui->setColor({0, 128, 0});
        QLocale::setDefault(german); // only a synchronisation writes German percentages
        ui->toolkit.dialogAnswers = {row.answer};
        ui->click(ui->control<QPushButton>("cmdPickColor"));
        QCOMPARE(ui->toolkit.dialogsShown, 1);
        QCOMPARE(ui->toolkit.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message});
        if (row.answer.outcome == DialogOutcome::Confirmed)
            VERIFY_VIEWS(*ui, Rgb::fromPacked(row.answer.color));
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
            ui->field(name)->setText(text);
            ui->field(name)->end(false);
            ui->field(name)->grab();
            QVERIFY2(ui->field(name)->cursorPositionAt(QPoint(0, 5)) == 0, qPrintable(text));
        }
    }

    void keyboardOrderAndFocusShown()
    {
        // Tab through every control: each shows that it has the focus, and the swatch and the
        // page keep their exact colour under their focus frame.
        const QStringList order = {"redByte", "greenByte", "blueByte", "byteShow", "redPercent", "greenPercent",
            "bluePercent", "percentShow", "redHex", "greenHex", "blueHex", "hexShow", "redSlide", "greenSlide",
            "blueSlide", "colShow", "slideLock", "chkNetscape", "chkWindows", "picBack", "txtText", "txtLink",
            "txtVLink", "txtRgbName", "txtRgbMore", "cmdPickColor", "redByte"};
        ui->setColor({255, 0, 0});
        while (QApplication::focusWidget() != ui->control("redByte"))
            ui->tab();
        for (qsizetype i = 1; i < order.size(); ++i) {
            QWidget *left = QApplication::focusWidget();
            const QImage focused = left->grab().toImage();
            ui->tab();
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
            const QImage unfocused = left->grab().toImage();
            QVERIFY2(focused != unfocused, qPrintable(left->objectName()));
            // The centre, or where no sample text covers the page: just inside the focus frame.
            const QPoint at = left->childAt(left->rect().center()) ? left->rect().bottomRight() - QPoint(2, 2)
                                                                   : left->rect().center();
            if (qobject_cast<PictureBox *>(left))
                QVERIFY(focused.pixelColor(at) == ::shownColor(left) && unfocused.pixelColor(at) == ::shownColor(left));
        }
        VERIFY_VIEWS(*ui, Rgb({255, 0, 0}));
    }

    void darkSchemeReadable()
    {
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(45, 45, 48), QColor(45, 45, 48));
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(235, 235, 235));
        ui.reset();
        QApplication::setPalette(dark);
        ui = std::make_unique<WindowDriver>();
        trigger("mnuQuestionAbout");
        for (QWidget *w :
            ui->window->findChildren<QWidget *>() + ui->window->aboutWindow()->findChildren<QWidget *>()) {
            const bool ownText = qobject_cast<QLineEdit *>(w) || qobject_cast<QGroupBox *>(w)
                || (qobject_cast<QLabel *>(w) && !qobject_cast<SampleLabel *>(w)) || qobject_cast<QPushButton *>(w);
            const QColor text = w->palette().color(w->foregroundRole());
            const QWidget *ground = w; // what the text is drawn on: its own panel, or the nearest one behind it
            const bool paintsItself = qobject_cast<QLineEdit *>(w) || qobject_cast<QPushButton *>(w);
            while (!paintsItself && !ground->autoFillBackground() && ground->parentWidget())
                ground = ground->parentWidget();
            const double ratio = contrastRatio(rgbOf(text), rgbOf(ground->palette().color(ground->backgroundRole())));
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

    void portalAnswers_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<QList<double>>("color");
        QTest::addColumn<Rgb>("after");
        QTest::addColumn<QString>("message");
        QTest::newRow("picked") << 0u << QList<double>{0.2, 0.4, 0.6} << Rgb{51, 102, 153} << "";
        QTest::newRow("picked, halves round up") << 0u << QList<double>{1.0, 0.0, 0.5} << Rgb{255, 0, 128} << "";
        QTest::newRow("cancelled") << 1u << QList<double>{} << Rgb{9, 8, 7} << "";
        QTest::newRow("failed") << 2u << QList<double>{} << Rgb{9, 8, 7}
                                << "Pick from Screen failed: the desktop portal ended the request (response 2).";
        QTest::newRow("no colour") << 0u << QList<double>{} << Rgb{9, 8, 7}
                                   << "Pick from Screen failed: the desktop portal gave no colour.";
    }
    void portalAnswers()
    {
        QFETCH(uint, response);
        QFETCH(QList<double>, color);
        QFETCH(Rgb, after);
        QFETCH(QString, message);
        startPortal();
        portal->response = response;
        portal->color = color;
        pickFromScreen();
        QVERIFY(ui->window->isPickingFromScreen());
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(portal->calls, 1);
        QCOMPARE(ui->toolkit.messages, message.isEmpty() ? QStringList() : QStringList{message});
        VERIFY_VIEWS(*ui, after);
    }

    void refusedOrMissingPortal()
    {
        startPortal();
        portal->refuse = true;
        pickFromScreen();
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(ui->toolkit.messages,
            QStringList{"Pick from Screen failed: the desktop portal refused the request: not allowed."});

        portal->bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        pickFromScreen();
        QCOMPARE(ui->toolkit.messages.last(),
            QStringLiteral("Pick from Screen is not available here: there is no desktop portal "
                           "(org.freedesktop.portal.Desktop) and no X11 screen to read."));
        QCOMPARE(portal->calls, 1);
        VERIFY_VIEWS(*ui, Rgb({9, 8, 7}));
    }

    void secondPickRefusedWhilePending()
    {
        startPortal();
        portal->answerAtOnce = false;
        portal->color = {0.2, 0.4, 0.6};
        ui->type("redByte", "99"); // an edit in progress counts before the pick
        pickFromScreen();
        pickFromScreen();
        QTRY_COMPARE(portal->calls, 1);
        QCOMPARE(ui->toolkit.beeps, 1);
        VERIFY_VIEWS(*ui, Rgb({99, 8, 7}));
        portal->answer();
        QTRY_VERIFY(!ui->window->isPickingFromScreen());
        QCOMPARE(portal->calls, 1);
        VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    }
    void missingDataFile()
    {
        const char *const files[] = {"color_names.txt", "netscape.pal", "windows.pal"};
        for (const char *missing : files) {
            QTemporaryDir folder;
            for (const char *name : files) {
                if (name != missing)
                    QVERIFY(QFile::copy(QStringLiteral(RUSKET_DATA_DIR "/") + name, folder.filePath(name)));
            }
            RecordingToolkit toolkit;
            toolkit.folder = folder.path();
            const std::optional<LoadError> error = MainWindow(toolkit).loadData();
            QVERIFY2(error && error->text().startsWith(missing + QStringLiteral(": cannot be read")), missing);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
