#pragma once

#include <QList>
#include <QWidget>
#include <span>

// The main window as designed: every control with its kind, container, place and caption,
// in twips (15 to a pixel at 96 dpi), and the keyboard order.
namespace ControlTable {

enum class Kind {
    Frame, // titled group box
    Field, // editable one-line text box
    WhiteField, // editable, with an explicit white background
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

std::span<const Control> controls();

/// Names in keyboard order; frames and labels stay in for reading, but take no focus.
std::span<const char *const> tabOrder();

/// Creates every control as a child of `clientArea`, named as designed.
void build(QWidget *clientArea);

/// Chains the focusable controls in keyboard order.
void applyTabOrder(QWidget *clientArea);

} // namespace ControlTable
