#include "mediagen/Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, const Ogre::ColourValue& background)
    : columns(width), rows(height), pixels(static_cast<size_t>(width) * height, background)
{
}

int Canvas::index(int x, int y) const
{
    x %= columns;
    y %= rows;
    if (x < 0)
        x += columns;
    if (y < 0)
        y += rows;
    return y * columns + x;
}

const Ogre::ColourValue& Canvas::at(int x, int y) const
{
    return pixels[index(x, y)];
}

void Canvas::set(int x, int y, const Ogre::ColourValue& colour)
{
    pixels[index(x, y)] = colour;
}

void Canvas::blend(int x, int y, const Ogre::ColourValue& colour, float amount)
{
    Ogre::ColourValue& pixel = pixels[index(x, y)];
    amount = std::clamp(amount, 0.0f, 1.0f);
    pixel = pixel * (1.0f - amount) + colour * amount;
}

void Canvas::multiply(int x, int y, float factor)
{
    Ogre::ColourValue& pixel = pixels[index(x, y)];
    const float alpha = pixel.a;
    pixel *= factor;
    pixel.a = alpha;
}

void Canvas::fillRect(int left, int top, int right, int bottom, const Ogre::ColourValue& colour, float amount)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            blend(x, y, colour, amount);
}

void Canvas::line(float x0, float y0, float x1, float y1, float width, const Ogre::ColourValue& colour, float amount)
{
    const float half = width * 0.5f;
    const int left = static_cast<int>(std::floor(std::min(x0, x1) - half - 1));
    const int right = static_cast<int>(std::ceil(std::max(x0, x1) + half + 1));
    const int top = static_cast<int>(std::floor(std::min(y0, y1) - half - 1));
    const int bottom = static_cast<int>(std::ceil(std::max(y0, y1) + half + 1));
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float lengthSquared = std::max(dx * dx + dy * dy, 1e-6f);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const float px = x + 0.5f - x0;
            const float py = y + 0.5f - y0;
            const float t = std::clamp((px * dx + py * dy) / lengthSquared, 0.0f, 1.0f);
            const float distance = std::hypot(px - t * dx, py - t * dy);
            const float cover = std::clamp(half + 0.5f - distance, 0.0f, 1.0f);
            if (cover > 0.0f)
                blend(x, y, colour, cover * amount);
        }
    }
}

void Canvas::disc(float cx, float cy, float radius, const Ogre::ColourValue& colour, float amount)
{
    line(cx, cy, cx, cy, radius * 2.0f, colour, amount);
}

Ogre::Image Canvas::toImage(bool withAlpha) const
{
    Ogre::Image image(withAlpha ? Ogre::PF_BYTE_RGBA : Ogre::PF_BYTE_RGB, columns, rows);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            Ogre::ColourValue colour = at(x, y);
            colour.saturate();
            image.setColourAt(colour, x, y, 0);
        }
    }
    return image;
}
