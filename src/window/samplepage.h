// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "export/sampleexport.h"
#include "values/visionsimulation.h"

#include <QObject>
#include <QPoint>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class SamplePageDragDrop;
class Toolkit;

// The sample page: a background with a text, a link and a visited link, each with a colour of
// its own. The swatch dropped on a part, or "Apply Current Color" in the page's menu, gives the
// part the current colour; a part dropped on the swatch, or "Make This Color Current", hands
// its colour back. A swatch of the Palettes window dropped on a part gives it that colour. The page's menu also copies
// the colours as CSS or HTML, draws the page as readers with a colour-vision deficiency see it, and tells the contrast
// of each text on the background, which every part's tooltip and description tell too.
class SamplePage : public QObject
{
    Q_OBJECT

public:
    /// Takes over the page's controls (picBack, txtText, txtLink, txtVLink) in the client area;
    /// the swatch is what carries the current colour to the page.
    SamplePage(Toolkit &toolkit, QWidget *clientArea, QWidget *swatch, SamplePageDragDrop *dragDrop);

    /// The colour "Apply Current Color" and a dropped swatch give a part.
    void setCurrentColor(Rgb color) { current = color; }
    /// The page's defaults: white, black text, a strong red link, a violet visited link.
    void setDefaultColors();
    SampleColors colors() const { return samples; }
    VisionDeficiency vision() const { return simulated; }

signals:
    /// Before the current colour is used: an edit still in its field is applied first.
    void currentColorNeeded();
    /// A part's colour is to become the current colour.
    void colorChosen(Rgb color);

private:
    struct Part
    {
        QWidget *control;
        Rgb SampleColors::*triple;
    };

    void createMenu();
    void createVisionMenu();
    const Part *partOf(const QWidget *control) const;
    void showColor(const Part &part, Rgb color);
    void colorPart(const Part &part);
    void describe();
    QStringList shownContrastLines() const;
    void showContrastLines();
    void simulateVision(VisionDeficiency deficiency);
    void showVisionBadge();
    void applyCurrentColor();
    void makeColorCurrent();
    void copyAsCss();
    void copyAsHtml();
    void copyToClipboard(const QString &text);
    static QString simulationName(VisionDeficiency deficiency);
    static QString seenWith(VisionDeficiency deficiency);

    Toolkit &toolkit;
    QWidget *swatch;
    std::array<Part, 4> parts{};
    SampleColors samples;
    Rgb current;
    VisionDeficiency simulated = VisionDeficiency::None;
    QMenu *menu = nullptr;
    const Part *menuPart = nullptr; // the part whose menu is open
    std::array<QAction *, 3> contrastActions{};
    QLabel *visionBadge = nullptr;
};
