#include "picturebox.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    // Reached by Tab, but a press on it starts a drag rather than taking the focus.
    setFocusPolicy(Qt::TabFocus);
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
