#include "mediagen/WoodPainter.h"

#include "mediagen/Canvas.h"
#include "mediagen/CrackPainter.h"
#include "mediagen/Random.h"

#include <algorithm>
#include <cmath>

using Ogre::ColourValue;

namespace {

const int size = 256;
const int frameWidth = 30;
const ColourValue lightWood(0.8f, 0.64f, 0.42f);
const ColourValue darkWood(0.6f, 0.44f, 0.27f);
const ColourValue deckWood(0.5f, 0.43f, 0.34f);
const ColourValue paint(0.9f, 0.89f, 0.84f);
const ColourValue gap(0.18f, 0.12f, 0.07f);
const ColourValue charred(0.07f, 0.05f, 0.04f);
const ColourValue ember(1.0f, 0.45f, 0.08f);

} // namespace

WoodPainter::WoodPainter() : grain(7) {}

ColourValue WoodPainter::board(const ColourValue& colour, float along, float across, float fromEdge) const
{
    const float g = grain.tiledFractal(along / 32.0f, across / 2.5f, size / 32, 3);
    const float stripes = 0.5f + 0.5f * std::sin(across * 1.7f + g * 9.0f);
    float shade = (0.78f + 0.3f * g) * (0.92f + 0.08f * stripes);
    if (fromEdge < 1.5f)
        shade *= 0.45f + 0.3f * fromEdge; // the dark gap between boards
    ColourValue shaded = colour * shade;
    shaded.a = 1.0f;
    return shaded;
}

void WoodPainter::fill(Canvas& canvas, const Planks& planks) const
{
    Random random(planks.seed);
    const int span = planks.vertical ? planks.right - planks.left : planks.bottom - planks.top;
    const float plankWidth = static_cast<float>(span) / planks.count;
    std::vector<float> tone;
    for (int i = 0; i < planks.count; ++i)
        tone.push_back(random.range(0.82f, 1.08f));
    for (int y = planks.top; y < planks.bottom; ++y) {
        for (int x = planks.left; x < planks.right; ++x) {
            const float along = static_cast<float>(planks.vertical ? y : x);
            const float across = static_cast<float>(planks.vertical ? x - planks.left : y - planks.top);
            const int plank = std::min(planks.count - 1, static_cast<int>(across / plankWidth));
            const float inPlank = across - plank * plankWidth;
            canvas.set(x, y, board(planks.colour * tone[plank], along, across + plank * 27.0f,
                std::min(inPlank, plankWidth - inPlank)));
        }
    }
}

void WoodPainter::brace(Canvas& canvas, float width, const ColourValue& colour) const
{
    // A board from the lower left to the upper right corner, its grain along the board.
    const float inset = frameWidth;
    const float x0 = inset, y0 = size - inset, x1 = size - inset, y1 = inset;
    const float length = std::hypot(x1 - x0, y1 - y0);
    const float dx = (x1 - x0) / length, dy = (y1 - y0) / length;
    for (int y = frameWidth; y < size - frameWidth; ++y) {
        for (int x = frameWidth; x < size - frameWidth; ++x) {
            const float px = x + 0.5f - x0, py = y + 0.5f - y0;
            const float along = px * dx + py * dy;
            const float across = -px * dy + py * dx;
            if (std::fabs(across) <= width * 0.5f)
                canvas.set(x, y, board(colour, along, across + 125.0f, width * 0.5f - std::fabs(across)));
        }
    }
}

void WoodPainter::nail(Canvas& canvas, float x, float y) const
{
    canvas.disc(x, y, 2.6f, ColourValue(0.2f, 0.2f, 0.22f));
    canvas.disc(x - 0.6f, y - 0.6f, 1.0f, ColourValue(0.62f, 0.62f, 0.66f));
}

