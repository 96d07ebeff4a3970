#include "mediagen/SkyPainter.h"

#include "mediagen/Canvas.h"

#include <algorithm>
#include <cmath>

using Ogre::ColourValue;
using Ogre::Vector3;

namespace {

const int size = 256;
const ColourValue zenith(0.36f, 0.56f, 0.86f);
const ColourValue horizon(0.78f, 0.84f, 0.88f);
const ColourValue haze(0.74f, 0.78f, 0.78f); // the fog colour of the world materials, the ground's included
const float hazeTop = 0.03f; // elevation up to which the sky is all haze
const ColourValue cloud(0.97f, 0.97f, 0.98f);
const ColourValue cloudShade(0.74f, 0.78f, 0.84f);
const Vector3 towardsSun = Vector3(-0.4f, 1.0f, 0.0f).normalisedCopy(); // against the light's direction

// The engine loads the six pictures as one cube map, in this order, and looks the sky box up with the
// view direction's z turned round. Each face gives the direction at a point (s, t) from -1 to 1,
// s to the right and t down the picture.
Vector3 lookupDirection(int face, float s, float t)
{
    switch (face) {
    case 0: return Vector3(1, -t, -s);  // _rt
    case 1: return Vector3(-1, -t, s);  // _lf
    case 2: return Vector3(s, 1, t);    // _up
    case 3: return Vector3(s, -1, -t);  // _dn
    case 4: return Vector3(s, -t, 1);   // _fr
    default: return Vector3(-s, -t, -1); // _bk
    }
}

float smoothstep(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace

const char* const SkyPainter::faceSuffixes[6] = {"_rt", "_lf", "_up", "_dn", "_fr", "_bk"};

SkyPainter::SkyPainter() : clouds(5) {}

ColourValue SkyPainter::colourTowards(const Vector3& direction) const
{
    const float elevation = direction.y;
    // Below the horizon and just above it, where the ground and the things on it fade out before
    // the far clip, the sky is the haze itself.
    if (elevation < hazeTop)
        return haze;
    ColourValue sky = zenith + (horizon - zenith) * std::pow(1.0f - elevation, 3.0f);
    sky = haze + (sky - haze) * smoothstep(hazeTop, hazeTop + 0.15f, elevation);
    // Clouds on a flat layer overhead, thinning out towards the horizon.
    const float reach = 1.0f / std::max(elevation, 0.08f);
    const float u = direction.x * reach * 1.4f;
    const float v = direction.z * reach * 1.4f;
    const float density = clouds.solidFractal(u, v, 0.5f, 5);
    const float cover = smoothstep(0.5f, 0.7f, density) * smoothstep(0.04f, 0.3f, elevation);
    const float shade = smoothstep(0.55f, 0.85f, clouds.solidFractal(u + 0.15f, v + 0.1f, 0.5f, 4));
    const ColourValue cloudColour = cloud + (cloudShade - cloud) * shade;
    sky = sky * (1.0f - cover * 0.9f) + cloudColour * (cover * 0.9f);
    const float sun = std::max(0.0f, direction.dotProduct(towardsSun));
    sky += ColourValue(1.0f, 0.95f, 0.8f) * (0.5f * std::pow(sun, 200.0f) + 0.18f * std::pow(sun, 12.0f));
    sky.a = 1.0f;
    return sky;
}

Canvas SkyPainter::face(int index) const
{
    Canvas canvas(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Vector3 lookup = lookupDirection(index, (x + 0.5f) / size * 2.0f - 1.0f, (y + 0.5f) / size * 2.0f - 1.0f);
            const Vector3 view(lookup.x, lookup.y, -lookup.z);
            canvas.set(x, y, colourTowards(view.normalisedCopy()));
        }
    }
    return canvas;
}
