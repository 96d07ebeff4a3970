#include "mediagen/CrackPainter.h"

#include "mediagen/Canvas.h"
#include "mediagen/Random.h"

#include <cmath>

namespace {

const float segmentLength = 6.0f;
const int maxDepth = 3;

} // namespace

CrackPainter::CrackPainter(const Ogre::ColourValue& colour, float width) : colour(colour), width(width) {}

void CrackPainter::draw(Canvas& canvas, Random& random, float x, float y, float heading, float length) const
{
    branch(canvas, random, x, y, heading, length, width, 0);
}

void CrackPainter::branch(Canvas& canvas, Random& random, float x, float y, float heading, float length,
    float lineWidth, int depth) const
{
    for (float travelled = 0.0f; travelled < length; travelled += segmentLength) {
        heading += random.range(-0.5f, 0.5f);
        const float nx = x + std::cos(heading) * segmentLength;
        const float ny = y + std::sin(heading) * segmentLength;
        const float taper = 1.0f - 0.7f * travelled / length;
        canvas.line(x + 1.0f, y + 1.0f, nx + 1.0f, ny + 1.0f, lineWidth * taper, Ogre::ColourValue(1, 1, 1), 0.25f);
        canvas.line(x, y, nx, ny, lineWidth * taper, colour);
        if (depth < maxDepth && random.uniform() < 0.12f) {
            const float side = random.uniform() < 0.5f ? -1.0f : 1.0f;
            branch(canvas, random, nx, ny, heading + side * random.range(0.5f, 1.1f), (length - travelled) * 0.5f,
                lineWidth * taper * 0.7f, depth + 1);
        }
        x = nx;
        y = ny;
    }
}
