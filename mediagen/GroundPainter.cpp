#include "mediagen/GroundPainter.h"

#include "mediagen/Canvas.h"
#include "mediagen/Random.h"

#include <algorithm>
#include <cmath>

using Ogre::ColourValue;

namespace {

const int grassSize = 512;
const int patchSize = 256;
const ColourValue greenGrass(0.36f, 0.45f, 0.2f);
const ColourValue dryGrass(0.6f, 0.56f, 0.34f);
const ColourValue soil(0.45f, 0.37f, 0.26f);
const int bladeCount = 9000;

} // namespace

GroundPainter::GroundPainter() : noise(11) {}

Canvas GroundPainter::grass() const
{
    Canvas canvas(grassSize, grassSize);
    for (int y = 0; y < grassSize; ++y) {
        for (int x = 0; x < grassSize; ++x) {
            const float dryness = noise.tiledFractal(x / 64.0f, y / 64.0f, grassSize / 64, 4);
            const float bare = noise.tiledFractal(x / 32.0f + 17.0f, y / 32.0f, grassSize / 32, 3);
            const float speckle = noise.tiled(x / 2.0f, y / 2.0f, grassSize / 2);
            const float dry = std::clamp((dryness - 0.35f) * 2.2f, 0.0f, 1.0f);
            ColourValue colour = greenGrass * (1.0f - dry) + dryGrass * dry;
            const float soilShare = std::clamp((bare - 0.62f) * 5.0f, 0.0f, 0.85f);
            colour = colour * (1.0f - soilShare) + soil * soilShare;
            colour *= 0.82f + 0.3f * speckle;
            colour.a = 1.0f;
            canvas.set(x, y, colour);
        }
    }
    // Blades: short strokes, lighter or darker than the ground under them, wrapping at the edges.
    Random random(12);
    for (int i = 0; i < bladeCount; ++i) {
        const float x = random.range(0, grassSize);
        const float y = random.range(0, grassSize);
        const float angle = random.range(-2.4f, -0.7f);
        const float length = random.range(3.0f, 8.0f);
        const ColourValue base = canvas.at(static_cast<int>(x), static_cast<int>(y));
        const ColourValue tint = random.uniform() < 0.5f ? base * 1.3f : base * 0.7f;
        canvas.line(x, y, x + std::cos(angle) * length, y + std::sin(angle) * length, 1.0f, tint, 0.6f);
    }
    return canvas;
}

Canvas GroundPainter::patches() const
{
    Canvas canvas(patchSize, patchSize);
    for (int y = 0; y < patchSize; ++y) {
        for (int x = 0; x < patchSize; ++x) {
            const float light = noise.tiledFractal(x / 32.0f + 40.0f, y / 32.0f, patchSize / 32, 4);
            const float hue = noise.tiledFractal(x / 64.0f, y / 64.0f + 40.0f, patchSize / 64, 3);
            const float level = 0.4f + 0.22f * light;
            canvas.set(x, y, ColourValue(level * (0.95f + 0.15f * hue), level, level * (1.05f - 0.15f * hue)));
        }
    }
    return canvas;
}
