// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/palettemodel.h"

#include "css/cssformats.h"

#include <QColor>

PaletteModel::PaletteModel(QString id, QObject *parent)
    : QAbstractListModel(parent)
    , paletteId(std::move(id))
{ }

bool PaletteModel::show(const QList<PaletteEntry> &entries)
{
    if (entries == shown)
        return false;
    beginResetModel();
    shown = entries;
    endResetModel();
    return true;
}

QString PaletteModel::describe(const PaletteEntry &entry)
{
    const QString hex = CssFormats::write(entry.color, CssFormat::Hex);
    return entry.name.isEmpty() ? hex : tr("%1, %2").arg(entry.name, hex);
}

int PaletteModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(shown.size());
}

QVariant PaletteModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shown.size())
        return {};
    const PaletteEntry &entry = shown.at(index.row());
    switch (role) {
    case Qt::DecorationRole: return QColor(entry.color.red, entry.color.green, entry.color.blue);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return describe(entry);
    default: return {};
    }
}

Qt::ItemFlags PaletteModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled : Qt::ItemIsDropEnabled;
}
