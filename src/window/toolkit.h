// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QMimeData;
class QWidget;

enum class DialogOutcome { Confirmed, Cancelled, Failed };
enum class FileChoice { Open, Save };

// What the colour dialog reported: a confirmed colour, a cancel, or a failure.
struct ColorDialogResult
{
    DialogOutcome outcome = DialogOutcome::Cancelled;
    Rgb color; // only for Confirmed
    int errorNumber = 0; // only for Failed
    QString description; // only for Failed
};

// Everything the program does that blocks or touches the system goes through here, so
// that the window's logic can be driven without a modal box or a real clipboard.
class Toolkit
{
public:
    virtual ~Toolkit() = default;

    /// Modal box titled "Rusket" with only an OK button and no icon; returns when closed.
    virtual void showMessage(const QString &text) = 0;
    virtual void beep() = 0;
    /// The modal colour dialog, fully open; the current colour is not handed to it.
    virtual ColorDialogResult pickColor() = 0;
    /// Replaces everything on the clipboard with plain text; false when it could not.
    virtual bool setClipboardText(const QString &text) = 0;
    /// Replaces everything on the clipboard with the text and, beside it, the color itself
    /// (application/x-color), as a drag carries them; false when it could not.
    virtual bool setClipboardColor(const QString &text, Rgb color) = 0;
    /// The clipboard's plain text; empty when it holds none.
    virtual QString clipboardText() const = 0;
    /// The folder that holds the program file, where its data files are.
    virtual QString programFolder() const = 0;
    /// Runs a drag of `data` (taken over) from `source` until it is dropped; true when another
    /// program took it.
    virtual bool startDrag(QWidget *source, QMimeData *data) = 0;
    /// The modal box that asks for one line of text, showing `text` first; nothing when cancelled.
    virtual std::optional<QString> askText(const QString &title, const QString &label, const QString &text) = 0;
    /// The modal file dialog, for a file to read or to write (`suggested` names it first); empty
    /// when cancelled. `filter` is in QFileDialog's form ("Palettes (*.gpl);;All files (*)").
    virtual QString chooseFile(
        FileChoice choice, const QString &title, const QString &filter, const QString &suggested = {})
        = 0;

    /// Puts the text on the clipboard or, where it cannot, says so; false then.
    bool copyText(const QString &text) { return reportCopy(setClipboardText(text)); }
    /// Puts the text and the color on the clipboard or, where it cannot, says so; false then.
    bool copyColor(const QString &text, Rgb color) { return reportCopy(setClipboardColor(text, color)); }

private:
    bool reportCopy(bool written)
    {
        if (!written)
            showMessage(
                QCoreApplication::translate("Toolkit", "The clipboard could not be written. Please try again."));
        return written;
    }
};
