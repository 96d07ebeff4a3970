#include "mediagen/IconPainter.h"

#include "mediagen/Canvas.h"

using Ogre::ColourValue;

namespace {

// Measures on a 256-pixel icon; other sizes are scaled from them.
const float designSize = 256.0f;
const float badgeRadius = 120.0f;
const float rimWidth = 6.0f;
const float ringRadii[] = {84.0f, 64.0f, 44.0f, 24.0f};
const float ringOutline = 3.0f;
const float crossGap = 14.0f;
const float crossReach = 112.0f;
const float crossWidth = 8.0f;
const float crossOutline = 4.0f;

const ColourValue ink(0.1f, 0.09f, 0.08f);
const ColourValue olive(0.33f, 0.38f, 0.2f);
const ColourValue white(0.95f, 0.94f, 0.9f);
const ColourValue red(0.78f, 0.1f, 0.08f);

} // namespace

Canvas IconPainter::icon(int size) const
{
    const ColourValue clear(ink.r, ink.g, ink.b, 0.0f);
    Canvas canvas(size, size, clear);
    const float scale = size / designSize;
    const float c = size * 0.5f;

    canvas.disc(c, c, badgeRadius * scale, ink);
    canvas.disc(c, c, (badgeRadius - rimWidth) * scale, olive);
    bool isWhite = true;
    for (float radius : ringRadii) {
        canvas.disc(c, c, (radius + ringOutline) * scale, ink);
        canvas.disc(c, c, radius * scale, isWhite ? white : red);
        isWhite = !isWhite;
    }

    const struct {
        float dx, dy;
    } arms[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const float width : {crossWidth + 2 * crossOutline, crossWidth}) {
        const ColourValue& colour = width > crossWidth ? ink : white;
        for (const auto& arm : arms)
            canvas.line(c + arm.dx * crossGap * scale, c + arm.dy * crossGap * scale, c + arm.dx * crossReach * scale,
                c + arm.dy * crossReach * scale, width * scale, colour);
    }
    return canvas;
}
