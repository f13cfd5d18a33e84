// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/gplformat.h"

#include <QListView>
#include <QMimeData>

class PaletteModel;
class Toolkit;

// One palette's colours as rows of swatches, as many to a row as the width takes, as tall as
// they need. The arrow keys go from swatch to swatch; a swatch dragged out carries its colour
// (SamplePageDragDrop::swatchData). It takes a drop of a swatch, of a colour, or of a text
// with CSS colours, unless it shows History, which only Rusket fills.
class SwatchView : public QListView
{
    Q_OBJECT

public:
    SwatchView(Toolkit &toolkit, PaletteModel *model, bool takesDrops, QWidget *parent = nullptr);

    PaletteModel *paletteModel() const { return colors; }
    /// The text shown while the palette is empty.
    void setPlaceholder(const QString &text) { placeholder = text; }
    /// The colours a drag from elsewhere brings: its colour, else the CSS colours of its text,
    /// named as a stylesheet names them; nothing, with the reason, when it brings none.
    static GplReading colorsIn(const QMimeData *data);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    /// One swatch: a list view's own minimum, room for scroll bars it never shows, would leave a
    /// blank below the palettes in a wide window.
    QSize minimumSizeHint() const override;

signals:
    /// A drag that brings colours was dropped before `row` (-1: after the last swatch).
    void dropped(const QMimeData *data, int row);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int dropRow(QPoint at) const;

    Toolkit &toolkit;
    PaletteModel *colors;
    bool takesDrops;
    bool welcome = false; // the drag under way brings colours
    QString placeholder;
};
