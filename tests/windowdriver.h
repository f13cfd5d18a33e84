// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "recordingtoolkit.h"
#include "window/mainwindow.h"
#include "window/samplepage.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

// The sample page's colours as designed.
inline const SampleColors designedSampleDefaults{{255, 255, 255}, {0, 0, 0}, {230, 0, 0}, {79, 16, 128}};

inline const char *const fieldNames[9] = {
    "redByte", "greenByte", "blueByte", "redPercent", "greenPercent", "bluePercent", "redHex", "greenHex", "blueHex"};

// Drives the real main window as a user would, and checks what every view shows.
class WindowDriver
{
public:
    /// Starts the window on the shipped data, shown and active, with a user's data and settings
    /// folder of its own (XDG_DATA_HOME, XDG_CONFIG_HOME), or the one of the user `sameUser`
    /// drives, as a second start of the program finds it; fails the test if it cannot.
    explicit WindowDriver(const WindowDriver *sameUser = nullptr);

    template <class T = QWidget> T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QLineEdit *field(const char *name) const { return control<QLineEdit>(name); }
    QScrollBar *slider(const char *name) const { return control<QScrollBar>(name); }
    QToolButton *toggle(const char *name) const { return control<QToolButton>(name); }
    QColor shownColor(const char *part) const { return ::shownColor(control(part)); }

    /// Clicks into the field and replaces its text by typing.
    void type(const char *fieldName, const QString &text);
    void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    /// Clicks a control with the left button at a point (its centre by default).
    void click(QWidget *widget, QPoint pos = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, pos.isNull() ? widget->rect().center() : pos);
    }
    /// Drags one control onto another with the left button, from a point of the source and to a
    /// point of the target (near their middles by default); without a target, out of the program.
    void drag(QWidget *source, QWidget *target, QPoint from = {}, QPoint to = {});
    /// Sets the colour the way a user could: through the byte fields.
    void setColor(Rgb color);
    /// The current colour, as the sliders hold it.
    Rgb color() const;

    /// Empty when every view shows `expected` and both flags are false; otherwise what differs.
    QString mismatch(Rgb expected) const;

    QTemporaryDir ownHome; // before the window, which finds its folders there
    QString home;
    RecordingToolkit toolkit;
    std::unique_ptr<MainWindow> window;
    ColorNameTable names;
    Palette netscape;
    Palette windows;
};

// The reference pictures are drawn with DejaVu Sans; in another font every caption differs, so
// the rows that compare pictures are skipped where it is missing.
#define SKIP_WITHOUT_REFERENCE_FONT()                                                                                  \
    do {                                                                                                               \
        if (QFontInfo(QApplication::font()).family() != QLatin1String("DejaVu Sans"))                                  \
            QSKIP("the reference pictures are drawn with DejaVu Sans, which is missing here (fonts-dejavu-core)");     \
    } while (false)

#define VERIFY_VIEWS(driver, rgb)                                                                                      \
    do {                                                                                                               \
        const QString differs = (driver).mismatch(rgb);                                                                \
        QVERIFY2(differs.isEmpty(), qPrintable(differs));                                                              \
    } while (false)
