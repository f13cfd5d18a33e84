// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

/// The largest size, in steps of 0.2 pt down from `font`'s own and no smaller than 5 pt, at which
/// `text` is at most `width` pixels wide.
///
/// The window's layout was made for MS Sans Serif, narrower than most systems' UI font: a caption
/// or a field's widest value shrinks its font until it fits, so that nothing is cut off whatever
/// font the system offers.
QFont fittedFont(QFont font, const QString &text, qreal width);
