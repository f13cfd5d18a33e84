// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QObject>
#include <QPoint>
#include <QList>
#include <optional>
#include <utility>

class QDropEvent;
class QMimeData;
class QMouseEvent;
class QWidget;
class Toolkit;

// Drag and drop between the swatch and the sample page's parts, and their menus (a right-button
// release, the Menu key or Shift+F10), for any number of controls: one rule for all of them. A
// press is a click until the pointer moves the drag distance with the button held. The dragged
// control is named in data private to this process, so another program's drag, another Rusket's
// included, brings only its text or colour, and only to a control that takes them. A swatch of
// the Palettes window is named so too, with its palette and place: every control here takes its colour.
class SamplePageDragDrop : public QObject
{
    Q_OBJECT

public:
    SamplePageDragDrop(Toolkit &toolkit, QObject *parent = nullptr);

    /// Makes the control a drag source and a drop target; with `contextMenu`, a right-button
    /// release over it is reported too; with `takesText`, text or a colour dragged from
    /// elsewhere may be dropped on it.
    void attach(QWidget *control, bool contextMenu, bool takesText = false);

    /// What a drag of this control carries.
    static QMimeData *dragData(const QWidget *control);

    /// The name of the control that a drop carries, or an empty text for foreign data.
    static QString draggedName(const QMimeData *data);

    /// Makes a drag carry a colour to other programs: as "#rrggbb" text and as the colour itself.
    static void carryColor(QMimeData *data, Rgb color);

    /// What a drag of a palette's swatch carries: its colour, and (in this process) where it is.
    static QMimeData *swatchData(Rgb color, const QString &paletteId, int row);
    /// The palette and place of the swatch a drag from this process carries, if it carries one.
    static std::optional<std::pair<QString, int>> draggedSwatch(const QMimeData *data);

signals:
    /// Before the drag starts; what it carries may be added to.
    void dragStarting(QWidget *dragged, QMimeData *data);
    void dropped(QWidget *dragged, QWidget *target);
    /// Text, or a colour written as "#rrggbb", dropped from elsewhere.
    void textDropped(QWidget *target, const QString &text);
    /// A swatch of the Palettes window dropped here.
    void swatchDropped(QWidget *target, Rgb color);
    /// A colour dragged from here that another program took.
    void carriedOut(Rgb color);
    void contextMenuRequested(QWidget *control, QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool followPress(QWidget *control, const QMouseEvent *mouse);
    QWidget *attachedNamed(const QString &name) const;
    QString foreignText(const QWidget *target, const QMimeData *data) const;
    static std::optional<Rgb> swatchColor(const QMimeData *data);
    void takeDrag(QWidget *control, QDropEvent *drag);

    Toolkit &toolkit;
    QList<QWidget *> attached;
    QList<QWidget *> withContextMenu;
    QList<QWidget *> takingText;
    QWidget *pressed = nullptr; // where the left button went down, until a drag starts or it is released
    QPoint pressedAt;
};
