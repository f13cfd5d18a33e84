#include "windowdriver.h"

#include "mainwindow/picturebox.h"
#include "values/notationtexts.h"

#include <QApplication>
#include <QStyleHints>
#include <QTest>

namespace {

QtMessageHandler testLogger = nullptr;

// The offscreen platform warns of what it cannot do (fix a window's size, raise a window,
// grab the keyboard); nothing the tests rely on.
void quietOffscreenLimits(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        testLogger(type, context, message);
}

} // namespace

WindowDriver::WindowDriver()
{
    if (!testLogger) {
        testLogger = qInstallMessageHandler(quietOffscreenLimits);
        // One font, one style and a steady cursor, so that the window renders the same every time.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        QApplication::setStyle(QStringLiteral("Fusion"));
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }
    window = std::make_unique<MainWindow>(toolkit);
    if (std::optional<LoadError> error = window->loadData())
        qFatal("start-up failed: %s", qPrintable(error->text()));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the window did not become active");
    names.load(QStringLiteral(RUSKET_DATA_DIR "/color_names.txt"));
    netscape.load(QStringLiteral(RUSKET_DATA_DIR "/netscape.pal"), 216);
    windows.load(QStringLiteral(RUSKET_DATA_DIR "/windows.pal"), 16);
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::type(const char *fieldName, const QString &text)
{
    QLineEdit *edit = field(fieldName);
    click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            // Beyond ASCII there is no key code to press; the text arrives as typed text.
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void WindowDriver::tab()
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window.get(), Qt::Key_Tab);
}

void WindowDriver::click(QWidget *widget, QPoint pos)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos.isNull() ? widget->rect().center() : pos);
}

void WindowDriver::drag(QWidget *source, QWidget *target)
{
    // On the target itself, not on a child that covers its centre.
    const QPoint centre = target->rect().center();
    const QPoint onTarget = target->childAt(centre) ? QPoint(target->width() - 3, target->height() - 3) : centre;
    toolkit.releaseDragAt(window.get(), target->mapTo(window.get(), onTarget));
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, source->rect().center());
    toolkit.releaseDragAt(nullptr, {});
}

void WindowDriver::setColor(Rgb color)
{
    type("redByte", QString::number(color.red));
    type("greenByte", QString::number(color.green));
    type("blueByte", QString::number(color.blue));
    tab();
}

Rgb WindowDriver::color() const
{
    return {quint8(slider("redSlide")->value()), quint8(slider("greenSlide")->value()),
        quint8(slider("blueSlide")->value())};
}

QColor WindowDriver::shownColor(const char *part) const
{
    return ::shownColor(control(part));
}

QString WindowDriver::mismatch(Rgb expected) const
{
    const NotationTexts texts = NotationTexts::of(expected, QLocale());
    const QStringList expectedNames = names.findNamesByColor(expected);
    QStringList differences;
    const auto expect = [&](const char *name, const QString &shown, const QString &wanted) {
        if (shown != wanted)
            differences.append(QStringLiteral("%1 shows '%2', expected '%3'").arg(QLatin1String(name), shown, wanted));
    };
    for (int i = 0; i < 3; ++i) {
        expect(fieldNames[i], field(fieldNames[i])->text(), texts.byte[i]);
        expect(fieldNames[3 + i], field(fieldNames[3 + i])->text(), texts.percent[i]);
        expect(fieldNames[6 + i], field(fieldNames[6 + i])->text(), texts.hex[i]);
        expect(sliderNames[i], QString::number(slider(sliderNames[i])->value()), texts.byte[i]);
    }
    expect("byteShow", field("byteShow")->text(), texts.byteShow);
    expect("percentShow", field("percentShow")->text(), texts.percentShow);
    expect("hexShow", field("hexShow")->text(), texts.hexShow);
    expect("txtRgbName", field("txtRgbName")->text(), expectedNames.value(0));
    expect("txtRgbMore", field("txtRgbMore")->text(), ColorNameTable::joinFurtherNames(expectedNames));
    expect("colShow", shownColor("colShow").name(), QColor(expected.red, expected.green, expected.blue).name());
    expect("chkNetscape", toggle("chkNetscape")->isChecked() ? "checked" : "unchecked",
        netscape.contains(expected) ? "checked" : "unchecked");
    expect("chkWindows", toggle("chkWindows")->isChecked() ? "checked" : "unchecked",
        windows.contains(expected) ? "checked" : "unchecked");
    if (window->isWritingViews() || window->hasPendingEdit())
        differences.append(QStringLiteral("a flag is still set"));
    return differences.join(QStringLiteral("; "));
}
