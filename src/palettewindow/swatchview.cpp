// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/swatchview.h"

#include "palettes/paletteimport.h"
#include "palettewindow/palettemodel.h"
#include "window/samplepagedragdrop.h"
#include "window/toolkit.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int swatchSize = 22; // logical pixels, with a frame and the gap to the next around it
constexpr int cellSize = 28;

// Each swatch in its exact colour, framed; the selection and the focus frame go around it,
// never over it, so that the colour shown is always the colour kept.
class SwatchDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect cell = option.rect;
        const QRect swatch(
            cell.center() - QPoint(swatchSize / 2 - 1, swatchSize / 2 - 1), QSize(swatchSize, swatchSize));
        painter->save();
        if (option.state & QStyle::State_Selected)
            painter->fillRect(cell, option.palette.color(QPalette::Highlight));
        painter->fillRect(swatch, qvariant_cast<QColor>(index.data(Qt::DecorationRole)));
        painter->setPen(option.palette.color(QPalette::WindowText));
        painter->drawRect(swatch.adjusted(-1, -1, 0, 0));
        if (option.state & QStyle::State_HasFocus) {
            const bool selected = option.state & QStyle::State_Selected;
            painter->setPen(
                QPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text), 1, Qt::DotLine));
            painter->drawRect(cell.adjusted(1, 1, -2, -2));
        }
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return {cellSize, cellSize}; }
};

} // namespace

SwatchView::SwatchView(Toolkit &toolkit, PaletteModel *model, bool takesDrops, QWidget *parent)
    : QListView(parent)
    , toolkit(toolkit)
    , colors(model)
    , takesDrops(takesDrops)
{
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setGridSize({cellSize, cellSize});
    setSpacing(0);
    setItemDelegate(new SwatchDelegate(this));
    setModel(model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDragEnabled(true);
    viewport()->setAcceptDrops(true); // where drops land; the view takes them
    setContextMenuPolicy(Qt::CustomContextMenu);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    connect(model, &QAbstractItemModel::modelReset, this, &QWidget::updateGeometry);
}

int SwatchView::heightForWidth(int width) const
{
    const int frame = 2 * frameWidth();
    const int perRow = std::max(1, (width - frame) / cellSize);
    const int rows = std::max(1, (colors->rowCount() + perRow - 1) / perRow);
    return rows * cellSize + frame + 1;
}

QSize SwatchView::sizeHint() const
{
    // The scroll area lays its rows out by their hints, not by their heights for a width: once
    // laid out, the hint is the height of the rows at the width the view has.
    const int width = testAttribute(Qt::WA_Resized) ? this->width() : 12 * cellSize + 2 * frameWidth();
    return {width, heightForWidth(width)};
}

QSize SwatchView::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return {cellSize + frame, cellSize + frame + 1};
}

void SwatchView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    updateGeometry(); // the rows wrap anew
}

void SwatchView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (colors->rowCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QRect room = viewport()->rect().adjusted(6, 0, -6, 0);
    painter.drawText(room, Qt::AlignVCenter | Qt::TextSingleLine,
        fontMetrics().elidedText(placeholder, Qt::ElideRight, room.width()));
    if (hasFocus()) { // with no swatch to show it
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
    }
}

GplReading SwatchView::colorsIn(const QMimeData *data)
{
    if (data->hasColor()) {
        if (const QColor color = qvariant_cast<QColor>(data->colorData()); color.isValid())
            return {
                UserPalette{{}, {{{quint8(color.red()), quint8(color.green()), quint8(color.blue())}, {}}}, 0, {}}, {}};
    }
    const QString text = data->hasText() ? data->text() : QString();
    return PaletteImport::read(text.toUtf8(), tr("the dropped text"));
}

void SwatchView::startDrag(Qt::DropActions)
{
    const QModelIndex dragged = currentIndex();
    if (!dragged.isValid())
        return;
    const Rgb color = colors->entries().at(dragged.row()).color;
    toolkit.startDrag(this, SamplePageDragDrop::swatchData(color, colors->id(), dragged.row()));
}

void SwatchView::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    welcome = takesDrops && (SamplePageDragDrop::draggedSwatch(data) || colorsIn(data).palette);
    welcome ? event->acceptProposedAction() : event->ignore();
}

void SwatchView::dragMoveEvent(QDragMoveEvent *event)
{
    welcome ? event->acceptProposedAction() : event->ignore();
}

void SwatchView::dropEvent(QDropEvent *event)
{
    if (!welcome)
        return event->ignore();
    event->acceptProposedAction();
    emit dropped(event->mimeData(), dropRow(event->position().toPoint()));
}

// Before the swatch under the pointer, or after it in its right half; after the last elsewhere.
int SwatchView::dropRow(QPoint at) const
{
    const QModelIndex under = indexAt(at);
    if (!under.isValid())
        return -1;
    return under.row() + (at.x() > visualRect(under).center().x() ? 1 : 0);
}
