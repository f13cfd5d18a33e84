// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "window/toolkit.h"

#include <QApplication>
#include <QColor>
#include <QDropEvent>
#include <QList>
#include <QMimeData>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

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
        return dialogAnswers.isEmpty() ? ColorDialogResult{} : dialogAnswers.takeFirst();
    }
    bool setClipboardText(const QString &text) override { return writeClipboard(text, QColor()); }
    bool setClipboardColor(const QString &text, Rgb color) override
    {
        return writeClipboard(text, QColor(color.red, color.green, color.blue));
    }
    bool writeClipboard(const QString &text, const QColor &color)
    {
        if (!clipboardFails) {
            clipboard = text;
            clipboardColor = color;
        }
        return !clipboardFails;
    }
    QString clipboardText() const override { return clipboard; }
    QString programFolder() const override { return folder; }
    /// Like a real drag: the drop reaches the topmost widget under `dropAt` in `dropWindow`
    /// that accepts drops, before the drag returns. Without a drop window, nothing takes it.
    bool startDrag(QWidget *source, QMimeData *data) override
    {
        std::unique_ptr<QMimeData> owned(data);
        dragSources.append(source);
        dragText = data->text();
        dragColor = qvariant_cast<QColor>(data->colorData());
        QWidget *target = dropWindow ? dropWindow->childAt(dropAt) : nullptr;
        while (target && !target->acceptDrops())
            target = target->parentWidget();
        if (!target)
            return !dropWindow && takenElsewhere;
        const QPoint local = target->mapFrom(dropWindow, dropAt);
        QDragEnterEvent enter(local, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(local), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        if (enter.isAccepted())
            QApplication::sendEvent(target, &drop);
        return false;
    }
    std::optional<QString> askText(const QString &, const QString &label, const QString &text) override
    {
        asked.append(label + u'|' + text);
        return textAnswers.isEmpty() ? std::nullopt : textAnswers.takeFirst();
    }
    QString chooseFile(FileChoice, const QString &, const QString &, const QString &suggested) override
    {
        asked.append(suggested);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QStringList messages;
    std::function<void()> onMessage; // runs while the box would be open
    int beeps = 0;
    QList<ColorDialogResult> dialogAnswers; // answered front first; none left means cancel
    QString clipboard = QStringLiteral("held by another program");
    QColor clipboardColor; // the color put beside the text; invalid when only text was
    bool clipboardFails = false;
    QString folder = QStringLiteral(RUSKET_DATA_DIR);
    QList<QWidget *> dragSources;
    QString dragText; // what the last drag carried for other programs
    QColor dragColor;
    QPointer<QWidget> dropWindow;
    QPoint dropAt;
    bool takenElsewhere = false; // whether another program takes a drag dropped outside the drop window
    QStringList asked; // each text box's label and first text, each file dialog's suggestion
    QList<std::optional<QString>> textAnswers; // answered front first; none left means cancel
    QStringList fileAnswers; // likewise
};
