// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "help/aboutwindow.h"

#include "help/infotext.h"
#include "values/twips.h"

#include <QKeyEvent>
#include <QLabel>

AboutWindow::AboutWindow(const QPixmap &picture, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setFixedSize(twipsToPixels(4608), twipsToPixels(936));
    // White in a light scheme, dark in a dark one, always with its own text colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);

    auto *pictureBox = new QLabel(this);
    pictureBox->setObjectName(QStringLiteral("Picture1"));
    pictureBox->setGeometry(twipsToPixels(120), twipsToPixels(120), twipsToPixels(855), twipsToPixels(732));
    pictureBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureBox->setPixmap(picture);

    auto *info = new QLabel(aboutText(), this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setGeometry(twipsToPixels(1080), twipsToPixels(120), twipsToPixels(3492), twipsToPixels(732));
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->setWordWrap(true);
    info->setForegroundRole(QPalette::Text);
    QFont small = info->font();
    small.setPointSizeF(6.6);
    info->setFont(small);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
