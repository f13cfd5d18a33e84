// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/copypreferences.h"
#include "values/rgb.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;
class SamplePageDragDrop;
class Toolkit;

// What the swatch does besides showing the current colour: its menu (Pick from Screen, Paste
// Color, Copy as: the CSS formats, hex in the user's style, then the user's templates), Ctrl+C
// on it and what a drag of it carries out of the window (the default copy form and the colour
// itself), Ctrl+V where the focus is in no text field, text or a colour dropped on it from
// another program, and a palette's swatch dropped on it. It tells of each colour given to another
// program, for History.
class SwatchCommands : public QObject
{
    Q_OBJECT

public:
    /// `pick` opens its menu; `window` is where Ctrl+V pastes a colour.
    SwatchCommands(Toolkit &toolkit, QWidget *swatch, SamplePageDragDrop *dragDrop, QAction *pick, QWidget *window);

    /// The colour the swatch copies and carries.
    void setCurrentColor(Rgb color) { current = color; }
    /// The current colour, once an edit still in its field is applied.
    Rgb currentColor();
    void setCopyPreferences(const CopyPreferences &chosen) { preferences = chosen; }

signals:
    /// Before the current colour is used: an edit still in its field is applied first.
    void currentColorNeeded();
    /// Text pasted or dropped on the swatch, to be read as a colour.
    void textGiven(const QString &text);
    /// A palette's swatch dropped on the swatch: its colour is to become current.
    void colorGiven(Rgb color);
    /// A colour given to other programs: copied, or dragged from the swatch or a sample part to one.
    void colorGivenOut(Rgb color);

private:
    void createMenu(QAction *pick);
    QAction *addCopyEntry(const QString &form, const QString &name);
    void showCopyForms();
    void showCopyForm(QAction *entry, const QString &form, Rgb color);
    void paste();

    Toolkit &toolkit;
    QWidget *swatch;
    QMenu *menu = nullptr;
    QMenu *copyAs = nullptr;
    Rgb current;
    CopyPreferences preferences;
};
