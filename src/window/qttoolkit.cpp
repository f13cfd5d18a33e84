// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/qttoolkit.h"

#include "widgets/picturebox.h"
#include "values/rgb.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCursor>
#include <QDrag>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

void QtToolkit::showMessage(const QString &text)
{
    // A click on a slider or button that takes the focus from an edited field brings this
    // box up before the click reaches its control; the box then swallows the button's
    // release, and the control would go on as if held down (a slider keeps paging).
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    const QPointer<QWidget> pressed = QApplication::focusWidget();

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Rusket"), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();

    if (held != Qt::NoButton && pressed)
        releaseAfterPress(pressed, held);
}

void QtToolkit::releaseAfterPress(QWidget *control, Qt::MouseButtons buttons)
{
    const QPointF global = QCursor::pos();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & button)
            QCoreApplication::postEvent(control,
                new QMouseEvent(QEvent::MouseButtonRelease, control->mapFromGlobal(global), global, button,
                    Qt::NoButton, Qt::NoModifier));
    }
}

void QtToolkit::beep()
{
    QApplication::beep();
}

ColorDialogResult QtToolkit::pickColor()
{
    // Qt's own dialog always shows its full editor and has a screen colour picker.
    QColorDialog dialog(lastDialogColor, QApplication::activeWindow());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return {DialogOutcome::Cancelled, {}, 0, {}};
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return {DialogOutcome::Failed, {}, 1,
            QCoreApplication::translate("QtToolkit", "The dialog returned no valid color.")};
    lastDialogColor = chosen;
    return {DialogOutcome::Confirmed, {quint8(chosen.red()), quint8(chosen.green()), quint8(chosen.blue())}, 0, {}};
}

QString QtToolkit::clipboardText() const
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

bool QtToolkit::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text); // replaces every format the clipboard held
    return true;
}

bool QtToolkit::setClipboardColor(const QString &text, Rgb color)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    auto *data = new QMimeData;
    data->setText(text);
    data->setColorData(QColor(color.red, color.green, color.blue));
    clipboard->setMimeData(data); // taken over; replaces every format the clipboard held
    return true;
}

QString QtToolkit::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

void QtToolkit::startDrag(QWidget *source, QMimeData *data)
{
    auto *drag = new QDrag(source);
    drag->setMimeData(data);
    // A small image of what is dragged: the source's own colour.
    QPixmap image(16, 16);
    image.fill(shownColor(source));
    drag->setPixmap(image);
    drag->exec(Qt::CopyAction);
}
