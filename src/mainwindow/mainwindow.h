#pragma once

// How data flows. The current colour lives in the views; after every synchronisation the
// three sliders hold it exactly. Every path that changes it ends in one UpdateColor(source):
//   - a notation field's text change sets someChange; its focus loss, with someChange set,
//     calls UpdateColor with the field's notation (all three fields of it are read);
//   - the name field's focus loss calls UpdateColor(SourceName);
//   - a slider change (with "Lock sliding", all three follow first) calls UpdateColor(SourceSliders);
//   - a palette toggle snaps the byte fields and calls UpdateColor(SourceByte);
//   - a sample part dropped on the swatch writes the sliders, then UpdateColor(SourceSliders);
//   - a confirmed colour dialog calls UpdateColor(SourceDialog).
// UpdateColor reads the source, sets internChange, validates (showing range messages),
// rewrites every view, clears internChange, paints the swatch and combined texts, and
// clears someChange. The program's own writes raise the controls' notifications at once;
// every field, slider and toggle handler returns early while internChange is set.

#include "../export/sampleexport.h"
#include "../tables/colornametable.h"
#include "../tables/palette.h"
#include "../values/colorsource.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class AboutWindow;
struct NotationTexts;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class SamplePageDragDrop;
class Toolkit;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Toolkit &toolkit, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The start-up sequence: palettes, sample colours, names, then the first synchronisation.
    /// A data file that cannot be read stops it and is returned.
    std::optional<LoadError> Form_Load();

    SampleColors sampleColors() const;
    bool internChangeSet() const { return internChange; }
    bool someChangeSet() const { return someChange; }
    AboutWindow *aboutWindow() const { return frmAbout.get(); }

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
    struct SamplePart
    {
        QWidget *control;
        Rgb SampleColors::*triple;
    };

    void findControls();
    void createMenus();
    void connectHandlers();

    void UpdateColor(ColorSource source);
    std::array<double, 3> readColor(ColorSource source) const;
    std::array<double, 3> readNotation(ColorSource notation) const;
    qint16 ValidateEntry(qint16 value, ColorSource notation);
    void writeViews(Rgb color, const NotationTexts &texts);
    Rgb sliderColor() const;
    void MoveSlidersTogether(int value);

    std::optional<LoadError> LoadPalettes();
    std::optional<LoadError> LoadColorNames();
    void SetDefaultSampleColors();
    void showSampleColor(const SamplePart &part, Rgb color);

    void notationField_Change();
    void notationField_LostFocus(const NotationField &field);
    void txtRgbName_LostFocus();
    void slide_Change(QScrollBar *slider);
    void paletteToggle_Click(const PaletteToggle &toggle);
    void samplePart_DragDrop(const SamplePart &target, QWidget *dragged);
    void colShow_DragDrop(QWidget *dragged);
    void samplePart_MouseUp(QPoint globalPos);
    void cmdPickColor_Click();
    void mnuEditCopyCSS_Click();
    void mnuEditCopyHTML_Click();
    void mnuEditSetDef_Click();
    void copyToClipboard(const QString &text);
    void mnuFileExit_Click();
    void mnuQuestionInfo_Click();
    void mnuQuestionAbout_Click();

    Toolkit &toolkit;
    ColorNameTable names;
    Palette netscape;
    Palette windows;
    SampleColors samples;
    bool internChange = false;
    bool someChange = false;
    quint32 dialogColor = 0;

    std::array<NotationField, 9> fields{};
    std::array<QScrollBar *, 3> sliders{};
    std::array<PaletteToggle, 2> paletteToggles{};
    std::array<SamplePart, 4> sampleParts{};
    QLineEdit *txtRgbName = nullptr;
    QLineEdit *txtRgbMore = nullptr;
    QLineEdit *byteShow = nullptr;
    QLineEdit *percentShow = nullptr;
    QLineEdit *hexShow = nullptr;
    QWidget *colShow = nullptr;
    QToolButton *slideLock = nullptr;
    QMenu *mnuEdit = nullptr;
    SamplePageDragDrop *dragDrop = nullptr;
    std::unique_ptr<AboutWindow> frmAbout;
};
