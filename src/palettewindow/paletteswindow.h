// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <optional>

class ExportDialog;
class PaletteLibrary;
class QLabel;
class QMenu;
class QMimeData;
class QScrollArea;
class QUndoStack;
class QVBoxLayout;
class SwatchView;
class Toolkit;

// The Palettes window: History first, then each palette the user keeps, under its name, as rows
// of swatches. A click or Return on a swatch makes its colour current. Swatches are dragged onto
// the main window, onto another palette, and within one to reorder it; colours from the main
// window or from other programs are dropped onto a palette. Its menus create, rename, delete,
// import and export palettes, and rename, remove and move colours; what takes colours away can
// be undone. It remembers its size and place in the user's settings.
class PalettesWindow : public QMainWindow
{
    Q_OBJECT

public:
    PalettesWindow(Toolkit &toolkit, PaletteLibrary *library, QWidget *parent = nullptr);

    /// The view of a palette, or nullptr.
    SwatchView *view(const QString &id) const;
    /// Makes the swatch its palette's current one, in sight and with the focus.
    void showSwatch(const QString &id, int row);

signals:
    /// A swatch's colour is to become current.
    void colorChosen(Rgb color);
    /// The current colour is to be added to the palette chosen last (the one with the focus).
    void currentColorWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Section
    {
        QLabel *title;
        SwatchView *view;
    };

    void createMenus();
    void updateActions();
    void enableActions();
    void refresh();
    Section &sectionFor(const QString &id);
    QString activeId() const;
    void activate(const QString &id);
    /// The active palette's current swatch, if it has one.
    std::optional<int> currentRow() const;
    std::optional<PaletteEntry> currentEntry() const;
    void done(const QString &notice);

    void makeCurrent();
    void copyColor();
    void renameColor();
    void removeColor();
    void moveColor(int by);
    void newPalette();
    void renamePalette();
    void deletePalette();
    void clearHistory();
    void importPalette();
    void exportPalette();
    void drop(const QString &id, const QMimeData *data, int row);

    Toolkit &toolkit;
    PaletteLibrary *library;
    QUndoStack *undo;
    QScrollArea *scroller;
    QVBoxLayout *rows;
    QMenu *contextMenu;
    QHash<QString, Section> sections;
    QString lastActive; // the palette whose swatches had the focus last
    QPointer<ExportDialog> exporting;
};
