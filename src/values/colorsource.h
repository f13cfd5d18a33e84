#pragma once

#include <QtGlobal>

// Where UpdateColor takes a new colour from; also decides how range messages are worded.
enum ColorSource : qint16 {
    SourceByte = 0,
    SourcePercent = 1,
    SourceHex = 2,
    SourceSliders = 3,
    SourceName = 4,
    SourceDialog = 5,
};
