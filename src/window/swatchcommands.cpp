// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/swatchcommands.h"

#include "css/cssformats.h"
#include "window/samplepagedragdrop.h"
#include "window/toolkit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

SwatchCommands::SwatchCommands(
    Toolkit &toolkit, QWidget *swatch, SamplePageDragDrop *dragDrop, QAction *pick, QWidget *window)
    : QObject(swatch)
    , toolkit(toolkit)
    , swatch(swatch)
{
    createMenu(pick);
    // Ctrl+V pastes a colour where the focus is in no text field; a field takes it itself.
    auto *pasteKey = new QShortcut(QKeySequence::Paste, window);
    connect(pasteKey, &QShortcut::activated, this, [this] {
        if (!qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            paste();
    });
    // Ctrl+C on the focused swatch copies its colour as #rrggbb and as the colour itself.
    auto *copyKey = new QShortcut(QKeySequence::Copy, swatch);
    copyKey->setContext(Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, this, [this] {
        emit currentColorNeeded();
        if (this->toolkit.copyColor(CssFormats::write(current, CssFormat::Hex), current))
            emit colorGivenOut(current);
    });

    dragDrop->attach(swatch, true, true);
    connect(dragDrop, &SamplePageDragDrop::dragStarting, this, [this](QWidget *dragged, QMimeData *data) {
        emit currentColorNeeded();
        if (dragged == this->swatch)
            SamplePageDragDrop::carryColor(data, current);
    });
    connect(dragDrop, &SamplePageDragDrop::textDropped, this, [this](QWidget *, const QString &text) {
        emit currentColorNeeded();
        emit textGiven(text);
    });
    connect(dragDrop, &SamplePageDragDrop::swatchDropped, this, [this](QWidget *target, Rgb color) {
        if (target != this->swatch)
            return;
        emit currentColorNeeded();
        emit colorGiven(color);
    });
    connect(dragDrop, &SamplePageDragDrop::carriedOut, this, &SwatchCommands::colorGivenOut);
    connect(dragDrop, &SamplePageDragDrop::contextMenuRequested, this, [this](QWidget *control, QPoint globalPos) {
        if (control == this->swatch)
            menu->popup(globalPos);
    });
}

void SwatchCommands::createMenu(QAction *pick)
{
    menu = new QMenu(swatch->window());
    menu->setObjectName(QStringLiteral("mnuSwatch"));
    menu->addAction(pick);
    QAction *pasteColor = menu->addAction(tr("Paste Color"), this, &SwatchCommands::paste);
    pasteColor->setObjectName(QStringLiteral("actPasteColor"));
    copyAs = menu->addMenu(tr("Copy as"));
    copyAs->setObjectName(QStringLiteral("mnuCopyAs"));
    for (CssFormat format : CssFormats::all) {
        QAction *copy = copyAs->addAction(QString());
        copy->setObjectName(QStringLiteral("actCopyAs-") + QLatin1String(CssFormats::nameOf(format)));
        connect(copy, &QAction::triggered, this, [this, format] {
            if (toolkit.copyText(CssFormats::write(current, format)))
                emit colorGivenOut(current);
        });
    }
    connect(menu, &QMenu::aboutToShow, this, &SwatchCommands::showCopyForms);
}

// Each entry shows what it copies, for the colour current as the menu opens.
void SwatchCommands::showCopyForms()
{
    emit currentColorNeeded();
    for (int i = 0; i < int(CssFormats::all.size()); ++i) {
        const QString text = CssFormats::write(current, CssFormats::all[i]);
        QAction *copy = copyAs->actions().at(i);
        copy->setText(QLatin1String(CssFormats::nameOf(CssFormats::all[i])) + u'\t' + text);
        copy->setEnabled(!text.isEmpty());
    }
}

void SwatchCommands::paste()
{
    emit currentColorNeeded();
    const QString text = toolkit.clipboardText();
    if (text.isEmpty()) // an image, or nothing at all
        return toolkit.showMessage(tr("The clipboard holds no text to read as a color."));
    emit textGiven(text);
}
