#include "mediagen/TargetPainter.h"

#include "mediagen/Canvas.h"
#include "mediagen/CrackPainter.h"
#include "mediagen/Random.h"

#include <algorithm>
#include <cmath>

using Ogre::ColourValue;

namespace {

const int size = 256;
const float centre = size * 0.5f;
const ColourValue white(0.95f, 0.94f, 0.9f);
const ColourValue red(0.78f, 0.1f, 0.08f);
const ColourValue ink(0.12f, 0.1f, 0.1f);
const ColourValue wood(0.72f, 0.56f, 0.36f);
const ColourValue soot(0.06f, 0.05f, 0.045f);
const int ringCount = 6; // from the rim inwards, white and red in turn; the innermost is the red bull

} // namespace

TargetPainter::TargetPainter() : paper(3) {}

Canvas TargetPainter::face(Wear wear) const
{
    Canvas canvas(size, size, white);
    const float ringWidth = centre / ringCount;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float radius = std::hypot(x + 0.5f - centre, y + 0.5f - centre);
            const int ring = std::min(ringCount - 1, static_cast<int>((centre - radius) / ringWidth));
            const bool isRed = ring % 2 == 1;
            ColourValue colour = isRed ? red : white;
            const float boundary = std::fabs(std::fmod(centre - radius, ringWidth));
            if (radius < centre && (boundary < 1.0f || ringWidth - boundary < 1.0f))
                colour = ink;
            if (radius >= centre - 3.0f)
                colour = ink;
            colour *= 0.9f + 0.1f * paper.tiledFractal(x / 8.0f, y / 8.0f, size / 8, 3);
            colour.a = 1.0f;
            canvas.set(x, y, colour);
        }
    }
    if (wear == Wear::Cracked)
        crack(canvas, 51, 5);
    if (wear == Wear::Perished) {
        crack(canvas, 52, 8);
        scorch(canvas);
    }
    return canvas;
}

void TargetPainter::crack(Canvas& canvas, unsigned seed, int count) const
{
    Random random(seed);
    const CrackPainter cracks(ink, 3.0f);
    for (int i = 0; i < count; ++i) {
        const float angle = random.range(0.0f, 6.28f);
        const float start = random.range(5.0f, 30.0f);
        cracks.draw(canvas, random, centre + std::cos(angle) * start, centre + std::sin(angle) * start, angle,
            random.range(60.0f, 110.0f));
    }
    // Chips of paint knocked off, showing the wood.
    for (int i = 0; i < count * 3; ++i)
        canvas.disc(random.range(30, 226), random.range(30, 226), random.range(2.0f, 5.0f), wood, 0.9f);
}

void TargetPainter::scorch(Canvas& canvas) const
{
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float radius = std::hypot(x + 0.5f - centre, y + 0.5f - centre) / centre;
            const float burn = paper.tiledFractal(x / 30.0f + 5.0f, y / 30.0f, size / 30, 4);
            const float amount = std::clamp(0.35f + 0.9f * (burn - 0.4f) + 0.35f * (1.0f - radius), 0.2f, 0.95f);
            canvas.blend(x, y, soot, amount);
            // Broken through: holes with glowing, burnt rims.
            if (burn > 0.66f)
                canvas.blend(x, y, ColourValue(0.02f, 0.02f, 0.02f), 1.0f);
            else if (burn > 0.62f)
                canvas.blend(x, y, ColourValue(0.45f, 0.16f, 0.05f), 0.8f);
        }
    }
}
