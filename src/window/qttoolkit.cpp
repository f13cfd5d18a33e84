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
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
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

bool QtToolkit::startDrag(QWidget *source, QMimeData *data)
{
    auto *drag = new QDrag(source);
    drag->setMimeData(data);
    // A small image of what is dragged: the colour carried, or the source's own.
    QPixmap image(16, 16);
    const QColor carried = qvariant_cast<QColor>(data->colorData());
    image.fill(carried.isValid() ? carried : shownColor(source));
    drag->setPixmap(image);
    // Dropped on a widget of this program, the drag names it; dropped on another program, not.
    return drag->exec(Qt::CopyAction) == Qt::CopyAction && !drag->target();
}

std::optional<QString> QtToolkit::askText(const QString &title, const QString &label, const QString &text)
{
    bool ok = false;
    const QString answer
        = QInputDialog::getText(QApplication::activeWindow(), title, label, QLineEdit::Normal, text, &ok);
    return ok ? std::optional(answer) : std::nullopt;
}

QString QtToolkit::chooseFile(FileChoice choice, const QString &title, const QString &filter, const QString &suggested)
{
    QWidget *parent = QApplication::activeWindow();
    return choice == FileChoice::Open ? QFileDialog::getOpenFileName(parent, title, suggested, filter)
                                      : QFileDialog::getSaveFileName(parent, title, suggested, filter);
}
