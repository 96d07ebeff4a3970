#include "mediagen/Noise.h"

#include <cmath>

namespace {

float smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

float mix(float a, float b, float t)
{
    return a + (b - a) * t;
}

int wrap(int value, int period)
{
    int r = value % period;
    return r < 0 ? r + period : r;
}

// Octaves, each twice the frequency and half the weight of the one before, normalised to [0, 1].
template <typename Sample>
float fractal(int octaves, const Sample& sample)
{
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    float scale = 1.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * sample(scale);
        total += weight;
        scale *= 2.0f;
        weight *= 0.5f;
    }
    return sum / total;
}

} // namespace

Noise::Noise(std::uint32_t seed) : seed(seed) {}

float Noise::lattice(int x, int y, int z) const
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h = (h << 17) | (h >> 15);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

float Noise::tiled(float x, float y, int period) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = wrap(static_cast<int>(fx), period);
    const int y0 = wrap(static_cast<int>(fy), period);
    const int x1 = wrap(x0 + 1, period);
    const int y1 = wrap(y0 + 1, period);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    return mix(mix(lattice(x0, y0, 0), lattice(x1, y0, 0), tx), mix(lattice(x0, y1, 0), lattice(x1, y1, 0), tx), ty);
}

float Noise::tiledFractal(float x, float y, int period, int octaves) const
{
    return fractal(octaves, [&](float scale) {
        return tiled(x * scale, y * scale, period * static_cast<int>(scale));
    });
}

float Noise::solid(float x, float y, float z) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const float fz = std::floor(z);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const int iz = static_cast<int>(fz);
    const float tx = smooth(x - fx);
    const float ty = smooth(y - fy);
    const float tz = smooth(z - fz);
    auto plane = [&](int zz) {
        return mix(mix(lattice(ix, iy, zz), lattice(ix + 1, iy, zz), tx),
            mix(lattice(ix, iy + 1, zz), lattice(ix + 1, iy + 1, zz), tx), ty);
    };
    return mix(plane(iz), plane(iz + 1), tz);
}

float Noise::solidFractal(float x, float y, float z, int octaves) const
{
    return fractal(octaves, [&](float scale) { return solid(x * scale, y * scale, z * scale); });
}
