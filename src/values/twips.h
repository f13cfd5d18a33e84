// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

/// Layout units: twips, 1440 to the inch, so 15 to a device-independent pixel at 96 dpi.
inline int twipsToPixels(int twips)
{
    return int(std::lround(twips / 15.0));
}
