// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/controltable.h"

#include "widgets/fittedfont.h"
#include "widgets/picturebox.h"
#include "widgets/samplelabel.h"
#include "widgets/slider.h"
#include "values/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QToolButton>

namespace ControlTable {
namespace {

enum class Kind {
    Frame, // titled group box
    Field, // editable one-line text box
    WhiteField, // editable, with an explicit white background under a light colour scheme
    ReadOnlyField, // selectable, light grey
    Label, // transparent, on the sample page
    LinkLabel, // a label in the underlined link font
    Picture, // picture box: a plain coloured area
    Slider, // vertical scroll bar 0..255
    Toggle, // graphical check box: a checkable button with an image
    Button,
    Line, // coloured marker stroke
};

struct Control
{
    Kind kind;
    const char *name;
    const char *container; // nullptr: the window's client area
    int left, top, width, height; // twips; a line runs from (left, top) down by height
    const char *text = ""; // caption, tool tip of a toggle, or colour of a line
};

using enum Kind;

// clang-format off
const Control table[] = {
    // kind          name            container      left   top  width height text
    {Frame,         "rgbByte",      nullptr,        120,  120, 3135,  615, QT_TRANSLATE_NOOP("ControlTable", "RGB Value for CSS")},
    {Frame,         "rgbPercent",   nullptr,        120,  840, 3135,  615, QT_TRANSLATE_NOOP("ControlTable", "RGB Percentage for CSS")},
    {Frame,         "rgbHex",       nullptr,        120, 1560, 3135,  615, QT_TRANSLATE_NOOP("ControlTable", "RGB Hexadecimal for HTML")},
    {Frame,         "rgbName",      nullptr,        120, 2280, 3132,  612, QT_TRANSLATE_NOOP("ControlTable", "Name")},
    {Picture,       "picBack",      nullptr,        120, 3000, 3615, 1092},
    {Toggle,        "chkNetscape",  nullptr,       3360,  240,  375,  375, QT_TRANSLATE_NOOP("ControlTable", "Netscape Color Cube")},
    {Toggle,        "chkWindows",   nullptr,       3360,  720,  375,  375, QT_TRANSLATE_NOOP("ControlTable", "Windows Default 16")},
    {Picture,       "colShow",      nullptr,       3360, 1200,  375, 1692},
    {Frame,         "rgbSetSpace",  nullptr,       3840,  120, 1215, 3972, QT_TRANSLATE_NOOP("ControlTable", "RGB")},

    {Field,         "redByte",      "rgbByte",      120,  240,  375,  285},
    {Field,         "greenByte",    "rgbByte",      480,  240,  375,  285},
    {Field,         "blueByte",     "rgbByte",      840,  240,  375,  285},
    {ReadOnlyField, "byteShow",     "rgbByte",     1320,  240, 1695,  285},

    {Field,         "redPercent",   "rgbPercent",   120,  240,  375,  285},
    {Field,         "greenPercent", "rgbPercent",   480,  240,  375,  285},
    {Field,         "bluePercent",  "rgbPercent",   840,  240,  375,  285},
    {ReadOnlyField, "percentShow",  "rgbPercent",  1320,  240, 1695,  285},

    {WhiteField,    "redHex",       "rgbHex",       120,  240,  375,  285},
    {WhiteField,    "greenHex",     "rgbHex",       480,  240,  375,  285},
    {WhiteField,    "blueHex",      "rgbHex",       840,  240,  375,  285},
    {ReadOnlyField, "hexShow",      "rgbHex",      1320,  240, 1695,  285},

    {Field,         "txtRgbName",   "rgbName",      120,  240, 1332,  288},
    {ReadOnlyField, "txtRgbMore",   "rgbName",     1560,  240, 1452,  288},

    {Label,         "txtText",      "picBack",      120,  120, 3132,  252, QT_TRANSLATE_NOOP("ControlTable", "A sample text to drag and drop a color onto")},
    {LinkLabel,     "txtLink",      "picBack",      120,  360, 2652,  252, QT_TRANSLATE_NOOP("ControlTable", "A link to drag and drop a color onto")},
    {LinkLabel,     "txtVLink",     "picBack",      120,  600, 3132,  252, QT_TRANSLATE_NOOP("ControlTable", "A visited link to drag and drop a color onto")},

    {Slider,        "redSlide",     "rgbSetSpace",  120,  360,  255, 2412},
    {Slider,        "greenSlide",   "rgbSetSpace",  480,  360,  255, 2412},
    {Slider,        "blueSlide",    "rgbSetSpace",  840,  360,  255, 2412},
    {Line,          "Line1",        "rgbSetSpace",  240, 2760,   15,  120, "#FF0000"},
    {Line,          "Line2",        "rgbSetSpace",  600, 2760,   15,  120, "#00FF00"},
    {Line,          "Line3",        "rgbSetSpace",  960, 2760,   15,  120, "#0000FF"},
    {Toggle,        "slideLock",    "rgbSetSpace",  120, 2880,  972,  372, QT_TRANSLATE_NOOP("ControlTable", "Lock sliding")},
    {Button,        "cmdPickColor", "rgbSetSpace",  120, 3480,  972,  432, QT_TRANSLATE_NOOP("ControlTable", "Pick color...")},
};

const char *const keyboardOrder[] = {
    "rgbSetSpace", "redByte", "greenByte", "blueByte", "byteShow", "redPercent", "greenPercent", "bluePercent",
    "percentShow", "redHex", "greenHex", "blueHex", "hexShow", "redSlide", "greenSlide", "blueSlide", "colShow",
    "rgbByte", "rgbPercent", "rgbHex", "slideLock", "chkNetscape", "chkWindows", "picBack", "txtText", "txtLink",
    "txtVLink", "rgbName", "txtRgbName", "txtRgbMore", "cmdPickColor",
};

// What a screen reader says for each control and, where it helps, how to use it. Captions and
// tool tips speak for the rest; the sample page and the swatch describe their contrast.
struct Accessible
{
    const char *name;
    const char *accessibleName;
    const char *description;
};
const char *const applies = QT_TRANSLATE_NOOP("ControlTable", "Type, then leave the field: every other notation follows");
const char *const copies = QT_TRANSLATE_NOOP("ControlTable", "Select and copy it into a style sheet");
const char *const slides = QT_TRANSLATE_NOOP("ControlTable", "Arrow keys move it by 1, Page Up and Page Down by 10");
const Accessible accessibility[] = {
    {"redByte", QT_TRANSLATE_NOOP("ControlTable", "Red, decimal (0 to 255)"), applies},
    {"greenByte", QT_TRANSLATE_NOOP("ControlTable", "Green, decimal (0 to 255)"), applies},
    {"blueByte", QT_TRANSLATE_NOOP("ControlTable", "Blue, decimal (0 to 255)"), applies},
    {"byteShow", QT_TRANSLATE_NOOP("ControlTable", "CSS rgb() text"), copies},
    {"redPercent", QT_TRANSLATE_NOOP("ControlTable", "Red, percentage"), applies},
    {"greenPercent", QT_TRANSLATE_NOOP("ControlTable", "Green, percentage"), applies},
    {"bluePercent", QT_TRANSLATE_NOOP("ControlTable", "Blue, percentage"), applies},
    {"percentShow", QT_TRANSLATE_NOOP("ControlTable", "CSS rgb() percentage text"), copies},
    {"redHex", QT_TRANSLATE_NOOP("ControlTable", "Red, hexadecimal"), applies},
    {"greenHex", QT_TRANSLATE_NOOP("ControlTable", "Green, hexadecimal"), applies},
    {"blueHex", QT_TRANSLATE_NOOP("ControlTable", "Blue, hexadecimal"), applies},
    {"hexShow", QT_TRANSLATE_NOOP("ControlTable", "HTML color attribute text"), QT_TRANSLATE_NOOP("ControlTable", "Select and copy it behind an HTML attribute name")},
    {"txtRgbName", QT_TRANSLATE_NOOP("ControlTable", "Color name"), QT_TRANSLATE_NOOP("ControlTable", "Type a CSS color name, then leave the field")},
    {"txtRgbMore", QT_TRANSLATE_NOOP("ControlTable", "Further names of the color"), ""},
    {"picBack", QT_TRANSLATE_NOOP("ControlTable", "Sample page background"), ""},
    {"txtText", QT_TRANSLATE_NOOP("ControlTable", "Sample text"), ""},
    {"txtLink", QT_TRANSLATE_NOOP("ControlTable", "Sample link"), ""},
    {"txtVLink", QT_TRANSLATE_NOOP("ControlTable", "Sample visited link"), ""},
    {"colShow", QT_TRANSLATE_NOOP("ControlTable", "Color swatch: drag onto the sample page"), ""},
    {"redSlide", QT_TRANSLATE_NOOP("ControlTable", "Red slider"), slides},
    {"greenSlide", QT_TRANSLATE_NOOP("ControlTable", "Green slider"), slides},
    {"blueSlide", QT_TRANSLATE_NOOP("ControlTable", "Blue slider"), slides},
    {"slideLock", QT_TRANSLATE_NOOP("ControlTable", "Lock sliding"), QT_TRANSLATE_NOOP("ControlTable", "When pressed, the three sliders move together")},
    {"chkNetscape", QT_TRANSLATE_NOOP("ControlTable", "Netscape Color Cube"), QT_TRANSLATE_NOOP("ControlTable", "Pressed when the color is one of the 216 web-safe colors; press it to move to the nearest of them")},
    {"chkWindows", QT_TRANSLATE_NOOP("ControlTable", "Windows Default 16"), QT_TRANSLATE_NOOP("ControlTable", "Pressed when the color is one of the 16 basic colors; press it to move to the nearest of them")},
};

// What each field shows whole at its fixed width; its font shrinks until that fits. D is
// the widest hexadecimal digit in common interface fonts.
const std::pair<const char *, const char *> widestValues[] = {
    {"redByte", "255"}, {"greenByte", "255"}, {"blueByte", "255"},
    {"redPercent", "100"}, {"greenPercent", "100"}, {"bluePercent", "100"},
    {"redHex", "DD"}, {"greenHex", "DD"}, {"blueHex", "DD"},
    {"byteShow", "rgb(255,255,255)"}, {"percentShow", "rgb(100%,100%,100%)"}, {"hexShow", "=\"#DDDDDD\""},
};
// clang-format on

const QColor readOnlyGrey(224, 224, 224);

// A field that sets its own background sets its text colour too, so that it stays readable
// under any colour scheme.
void setColors(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
}

QString widestValueOf(const char *name)
{
    for (const auto &[field, widest] : widestValues) {
        if (qstrcmp(field, name) == 0)
            return QLatin1String(widest);
    }
    return {};
}

QWidget *makeField(const Control &c)
{
    auto *field = new QLineEdit;
    if (c.kind == ReadOnlyField) {
        field->setReadOnly(true);
        setColors(field, readOnlyGrey);
    }
    return field;
}

bool isDarkScheme(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness();
}

QWidget *makeLabel(const Control &c)
{
    auto *label = new SampleLabel(QCoreApplication::translate("ControlTable", c.text));
    if (c.kind == LinkLabel) {
        QFont font = label->font();
        font.setPointSizeF(7.8);
        font.setUnderline(true);
        label->setFont(font);
    }
    return label;
}

QWidget *makeToggle(const Control &c)
{
    auto *toggle = new QToolButton;
    toggle->setCheckable(true);
    toggle->setToolTip(QCoreApplication::translate("ControlTable", c.text));
    toggle->setIconSize(QSize(16, 16));
    toggle->setFocusPolicy(Qt::StrongFocus);
    return toggle;
}

QWidget *makeLine(const Control &c)
{
    auto *line = new QWidget;
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(QLatin1String(c.text)));
    line->setPalette(palette);
    return line;
}

QWidget *make(const Control &c)
{
    switch (c.kind) {
    case Frame: return new QGroupBox(QCoreApplication::translate("ControlTable", c.text));
    case Field:
    case WhiteField:
    case ReadOnlyField: return makeField(c);
    case Label:
    case LinkLabel: return makeLabel(c);
    case Picture: return new PictureBox;
    case Slider: return new ::Slider;
    case Toggle: return makeToggle(c);
    case Button: return new QPushButton(QCoreApplication::translate("ControlTable", c.text));
    case Line: return makeLine(c);
    }
    return nullptr;
}

int textAreaWidth(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    return contents.width() - 4; // a line edit keeps two pixels clear on either side of its text
}

QRect geometryOf(const Control &c)
{
    if (c.kind == Line)
        return QRect(twipsToPixels(c.left), twipsToPixels(c.top), 1, twipsToPixels(c.height));
    return QRect(twipsToPixels(c.left), twipsToPixels(c.top), twipsToPixels(c.width), twipsToPixels(c.height));
}

void followColorScheme(QWidget *clientArea)
{
    // White hexadecimal fields look like the others on a light desktop, as designed; among the
    // dark fields of a dark scheme they would stand out, so there they take the scheme's colours.
    const bool dark = isDarkScheme(QGuiApplication::palette());
    for (const Control &c : table) {
        if (c.kind != WhiteField)
            continue;
        QWidget *field = clientArea->findChild<QWidget *>(QLatin1String(c.name));
        if (dark)
            field->setPalette(QPalette()); // the scheme's own, as every other entry field
        else
            setColors(field, Qt::white);
    }
}

// Qt tells a change of the colour scheme to the application object alone.
class SchemeFollower : public QObject
{
public:
    explicit SchemeFollower(QWidget *clientArea)
        : QObject(clientArea)
        , clientArea(clientArea)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance())
            followColorScheme(clientArea);
        return false;
    }

