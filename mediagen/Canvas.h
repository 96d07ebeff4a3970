// A picture being painted, in floating-point colour with alpha.
#pragma once

#include <OgreColourValue.h>
#include <OgreImage.h>

#include <vector>

class Canvas {
public:
    Canvas(int width, int height, const Ogre::ColourValue& background = Ogre::ColourValue::Black);

    int width() const { return columns; }
    int height() const { return rows; }

    const Ogre::ColourValue& at(int x, int y) const;
    void set(int x, int y, const Ogre::ColourValue& colour);
    // Mixes the colour over the pixel by `amount` (0 to 1); coordinates wrap around, for tiles.
    void blend(int x, int y, const Ogre::ColourValue& colour, float amount);
    void multiply(int x, int y, float factor);

    void fillRect(int left, int top, int right, int bottom, const Ogre::ColourValue& colour, float amount = 1.0f);
    // A line with soft edges, `width` pixels across.
    void line(float x0, float y0, float x1, float y1, float width, const Ogre::ColourValue& colour, float amount = 1.0f);
    void disc(float cx, float cy, float radius, const Ogre::ColourValue& colour, float amount = 1.0f);

    Ogre::Image toImage(bool withAlpha) const;

private:
    int index(int x, int y) const;
    int columns;
    int rows;
    std::vector<Ogre::ColourValue> pixels;
};
