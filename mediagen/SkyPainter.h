// The six faces of the sky box, painted from the view direction so their edges meet:
// pale blue above, soft clouds, and the fog colour of the world at the horizon and below it.
#pragma once

#include "mediagen/Noise.h"

#include <OgreColourValue.h>
#include <OgreVector.h>

class Canvas;

class SkyPainter {
public:
    // Suffixes of the six pictures of a cube map, in the engine's order.
    static const char* const faceSuffixes[6];

    SkyPainter();

    Canvas face(int index) const;

private:
    Ogre::ColourValue colourTowards(const Ogre::Vector3& direction) const;
    Noise clouds;
};
