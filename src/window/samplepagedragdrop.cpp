// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/samplepagedragdrop.h"

#include "window/toolkit.h"

#include <QApplication>
#include <QColor>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

namespace {

const QString mimeType = QStringLiteral("application/x-rusket-sample-part");
const QString swatchTag = QStringLiteral("@palette/"); // no control's name starts so

QByteArray processTag()
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':';
}

} // namespace

SamplePageDragDrop::SamplePageDragDrop(Toolkit &toolkit, QObject *parent)
    : QObject(parent)
    , toolkit(toolkit)
{ }

void SamplePageDragDrop::attach(QWidget *control, bool contextMenu, bool takesText)
{
    control->setAcceptDrops(true);
    control->installEventFilter(this);
    attached.append(control);
    if (contextMenu)
        withContextMenu.append(control);
    if (takesText)
        takingText.append(control);
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

void SamplePageDragDrop::carryColor(QMimeData *data, Rgb color)
{
    const QColor carried(color.red, color.green, color.blue);
    data->setText(carried.name());
    data->setColorData(carried);
}

QMimeData *SamplePageDragDrop::swatchData(Rgb color, const QString &paletteId, int row)
{
    auto *data = new QMimeData;
    data->setData(mimeType, processTag() + (swatchTag + QString::number(row) + u'/' + paletteId).toUtf8());
    carryColor(data, color);
    return data;
}

std::optional<std::pair<QString, int>> SamplePageDragDrop::draggedSwatch(const QMimeData *data)
{
    const QString name = draggedName(data);
    if (!name.startsWith(swatchTag))
        return std::nullopt;
    const qsizetype slash = name.indexOf(u'/', swatchTag.size());
    return std::pair(name.mid(slash + 1), name.mid(swatchTag.size(), slash - swatchTag.size()).toInt());
}

std::optional<Rgb> SamplePageDragDrop::swatchColor(const QMimeData *data)
{
    const QColor color = data ? qvariant_cast<QColor>(data->colorData()) : QColor();
    if (!draggedSwatch(data) || !color.isValid())
        return std::nullopt;
    return Rgb{quint8(color.red()), quint8(color.green()), quint8(color.blue())};
}

QString SamplePageDragDrop::foreignText(const QWidget *target, const QMimeData *data) const
{
    if (!data || !takingText.contains(target))
        return {};
    // A colour that is not valid is none: the drag counts by its text alone, if it has any.
    if (data->hasColor()) {
        if (const QColor color = qvariant_cast<QColor>(data->colorData()); color.isValid())
            return color.name();
    }
    return data->hasText() ? data->text() : QString();
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
    auto *control = static_cast<QWidget *>(watched); // the filter is on the attached controls alone
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove: return followPress(control, static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (auto *mouse = static_cast<QMouseEvent *>(event); mouse->button() == Qt::LeftButton)
            pressed = nullptr; // a click: no drag
        else if (mouse->button() == Qt::RightButton && withContextMenu.contains(control)) {
            emit contextMenuRequested(control, mouse->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::KeyPress:
        // The keyboard's way to the menu: the Menu key or Shift+F10, shown at the part.
        if (auto *key = static_cast<QKeyEvent *>(event);
            (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier))
            && withContextMenu.contains(control)) {
            emit contextMenuRequested(control, control->mapToGlobal(control->rect().center()));
            return true;
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        takeDrag(control, static_cast<QDropEvent *>(event));
        return true; // none of these controls takes drops of its own
    default: break;
    }
    return false;
}

// A left press is followed until the pointer has moved the drag distance with the button held;
// the drag starts there. Released before, the press was a click, which does nothing.
bool SamplePageDragDrop::followPress(QWidget *control, const QMouseEvent *mouse)
{
    if (mouse->type() == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton)
            return false;
        pressed = control;
        pressedAt = mouse->position().toPoint();
        return true;
    }
    if (pressed != control || !(mouse->buttons() & Qt::LeftButton))
        return false;
    if ((mouse->position().toPoint() - pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        pressed = nullptr;
        QMimeData *data = dragData(control);
        emit dragStarting(control, data);
        const QColor carried = qvariant_cast<QColor>(data->colorData());
        if (toolkit.startDrag(control, data) && carried.isValid())
            emit carriedOut({quint8(carried.red()), quint8(carried.green()), quint8(carried.blue())});
    }
    return true;
}

// A drag is welcome where it brings a part of this page, a palette's swatch, or text this
// control reads; its drop is then announced.
void SamplePageDragDrop::takeDrag(QWidget *control, QDropEvent *drag)
{
    QWidget *dragged = attachedNamed(draggedName(drag->mimeData()));
    const std::optional<Rgb> swatch = dragged ? std::nullopt : swatchColor(drag->mimeData());
    const QString text = dragged || swatch ? QString() : foreignText(control, drag->mimeData());
    if (!dragged && !swatch && text.isEmpty())
        return drag->ignore();
    drag->acceptProposedAction();
    if (drag->type() != QEvent::Drop)
        return;
    if (dragged)
        emit dropped(dragged, control);
    else if (swatch)
        emit swatchDropped(control, *swatch);
    else
        emit textDropped(control, text);
}
