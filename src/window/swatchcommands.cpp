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
        const Rgb color = currentColor();
        if (this->toolkit.copyColor(preferences.writeDefault(color), color))
            emit colorGivenOut(color);
    });

    dragDrop->attach(swatch, true, true);
    connect(dragDrop, &SamplePageDragDrop::dragStarting, this, [this](QWidget *dragged, QMimeData *data) {
        emit currentColorNeeded();
        if (dragged == this->swatch) {
            SamplePageDragDrop::carryColor(data, current);
            data->setText(preferences.writeDefault(current));
        }
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
    menu->setToolTipsVisible(true); // Pick from Screen tells how it samples
    menu->addAction(pick);
    QAction *pasteColor = menu->addAction(tr("Paste Color"), this, &SwatchCommands::paste);
    pasteColor->setObjectName(QStringLiteral("actPasteColor"));
    copyAs = menu->addMenu(tr("Copy as"));
    copyAs->setObjectName(QStringLiteral("mnuCopyAs"));
    for (CssFormat format : CssFormats::all)
        addCopyEntry(QLatin1String(CssFormats::nameOf(format)), QLatin1String(CssFormats::nameOf(format)));
    connect(menu, &QMenu::aboutToShow, this, &SwatchCommands::showCopyForms);
}

QAction *SwatchCommands::addCopyEntry(const QString &form, const QString &name)
{
    QAction *copy = copyAs->addAction(QString());
    copy->setObjectName(QStringLiteral("actCopyAs-") + name);
    connect(copy, &QAction::triggered, this, [this, form] {
        if (toolkit.copyText(preferences.write(current, form).value_or(ColorTemplate::Result{}).text))
            emit colorGivenOut(current);
    });
    return copy;
}

// Each entry shows what it copies, for the colour current as the menu opens; the user's
// templates, as they are now, follow the built-in forms.
void SwatchCommands::showCopyForms()
{
    const Rgb color = currentColor();
    const QList<QAction *> entries = copyAs->actions();
    qDeleteAll(entries.mid(qsizetype(CssFormats::all.size())));
    for (qsizetype i = 0; i < qsizetype(CssFormats::all.size()); ++i)
        showCopyForm(entries[i], QLatin1String(CssFormats::nameOf(CssFormats::all[i])), color);
    if (!preferences.templates.isEmpty())
        copyAs->addSeparator();
    for (qsizetype i = 0; i < preferences.templates.size(); ++i) {
        const QString &name = preferences.templates[i].name;
        showCopyForm(addCopyEntry(name, QStringLiteral("template%1").arg(i + 1)), name, color);
    }
}

// A template's text is shown on one line and cut where it would make the menu too wide.
void SwatchCommands::showCopyForm(QAction *entry, const QString &form, Rgb color)
{
    const QString text = preferences.write(color, form).value_or(ColorTemplate::Result{}).text;
    constexpr qsizetype widest = 60;
    QString shown = form + u'\t' + (text.size() > widest ? text.left(widest - 1) + u'\u2026' : text);
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control && c != u'\t')
            c = u' ';
    }
    entry->setText(shown.replace(u'&', QStringLiteral("&&")));
    entry->setEnabled(!text.isEmpty());
}

Rgb SwatchCommands::currentColor()
{
    emit currentColorNeeded();
    return current;
}

void SwatchCommands::paste()
{
    emit currentColorNeeded();
    const QString text = toolkit.clipboardText();
    if (text.isEmpty()) // an image, or nothing at all
        return toolkit.showMessage(tr("The clipboard holds no text to read as a color."));
    emit textGiven(text);
}
