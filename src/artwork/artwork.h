// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The program's own pictures, drawn in code so that they stay crisp at any scale.
namespace Artwork {

enum class Emblem { ColorCube, SixteenColors };

/// A palette toggle: plain emblem when checked, crossed out when not, grey when disabled.
QIcon paletteToggleIcon(Emblem emblem);

/// The slide lock: three separate bars, or the bars joined with a padlock when locked.
QIcon slideLockIcon();

/// The sizes of the installed application icon, in pixels.
inline constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

/// The program's emblem, three overlapping discs, as a square picture on transparent ground.
QImage emblem(int size);

/// The same emblem as a scalable SVG document.
QByteArray emblemSvg();

/// The application icon: the emblem, drawn at whatever size is asked for.
QIcon appIcon();

/// The About window's picture: the emblem on white, 54 x 52.
QPixmap aboutPicture(qreal devicePixelRatio);

} // namespace Artwork
