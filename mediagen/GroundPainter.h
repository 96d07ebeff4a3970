// The dry grassland: a fine tile of grass and soil, and a coarse tile of patches laid over it.
#pragma once

#include "mediagen/Noise.h"

class Canvas;

class GroundPainter {
public:
    GroundPainter();

    Canvas grass() const;
    // Grey around one half, for a texture layer that doubles the colour under it.
    Canvas patches() const;

private:
    Noise noise;
};
