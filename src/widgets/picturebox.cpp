// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "widgets/picturebox.h"

#include "widgets/focusframe.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

// Screen readers read a picture box as a picture; its accessible name says which one.
QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    static std::once_flag accessibleInstalled;
    std::call_once(accessibleInstalled, QAccessible::installFactory, pictureBoxAccessible);
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
    drawFocusFrame(this);
}
