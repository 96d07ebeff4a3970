// Light grey detail pictures that the materials tint: woven cloth, and worn paint for metal.
#pragma once

#include "mediagen/Noise.h"

class Canvas;

class SurfacePainter {
public:
    SurfacePainter();

    // Weave with mottled camouflage blotches.
    Canvas cloth() const;
    // Scuffs, streaks and chipped edges.
    Canvas wornPaint() const;

private:
    Noise noise;
};
