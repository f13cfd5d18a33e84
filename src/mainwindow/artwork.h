#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn in code so that they stay crisp at 1x and 2x.
namespace Artwork {

enum class Emblem { ColorCube, SixteenColors };

/// A palette toggle: plain emblem when checked, crossed out when not, grey when disabled.
QIcon paletteToggleIcon(Emblem emblem);

/// The slide lock: three separate bars, or the bars joined with a padlock when locked.
QIcon slideLockIcon();

QIcon windowIcon();

/// Three overlapping red, green and blue discs, 54 x 52.
QPixmap discs(qreal devicePixelRatio);

} // namespace Artwork
