// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

// How data flows. The current colour lives in the views; after every synchronisation the
// three sliders hold it exactly. Every path that changes it ends in one updateColor(source):
//   - a notation field's text change sets editPending; its focus loss, with editPending set,
//     calls updateColor with the field's notation (all three fields of it are read);
//   - the name field's focus loss calls updateColor(ColorSource::Name);
//   - a slider change (with "Lock sliding", all three follow first) calls updateColor(Sliders);
//   - a palette toggle snaps the byte fields and calls updateColor(Byte);
//   - a sample part's colour handed back by the page (a drop on the swatch or its menu) is
//     written to the sliders, then updateColor(Sliders);
//   - a colour given whole from outside (the colour dialog, a pick from the screen, a paste, a
//     drop on the swatch, --color) calls updateColor(Outside).
// Commands that act without taking the focus apply an edit still in its field first, as if
// the field had been left (applyPendingEdit).
// updateColor reads the source, sets writingViews, validates, rewrites every view, clears
// writingViews, paints the swatch and combined texts, tells the sample page the new colour,
// clears editPending, and only then shows the range messages. The program's own writes raise the
// controls' notifications at once; every field, slider and toggle handler returns early
// while writingViews is set.
// The sample page (SamplePage) meets the current colour only through the swatch: it is told
// the colour after each synchronisation, asks for a pending edit to be applied before it
// uses it, and hands a part's colour back to become current.
// The palettes the user keeps (PaletteKeeper) hear of each colour taken in from outside or given
// out (colorExchanged), for History, and make a palette's colour current with takeColor.

#include "picking/screenpick.h"
#include "tables/referencetables.h"
#include "values/colorsource.h"
#include "window/mainmenus.h"

#include <QMainWindow>
#include <array>
#include <optional>

class QAction;
class QLineEdit;
class QScrollBar;
class QToolButton;
struct NotationTexts;
class SamplePage;
class SamplePageDragDrop;
class SwatchCommands;
class Toolkit;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Toolkit &toolkit, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The start-up sequence: the data files, the sample page's colours, then the first
    /// synchronisation. A data file that cannot be read stops it and is returned.
    std::optional<LoadError> loadData();

    /// Makes the colour current, as a colour confirmed in the colour dialog does.
    void takeColor(Rgb color);
    /// The colour every view shows; an edit still in its field is not in it yet.
    Rgb currentColor() const { return sliderColor(); }
    /// Applies an edit still in its field, as if the field were left. Every command that reads
    /// or changes the current colour calls it first.
    void applyPendingEdit();

    SamplePage *samplePage() const { return page; }
    bool isWritingViews() const { return writingViews; }
    bool hasPendingEdit() const { return editPending; }
    AboutWindow *aboutWindow() const { return menus->aboutWindow(); }
    bool isPickingFromScreen() const { return screenPick->isOpen(); }

signals:
    /// A colour taken in from outside (the colour dialog, a pick from the screen, a paste, a drop
    /// from another program) or given out (a copy, a drag that another program took).
    void colorExchanged(Rgb color);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct NotationField
    {
        QLineEdit *edit;
        ColorSource notation;
        int component;
    };
    struct PaletteToggle
    {
        QToolButton *button;
        const Palette *palette;
    };

    void findControls();
    void createScreenPick();
    void connectHandlers();
    void connectSwatch();

    void updateColor(ColorSource source);
    std::array<double, 3> readColor(ColorSource source) const;
    std::array<double, 3> readNotation(ColorSource notation) const;
    void writeViews(Rgb color, const NotationTexts &texts);
    void showCurrentColor(Rgb color, const NotationTexts &texts);
    Rgb sliderColor() const;
    void moveSlidersTogether(int value);

    void markFieldEdited();
    void applyFieldEdit(const NotationField &field);
    void applyTypedName();
    /// A text that begins as a CSS colour does but is none: the fields go back to the current
    /// colour, and the reason is told.
    void refuseTypedCss(const QString &reason);
    static QString noColorMessage(const QString &reason);
    void applySliderMove(QScrollBar *slider);
    void snapToPalette(const PaletteToggle &toggle);
    void takeSampleColor(Rgb color);
    void pickColorFromDialog();
    void pickFromScreen();
    void takeCssText(const QString &text);

    Toolkit &toolkit;
    ReferenceTables tables;
    bool writingViews = false;
    bool editPending = false;
    Rgb outsideColor; // the colour updateColor(Outside) takes

    std::array<NotationField, 9> fields{};
    std::array<QScrollBar *, 3> sliders{};
    std::array<PaletteToggle, 2> paletteToggles{};
    QLineEdit *nameField = nullptr;
    QLineEdit *furtherNamesField = nullptr;
    std::array<QLineEdit *, 3> combinedTexts{}; // rgb(), rgb(%) and ="#" texts
    QWidget *swatch = nullptr;
    QToolButton *lockToggle = nullptr;
    SwatchCommands *swatchCommands = nullptr;
    SamplePageDragDrop *dragDrop = nullptr;
    SamplePage *page = nullptr;
    ScreenPick *screenPick = nullptr;
    MainMenus *menus = nullptr;
};
