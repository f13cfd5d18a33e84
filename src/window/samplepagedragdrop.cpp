#include "window/samplepagedragdrop.h"

#include "window/toolkit.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

namespace {

const QString mimeType = QStringLiteral("application/x-rusket-sample-part");

QByteArray processTag()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':';
}

} // namespace

SamplePageDragDrop::SamplePageDragDrop(Toolkit &toolkit, QObject *parent)
    : QObject(parent)
    , toolkit(toolkit)
{ }

void SamplePageDragDrop::attach(QWidget *control, bool contextMenu)
{
    control->setAcceptDrops(true);
    control->installEventFilter(this);
    attached.append(control);
    if (contextMenu)
        withContextMenu.append(control);
}

QMimeData *SamplePageDragDrop::dragData(const QWidget *control)
{
    auto *data = new QMimeData;
    data->setData(mimeType, processTag() + control->objectName().toUtf8());
    return data;
}

QString SamplePageDragDrop::draggedName(const QMimeData *data)
{
    const QByteArray payload = data ? data->data(mimeType) : QByteArray();
    if (!payload.startsWith(processTag()))
        return {};
    return QString::fromUtf8(payload.mid(processTag().size()));
}

QWidget *SamplePageDragDrop::attachedNamed(const QString &name) const
{
    for (QWidget *control : attached) {
        if (control->objectName() == name)
            return control;
    }
    return nullptr;
}

bool SamplePageDragDrop::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control || !attached.contains(control))
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        emit dragStarting(control);
        toolkit.startDrag(control, dragData(control));
        return true;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::RightButton || !withContextMenu.contains(control))
            return false;
        emit contextMenuRequested(control, mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::KeyPress: {
        // The keyboard's way to the menu: the Menu key or Shift+F10, shown at the part.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey
            = key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (!menuKey || !withContextMenu.contains(control))
            return false;
        emit contextMenuRequested(control, control->mapToGlobal(control->rect().center()));
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (attachedNamed(draggedName(drag->mimeData())))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        QWidget *dragged = attachedNamed(draggedName(drop->mimeData()));
        if (!dragged) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit dropped(dragged, control);
        return true;
    }
    default: return false;
    }
}
