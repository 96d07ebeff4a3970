#include "mediagen/SurfacePainter.h"

#include "mediagen/Canvas.h"
#include "mediagen/Random.h"

#include <algorithm>
#include <cmath>

using Ogre::ColourValue;

namespace {

const int size = 256;

ColourValue grey(float level)
{
    return ColourValue(level, level, level);
}

} // namespace

SurfacePainter::SurfacePainter() : noise(17) {}

Canvas SurfacePainter::cloth() const
{
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float weave = 0.5f + 0.25f * std::sin(x * 1.6f) + 0.25f * std::sin(y * 1.6f);
            const float blotch = noise.tiledFractal(x / 32.0f, y / 32.0f, size / 32, 3);
            const float camouflage = blotch > 0.58f ? 0.78f : (blotch < 0.4f ? 1.08f : 0.94f);
            const float grain = noise.tiled(x / 2.0f, y / 2.0f, size / 2);
            canvas.set(x, y, grey(std::min(1.0f, camouflage * (0.84f + 0.08f * weave + 0.08f * grain))));
        }
    }
    return canvas;
}

Canvas SurfacePainter::wornPaint() const
{
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float dirt = noise.tiledFractal(x / 64.0f + 20.0f, y / 16.0f, size / 64, 4);
            const float fine = noise.tiled(x / 2.0f, y / 2.0f, size / 2);
            canvas.set(x, y, grey(0.8f + 0.14f * fine - 0.25f * std::max(0.0f, dirt - 0.5f)));
        }
    }
    Random random(18);
    for (int i = 0; i < 160; ++i) {
        const float x = random.range(0, size);
        const float y = random.range(0, size);
        const float length = random.range(4.0f, 18.0f);
        const float angle = random.range(0.0f, 3.14f);
        canvas.line(x, y, x + std::cos(angle) * length, y + std::sin(angle) * length, random.range(0.8f, 1.8f),
            grey(random.uniform() < 0.5f ? 1.0f : 0.55f), 0.5f);
    }
    return canvas;
}
