// Planked wood: the crate in its three states, the truck's deck and the painted target stand.
#pragma once

#include "mediagen/Noise.h"

#include <OgreColourValue.h>

class Canvas;

class WoodPainter {
public:
    enum class Wear { Intact, Cracked, Burnt };

    WoodPainter();

    Canvas crate(Wear wear) const;
    Canvas deck() const;
    Canvas stand() const;

private:
    struct Planks {
        int left, top, right, bottom;
        int count;
        bool vertical; // planks run along y
        Ogre::ColourValue colour;
        unsigned seed;
    };
    // One board's grain at a point, `fromEdge` pixels in from its side.
    Ogre::ColourValue board(const Ogre::ColourValue& colour, float along, float across, float fromEdge) const;
    void fill(Canvas& canvas, const Planks& planks) const;
    void brace(Canvas& canvas, float width, const Ogre::ColourValue& colour) const;
    void nail(Canvas& canvas, float x, float y) const;

    Noise grain;
};
