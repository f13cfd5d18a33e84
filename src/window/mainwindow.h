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
//   - a sample part dropped on the swatch, or made current from the page's menu, writes the
//     sliders, then updateColor(Sliders);
//   - a confirmed colour dialog, or a colour picked from the screen, calls updateColor(Dialog).
// Commands that act without taking the focus apply an edit still in its field first, as if
// the field had been left (applyPendingEdit).
// updateColor reads the source, sets writingViews, validates (showing range messages),
// rewrites every view, clears writingViews, paints the swatch and combined texts, and
// clears editPending. The program's own writes raise the controls' notifications at once;
// every field, slider and toggle handler returns early while writingViews is set.
// The sample page meets the current colour only through the swatch and the sliders: the
// swatch dropped on a part, or the current colour applied from the page's menu, colours that
// part, and every part's tooltip then tells its contrast on the background.

#include "export/sampleexport.h"
#include "tables/colornametable.h"
#include "tables/palette.h"
#include "values/colorsource.h"
#include "values/visionsimulation.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class AboutWindow;
class QAction;
struct NotationTexts;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class SamplePageDragDrop;
class ScreenPick;
class Toolkit;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Toolkit &toolkit, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The start-up sequence: palettes, sample colours, names, then the first synchronisation.
    /// A data file that cannot be read stops it and is returned.
    std::optional<LoadError> loadData();

    /// Makes the colour current, as a colour confirmed in the colour dialog does.
    void takeColor(Rgb color);

    SampleColors sampleColors() const;
    bool isWritingViews() const { return writingViews; }
    bool hasPendingEdit() const { return editPending; }
    AboutWindow *aboutWindow() const { return about.get(); }
    bool isPickingFromScreen() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

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
    struct SamplePart
    {
        QWidget *control;
        Rgb SampleColors::*triple;
    };

    void findControls();
    void createMenus();
    void createVisionMenu();
    void createScreenPick();
    void createSwatchMenu(QAction *pick);
    void connectHandlers();

    void updateColor(ColorSource source);
    std::array<double, 3> readColor(ColorSource source) const;
    std::array<double, 3> readNotation(ColorSource notation) const;
    qint16 validateEntry(qint16 value, ColorSource notation);
    void writeViews(Rgb color, const NotationTexts &texts);
    Rgb sliderColor() const;
    void moveSlidersTogether(int value);

    using DataFileLoader = std::function<std::optional<LoadError>(const QString &path)>;
    std::optional<LoadError> loadPalettes();
    std::optional<LoadError> loadColorNames();
    std::optional<LoadError> loadDataFile(const char *name, const DataFileLoader &load);
    void showSampleColor(const SamplePart &part, Rgb color);
    void describeSamplePage();
    QStringList shownContrastLines() const;
    void simulateVisionOnPage(VisionDeficiency deficiency);
    static QString simulationName(VisionDeficiency deficiency);
    static QString seenWith(VisionDeficiency deficiency);

    /// Applies an edit still in its field, as if the field were left. Every command that reads
    /// or changes the current colour calls it first.
    void applyPendingEdit();
    void markFieldEdited();
    void applyFieldEdit(const NotationField &field);
    void applyTypedName();
    void applySliderMove(QScrollBar *slider);
    void snapToPalette(const PaletteToggle &toggle);
    void colorSamplePart(const SamplePart &target, QWidget *dragged);
    void takeSampleColor(QWidget *dragged);
    void showSampleMenu(QWidget *part, QPoint globalPos);
    void showContrastLines();
    void applyCurrentColorToPart();
    void makePartColorCurrent();
    void pickColorFromDialog();
    void copySampleAsCss();
    void copySampleAsHtml();
    void setDefaultSampleColors();
    void copyToClipboard(const QString &text);
    void exitProgram();
    void pickFromScreen();
    void pasteColor();
    void takeCssText(const QString &text);
    void showInfo();
    void showAbout();

    Toolkit &toolkit;
    ColorNameTable names;
    Palette netscape;
    Palette windows;
    SampleColors samples;
    bool writingViews = false;
    bool editPending = false;
    quint32 confirmedColor = 0; // packed; from the colour dialog or a pick from the screen

    std::array<NotationField, 9> fields{};
    std::array<QScrollBar *, 3> sliders{};
    std::array<PaletteToggle, 2> paletteToggles{};
    std::array<SamplePart, 4> sampleParts{};
    QLineEdit *nameField = nullptr;
    QLineEdit *furtherNamesField = nullptr;
    std::array<QLineEdit *, 3> combinedTexts{}; // rgb(), rgb(%) and ="#" texts
    QWidget *swatch = nullptr;
    QToolButton *lockToggle = nullptr;
    QMenu *sampleMenu = nullptr;
    QMenu *swatchMenu = nullptr;
    VisionDeficiency vision = VisionDeficiency::None; // how the page is drawn
    QLabel *visionBadge = nullptr;
    QWidget *menuPart = nullptr; // the sample part whose menu is open
    std::array<QAction *, 3> contrastActions{};
    SamplePageDragDrop *dragDrop = nullptr;
    ScreenPick *screenPick = nullptr;
    std::unique_ptr<AboutWindow> about;
};
