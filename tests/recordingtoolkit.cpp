#include "recordingtoolkit.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

void RecordingToolkit::startDrag(QWidget *source, QMimeData *data)
{
    std::unique_ptr<QMimeData> owned(data);
    dragSources.append(source);
    QWidget *target = dropWindow ? dropWindow->childAt(dropAt) : nullptr;
    while (target && !target->acceptDrops())
        target = target->parentWidget();
    if (!target)
        return;
    const QPoint local = target->mapFrom(dropWindow, dropAt);
    QDragEnterEvent enter(local, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(local), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    if (enter.isAccepted())
        QApplication::sendEvent(target, &drop);
}
