#include "recordingtoolkit.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

void RecordingToolkit::showMessage(const QString &text)
{
    messages.append(text);
    if (onMessage)
        onMessage();
}

void RecordingToolkit::beep()
{
    ++beeps;
}

ColorDialogResult RecordingToolkit::pickColor()
{
    ++dialogsShown;
    return dialogAnswers.isEmpty() ? ColorDialogResult{} : dialogAnswers.takeFirst();
}

bool RecordingToolkit::setClipboardText(const QString &text)
{
    if (clipboardFails)
        return false;
    clipboard = text;
    return true;
}

QString RecordingToolkit::programFolder() const
{
    return folder;
}

void RecordingToolkit::releaseDragAt(QWidget *window, QPoint pos)
{
    dropWindow = window;
    dropPos = pos;
}

void RecordingToolkit::startDrag(QWidget *source, QMimeData *data)
{
    // Like a real drag: the drop is delivered to the topmost widget under the release point
    // that accepts drops, before the drag returns.
    std::unique_ptr<QMimeData> owned(data);
    dragSources.append(source);
    if (!dropWindow)
        return;
    QWidget *target = dropWindow->childAt(dropPos);
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    if (!target)
        return;
    const QPoint local = target->mapFrom(dropWindow, dropPos);
    QDragEnterEvent enter(local, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(QPointF(local), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
