// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "window/toolkit.h"

#include <QColor>

// The real toolkit: Qt's message box, beep, colour dialog, clipboard, drag, text box and file dialogs.
class QtToolkit : public Toolkit
{
public:
    void showMessage(const QString &text) override;
    void beep() override;
    ColorDialogResult pickColor() override;
    bool setClipboardText(const QString &text) override;
    bool setClipboardColor(const QString &text, Rgb color) override;
    QString clipboardText() const override;
    QString programFolder() const override;
    bool startDrag(QWidget *source, QMimeData *data) override;
    std::optional<QString> askText(const QString &title, const QString &label, const QString &text) override;
    QString chooseFile(
        FileChoice choice, const QString &title, const QString &filter, const QString &suggested) override;

private:
    static void releaseAfterPress(QWidget *control, Qt::MouseButtons buttons);

    QColor lastDialogColor = Qt::white; // the dialog remembers its own last colour
};
