// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "windowdriver.h"
#include "css/csscolorreader.h"
#include "css/cssformats.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"
#include "widgets/fittedfont.h"
#include "widgets/picturebox.h"
#include "widgets/samplelabel.h"
#include "widgets/slider.h"
#include "palettes/palettestore.h"
#include "picking/commandlinepick.h"
#include "picking/screengrabpicker.h"
#include "picking/screenpick.h"
#include "tables/usersettings.h"
#include "values/contrast.h"
#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/rangecheck.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <functional>
#include <span>

namespace {

const SampleColors defaults = designedSampleDefaults;
const char *const sampleParts[] = {"picBack", "txtText", "txtLink", "txtVLink"};
const QLocale german(QLocale::German, QLocale::Germany);
const char *const clickTargets[] = {"redByte", "greenByte", "blueByte", "redPercent", "greenPercent", "bluePercent",
    "redHex", "greenHex", "blueHex", "txtRgbName", "byteShow", "txtRgbMore", "redSlide", "greenSlide", "blueSlide",
    "chkNetscape", "chkWindows", "slideLock"};
const char *const commands[] = {"mnuEditCopyCSS", "mnuEditCopyHTML", "mnuEditSetDef"};
const std::pair<const char *, Rgb SampleColors::*> dragControls[]
    = {{"colShow", nullptr}, {"picBack", &SampleColors::back}, {"txtText", &SampleColors::text},
        {"txtLink", &SampleColors::link}, {"txtVLink", &SampleColors::vlink}};
const char *const fragments[] = {"0", "1", "2", "5", "9", "12", "128", "255", "256", "300", "-", "+", ".", ",", "E",
    "e", "&H", "&O", "FF", "a", "g", " ", "99999999999", "1E400", "40000", "-32769", "%", "\u00e9", "\u0416", "\u0663",
    "aqua", "Alice Blue", "cyan", "grey"};
const char *const sliderNames[] = {"redSlide", "greenSlide", "blueSlide"};
const Qt::Key sliderKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};

const QString below = QStringLiteral("Value has to be equal or below ");

struct TypedRow
{
    const char *field;
    const char *text;
    Rgb color; // typed into 200, 200, 200
    QString message;
    bool inGerman = false;
};

// The controls whose caption or value their width cuts off.
QStringList cutOff(QWidget *window)
{
    QStringList cut;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QFontMetrics metrics(w->font());
        int room = w->width(), needed = 0;
        if (auto *box = qobject_cast<QGroupBox *>(w)) {
            needed = metrics.horizontalAdvance(box->title());
            room -= 16;
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            needed = metrics.horizontalAdvance(button->text());
            room -= 2; // inside the frame
        } else if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap() && label->pixmap().isNull()) {
            static const QRegularExpression mnemonic(QStringLiteral("&(.)")); // shown without its &
            needed = metrics // its widest line
                         .size(0, label->buddy() ? QString(label->text()).replace(mnemonic, "\\1") : label->text())
                         .width();
        }
        if (needed > room)
            cut.append(QStringLiteral("%1 needs %2 of %3 pixels").arg(w->objectName()).arg(needed).arg(room));
        if (w->isVisible() && !w->isWindow() && !w->parentWidget()->rect().contains(w->geometry()))
            cut.append(QStringLiteral("%1 reaches out of its parent").arg(w->objectName()));
    }
    return cut;
}

// How many pixels differ by more than rounding would.
int differingPixels(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) > 8;
        }
    }
    return differing;
}

} // namespace

Q_DECLARE_METATYPE(TypedRow)
Q_DECLARE_METATYPE(Rgb)

// The request object a stand-in portal answers from; Close withdraws it.
class StandInRequest : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

public:
    int closed = 0;

public slots:
    void Close() { ++closed; }
};

// A stand-in for the desktop portal on the test's private session bus: it takes each
// PickColor and answers it, as the test says, when the test tells it to.
class StandInPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

public:
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("standin"));
    int calls = 0;
    QDBusError::ErrorType refuse = QDBusError::NoError;
    uint response = 0;
    QList<double> color;
    StandInRequest requests;
    QString request;

    /// The Response signal, from the portal or from another connection on the bus.
    void answer(QDBusConnection from = QDBusConnection(QStringLiteral("standin")))
    {
        QVariantMap results;
        if (!color.isEmpty()) {
            QDBusArgument rgb;
            rgb.beginStructure();
            for (double fraction : color)
                rgb << fraction;
            rgb.endStructure();
            results[QStringLiteral("color")] = QVariant::fromValue(rgb);
        }
        from.send(QDBusMessage::createSignal(
                      request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"))
            << response << results);
    }

public slots:
    QDBusObjectPath PickColor(const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        ++calls;
        if (refuse != QDBusError::NoError) {
            message.setDelayedReply(true);
            bus.send(message.createErrorReply(refuse, QStringLiteral("not allowed")));
            return {};
        }
        bus.unregisterObject(request);
        request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                      .arg(message.service().mid(1).replace(u'.', u'_'), options.value("handle_token").toString());
        bus.registerObject(request, &requests, QDBusConnection::ExportAllSlots);
        return QDBusObjectPath(request);
    }
};

