#include "qttoolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDrag>
#include <QMessageBox>
#include <QMimeData>
#include <QWidget>

void QtToolkit::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Rusket"), text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
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
        return {ColorDialogResult::Cancelled, 0, 0, {}};
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return {ColorDialogResult::Failed, 0, 1, QStringLiteral("The dialog returned no valid colour.")};
    lastDialogColor = chosen;
    const quint32 packed = quint32(chosen.red()) + 256u * quint32(chosen.green()) + 65536u * quint32(chosen.blue());
    return {ColorDialogResult::Confirmed, packed, 0, {}};
}

bool QtToolkit::setClipboardText(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(text); // replaces every format the clipboard held
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
    const QPalette::ColorRole role = source->autoFillBackground() ? QPalette::Window : QPalette::WindowText;
    image.fill(source->palette().color(role));
    drag->setPixmap(image);
    drag->exec(Qt::CopyAction);
}
