// Pictures for the head-up display.
#pragma once

class Canvas;

class HudPainter {
public:
    // Four thin strokes round an open centre with a dot, white edged in black, on a clear ground.
    Canvas crosshair() const;
};
