#pragma once

#include "mainwindow/toolkit.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

// A toolkit that blocks on nothing: it records what the program asked of the system and
// answers from what the test prepared.
class RecordingToolkit : public Toolkit
{
public:
    void showMessage(const QString &text) override;
    void beep() override;
    ColorDialogResult pickColor() override;
    bool setClipboardText(const QString &text) override;
    QString programFolder() const override;
    void startDrag(QWidget *source, QMimeData *data) override;

    /// Where the next drag is released: a point in `window`; without a window, nowhere.
    void releaseDragAt(QWidget *window, QPoint pos);

    QStringList messages;
    std::function<void()> onMessage; // runs while the box would be open
    int beeps = 0;
    QList<ColorDialogResult> dialogAnswers; // answered front first; none left means cancel
    int dialogsShown = 0;
    QString clipboard = QStringLiteral("held by another program");
    bool clipboardFails = false;
    QString folder = QStringLiteral(RUSKET_DATA_DIR);
    QList<QWidget *> dragSources;

private:
    QPointer<QWidget> dropWindow;
    QPoint dropPos;
};
