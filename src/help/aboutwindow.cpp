#include "aboutwindow.h"

#include "infotext.h"
#include "../mainwindow/artwork.h"
#include "../mainwindow/controltable.h"

#include <QLabel>

namespace {

using ControlTable::pixels;

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(QIcon(Artwork::discs(1)));
    setFixedSize(pixels(4608), pixels(936));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(pixels(120), pixels(120), pixels(855), pixels(732));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(Artwork::discs(devicePixelRatioF()));

    auto *info = new QLabel(aboutText(), this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setGeometry(pixels(1080), pixels(120), pixels(3492), pixels(732));
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->setWordWrap(true);
    QFont small = info->font();
    small.setPointSizeF(6.6);
    info->setFont(small);
}
