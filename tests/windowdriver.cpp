// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "windowdriver.h"

#include "values/notationtexts.h"

#include <QStyleHints>

WindowDriver::WindowDriver(const WindowDriver *sameUser)
    : home(sameUser ? sameUser->home : ownHome.path())
{
    // One font, one style and a steady cursor, so that the window renders the same every time.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/config")).toUtf8());
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

void WindowDriver::type(const char *fieldName, const QString &text)
{
    QLineEdit *edit = field(fieldName);
    click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {
        // Each character arrives as typed text, the way an input method delivers any of them.
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WindowDriver::drag(QWidget *source, QWidget *target, QPoint from, QPoint to)
{
    // On the target itself, not on a child that covers its centre.
    if (target) {
        const QPoint centre = target->rect().center();
        const QPoint onTarget = !to.isNull() ? to
            : target->childAt(centre)        ? QPoint(target->width() - 3, target->height() - 3)
                                             : centre;
        toolkit.dropWindow = target->window();
        toolkit.dropAt = target->mapTo(target->window(), onTarget);
    }
    // A drag starts once the pointer has moved the drag distance with the button held.
    if (from.isNull())
        from = QPoint(2, source->height() / 2);
    QTest::mousePress(source, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(source, from + QPoint(1, 0));
    const QPoint moved = from + QPoint(QApplication::startDragDistance() + 1, 0);
    QTest::mouseMove(source, moved);
    QTest::mouseRelease(source, Qt::LeftButton, Qt::NoModifier, moved);
    toolkit.dropWindow = nullptr;
}

void WindowDriver::setColor(Rgb color)
{
    for (int i = 0; i < 3; ++i)
        type(fieldNames[i], QString::number(color.component(i)));
    tab();
}

Rgb WindowDriver::color() const
{
    return {quint8(slider("redSlide")->value()), quint8(slider("greenSlide")->value()),
        quint8(slider("blueSlide")->value())};
}

QString WindowDriver::mismatch(Rgb expected) const
{
    const NotationTexts texts = NotationTexts::of(expected, QLocale());
    const QStringList expectedNames = names.findNamesByColor(expected);
    QStringList shown, wanted;
    for (int i = 0; i < 9; ++i) {
        shown << field(fieldNames[i])->text();
        wanted << (i < 3 ? texts.byte : i < 6 ? texts.percent : texts.hex)[i % 3];
    }
    shown << QString::number(color().packed()) << field("byteShow")->text() << field("percentShow")->text()
          << field("hexShow")->text() << field("txtRgbName")->text() << field("txtRgbMore")->text()
          << shownColor("colShow").name() << QString::number(toggle("chkNetscape")->isChecked())
          << QString::number(toggle("chkWindows")->isChecked())
          << QString::number(window->isWritingViews() || window->hasPendingEdit());
    wanted << QString::number(expected.packed()) << texts.byteShow << texts.percentShow << texts.hexShow
           << expectedNames.value(0) << ColorNameTable::joinFurtherNames(expectedNames)
           << QColor(expected.red, expected.green, expected.blue).name() << QString::number(netscape.contains(expected))
           << QString::number(windows.contains(expected)) << QStringLiteral("0"); // no flag left set
    const QStringList views = QStringList(std::begin(fieldNames), std::end(fieldNames))
        + QStringList{"sliders", "byteShow", "percentShow", "hexShow", "txtRgbName", "txtRgbMore", "colShow",
            "chkNetscape", "chkWindows", "a flag"};
    QStringList differences;
    for (int i = 0; i < shown.size(); ++i) {
        if (shown[i] != wanted[i])
            differences << QStringLiteral("%1 shows '%2', expected '%3'").arg(views[i], shown[i], wanted[i]);
    }
    return differences.join(QStringLiteral("; "));
}
