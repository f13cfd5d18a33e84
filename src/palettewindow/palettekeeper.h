// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettewindow/paletteswindow.h"
#include "values/rgb.h"

#include <QObject>
#include <QPointer>
#include <optional>

class MainWindow;
class PaletteLibrary;
class QMenu;
class Toolkit;

// What the main window does with the palettes the user keeps: History records each colour taken
// in from outside or given out, and the current colour when the program ends (unless it is still
// the one it started with); "Add to Palette" (Ctrl+D) adds the current colour to the palette
// chosen last, making one where there is none; "Palettes" (Ctrl+L) opens the Palettes window,
// which comes back at the next start when it was open at the end.
class PaletteKeeper : public QObject
{
    Q_OBJECT

public:
    /// Adds its commands to the menu, before its last entry (Exit).
    PaletteKeeper(Toolkit &toolkit, MainWindow *window, QMenu *menu);

    PaletteLibrary *library() const { return palettes; }
    /// The Palettes window, once it was opened.
    PalettesWindow *palettesWindow() const { return shown; }
    void showPalettes(bool activate = true);
    /// Adds the current colour to the palette chosen last.
    void addCurrentColor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void afterStart();
    void atEnd();
    void nameTarget();

    Toolkit &toolkit;
    MainWindow *window;
    PaletteLibrary *palettes;
    QPointer<PalettesWindow> shown;
    QAction *addToPalette = nullptr;
    std::optional<Rgb> startColor; // once the program has started
};
