#pragma once

#include "tools/mkassets/image.h"

// The colours of attitudes and states, shared by fonts, markers and panels so that one colour
// means one thing everywhere.
inline const Rgba kHostile = Rgb(255, 84, 70);
inline const Rgba kNeutral = Rgb(250, 204, 84);
inline const Rgba kFriendly = Rgb(104, 236, 112);
inline const Rgba kTarget = Rgb(240, 96, 255);
inline const Rgba kActive = Rgb(92, 222, 255);
inline const Rgba kNormalText = Rgb(232, 236, 244);
inline const Rgba kDarkText = Rgb(128, 134, 150);

// Panel surfaces: deep blue steel with a light cyan trim.
inline const Rgba kPanelFill = Rgb(12, 20, 36);
inline const Rgba kPanelFillLight = Rgb(22, 34, 56);
inline const Rgba kPanelEdge = Rgb(90, 170, 220);
inline const Rgba kPanelEdgeDark = Rgb(34, 60, 90);
