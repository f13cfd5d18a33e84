// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"

#include <QAbstractListModel>

// One palette's colours for a swatch view: each a colour (Qt::DecorationRole) described by its
// name and hex (tooltip and accessible text).
class PaletteModel : public QAbstractListModel
{
    Q_OBJECT

public:
    PaletteModel(QString id, QObject *parent = nullptr);

    const QString &id() const { return paletteId; }
    const QList<PaletteEntry> &entries() const { return shown; }
    /// Shows the entries; false when they are the ones shown already.
    bool show(const QList<PaletteEntry> &entries);
    /// "Brand orange, #ff8000", or "#ff8000" for a colour without a name.
    static QString describe(const PaletteEntry &entry);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString paletteId;
    QList<PaletteEntry> shown;
};