private:
    QWidget *clientArea;
};

} // namespace

void build(QWidget *clientArea)
{
    QHash<QString, QWidget *> built;
    QHash<QString, QFont> fitted; // the fields of a row share their widest value and width
    for (const Control &c : table) {
        QWidget *container = c.container ? built.value(QLatin1String(c.container)) : clientArea;
        Q_ASSERT(container);
        QWidget *widget = make(c);
        widget->setObjectName(QLatin1String(c.name));
        widget->setParent(container);
        widget->setGeometry(geometryOf(c));
        built.insert(widget->objectName(), widget);
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setFont(fittedFont(label->font(), label->text(), label->width() - 1));
        const QString widest = widestValueOf(c.name);
        if (auto *field = qobject_cast<QLineEdit *>(widget); field && !widest.isEmpty()) {
            // Fitted before the first synchronisation writes the text, so that it is laid out once.
            const int width = textAreaWidth(field);
            const QString key = widest + u'/' + QString::number(width);
            auto font = fitted.find(key);
            if (font == fitted.end())
                font = fitted.insert(key, fittedFont(field->font(), widest, width));
            field->setFont(*font);
        }
    }
    followColorScheme(clientArea);
    new SchemeFollower(clientArea);
    for (const Accessible &a : accessibility) {
        QWidget *control = built.value(QLatin1String(a.name));
        control->setAccessibleName(QCoreApplication::translate("ControlTable", a.accessibleName));
        control->setAccessibleDescription(
            *a.description ? QCoreApplication::translate("ControlTable", a.description) : QString());
    }
}

void applyTabOrder(QWidget *clientArea)
{
    QWidget *previous = nullptr;
    for (const char *name : keyboardOrder) {
        QWidget *widget = clientArea->findChild<QWidget *>(QLatin1String(name));
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace ControlTable