// The main window worked as a user would, every view compared after each step. The random
// session plays 20,000 random actions: after each, every view must agree with the core's texts
// for the current colour, and the sample page and its contrast with what the actions gave it;
// a byte edit left by a key, or a confirmed colour dialog, must also have set exactly that
// colour, so that a wrongly wired field shows.
class WindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    std::unique_ptr<StandInPortal> portal;
    QTemporaryDir userFolders; // the user's settings and palettes, the test's own

    // Stripes one pixel wide, red on the even columns and black on the odd ones.
    static QImage redStripes(QSize size)
    {
        QImage stripes(size, QImage::Format_RGB32);
        for (int x = 0; x < size.width(); ++x)
            for (int y = 0; y < size.height(); ++y)
                stripes.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 0));
        return stripes;
    }
    static QList<Rgb> history()
    {
        PaletteStore store(PaletteStore::defaultFolder());
        store.reload();
        QList<Rgb> colors;
        for (const PaletteEntry &entry : store.palette(PaletteStore::historyId)->entries)
            colors.append(entry.color);
        return colors;
    }

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
    /// Whether the swatch took a drag of `data` from elsewhere as it entered, and as it was dropped.
    std::pair<bool, bool> dropOnSwatch(const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ui->control("colShow"), &enter);
        QApplication::sendEvent(ui->control("colShow"), &drop);
        return {enter.isAccepted(), drop.isAccepted()};
    }
    void dropText(const QString &text)
    {
        QMimeData data;
        data.setText(text);
        dropOnSwatch(data);
    }
    void trigger(const char *action) { ui->window->findChild<QAction *>(QLatin1String(action))->trigger(); }
    void wheel(QWidget *widget, int delta)
    {
        const QPointF at = widget->rect().center();
        QWheelEvent event(
            at, widget->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }
    QPoint lowerTrack(const QScrollBar *slider) { return {slider->width() / 2, slider->height() * 3 / 4}; }

    // Random user actions, for the random session.
    QRandomGenerator random;
    SampleColors samples = designedSampleDefaults; // what the actions gave the sample page
    std::optional<Rgb> expected; // the colour, where an action tells it
    struct Typed
    {
        int field; // a byte field
        QString text;
        int corrected; // the component it gives when applied
    };
    std::optional<Typed> typed; // typed and not left
    bool retyped = false; // the typed text was replaced by typing into the same field

    const char *pick(std::span<const char *const> names) { return names[random.bounded(int(names.size()))]; }

    QString edit()
    {
        const int field = random.bounded(10);
        const char *name = field < 9 ? fieldNames[field] : "txtRgbName";
        QString text;
        for (int pieces = random.bounded(4); pieces > 0; --pieces)
            text += QString::fromUtf8(pick(fragments));
        retyped = typed && typed->field == field;
        ui->type(name, text); // the click into the field applies an edit left in another
        Rgb color = ui->color();
        // A whole color name sets the whole color; any other text is a number.
        static const QRegularExpression word(QStringLiteral("^[a-zA-Z]+$"));
        Rgb named;
        const bool isName
            = field < 9 && word.match(text.trimmed()).hasMatch() && ui->names.findColorByName(text.trimmed(), named);
        const double read = readLenientDecimal(text);
        const int corrected = isName
            ? named.component(field % 3)
            : checkRange(makeWhole(field == 2 ? toSinglePrecision(read) : read), ColorSource::Byte).value;
        if (field < 3 && random.bounded(4) == 0) {
            typed = Typed{field, text, corrected};
            return QStringLiteral("type '%1' into %2, stay").arg(text, QLatin1String(name));
        }
        const char *target = random.bounded(3) ? nullptr : pick(clickTargets);
        if (target && qstrcmp(target, name) != 0) {
            ui->click(ui->control(target));
            return QStringLiteral("type '%1' into %2, click %3").arg(text, QLatin1String(name), QLatin1String(target));
        }
        QTest::keyClick(ui->field(name), random.bounded(2) ? Qt::Key_Tab : Qt::Key_Backtab);
        if (isName)
            expected = named;
        else if (field < 3) {
            *std::array{&color.red, &color.green, &color.blue}[field] = quint8(corrected);
            expected = color;
        }
        return QStringLiteral("type '%1' into %2, leave by key").arg(text, QLatin1String(name));
    }

    QString act()
    {
        switch (random.bounded(10)) {
        case 0:
        case 1:
        case 2:
        case 3: return edit();
        case 4:
        case 5: {
            if (random.bounded(3) == 0) { // the wheel moves a slider without taking the focus
                const char *slider = pick(sliderNames);
                wheel(ui->slider(slider), random.bounded(2) ? 120 : -120);
                return QStringLiteral("wheel over %1").arg(QLatin1String(slider));
            }
            const char *target = pick(clickTargets);
            const Qt::Key key = sliderKeys[random.bounded(int(std::size(sliderKeys)))];
            ui->click(ui->control(target));
            QTest::keyClick(ui->control(target), key); // moves a slider, or the cursor of a field
            return QStringLiteral("click %1, key %2").arg(QLatin1String(target)).arg(int(key), 0, 16);
        }
        case 6:
        case 7: {
            const auto &[from, fromPart] = dragControls[random.bounded(5)];
            const auto &[to, toPart] = dragControls[random.bounded(5)];
            ui->drag(ui->control(from), ui->control(to)); // a drag applies an edit in progress first
            if (!fromPart && toPart)
                samples.*toPart = ui->color();
            return QStringLiteral("drag %1 onto %2").arg(QLatin1String(from), QLatin1String(to));
        }
        case 8: {
            const char *command = pick(commands);
            ui->window->findChild<QAction *>(QLatin1String(command))->trigger();
            if (command == commands[2])
                samples = designedSampleDefaults;
            else if (ui->toolkit.clipboard != (command == commands[0] ? cssText : htmlText)(samples))
                return QStringLiteral("BROKEN: %1 copied '%2'").arg(QLatin1String(command), ui->toolkit.clipboard);
            return QLatin1String(command);
        }
        default: {
            const Rgb color = Rgb::fromPacked(random.bounded(1u << 24));
            const auto outcome = DialogOutcome(random.bounded(3));
            ui->toolkit.dialogAnswers = {{outcome, color, 3, QStringLiteral("failed")}};
            ui->click(ui->control<QPushButton>("cmdPickColor"));
            expected = outcome == DialogOutcome::Confirmed ? std::optional(color) : std::nullopt;
            return QStringLiteral("colour dialog: outcome %1, colour %2").arg(int(outcome)).arg(color.packed(), 0, 16);
        }
        }
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", userFolders.filePath("config").toUtf8());
        qputenv("XDG_DATA_HOME", userFolders.filePath("data").toUtf8());
    }
    void init() { ui = std::make_unique<WindowDriver>(); }
    void cleanup()
    {
        QFile::remove(UserSettings::file());
        QDir(PaletteStore::defaultFolder()).removeRecursively();
        ui.reset();
        QLocale::setDefault(QLocale::c());
        portal.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("standin"));
    }

    void renderedWindows()
    {
        // Layout, fonts and painting at once. To accept a deliberate change of the pictures:
        //   RUSKET_UPDATE_REFERENCE=1 QT_QPA_PLATFORM=offscreen build/tests/tst_window renderedWindows
        SKIP_WITHOUT_REFERENCE_FONT();
        trigger("mnuQuestionAbout");
        for (const auto &[window, file] : {std::pair<QWidget *, const char *>{ui->window.get(), "mainwindow.png"},
                 {ui->window->aboutWindow(), "about.png"}}) {
            const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QString path = QStringLiteral(RUSKET_SOURCE_DIR "/tests/reference/") + QLatin1String(file);
            if (qEnvironmentVariableIsSet("RUSKET_UPDATE_REFERENCE"))
                QVERIFY(shown.save(path));
            const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), reference.size());
            QCOMPARE(window->minimumSize(), window->maximumSize()); // fixed in size
            QVERIFY2(differingPixels(shown, reference) == 0, file);
        }
    }

    void inGerman()
    {
        // Nothing is cut off, in English or in German; the German window, its menus, the page's
        // menu, the About window and the messages are German, and render as held.
        SKIP_WITHOUT_REFERENCE_FONT();
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(RUSKET_DATA_DIR "/rusket_de.qm")));
        for (bool inGerman : {false, true}) {
            if (inGerman) {
                QApplication::installTranslator(&german);
                ui = std::make_unique<WindowDriver>();
            }
            trigger("mnuQuestionAbout");
            trigger("mnuFilePreferences");
            for (QWidget *window : {static_cast<QWidget *>(ui->window.get()),
                     static_cast<QWidget *>(ui->window->aboutWindow()), ui->control("dlgPreferences")})
                QVERIFY2(cutOff(window).isEmpty(), qPrintable(cutOff(window).join(u", ")));
        }
        QCOMPARE(ui->control<QGroupBox>("rgbByte")->title(), QStringLiteral("RGB-Werte für CSS"));
        QCOMPARE(ui->window->findChild<QMenu *>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&Datei"));
        QCOMPARE(ui->window->findChild<QAction *>(QStringLiteral("mnuEditApply"))->text(),
            QStringLiteral("Aktuelle Farbe anwenden"));
        QCOMPARE(ui->window->aboutWindow()->windowTitle(), QStringLiteral("Über Rusket"));
        QCOMPARE(ui->control("txtLink")->toolTip(),
            QStringLiteral("Link auf dem Hintergrund: 4,81:1 (AA)").replace(u',', QLocale().decimalPoint()));
        ui->type("redByte", "300");
        ui->tab();
        QCOMPARE(ui->toolkit.messages, QStringList{"Der Wert muss kleiner oder gleich 255 sein"});
        const QString path = QStringLiteral(RUSKET_SOURCE_DIR "/tests/reference/mainwindow-de.png");
        ui->setColor({0, 0, 0});
        trigger("actVision2"); // the page as a deuteranope sees it, labelled so in a corner
        QVERIFY2(cutOff(ui->window.get()).isEmpty(), qPrintable(cutOff(ui->window.get()).join(u", ")));
        const QImage start = ui->window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("RUSKET_UPDATE_REFERENCE"))
            QVERIFY(start.save(path));
        QCOMPARE(differingPixels(start, QImage(path).convertToFormat(QImage::Format_RGB32)), 0);
        QApplication::removeTranslator(&german);
    }

    void typedValues_data()
    {
        QTest::addColumn<TypedRow>("row");
        QTest::newRow("byte") << TypedRow{"redByte", "255", {255, 200, 200}, ""};
        QTest::newRow("byte too large") << TypedRow{"redByte", "300", {255, 200, 200}, below + "255"};
        QTest::newRow("half to even") << TypedRow{"redByte", "2.5", {2, 200, 200}, ""};
        QTest::newRow("red keeps double precision") << TypedRow{"redByte", "2.5000001", {3, 200, 200}, ""};
        QTest::newRow("blue is single precision") << TypedRow{"blueByte", "2.5000001", {200, 200, 2}, ""};
        QTest::newRow("beyond 16 bits") << TypedRow{"redByte", "40000", {255, 200, 200}, below + "255"};
        static const QByteArray huge = "1" + QByteArray(400, '0') + "e9223372036854775807";
        QTest::newRow("a huge exponent is too large")
            << TypedRow{"redByte", huge.constData(), {255, 200, 200}, below + "255"};
        QTest::newRow("percent") << TypedRow{"greenPercent", "50", {200, 128, 200}, ""};
        QTest::newRow("percent red") << TypedRow{"redPercent", "30", {76, 200, 200}, ""};
        QTest::newRow("percent blue") << TypedRow{"bluePercent", "10", {200, 200, 26}, ""};
        QTest::newRow("percent above") << TypedRow{"greenPercent", "100.2", {200, 255, 200}, below + "100"};
        QTest::newRow("German byte: a point") << TypedRow{"redByte", "2.5", {2, 200, 200}, "", true};
        QTest::newRow("hex") << TypedRow{"redHex", "ff", {255, 200, 200}, ""};
        QTest::newRow("name") << TypedRow{"txtRgbName", "cyan", {0, 255, 255}, ""};
        QTest::newRow("unknown name") << TypedRow{"txtRgbName", "no such color", {200, 200, 200}, ""};
        // A text that begins as CSS does is read as CSS: a color name is taken whole, a text that
        // cannot be read is refused with its reason and the fields keep the color.
        const auto refused = [](const char *text) {
            return "This is no color: " + readCssColor(QString::fromUtf8(text)).reason + ".";
        };
        QTest::newRow("a color name in a byte field") << TypedRow{"blueByte", "lightyellow", {255, 255, 224}, ""};
        QTest::newRow("unreadable rgb() in a byte field")
            << TypedRow{"blueByte", "rgb(255, 50%, 0)", {200, 200, 200}, refused("rgb(255, 50%, 0)")};
        QTest::newRow("unreadable # in a hex field")
            << TypedRow{"redHex", "#12345", {200, 200, 200}, refused("#12345")};
        QTest::newRow("unreadable # in the name field")
            << TypedRow{"txtRgbName", "rgb(1,2", {200, 200, 200}, refused("rgb(1,2")};
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

    void eventOrder()
    {
        // A focus loss to a popup or another window leaves the edit pending; a real one applies it.
        ui->type("redByte", "99");
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent focusOut(QEvent::FocusOut, reason);
            QApplication::sendEvent(ui->field("redByte"), &focusOut);
        }
        QVERIFY(ui->window->hasPendingEdit() && ui->slider("redSlide")->value() == 0);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 0, 0}));

        // All three fields of a row are read; red's message comes first.
        ui->type("redByte", "300");
        ui->field("greenByte")->setText(QStringLiteral("128")); // pasted, not yet applied
        ui->field("blueByte")->setText(QStringLiteral("-5"));
        ui->tab();
        QCOMPARE(ui->toolkit.messages, QStringList({below + "255", "Value has to be equal or above 0"}));
        VERIFY_VIEWS(*ui, Rgb({255, 128, 0}));
        QCOMPARE(QApplication::focusWidget(), ui->field("greenByte")); // the focus goes where the user sent it

        // A click on a slider or a toggle: the field's focus loss and its message come first.
        QScrollBar *green = ui->slider("greenSlide");
        int greenWhenMessageShown = -1;
        ui->toolkit.onMessage = [&] { greenWhenMessageShown = green->value(); };
        ui->type("redByte", "300");
        ui->click(green, lowerTrack(green));
        QCOMPARE(greenWhenMessageShown, 128);
        VERIFY_VIEWS(*ui, Rgb({255, 138, 0}));
        ui->type("redByte", "300");
        ui->click(ui->toggle("chkNetscape")); // 255, 138, 0 snaps to 255, 153, 0
        VERIFY_VIEWS(*ui, Rgb({255, 153, 0}));
        QCOMPARE(ui->toolkit.messages.size(), 4);

        // Passing through fields without typing synchronises nothing: that would rewrite the
        // percentages in the locale now in force.
        ui->setColor({0, 128, 0});
        QLocale::setDefault(german);
        ui->click(ui->field("greenByte"));
        ui->tab();
        ui->click(ui->field("redHex"));
        ui->click(ui->field("txtRgbMore"));
        QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));
    }

    void firstPasteReplacesTheStartText()
    {
        // The focus starts in redByte with its whole text selected, so a paste replaces it.
        QCOMPARE(QApplication::focusWidget(), ui->field("redByte"));
        QGuiApplication::clipboard()->setText(QStringLiteral("#336699"));
        QTest::keyClick(ui->field("redByte"), Qt::Key_V, Qt::ControlModifier);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({0x33, 0x66, 0x99}));
    }

    void clickStartsNoDrag()
    {
        // A click on the swatch or a part stays a click; a drag starts once the pointer has moved
        // the drag distance with the button held.
        const int distance = QApplication::startDragDistance();
        for (const char *name : {"colShow", "txtLink"}) {
            QWidget *control = ui->control(name);
            const QPoint from(2, control->height() / 2);
            ui->click(control);
            QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, from);
            QTest::mouseMove(control, from + QPoint(distance - 1, 0));
            QVERIFY2(ui->toolkit.dragSources.isEmpty(), name);
            QTest::mouseMove(control, from + QPoint(distance, 0));
            QCOMPARE(ui->toolkit.dragSources, QList<QWidget *>{control});
            QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, from + QPoint(distance, 0));
            ui->toolkit.dragSources.clear();
        }
    }

    void editAppliedBeforeCommands()
    {
        // Commands that act without taking the focus apply the edit still in its field first,
        // its range message included, then do their own work.
        const std::tuple<const char *, std::function<void()>, Rgb, SampleColors> commands[] = {
            {"wheel", [&] { wheel(ui->slider("blueSlide"), -120); }, {255, 0, 131}, defaults},
            {"drag", [&] { ui->drag(ui->control("colShow"), ui->control("txtLink")); }, {255, 0, 128},
                {defaults.back, defaults.text, {255, 0, 128}, defaults.vlink}},
            {"menu", [&] { openSampleMenu("txtText")->findChild<QAction *>("mnuEditApply")->trigger(); }, {255, 0, 128},
                {defaults.back, {255, 0, 128}, defaults.link, defaults.vlink}},
            {"swatch menu", [&] { QTest::mouseClick(ui->control("colShow"), Qt::RightButton); }, {255, 0, 128},
                defaults},
            {"toggle", [&] { ui->toggle("chkNetscape")->click(); }, {255, 0, 153}, defaults},
            {"dialog", [&] { ui->control<QPushButton>("cmdPickColor")->click(); }, {255, 0, 128}, defaults},
            {"pick", [&] { pickFromScreen(); }, {255, 0, 128}, defaults},
        };
        for (const auto &[command, run, after, samples] : commands) {
            trigger("mnuEditSetDef");
            ui->setColor({0, 0, 128});
            const bool percent = qstrcmp(command, "pick") == 0; // any notation field's edit counts
            ui->type(percent ? "redPercent" : "redByte", percent ? "200" : "300");
            ui->toolkit.messages.clear();
            run();
            QVERIFY2(ui->toolkit.messages.value(0) == below + (percent ? "100" : "255"), command);
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
            VERIFY_VIEWS(*ui, after);
            QVERIFY2(ui->window->samplePage()->colors() == samples, command);
        }
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
        QTest::keyClick(green, Qt::Key_End); // the bottom of the track is the brightest
        QTest::keyClick(blue, Qt::Key_Home);
        VERIFY_VIEWS(*ui, Rgb({99, 255, 0}));
    }

    void drops()
    {
        ui->setColor({18, 52, 86});
        for (const char *part : sampleParts)
            ui->drag(ui->control("colShow"), ui->control(part));
        QCOMPARE(
            ui->window->samplePage()->colors(), SampleColors({{18, 52, 86}, {18, 52, 86}, {18, 52, 86}, {18, 52, 86}}));
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
        ui->type("redByte", "99"); // pending: none of these drops may apply or lose it
        const std::pair<const char *, const char *> pairs[]
            = {{"colShow", "colShow"}, {"txtLink", "picBack"}, {"txtLink", "txtLink"}, {"picBack", "txtText"}};
        for (const auto &[from, to] : pairs)
            ui->drag(ui->control(from), ui->control(to));

        QCOMPARE(ui->window->samplePage()->colors(), defaults);
        ui->tab();
        VERIFY_VIEWS(*ui, Rgb({99, 128, 128}));

        // From elsewhere: an invalid color is refused, another Rusket's part brings its color.
        QMimeData invalid;
        invalid.setColorData(QColor());
        QCOMPARE(dropOnSwatch(invalid), std::pair(false, false));
        VERIFY_VIEWS(*ui, Rgb({99, 128, 128}));
        QCOMPARE(ui->toolkit.dragColor, QColor(Qt::white)); // what our page's background carried out
        QMimeData otherRusket; // what another Rusket process puts on a drag of its visited link
        otherRusket.setData(QStringLiteral("application/x-rusket-sample-part"),
            QByteArray::number(QCoreApplication::applicationPid() + 1) + ":txtVLink");
        otherRusket.setColorData(QColor(18, 52, 86));
        QCOMPARE(dropOnSwatch(otherRusket), std::pair(true, true));
        QCOMPARE(ui->window->samplePage()->colors(), defaults);
        VERIFY_VIEWS(*ui, Rgb({18, 52, 86}));
    }

    void swatchSpeaksCss()
    {
        // The swatch's menu, by the right button or Shift+F10; Copy as shows what it copies.
        ui->setColor({255, 128, 0});
        ui->type("redByte", "18"); // an edit in progress counts as the menu opens
        while (QApplication::focusWidget() != ui->control("colShow"))
            ui->tab();
        QTest::keyClick(ui->control("colShow"), Qt::Key_F10, Qt::ShiftModifier);
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QMenu *copyAs = ui->window->findChild<QMenu *>(QStringLiteral("mnuCopyAs"));
        QVERIFY(menu && menu->actions().size() == 3 && menu->actions()[1]->text() == "Paste Color");
        QCOMPARE(menu->actions()[2]->menu(), copyAs);
        QStringList shown, copies;
        for (QAction *copy : copyAs->actions())
            shown.append(copy->text());
        for (CssFormat format : CssFormats::all)
            copies.append(QLatin1String(CssFormats::nameOf(format)) + u'\t' + CssFormats::write({18, 128, 0}, format));
        QCOMPARE(shown, copies);
        ui->window->findChild<QAction *>(QStringLiteral("actCopyAs-oklch"))->trigger();
        QCOMPARE(ui->toolkit.clipboard, CssFormats::write({18, 128, 0}, CssFormat::Oklch));
        menu->close();
        QTest::keyClick(ui->control("colShow"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ui->toolkit.clipboard, QStringLiteral("#128000"));
        QCOMPARE(ui->toolkit.clipboardColor, QColor(18, 128, 0)); // the color itself too, as a drag carries it

        // Paste, a drop from an editor, a pasted notation field and the name field read CSS.
        const std::tuple<const char *, std::function<void()>, Rgb> reads[] = {
            {"paste", [&] { QTest::keyClick(ui->control("colShow"), Qt::Key_V, Qt::ControlModifier); }, {255, 128, 0}},
            {"drop", [&] { dropText("hsl(120 100% 25%)"); }, {0, 128, 0}},
            {"hex field",
                [&] {
                    ui->type("redHex", "#FF8000");
                    ui->tab();
                },
                {255, 128, 0}},
            {"byte field",
                [&] {
                    ui->type("blueByte", "rgb(1 2 3)");
                    ui->tab();
                },
                {1, 2, 3}},
            {"name field",
                [&] {
                    ui->type("txtRgbName", "oklch(0.6 0.1 200)");
                    ui->tab();
                },
                {13, 146, 152}},
        };
        ui->toolkit.clipboard = QStringLiteral(" #ff8000 ");
        for (const auto &[how, read, after] : reads) {
            read();
            QVERIFY2(ui->toolkit.messages.isEmpty(), how);
            VERIFY_VIEWS(*ui, after);
        }
        ui->drag(ui->control("colShow"), ui->control("txtLink")); // inside Rusket, a drop as ever
        const QColor current(ui->color().red, ui->color().green, ui->color().blue);
        QVERIFY(ui->toolkit.dragText == current.name() && ui->toolkit.dragColor == current);
        ui->toolkit.clipboard = QStringLiteral("grean");
        ui->window->findChild<QAction *>(QStringLiteral("actPasteColor"))->trigger();
        ui->toolkit.clipboard.clear(); // an image on the clipboard: no text
        ui->window->findChild<QAction *>(QStringLiteral("actPasteColor"))->trigger();
        QCOMPARE(ui->toolkit.messages,
            QStringList({"This is no color: " + readCssColor(QStringLiteral("grean")).reason + ".",
                "The clipboard holds no text to read as a color."}));
        VERIFY_VIEWS(*ui, Rgb({13, 146, 152}));
    }

    void copyPreferences()
    {
        // File > Preferences opens the dialog beside the window; what it keeps is what Ctrl+C,
        // a drag and Copy as give, and what the next start reads. Cancel keeps nothing.
        QMenu *file = ui->window->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QCOMPARE(file->actions().size(), 6); // with the palettes' two commands
        QSet<QChar> accessKeys; // each entry's own
        for (const QAction *entry : file->actions()) {
            if (!entry->isSeparator())
                accessKeys.insert(entry->text().at(entry->text().indexOf(u'&') + 1).toLower());
        }
        QCOMPARE(accessKeys.size(), 4);
        QVERIFY(file->actions()[0]->objectName() == "mnuFilePreferences" && file->actions()[1]->isSeparator());
        ui->setColor({255, 136, 0});
        const auto dialog = [&] {
            trigger("mnuFilePreferences"); // returns at once: no event loop of its own
            return ui->window->findChild<QDialog *>(QStringLiteral("dlgPreferences"));
        };
        QPointer<QDialog> shown = dialog();
        QVERIFY(
            shown && shown->isVisible() && shown->findChild<QLabel *>(QStringLiteral("lblPlaceholders"))->isVisible());
        QCOMPARE(shown->findChild<QLabel *>(QStringLiteral("lblHexSample"))->text(), "The current color: #ff8800");
        shown->findChild<QCheckBox *>(QStringLiteral("chkHexUpper"))->click();
        shown->findChild<QCheckBox *>(QStringLiteral("chkHexHash"))->click();
        shown->findChild<QCheckBox *>(QStringLiteral("chkHexShort"))->click();
        QCOMPARE(shown->findChild<QLabel *>(QStringLiteral("lblHexSample"))->text(), "The current color: F80");
        const std::pair<const char *, const char *> templates[]
            = {{"Swift", "UIColor(red: {r.f}, green: {g.f}, blue: {b.f}, alpha: 1)"}, {"Bad", "{nope}"},
                {"Var", "--x: {hex} && {name};"}};
        for (const auto &[name, text] : templates) {
            shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateName"))->setText(QLatin1String(name));
            shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateText"))->setText(QLatin1String(text));
            shown->findChild<QPushButton *>(QStringLiteral("cmdTemplateAdd"))->click();
        }
        QCOMPARE(shown->findChild<QListWidget *>(QStringLiteral("lstTemplates"))->count(), 2);
        auto *form = shown->findChild<QComboBox *>(QStringLiteral("cboDefaultForm"));
        QCOMPARE(form->count(), 12); // the built-in forms, then the templates
        QTest::keyClick(form, Qt::Key_End); // the last template
        shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateName"))->setText("Kotlin"); // typed, kept by OK
        shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateText"))->setText("Color(0x{r.x}{g.x}{b.x})");
        shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QTRY_VERIFY(!shown);
        shown = dialog(); // opens on what was kept
        QCOMPARE(shown->findChild<QLabel *>(QStringLiteral("lblHexSample"))->text(), "The current color: F80");
        QVERIFY(shown->findChild<QCheckBox *>(QStringLiteral("chkHexShort"))->isChecked());
        shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        QTRY_VERIFY(!shown);
        ui->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ui->window.get()));
        QCOMPARE(QSettings(UserSettings::file(), QSettings::IniFormat).value("copy/defaultForm"), QVariant("Var"));

        const QString copied = QStringLiteral("--x: F80 && ;");
        std::unique_ptr<WindowDriver> first; // its folders stay for the second start
        for (int start = 0; start < 2; ++start) { // the preferences kept, and read again by a new window
            if (start) {
                first = std::exchange(ui, std::make_unique<WindowDriver>(ui.get()));
                first->window->hide();
                ui->setColor({255, 136, 0});
            }
            ui->control("colShow")->setFocus();
            QTest::keyClick(ui->control("colShow"), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(ui->toolkit.clipboard, copied);
            QCOMPARE(ui->toolkit.clipboardColor, QColor(255, 136, 0));
        }
        ui->drag(ui->control("colShow"), ui->control("txtLink"));
        QCOMPARE(ui->toolkit.dragText, copied);
        QTest::mouseClick(ui->control("colShow"), Qt::RightButton);
        QStringList entries;
        for (QAction *entry : ui->window->findChild<QMenu *>(QStringLiteral("mnuCopyAs"))->actions())
            entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
        QCOMPARE(entries.first(), QStringLiteral("hex\tF80"));
        QCOMPARE(entries.mid(10),
            QStringList({"-", "Swift\tUIColor(red: 1, green: 0.533, blue: 0, alpha: 1)", "Var\t--x: F80 &&&& ;",
                "Kotlin\tColor(0xFF8800)"}));
        QApplication::activePopupWidget()->close();
        trigger("actCopyAs-template1");
        QCOMPARE(ui->toolkit.clipboard, QStringLiteral("UIColor(red: 1, green: 0.533, blue: 0, alpha: 1)"));

        shown = dialog(); // as kept
        QVERIFY(shown->findChild<QCheckBox *>(QStringLiteral("chkHexUpper"))->isChecked());
        shown->findChild<QCheckBox *>(QStringLiteral("chkHexUpper"))->click();
        auto *list = shown->findChild<QListWidget *>(QStringLiteral("lstTemplates"));
        list->setCurrentRow(0);
        QCOMPARE(shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateName"))->text(), "Swift");
        shown->findChild<QLineEdit *>(QStringLiteral("txtTemplateText"))->setText("{hex}");
        shown->findChild<QPushButton *>(QStringLiteral("cmdTemplateReplace"))->click();
        QCOMPARE(list->item(0)->text(), "Swift: {hex}");
        shown->findChild<QPushButton *>(QStringLiteral("cmdTemplateRemove"))->click();
        QCOMPARE(list->count(), 2);
        shown->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        QTRY_VERIFY(!shown);
        trigger("actCopyAs-hex");
        QCOMPARE(ui->toolkit.clipboard, QStringLiteral("F80"));
    }

    void sampleMenu()
    {
        QStringList entries;
        QMenu *menu = openSampleMenu("picBack");
        for (QAction *action : menu->actions())
            entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        menu->close();
        QCOMPARE(entries,
            QStringList({"Copy as CSS", "Copy as HTML", "-", "Set Default", "Apply Current Color",
                "Make This Color Current", "Simulate &Vision", "-"})
                + contrastLines(defaults));

        // From the keyboard, what the mouse does by dragging: the swatch onto the background and
        // the text, the link onto the swatch.
        ui->setColor({118, 118, 118});
        for (const auto &[part, key, modifier, command] :
            {std::tuple{"picBack", Qt::Key_Menu, Qt::NoModifier, "mnuEditApply"},
                {"txtText", Qt::Key_F10, Qt::ShiftModifier, "mnuEditApply"},
                {"txtLink", Qt::Key_Menu, Qt::NoModifier, "mnuEditTake"}}) {
            while (QApplication::focusWidget() != ui->control(part))
                ui->tab();
            QTest::keyClick(ui->control(part), Qt::Key_A, Qt::ShiftModifier); // no other key opens it
            QVERIFY(!QApplication::activePopupWidget());
            QTest::keyClick(ui->control(part), key, modifier);
            menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY2(menu && menu->pos() == ui->control(part)->mapToGlobal(ui->control(part)->rect().center()), part);
            menu->findChild<QAction *>(QLatin1String(command))->trigger();
            menu->close();
        }
        QCOMPARE(ui->window->samplePage()->colors(),
            SampleColors({{118, 118, 118}, {118, 118, 118}, {230, 0, 0}, {79, 16, 128}}));
        VERIFY_VIEWS(*ui, Rgb({230, 0, 0}));

        // The contrast in the menu, the tooltips and the descriptions; a line is copied when chosen.
        trigger("mnuEditSetDef");
        ui->setColor({118, 118, 118});
        ui->drag(ui->control("colShow"), ui->control("txtText"));
        ui->setColor({255, 0, 0});
        ui->drag(ui->control("colShow"), ui->control("txtVLink"));
        const QStringList lines = {"Text on background: 4.54:1 (AA)", "Link on background: 4.81:1 (AA)",
            "Visited link on background: 3.99:1 (AA large text only)"};
        QCOMPARE(ui->control("txtText")->toolTip(), lines[0]);
        QCOMPARE(ui->control("txtVLink")->accessibleDescription(), lines[2]);
        QCOMPARE(ui->control("picBack")->toolTip(), lines.join(u'\n'));
        QCOMPARE(ui->control("colShow")->accessibleDescription(),
            QStringLiteral("On white 3.99:1, on black 5.25:1\nPick from Screen: right-click or Ctrl+Shift+P"));
        QCOMPARE(ui->control("colShow")->toolTip(), ui->control("colShow")->accessibleDescription());
        QAction *line = openSampleMenu("txtLink")->actions().at(9);
        QVERIFY(line->text() == lines[1] && line->isEnabled()); // drawn as readable as the commands
        line->trigger();
        QCOMPARE(ui->toolkit.clipboard, lines[1]);

        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.clipboard, cssText({{255, 255, 255}, {118, 118, 118}, {230, 0, 0}, {255, 0, 0}}));
        trigger("mnuEditCopyHTML");
        QCOMPARE(ui->toolkit.clipboard,
            QStringLiteral("<body text=\"#767676\" bgcolor=\"#FFFFFF\" link=\"#E60000\" vlink=\"#FF0000\">"));
        ui->toolkit.clipboardFails = true;
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.messages, QStringList{"The clipboard could not be written. Please try again."});
    }

    void simulatedVision()
    {
        // The page drawn as a protanope sees it, and said so; its colours, exports and contrast
        // as they are come back with normal vision.
        ui->setColor({255, 0, 0});
        ui->drag(ui->control("colShow"), ui->control("picBack"));
        const QString css = cssText(ui->window->samplePage()->colors());
        QWidget *page = ui->control("picBack");
        const auto pagePixel = [&] { return page->grab().toImage().pixelColor(page->width() - 30, 3); };
        QCOMPARE(pagePixel(), QColor(255, 0, 0));
        QAction *protanopia = openSampleMenu("picBack")->findChild<QAction *>(QStringLiteral("actVision1"));
        protanopia->trigger();
        QApplication::activePopupWidget()->close();
        QVERIFY(protanopia->isChecked());
        QCOMPARE(pagePixel(), QColor(109, 95, 0)); // (255, 0, 0) as a protanope sees it
        QVERIFY(ui->control("lblVision")->isVisible() && page->accessibleName().contains("Protanopia"));
        QVERIFY(page->rect().contains(ui->control("lblVision")->geometry())); // on the page, where it is seen
        QCOMPARE(ui->window->samplePage()->colors().back, Rgb({255, 0, 0}));
        trigger("mnuEditSetDef");
        QCOMPARE(ui->control("txtLink")->toolTip(),
            QStringLiteral("Link on background: 7.47:1 (AAA), as seen with protanopia (no red cones)"));
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.clipboard, cssText(defaults));
        ui->drag(ui->control("colShow"), ui->control("picBack")); // drags carry the real colours
        trigger("mnuEditCopyCSS");
        QCOMPARE(ui->toolkit.clipboard, css);
        trigger("actVision0");
        QCOMPARE(pagePixel(), QColor(255, 0, 0));
        QVERIFY(!ui->control("lblVision")->isVisible() && page->accessibleName() == "Sample page background");
    }

    void colourDialog()
    {
        using enum DialogOutcome;
        const std::pair<ColorDialogResult, const char *> answers[] = {{{Cancelled, {86, 52, 18}, 0, {}}, nullptr},
            {{Failed, {86, 52, 18}, -7, "No dialog."}, "Error -7 selecting color.\r\nNo dialog."},
            {{Confirmed, {0, 128, 0}, 0, {}}, nullptr}, {{Confirmed, {18, 52, 86}, 0, {}}, nullptr}};
        ui->setColor({0, 128, 0});
        QLocale::setDefault(german); // only a synchronisation writes German percentages
        for (const auto &[answer, message] : answers) {
            ui->toolkit.dialogAnswers = {answer};
            ui->click(ui->control<QPushButton>("cmdPickColor"));
            QCOMPARE(ui->toolkit.messages.value(0), QString::fromLatin1(message));
            ui->toolkit.messages.clear();
            if (answer.outcome == Confirmed)
                VERIFY_VIEWS(*ui, answer.color);
            else
                QCOMPARE(ui->field("greenPercent")->text(), QStringLiteral("50.19608"));
        }
    }

    void infoAboutAndExit()
    {
        trigger("mnuQuestionInfo");
        QCOMPARE(ui->toolkit.messages, QStringList{infoMessage()});
        QTest::keyClick(ui->window.get(), Qt::Key_F1);
        AboutWindow *about = ui->window->aboutWindow();
        QVERIFY(about && about->isVisible());
        const auto *info = about->findChild<QLabel *>(QStringLiteral("lblInfo"));
        QVERIFY(info && info->text().contains(QStringLiteral(" is freeware, ")));
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
        trigger("mnuQuestionAbout");
        QCOMPARE(QApplication::topLevelWidgets().count(about), 1);
        trigger("mnuFileExit"); // Exit closes the main window, and About with it
        QVERIFY(!ui->window->isVisible() && !about->isVisible());
    }

    void fittedFontIsTheLargestThatFits()
    {
        QFont font = QApplication::font();
        font.setPointSizeF(9);
        const QString wide = QStringLiteral("rgb(100%,100%,100%)");
        const qreal natural = QFontMetricsF(font).horizontalAdvance(wide);
        for (int percent = 120; percent > 0; percent -= percent > 50 ? 1 : 10) {
            const qreal share = percent / 100.0, width = natural * share;
            const QFont fitted = fittedFont(font, wide, width);
            const qreal size = fitted.pointSizeF();
            QVERIFY(size <= 9 && size >= 5 - 1e-9);
            if (size > 5 + 1e-9) // at 5 pt it stays, fitting or not
                QVERIFY2(QFontMetricsF(fitted).horizontalAdvance(wide) <= width, qPrintable(QString::number(share)));
            if (size < 9) {
                QFont larger = fitted;
                larger.setPointSizeF(size + 0.2);
                QVERIFY2(QFontMetricsF(larger).horizontalAdvance(wide) > width, qPrintable(QString::number(share)));
            }
        }
    }

    void everyValueReadable()
    {
        ui->type("txtRgbName", "lightgoldenrodyellow");
        ui->tab();
        for (const char *written : {"txtRgbName", "greenPercent", "percentShow"})
            QVERIFY2(ui->field(written)->cursorPosition() == 0, written); // the program's writes show the beginning

        // Passed through by Tab without typing, a field again shows its beginning; a narrow field
        // gives its whole value as its tooltip and accessible value.
        ui->setColor({40, 207, 165});
        ui->field("blueByte")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 7; ++i)
            ui->tab();
        for (const char *passed :
            {"blueByte", "byteShow", "redPercent", "greenPercent", "bluePercent", "percentShow", "redHex"})
            QVERIFY2(ui->field(passed)->cursorPosition() == 0, passed);
        QCOMPARE(ui->field("greenPercent")->toolTip(), QStringLiteral("81.17647"));
        QCOMPARE(QAccessible::queryAccessibleInterface(ui->field("greenPercent"))->text(QAccessible::Value),
            QStringLiteral("81.17647"));

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
        ui->field("redByte")->setFocus(Qt::TabFocusReason);
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
            // The controls that draw their own focus frame draw it on their outermost pixels,
            // black and white dots all round.
            if (qobject_cast<PictureBox *>(left) || qobject_cast<SampleLabel *>(left) || qobject_cast<Slider *>(left)) {
                const QRect r = left->rect();
                const QPoint c = r.center();
                for (const auto &[edge, inward] :
                    {std::pair{QPoint(c.x(), r.top()), QPoint(0, 1)}, {QPoint(c.x(), r.bottom()), QPoint(0, -1)},
                        {QPoint(r.left(), c.y()), QPoint(1, 0)}, {QPoint(r.right(), c.y()), QPoint(-1, 0)}})
                    QCOMPARE(focused.pixelColor(edge + inward), unfocused.pixelColor(edge + inward));
                QSet<QRgb> frame;
                for (int x = r.left(); x <= r.right(); ++x)
                    frame << focused.pixel(x, r.top()) << focused.pixel(x, r.bottom());
                for (int y = r.top(); y <= r.bottom(); ++y)
                    frame << focused.pixel(r.left(), y) << focused.pixel(r.right(), y);
                QVERIFY2(frame == QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}), qPrintable(left->objectName()));
            }
        }
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
        // The hex fields, white under a light scheme as designed, follow a dark one as the other
        // entry fields do, from the start and when the scheme changes.
        const auto hexLikeByte = [&] {
            return ui->field("redHex")->palette().color(QPalette::Base)
                == ui->field("redByte")->palette().color(QPalette::Base);
        };
        QVERIFY(hexLikeByte());
        QApplication::setPalette(light);
        QCOMPARE(ui->field("redHex")->palette().color(QPalette::Base), QColor(Qt::white));
        QApplication::setPalette(dark);
        QVERIFY(hexLikeByte());
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
            const QColor back = ground->palette().color(ground->backgroundRole());
            const double ratio = contrastRatio({quint8(text.red()), quint8(text.green()), quint8(text.blue())},
                {quint8(back.red()), quint8(back.green()), quint8(back.blue())});
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
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    }

    void pickFromScreenThroughThePortal()
    {
        startPortal();
        ui->type("redByte", "99"); // an edit in progress counts before the pick
        const std::tuple<uint, QList<double>, Rgb, const char *> answers[] = {{1, {}, {99, 8, 7}, nullptr},
            {2, {}, {99, 8, 7}, "Pick from Screen failed: the desktop portal ended the request (response 2)."},
            {0, {}, {99, 8, 7}, "Pick from Screen failed: the desktop portal gave no color."},
            {0, {0.2, 0.4}, {99, 8, 7}, "Pick from Screen failed: the desktop portal gave no color."},
            {0, {0.2, 0.4, 0.6}, {51, 102, 153}, nullptr}, {0, {1.0, 0.0, 0.5}, {255, 0, 128}, nullptr}};
        int asked = 0;
        for (const auto &[response, color, after, message] : answers) {
            portal->response = response;
            portal->color = color;
            pickFromScreen();
            ++asked;
            QTRY_COMPARE(portal->calls, asked);
            pickFromScreen(); // asked again while the first waits: the first is withdrawn
            ++asked;
            QTRY_COMPARE(portal->calls, asked);
            QVERIFY(ui->window->isPickingFromScreen());
            QTRY_COMPARE(portal->requests.closed, asked / 2);
            QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "other");
            portal->answer(other); // only the portal's own answer counts
            QTest::qWait(50);
            QVERIFY(ui->window->isPickingFromScreen());
            QDBusConnection::disconnectFromBus("other");
            portal->answer();
            QTRY_VERIFY(!ui->window->isPickingFromScreen());
            QCOMPARE(ui->toolkit.messages.value(0), QString::fromLatin1(message));
            VERIFY_VIEWS(*ui, after);
            ui->toolkit.messages.clear();
        }
        QCOMPARE(ui->toolkit.beeps, 0);

        // Escape withdraws a waiting pick without a word.
        pickFromScreen();
        ++asked;
        QTRY_COMPARE(portal->calls, asked);
        QTest::keyClick(ui->window.get(), Qt::Key_Escape);
        QVERIFY(!ui->window->isPickingFromScreen());
        QTRY_COMPARE(portal->requests.closed, asked / 2 + 1);

        // A portal that refuses, one without a colour picker (where no X11 screen can stand in),
        // and one that leaves the bus while a pick waits.
        for (const auto &[refusal, message] :
            {std::pair{QDBusError::AccessDenied,
                 "Pick from Screen failed: the desktop portal refused the request: not allowed."},
                {QDBusError::UnknownMethod,
                    "Pick from Screen is not available here: the desktop portal has no color "
                    "picker and there is no X11 screen to read."},
                {QDBusError::NoError,
                    "Pick from Screen failed: the desktop portal left the session bus before it answered."}}) {
            portal->refuse = refusal;
            pickFromScreen();
            if (refusal == QDBusError::NoError) {
                QTRY_VERIFY(ui->window->isPickingFromScreen() && portal->calls == asked + 3);
                portal->bus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
            }
            QTRY_COMPARE(ui->toolkit.messages, QStringList{message});
            QVERIFY(!ui->window->isPickingFromScreen());
            QVERIFY(!ui->window->findChild<QAction *>(QStringLiteral("actAbandonPick"))->isEnabled()); // Escape is free
            ui->toolkit.messages.clear();
        }
        QCOMPARE(ui->window->findChild<QAction *>(QStringLiteral("actPickFromScreen"))->toolTip(),
            QStringLiteral("The desktop's color picker takes a single pixel."));
        pickFromScreen();
        QCOMPARE(ui->toolkit.messages.last(),
            QStringLiteral("Pick from Screen is not available here: there is no desktop portal "
                           "(org.freedesktop.portal.Desktop) and no X11 screen to read."));
        VERIFY_VIEWS(*ui, Rgb({255, 0, 128}));
    }

    void pickArrivingDuringARangeMessage()
    {
        // A range message runs its own event loop: a pick answered while it is open is applied
        // after the edit, not overwritten by it.
        startPortal();
        pickFromScreen();
        QTRY_COMPARE(portal->calls, 1);
        portal->color = {0.2, 0.4, 0.6};
        ui->toolkit.onMessage = [&] {
            portal->answer();
            QTRY_VERIFY(!ui->window->isPickingFromScreen());
        };
        ui->type("redByte", "300");
        ui->tab();
        QCOMPARE(ui->toolkit.messages, QStringList{below + "255"});
        VERIFY_VIEWS(*ui, Rgb({51, 102, 153}));
    }

    void pickFromScreenThroughTheOverlay()
    {
        // Without a portal, the overlay: a right click leaves the colour as it was, and the next
        // pick opens a new overlay, whose left click takes the pixel into every view.
        QImage screen(40, 30, QImage::Format_RGB32);
        for (int x = 0; x < screen.width(); ++x)
            for (int y = 0; y < screen.height(); ++y)
                screen.setPixel(x, y, qRgb(x * 5, y * 5, 99));
        QPointer<ScreenGrabPicker> shown;
        ui->window->findChild<ScreenPick *>()->setOverlayOpener([&] {
            return shown = ScreenGrabPicker::showOver({{QRect(0, 0, 40, 30), screen}});
        });
        ui->setColor({1, 2, 3});
        for (const auto &[button, after] : {std::pair{Qt::RightButton, Rgb{1, 2, 3}}, {Qt::LeftButton, {25, 30, 99}}}) {
            shown.clear();
            pickFromScreen();
            QVERIFY(shown && shown->isVisible() && ui->window->isPickingFromScreen());
            QVERIFY(QWidget::keyboardGrabber() == shown && QWidget::mouseGrabber() == shown);
            QTest::mouseClick(shown, button, {}, QPoint(5, 6)); // where the press is, not where the pointer was
            QVERIFY(!ui->window->isPickingFromScreen());
            QVERIFY(!QWidget::keyboardGrabber() && !QWidget::mouseGrabber()); // given back at once
            VERIFY_VIEWS(*ui, after);
        }
    }

    void overlayTakesThePointersPixel()
    {
        // Over a screen read as stripes one pixel wide: the mouse names its pixel, the arrow keys
        // move by one (ten with Shift), Return and a left click take the pixel, Escape and a right
        // click cancel. Scaled screens, where only the X server names every device pixel, are picked
        // from in the desktop test.
        QImage stripes(200, 100, QImage::Format_RGB32);
        for (int x = 0; x < stripes.width(); ++x)
            for (int y = 0; y < stripes.height(); ++y)
                stripes.setPixel(x, y, qRgb(x, y, x % 2 ? 255 : 0));
        const auto overlay = [&] { return ScreenGrabPicker::showOver({{QRect(0, 0, 200, 100), stripes}}); };
        std::optional<Rgb> taken;
        bool cancelled = false;
        for (const auto &[keys, mouse, expected] : {std::tuple{QList<QKeyCombination>{Qt::Key_Right, Qt::Key_Return},
                                                        Qt::NoButton, std::optional(Rgb{21, 14, 255})},
                 {{Qt::Key_Down | Qt::ShiftModifier, Qt::Key_Left, Qt::Key_Space}, Qt::NoButton, Rgb{19, 24, 255}},
                 {{Qt::Key_Up, Qt::Key_Return}, Qt::NoButton, Rgb{20, 13, 0}}, {{}, Qt::LeftButton, Rgb{22, 14, 0}},
                 {QList<QKeyCombination>(9, Qt::Key_Down | Qt::ShiftModifier)
                             + QList<QKeyCombination>(3, Qt::Key_Left | Qt::ShiftModifier)
                         << Qt::Key_Return,
                     Qt::NoButton, Rgb{0, 99, 0}}, // held in the bottom left corner
                 {QList<QKeyCombination>(2, Qt::Key_Up | Qt::ShiftModifier)
                             + QList<QKeyCombination>(18, Qt::Key_Right | Qt::ShiftModifier)
                         << Qt::Key_Return,
                     Qt::NoButton, Rgb{199, 0, 255}}, // and in the top right one
                 {{Qt::Key_Escape}, Qt::NoButton, std::nullopt}, {{}, Qt::RightButton, std::nullopt}}) {
            QPointer<ScreenGrabPicker> picker = overlay();
            connect(picker, &ScreenGrabPicker::picked, this, [&](Rgb color) { taken = color; });
            connect(picker, &ScreenGrabPicker::cancelled, this, [&] { cancelled = true; });
            QTest::mouseMove(picker, QPoint(20, 14));
            QMouseEvent move(QEvent::MouseMove, QPointF(22, 14), picker->mapToGlobal(QPointF(22, 14)), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
            if (mouse == Qt::LeftButton)
                QApplication::sendEvent(picker, &move);
            for (QKeyCombination key : keys)
                QTest::keyClick(picker, key.key(), key.keyboardModifiers());
            if (mouse != Qt::NoButton) {
                QMouseEvent press(
                    QEvent::MouseButtonPress, move.position(), move.globalPosition(), mouse, mouse, Qt::NoModifier);
                QApplication::sendEvent(picker, &press);
            }
            QCOMPARE(taken, expected);
            QTRY_VERIFY(picker.isNull()); // gone once the pick ends
            QCOMPARE(cancelled, !expected);
            taken.reset();
            cancelled = false;
        }
    }

    void overlayShowsThePointersPixel()
    {
        // The crosshair runs through the pointer; the lens beside it, turned away from the
        // edges, has the pointer's pixel magnified in its middle cell.
        QImage screen(400, 300, QImage::Format_RGB32);
        const auto shade = [](int x, int y) { return QColor(x & 255, y & 255, 128 + 64 * (x >> 8)); };
        for (int x = 0; x < screen.width(); ++x)
            for (int y = 0; y < screen.height(); ++y)
                screen.setPixelColor(x, y, shade(x, y));
        ScreenGrabPicker *picker = ScreenGrabPicker::showOver({{QRect(0, 0, 400, 300), screen}});
        for (const auto &[pointer, lensCorner] : {std::pair{QPoint(50, 30), QPoint(74, 54)},
                 {QPoint(350, 30), QPoint(217, 54)}, {QPoint(266, 30), QPoint(290, 54)}, // it just fits
                 {QPoint(50, 142), QPoint(74, 166)}, // its label just fits
                 {QPoint(50, 250), QPoint(74, 93)}}) {
            QTest::mouseMove(picker, pointer);
            QCoreApplication::processEvents(); // what was painted on the screen, not a fresh rendering
            const QImage shown = QGuiApplication::primaryScreen()->grabWindow(picker->winId()).toImage();
            const QPoint middle = lensCorner + QPoint(55, 55);
            QCOMPARE(shown.pixelColor(middle), shade(pointer.x(), pointer.y()));
            QCOMPARE(shown.pixelColor(middle + QPoint(10, 0)), shade(pointer.x() + 1, pointer.y()));
            QCOMPARE(shown.pixelColor(lensCorner), QColor(Qt::black)); // the lens's frame
            // Below the lens, its hex code in white on black.
            const QImage label = shown.copy(lensCorner.x(), lensCorner.y() + 111, 110, 20);
            int lit = 0;
            for (int x = 0; x < label.width(); ++x)
                for (int y = 0; y < label.height(); ++y)
                    lit += label.pixelColor(x, y) != Qt::black;
            QVERIFY(label.pixelColor(0, 0) == Qt::black && label.pixelColor(109, 19) == Qt::black && lit > 50);
            for (const QPoint &side : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
                // The middle cell, framed black in white on every side, between its neighbours.
                QCOMPARE(shown.pixelColor(middle + 5 * side), QColor(Qt::black));
                QCOMPARE(shown.pixelColor(middle + 6 * side), QColor(Qt::white));
                QCOMPARE(shown.pixelColor(middle + 7 * side), shade(pointer.x() + side.x(), pointer.y() + side.y()));
            }
            for (const QPoint &outside : {lensCorner - QPoint(1, 0), lensCorner - QPoint(0, 1)})
                QCOMPARE(shown.pixelColor(outside), shade(outside.x(), outside.y()));
            for (const QPoint &onCrosshair : {QPoint(pointer.x(), 3), QPoint(3, pointer.y())}) {
                const QColor crosshair = shown.pixelColor(onCrosshair);
                QVERIFY(crosshair == Qt::black || crosshair == Qt::white);
            }
            QCOMPARE(shown.pixelColor(pointer.x() - 1, 3), shade(pointer.x() - 1, 3));
        }

        // On a screen of scale 2, every line stays one device pixel thin: across each, one device
        // column of black or white (two where the middle cell's black frame has its white one).
        QImage fine(picker->size() * 2, QImage::Format_RGB32);
        fine.setDevicePixelRatio(2);
        picker->render(&fine);
        const auto lineColumnsNear = [&fine](QPoint logical) {
            int count = 0;
            for (int x = 2 * logical.x() - 3; x <= 2 * logical.x() + 3; ++x) {
                const QColor c = fine.pixelColor(x, 2 * logical.y());
                count += c == Qt::black || c == Qt::white;
            }
            return count;
        };
        const QPoint lensCorner(74, 93); // the pointer is still at (50, 250)
        QTest::keyClick(picker, Qt::Key_Right); // moved by the keyboard, the lens shows the next pixel
        QCoreApplication::processEvents();
        const QImage moved = QGuiApplication::primaryScreen()->grabWindow(picker->winId()).toImage();
        QCOMPARE(moved.pixelColor(lensCorner + QPoint(55, 55)), shade(51, 250));
        QCOMPARE(QCursor::pos(), picker->mapToGlobal(QPoint(51, 250))); // the system pointer follows
        QCOMPARE(lineColumnsNear({50, 3}), 1); // the crosshair
        QCOMPARE(lineColumnsNear(lensCorner + QPoint(0, 20)), 1);
        QCOMPARE(lineColumnsNear(lensCorner + QPoint(50, 55)), 2);
        picker->close();
    }

    void overlaySamplesSquares()
    {
        // + and - switch the sample between 1, 3x3, 5x5 and 9x9 pixels, remembered from one pick
        // to the next; the average is taken in linear light (by hand: 2 red columns of 3 are 2/3
        // of the light, encoded 0.836, 213), and the lens frames the square.
        const QImage stripes = redStripes({400, 300});
        const QPoint pointer(51, 30), middle(130, 109); // a black column; the lens's middle
        const std::tuple<QList<Qt::Key>, QPoint, int, Rgb> rows[] = {{{}, pointer, 1, {0, 0, 0}},
            {{Qt::Key_Plus}, pointer, 3, {213, 0, 0}}, {{Qt::Key_Plus}, pointer, 5, {170, 0, 0}},
            {{Qt::Key_Equal, Qt::Key_Plus}, pointer, 9, {178, 0, 0}}, {{}, pointer, 9, {178, 0, 0}},
            {{}, QPoint(0, 1), 9, {203, 0, 0}}, // at the left edge, the 5 columns on the screen: 3 red
            {{Qt::Key_Minus}, pointer, 5, {170, 0, 0}},
            {{Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus}, QPoint(50, 30), 1, {255, 0, 0}}};
        for (const auto &[keys, at, size, expected] : rows) {
            QPointer<ScreenGrabPicker> picker = ScreenGrabPicker::showOver({{QRect(0, 0, 400, 300), stripes}});
            std::optional<Rgb> taken;
            connect(picker, &ScreenGrabPicker::picked, this, [&](Rgb color) { taken = color; });
            QTest::mouseMove(picker, at);
            for (Qt::Key key : keys)
                QTest::keyClick(picker, key);
            QCOMPARE(picker->sampleSize(), size);
            if (at == pointer) {
                QCoreApplication::processEvents();
                const QImage shown = QGuiApplication::primaryScreen()->grabWindow(picker->winId()).toImage();
                for (const QPoint &side : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
                    QCOMPARE(shown.pixelColor(middle + 5 * size * side), QColor(Qt::black));
                    QCOMPARE(shown.pixelColor(middle + (5 * size + 1) * side), QColor(Qt::white));
                }
            }
            QTest::keyClick(picker, Qt::Key_Return);
            QVERIFY2(taken == expected, qPrintable(QString::number(taken ? taken->red : -1)));
        }
    }

    void keepPicking()
    {
        // Shift with the click or with Return keeps the colour and the overlay; Escape ends it.
        // Each colour kept becomes current and goes into History, the last first.
        QImage screen(40, 30, QImage::Format_RGB32);
        screen.fill(qRgb(9, 9, 9));
        screen.setPixel(5, 6, qRgb(1, 2, 3));
        screen.setPixel(20, 10, qRgb(4, 5, 6));
        QPointer<ScreenGrabPicker> shown;
        ui->window->findChild<ScreenPick *>()->setOverlayOpener([&] {
            return shown = ScreenGrabPicker::showOver({{QRect(0, 0, 40, 30), screen}});
        });
        pickFromScreen();
        QTest::mouseClick(shown, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
        VERIFY_VIEWS(*ui, Rgb({1, 2, 3}));
        QTest::mouseMove(shown, QPoint(20, 10));
        QTest::keyClick(shown, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(shown && shown->isVisible() && ui->window->isPickingFromScreen());
        QTest::keyClick(shown, Qt::Key_Escape);
        QVERIFY(!ui->window->isPickingFromScreen());
        VERIFY_VIEWS(*ui, Rgb({4, 5, 6}));
        QCOMPARE(history(), QList<Rgb>({{4, 5, 6}, {1, 2, 3}}));
        QCOMPARE(ui->window->findChild<QAction *>(QStringLiteral("actPickFromScreen"))->toolTip(),
            QStringLiteral("+ and - sample 1, 3×3, 5×5 or 9×9 pixels; Shift with the click keeps picking."));
        QVERIFY(ui->toolkit.messages.isEmpty());

        // A History that cannot be saved is told once the overlay is gone.
        QFile broken(PaletteStore::defaultFolder() + QStringLiteral("/history.gpl"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no palette") > 0);
        broken.close();
        trigger("actPickFromScreen");
        QTest::mouseClick(shown, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
        QTest::qWait(300);
        QVERIFY(ui->toolkit.messages.isEmpty());
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_COMPARE(ui->toolkit.messages.size(), 1);
        QVERIFY(ui->toolkit.messages[0].startsWith("This change could not be saved:\n"));
    }

    void commandLinePick()
    {
        // rusket --pick: each colour picked or kept printed as it comes and kept in History, with
        // --copy all of them on the clipboard; a cancel before any colour is status 3.
        QImage screen(40, 30, QImage::Format_RGB32);
        screen.fill(qRgb(18, 52, 86));
        screen.setPixel(3, 3, qRgb(255, 0, 0));
        CopyPreferences preferences;
        preferences.templates = {{QStringLiteral("Swift"), QStringLiteral("Color({r}, {g}, {b})")}};
        preferences.defaultForm = QStringLiteral("Swift");
        const auto shiftClick
            = [](QWidget *overlay) { QTest::mouseClick(overlay, Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 3)); };
        const auto click = [](QWidget *overlay) { QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(5, 5)); };
        const auto escape = [](QWidget *overlay) { QTest::keyClick(overlay, Qt::Key_Escape); };
        const auto contents = [](std::FILE *file) {
            QFile read;
            std::rewind(file);
            read.open(file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
            return read.readAll();
        };
        using Steps = QList<std::function<void(QWidget *)>>;
        const std::tuple<const char *, PickRequest, Steps, int, const char *, QString> rows[]
            = {{"the default form", {}, {click}, 0, "Color(18, 52, 86)\n", "held by another program"},
                {"kept, then picked, copied", {{CssFormat::Rgb}, true}, {shiftClick, click}, 0,
                    "rgb(255 0 0)\nrgb(18 52 86)\n", "rgb(255 0 0)\nrgb(18 52 86)"},
                {"a template", {{std::nullopt, "{r.x}{g.x}"}, true}, {shiftClick, escape}, 0, "ff00\n", "ff00"},
                {"cancelled", {{}, true}, {escape}, 3, "", "held by another program"},
                {"no overlay", {}, {}, 1, "", "held by another program"}};
        for (const auto &[name, request, steps, status, output, clipboard] : rows) {
            std::FILE *outFile = std::tmpfile(), *errorFile = std::tmpfile();
            RecordingToolkit toolkit;
            CommandLinePick command(request, preferences, toolkit, outFile, errorFile);
            QPointer<ScreenGrabPicker> shown;
            const bool opens = !steps.isEmpty(); // a lambda may not name a structured binding in every compiler
            command.screenPick()->setOverlayOpener([&]() -> ScreenGrabPicker * {
                return !opens ? nullptr : shown = ScreenGrabPicker::showOver({{QRect(0, 0, 40, 30), screen}});
            });
            int ended = -1;
            connect(&command, &CommandLinePick::finished, this, [&](int got) { ended = got; });
            command.start();
            for (const auto &step : steps)
                step(shown);
            QVERIFY2(ended == status, name);
            QVERIFY2(contents(outFile) == output, name);
            QVERIFY2(toolkit.clipboard == clipboard, name);
            QVERIFY2(
                (status == 1) == contents(errorFile).startsWith("rusket: Pick from Screen is not available"), name);
        }
        QCOMPARE(history(), QList<Rgb>({{255, 0, 0}, {18, 52, 86}}));
    }

    void randomSession()
    {
        const quint32 seed
            = qEnvironmentVariableIsSet("RUSKET_SEED") ? qEnvironmentVariableIntValue("RUSKET_SEED") : 20261206u;
        const int actions
            = qEnvironmentVariableIsSet("RUSKET_ACTIONS") ? qEnvironmentVariableIntValue("RUSKET_ACTIONS") : 20000;
        qInfo("random session: seed %u, %d actions (set RUSKET_SEED to replay another)", seed, actions);
        random.seed(seed);
        for (int i = 0; i < actions; ++i) {
            expected.reset();
            // A value typed and not left is still in its field, or some step of the next action
            // applied it: its slider took the corrected value.
            const std::optional<Typed> before = typed;
            QList<int> held;
            QMetaObject::Connection watch;
            if (before) {
                QScrollBar *slider = ui->slider(sliderNames[before->field]);
                held = {slider->value()};
                watch = connect(slider, &QScrollBar::valueChanged, this, [&held](int value) { held.append(value); });
            }
            const QString action = act();
            disconnect(watch);
            const bool pending = ui->window->hasPendingEdit();
            QString broken = (pending ? QString() : ui->mismatch(ui->color()))
                + (action.startsWith(QLatin1String("BROKEN")) ? action : "");
            if (pending && (!typed || ui->field(fieldNames[typed->field])->text() != typed->text))
                broken += QStringLiteral(" the typed value left its field unapplied");
            if (before && !retyped && !(pending && typed->field == before->field) && !held.contains(before->corrected))
                broken += QStringLiteral(" the typed value was never applied");
            if (!pending)
                typed.reset();
            retyped = false;
            if (expected && ui->color() != *expected)
                broken += QStringLiteral(" the colour is not the one typed or confirmed");
            const QStringList lines = contrastLines(samples);
            if (ui->window->samplePage()->colors() != samples || ui->control("txtText")->toolTip() != lines[0]
                || ui->control("txtLink")->toolTip() != lines[1] || ui->control("txtVLink")->toolTip() != lines[2]
                || ui->control("picBack")->toolTip() != lines.join(u'\n'))
                broken += QStringLiteral(" the sample page or its contrast is not what the actions gave it");
            ui->toolkit.messages.clear();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(action, broken)));
        }
    }
    void missingDataFile()
    {
        for (const QString missing : {"color_names.txt", "netscape.pal", "windows.pal"}) {
            QTemporaryDir folder;
            for (const QString &name : QDir(RUSKET_DATA_DIR).entryList({"*.pal", "color_names.txt"}))
                QVERIFY(name == missing || QFile::copy(RUSKET_DATA_DIR "/" + name, folder.filePath(name)));
            RecordingToolkit toolkit;
            toolkit.folder = folder.path();
            const std::optional<LoadError> error = MainWindow(toolkit).loadData();
            QVERIFY2(error && error->text().startsWith(missing + ": cannot be read"), qPrintable(missing));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
