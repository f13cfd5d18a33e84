// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// The "&Info" message: one paragraph without line breaks.
QString infoMessage();

/// The About window's paragraph.
QString aboutText();
