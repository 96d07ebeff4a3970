// The game's icon: a red and white target behind a crosshair, on a round olive badge.
#pragma once

class Canvas;

class IconPainter {
public:
    // The same picture at any size, drawn at that size rather than scaled, so small icons stay sharp.
    Canvas icon(int size) const;
};
