// Jagged, branching cracks drawn over a picture, for the damaged looks of targets and crates.
#pragma once

#include <OgreColourValue.h>

class Canvas;
class Random;

class CrackPainter {
public:
    CrackPainter(const Ogre::ColourValue& colour, float width);

    // A crack from a point, heading roughly along `heading` (radians), `length` pixels long.
    void draw(Canvas& canvas, Random& random, float x, float y, float heading, float length) const;

private:
    void branch(Canvas& canvas, Random& random, float x, float y, float heading, float length, float width,
        int depth) const;
    Ogre::ColourValue colour;
    float width;
};
