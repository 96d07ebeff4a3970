#include "mediagen/HudPainter.h"

#include "mediagen/Canvas.h"

namespace {

const int size = 64;
const float gap = 6.0f;
const float reach = 26.0f;
const Ogre::ColourValue clear(1, 1, 1, 0);
const Ogre::ColourValue outline(0, 0, 0, 0.8f);
const Ogre::ColourValue stroke(1, 1, 1, 1);

} // namespace

Canvas HudPainter::crosshair() const
{
    Canvas canvas(size, size, clear);
    const float c = size * 0.5f;
    const struct {
        float dx, dy;
    } arms[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (float width : {4.0f, 2.0f}) {
        const Ogre::ColourValue& colour = width > 2.0f ? outline : stroke;
        for (const auto& arm : arms)
            canvas.line(c + arm.dx * gap, c + arm.dy * gap, c + arm.dx * reach, c + arm.dy * reach, width, colour);
        canvas.disc(c, c, width * 0.6f, colour);
    }
    return canvas;
}
