// The painted face of a target: red and white rings, then cracked, then scorched and broken.
#pragma once

#include "mediagen/Noise.h"

class Canvas;

class TargetPainter {
public:
    enum class Wear { Intact, Cracked, Perished };

    TargetPainter();

    Canvas face(Wear wear) const;

private:
    void crack(Canvas& canvas, unsigned seed, int count) const;
    void scorch(Canvas& canvas) const;

    Noise paper;
};
