// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Saves pictures of the main window for the README (make screenshot, tools/docs.sh):
//   screenshot [--dark] [--color R,G,B] [--menu] [--vision N] [--check] OUTPUT.png
// --dark renders it under a dark colour scheme, --color types a colour into the byte
// fields first, --menu gives that colour to the sample text and adds the sample page's menu
// as the user sees it on the page, --vision draws the page with the Nth vision simulation.
// --check saves nothing: the exit status is 0 when OUTPUT.png shows what the window shows now,
// 1 when it does not, 77 where the pictures' font is missing.
#include "window/mainwindow.h"
#include "window/qttoolkit.h"

#include <QApplication>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(235, 235, 235);
    for (auto [role, color] :
        {std::pair{QPalette::Window, window}, {QPalette::WindowText, text}, {QPalette::Base, base},
            {QPalette::AlternateBase, window}, {QPalette::Text, text}, {QPalette::Button, window},
            {QPalette::ButtonText, text}, {QPalette::ToolTipBase, base}, {QPalette::ToolTipText, text},
            {QPalette::Highlight, QColor(60, 110, 190)}, {QPalette::HighlightedText, Qt::white},
            {QPalette::Light, QColor(80, 80, 84)}, {QPalette::Midlight, QColor(65, 65, 68)},
            {QPalette::Mid, QColor(35, 35, 38)}, {QPalette::Dark, QColor(20, 20, 22)}, {QPalette::Shadow, Qt::black},
            {QPalette::PlaceholderText, QColor(150, 150, 150)}})
        dark.setColor(role, color);
    return dark;
}

// Saves the picture, or compares it with the one saved.
int finish(const QImage &picture, const QString &path, bool check)
{
    if (!check)
        return picture.save(path) ? 0 : 1;
    if (QImage(path).convertToFormat(QImage::Format_RGB32) == picture.convertToFormat(QImage::Format_RGB32))
        return 0;
    std::fprintf(stderr, "%s is not what the window shows now: make screenshot\n", qPrintable(path));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); // the same on every machine that has it
    QStringList arguments = QApplication::arguments().mid(1);
    const bool check = arguments.removeAll(QStringLiteral("--check")) > 0;
    if (check && QFontInfo(QApplication::font()).family() != QLatin1String("DejaVu Sans")) {
        std::fprintf(stderr, "skipped: the pictures are drawn with DejaVu Sans, which is missing here\n");
        return 77;
    }
    const bool dark = arguments.removeAll(QStringLiteral("--dark")) > 0;
    const bool menu = arguments.removeAll(QStringLiteral("--menu")) > 0;
    QStringList color;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--color")); at >= 0 && at + 1 < arguments.size()) {
        color = arguments.at(at + 1).split(u',');
        arguments.remove(at, 2);
    }
    QString vision;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--vision")); at >= 0 && at + 1 < arguments.size()) {
        vision = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    if (arguments.size() != 1 || (!color.isEmpty() && color.size() != 3)) {
        std::fprintf(stderr, "usage: screenshot [--dark] [--color R,G,B] [--menu] [--vision N] [--check] OUTPUT.png\n");
        return 2;
    }
    if (dark)
        QApplication::setPalette(darkPalette());

    QtToolkit toolkit;
    MainWindow window(toolkit);
    if (const std::optional<LoadError> error = window.loadData()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->text()));
        return 1;
    }
    window.show();
    QApplication::processEvents();
    const char *const byteFields[] = {"redByte", "greenByte", "blueByte"};
    for (int i = 0; i < color.size(); ++i) {
        auto *field = window.findChild<QLineEdit *>(QLatin1String(byteFields[i]));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, color.at(i));
        QTest::keyClick(field, Qt::Key_Tab);
    }
    QImage picture = window.grab().toImage();
    if (menu) {
        QWidget *page = window.findChild<QWidget *>(QStringLiteral("txtText"));
        page->setFocus();
        QTest::keyClick(page, Qt::Key_Menu);
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!popup)
            return 1;
        popup->findChild<QAction *>(QStringLiteral("mnuEditApply"))->trigger();
        if (!vision.isEmpty())
            popup->findChild<QAction *>(QStringLiteral("actVision") + vision)->trigger();
        popup->close();
        picture = window.grab().toImage();
        if (!vision.isEmpty()) // the page alone, with its badge
            return finish(picture, arguments.first(), check);
        QTest::keyClick(page, Qt::Key_Menu);
        popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const QPoint at = page->mapTo(&window, QPoint(40, 12));
        const QImage shown = popup->grab().toImage();
        QImage combined(qMax(picture.width(), at.x() + shown.width()), qMax(picture.height(), at.y() + shown.height()),
            QImage::Format_RGB32);
        combined.fill(window.palette().color(QPalette::Window));
        QPainter painter(&combined);
        painter.drawImage(0, 0, picture);
        painter.drawImage(at, shown);
        painter.end();
        picture = combined;
    }
    return finish(picture, arguments.first(), check);
}
