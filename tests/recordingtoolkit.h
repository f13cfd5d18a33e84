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
    void showMessage(const QString &text) override
    {
        messages.append(text);
        if (onMessage)
            onMessage();
    }
    void beep() override { ++beeps; }
    ColorDialogResult pickColor() override
    {
        ++dialogsShown;
        return dialogAnswers.isEmpty() ? ColorDialogResult{} : dialogAnswers.takeFirst();
    }
    bool setClipboardText(const QString &text) override
    {
        clipboard = clipboardFails ? clipboard : text;
        return !clipboardFails;
    }
    QString programFolder() const override { return folder; }
    /// Like a real drag: the drop reaches the topmost widget under `dropAt` in `dropWindow`
    /// that accepts drops, before the drag returns. Without a drop window, nothing takes it.
    void startDrag(QWidget *source, QMimeData *data) override;

    QStringList messages;
    std::function<void()> onMessage; // runs while the box would be open
    int beeps = 0;
    QList<ColorDialogResult> dialogAnswers; // answered front first; none left means cancel
    int dialogsShown = 0;
    QString clipboard = QStringLiteral("held by another program");
    bool clipboardFails = false;
    QString folder = QStringLiteral(RUSKET_DATA_DIR);
    QList<QWidget *> dragSources;
    QPointer<QWidget> dropWindow;
    QPoint dropAt;
};
