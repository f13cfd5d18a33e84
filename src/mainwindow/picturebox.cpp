#include "mainwindow/picturebox.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    // Reached by Tab, but a press on it starts a drag rather than taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

namespace {

QPalette::ColorRole shownColorRole(const QWidget *control)
{
    return qobject_cast<const PictureBox *>(control) ? QPalette::Window : QPalette::WindowText;
}

} // namespace

QColor shownColor(const QWidget *control)
{
    return control->palette().color(shownColorRole(control));
}

void setShownColor(QWidget *control, const QColor &color)
{
    QPalette palette = control->palette();
    palette.setColor(shownColorRole(control), color);
    control->setPalette(palette);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
