#include "help/aboutwindow.h"

#include "help/infotext.h"
#include "values/twips.h"

#include <QLabel>

AboutWindow::AboutWindow(const QPixmap &picture, QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(twipsToPixels(4608), twipsToPixels(936));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

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
    QFont small = info->font();
    small.setPointSizeF(6.6);
    info->setFont(small);
}