Canvas WoodPainter::crate(Wear wear) const
{
    Canvas canvas(size, size);
    fill(canvas, {0, 0, size, size, 5, false, lightWood, 11});
    brace(canvas, frameWidth * 0.9f, darkWood * 1.05f);
    fill(canvas, {0, 0, size, frameWidth, 1, false, darkWood, 12});
    fill(canvas, {0, size - frameWidth, size, size, 1, false, darkWood, 13});
    fill(canvas, {0, frameWidth, frameWidth, size - frameWidth, 1, true, darkWood, 14});
    fill(canvas, {size - frameWidth, frameWidth, size, size - frameWidth, 1, true, darkWood, 15});
    for (float a : {frameWidth * 0.5f, size - frameWidth * 0.5f})
        for (float b : {frameWidth * 0.5f, size - frameWidth * 0.5f}) {
            nail(canvas, a - 6, b);
            nail(canvas, a + 6, b);
        }
    // Darkened outer rim so the cube's edges read.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int rim = std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y));
            if (rim < 4)
                canvas.multiply(x, y, 0.55f + 0.1f * rim);
        }
    if (wear == Wear::Intact)
        return canvas;

    Random random(wear == Wear::Cracked ? 21 : 22);
    const CrackPainter cracks(gap * 0.5f, 3.0f);
    for (int i = 0; i < 5; ++i)
        cracks.draw(canvas, random, random.range(40, 216), random.range(40, 216), random.range(0.0f, 6.28f),
            random.range(70, 140));
    // A split plank: a dark hole with a splintered edge.
    for (int y = 100; y < 150; ++y)
        for (int x = 60; x < 190; ++x) {
            const float ragged = grain.tiled(x / 6.0f, y / 20.0f, 64);
            if (std::fabs(y - 125 + 10 * std::sin(x / 15.0f)) < 6 + 10 * ragged)
                canvas.blend(x, y, gap * 0.35f, 0.95f);
        }
    if (wear == Wear::Cracked)
        return canvas;

    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float burn = grain.tiledFractal(x / 40.0f + 3.0f, y / 40.0f, size / 40, 4);
            const float charAmount = std::clamp(0.55f + 1.4f * (burn - 0.45f), 0.6f, 0.97f);
            const ColourValue original = canvas.at(x, y);
            ColourValue c = original * (1.0f - charAmount) + charred * charAmount;
            const float glow = std::clamp((burn - 0.62f) * 6.0f, 0.0f, 1.0f)
                * std::clamp(1.0f - original.r * 2.2f, 0.0f, 1.0f);
            c = c * (1.0f - glow) + ember * glow;
            c.a = 1.0f;
            canvas.set(x, y, c);
        }
    const CrackPainter embers(ember, 2.0f);
    for (int i = 0; i < 6; ++i)
        embers.draw(canvas, random, random.range(30, 226), random.range(30, 226), random.range(0.0f, 6.28f),
            random.range(50, 110));
    return canvas;
}

Canvas WoodPainter::deck() const
{
    Canvas canvas(size, size);
    fill(canvas, {0, 0, size, size, 6, true, deckWood, 31});
    // Bolted cross straps, twice per tile so the repeat is even.
    for (int strap : {size / 4, size * 3 / 4}) {
        canvas.fillRect(0, strap - 5, size, strap + 5, ColourValue(0.3f, 0.3f, 0.3f), 0.85f);
        canvas.fillRect(0, strap + 5, size, strap + 7, ColourValue::Black, 0.35f);
        for (int x = size / 12; x < size; x += size / 6)
            nail(canvas, static_cast<float>(x), static_cast<float>(strap));
    }
    return canvas;
}

Canvas WoodPainter::stand() const
{
    Canvas canvas(size, size);
    fill(canvas, {0, 0, size, size, 4, true, darkWood, 41});
    // Weathered white paint, worn through to the wood in places.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float wear = grain.tiledFractal(x / 24.0f + 9.0f, y / 48.0f, size / 24, 4);
            const float cover = std::clamp((0.62f - wear) * 8.0f, 0.0f, 1.0f);
            const float fleck = 0.9f + 0.1f * grain.tiled(x / 2.0f, y / 2.0f, size / 2);
            canvas.blend(x, y, paint * fleck, cover * 0.92f);
        }
    return canvas;
}
