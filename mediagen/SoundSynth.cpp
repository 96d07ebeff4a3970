#include "mediagen/SoundSynth.h"

#include "common/MediaContract.h"

#include "mediagen/Random.h"

#include <algorithm>
#include <cmath>

namespace {

using Samples = SoundSynth::Samples;

const float pi = 3.14159265f;
const float rate = Media::Sounds::sampleRate;
// Full scale less 1 dB: the loudest that any clip peaks.
const float ceiling = 0.89f;
// Far below every sound: what a one-shot keeps of its lowest notes.
const float offsetCutoff = 20;

int frames(float seconds)
{
    return static_cast<int>(seconds * rate);
}

// Resonant band-pass with 0 dB at its centre; `decay` is the time its ring falls by 1/e.
class Resonator {
public:
    Resonator(float frequency, float decay)
    {
        const float w = 2 * pi * frequency / rate;
        const float alpha = std::sin(w) / (2 * std::max(0.5f, pi * frequency * decay));
        const float a0 = 1 + alpha;
        b0 = alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    float operator()(float x)
    {
        const float y = b0 * (x - x2) - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }

private:
    float b0, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// One-pole low-pass; high-pass is the input minus it.
class LowPass {
public:
    explicit LowPass(float cutoff) : k(1 - std::exp(-2 * pi * cutoff / rate)) {}
    float operator()(float x) { return state += k * (x - state); }

private:
    float k, state = 0;
};

float envelope(int i, float decay)
{
    return std::exp(-i / rate / decay);
}

// A clip's mean is an offset, which thumps as a source starts, stops or fades. A one-shot loses it through
// a one-pole high-pass, whose undershoot its own tail takes in; a loop by subtraction, which keeps the joint.
void centre(Samples& samples)
{
    const float keep = std::exp(-2 * pi * offsetCutoff / rate);
    float input = 0, output = 0;
    for (float& s : samples) {
        output = s - input + keep * output;
        input = s;
        s = output;
    }
}

void centreLoop(Samples& samples)
{
    double sum = 0;
    for (float s : samples)
        sum += s;
    const float mean = static_cast<float>(sum / samples.size());
    for (float& s : samples)
        s -= mean;
}

void normalise(Samples& samples, float peak)
{
    float loudest = 0;
    for (float s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (float& s : samples)
            s *= peak / loudest;
}

// A one-shot, centred and peaking at `peak`.
void finish(Samples& samples, float peak)
{
    centre(samples);
    normalise(samples, peak);
}

// To true silence over the last `seconds`, so that a clip never ends on a step.
void fadeOut(Samples& samples, float seconds)
{
    const int length = std::min<int>(frames(seconds), static_cast<int>(samples.size()));
    for (int i = 0; i < length; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / length;
}

struct Mode {
    float frequency, decay, gain;
};

// A short noise burst at `start` rung through a set of modes, added into `out`.
void strike(Samples& out, int start, const std::vector<Mode>& modes, float gain, float burst, Random& random)
{
    std::vector<Resonator> resonators;
    for (const Mode& mode : modes)
        resonators.emplace_back(mode.frequency, mode.decay);
    float longest = 0;
    for (const Mode& mode : modes)
        longest = std::max(longest, mode.decay);
    const int length = std::min<int>(frames(burst + 6 * longest), static_cast<int>(out.size()) - start);
    for (int i = 0; i < length; ++i) {
        const float excitation = i < frames(burst) ? random.range(-1, 1) : 0;
        float sum = 0;
        for (std::size_t m = 0; m < modes.size(); ++m)
            sum += modes[m].gain * resonators[m](excitation);
        out[start + i] += gain * sum;
    }
}

std::vector<Mode> woodModes(bool board, float shift)
{
    if (board)
        return {{620 * shift, 0.030f, 1}, {1350 * shift, 0.020f, 0.8f}, {2300 * shift, 0.012f, 0.6f},
            {3700 * shift, 0.008f, 0.4f}};
    return {{180 * shift, 0.060f, 1}, {420 * shift, 0.045f, 0.8f}, {730 * shift, 0.030f, 0.6f},
        {1150 * shift, 0.020f, 0.5f}};
}

} // namespace

Samples SoundSynth::shot(int variant) const
{
    Random random(101 + variant);
    Samples out(frames(0.6f));
    Resonator body(random.range(900, 1150), 0.006f);
    const float tailCutoff = random.range(500, 800);
    LowPass crackSmooth(3000), tailTone(tailCutoff), tailDarker(tailCutoff);
    const float muzzle = random.range(135, 165);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = i / rate;
        const float noise = random.range(-1, 1);
        const float crack = i < static_cast<std::size_t>(frames(0.0015f)) ? noise - crackSmooth(noise) : 0;
        const float thump = std::sin(2 * pi * muzzle * t) * envelope(i, 0.03f);
        const float bodyNoise = body(noise) * 4 * envelope(i, 0.04f);
        const float tail = tailDarker(tailTone(noise)) * 0.25f * envelope(i, 0.2f) * std::min(1.0f, t / 0.01f);
        out[i] = std::tanh(2.0f * (1.5f * crack + 0.9f * thump + bodyNoise + 3 * tail));
    }
    fadeOut(out, 0.1f);
    finish(out, ceiling);
    return out;
}

Samples SoundSynth::emptyClick() const
{
    Random random(7);
    Samples out(frames(0.06f));
    strike(out, 0, {{3200, 0.004f, 1}}, 1, 0.001f, random);
    strike(out, frames(0.010f), {{5500, 0.003f, 1}}, 0.7f, 0.001f, random);
    finish(out, 0.5f);
    return out;
}

Samples SoundSynth::magazineOut() const
{
    Random random(11);
    Samples out(frames(0.3f));
    // A scrape from 1 to 3 kHz: the band-pass's skirts trimmed above.
    Resonator band(1800, 0.0008f);
    LowPass trim(3000), trimMore(3000);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = i / rate;
        const float swell = std::sin(pi * std::min(1.0f, t / 0.22f));
        out[i] = trimMore(trim(band(random.range(-1, 1)))) * swell * swell;
    }
    strike(out, frames(0.22f), {{2600, 0.006f, 1}, {4100, 0.004f, 0.6f}}, 0.6f, 0.001f, random);
    finish(out, 0.45f);
    return out;
}

Samples SoundSynth::magazineIn() const
{
    Random random(13);
    Samples out(frames(0.25f));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = std::sin(2 * pi * 120 * i / rate) * envelope(i, 0.03f);
    strike(out, frames(0.004f), {{2700, 0.008f, 1}, {1800, 0.010f, 0.7f}}, 1.2f, 0.0015f, random);
    finish(out, 0.7f);
    return out;
}

Samples SoundSynth::bolt() const
{
    Random random(17);
    Samples out(frames(0.35f));
    const std::vector<Mode> metal = {{1800, 0.012f, 0.8f}, {2700, 0.010f, 1}, {4100, 0.007f, 0.7f}};
    strike(out, 0, metal, 1, 0.0015f, random);
    strike(out, frames(0.13f), metal, 1.3f, 0.0015f, random);
    finish(out, 0.7f);
    return out;
}

Samples SoundSynth::hit(bool board, int variant) const
{
    Random random(board ? 200 + variant : 300 + variant);
    Samples out(frames(0.3f));
    strike(out, 0, woodModes(board, random.range(0.92f, 1.08f)), 1, 0.002f, random);
    finish(out, 0.8f);
    return out;
}

Samples SoundSynth::crack(bool board) const
{
    Random random(board ? 401 : 501);
    Samples out(frames(0.5f));
    const int clicks = 30;
    for (int c = 0; c < clicks; ++c) {
        const float at = 0.25f * std::pow(random.uniform(), 1.5f);
        strike(out, frames(at), woodModes(board, random.range(0.9f, 1.3f)), random.range(0.2f, 1), 0.0005f, random);
    }
    finish(out, 0.8f);
    return out;
}

Samples SoundSynth::breakApart(bool board) const
{
    Random random(board ? 601 : 701);
    Samples out(frames(0.8f));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = 0.6f * std::sin(2 * pi * (board ? 90 : 70) * i / rate) * envelope(i, 0.08f);
    const int clicks = 55;
    for (int c = 0; c < clicks; ++c) {
        const float at = 0.4f * std::pow(random.uniform(), 2.0f);
        strike(out, frames(at), woodModes(board, random.range(0.8f, 1.4f)), random.range(0.2f, 1), 0.0008f, random);
    }
    finish(out, ceiling);
    return out;
}

Samples SoundSynth::stepOff() const
{
    Random random(29);
    Samples out(frames(0.4f));
    // Both boots, one a moment after the other: a low thud each and the grit crunching under it.
    const struct {
        float at, strength;
    } boots[] = {{0, 1}, {0.055f, 0.6f}};
    for (const auto& boot : boots) {
        LowPass grit(1500), gritDarker(1500);
        for (int i = 0, start = frames(boot.at); start + i < static_cast<int>(out.size()); ++i) {
            const float t = i / rate;
            const float thud = std::sin(2 * pi * 70 * t) * envelope(i, 0.03f);
            const float crunch = 1.5f * gritDarker(grit(random.range(-1, 1))) * envelope(i, 0.04f) * std::min(1.0f, t / 0.002f);
            out[start + i] += boot.strength * (thud + crunch);
        }
    }
    finish(out, 0.7f);
    return out;
}

Samples SoundSynth::engine() const
{
    // 1350 rpm, four cylinders: the crank turns 22.5 times and the cylinders fire 45 times a second.
    const float crankRate = 22.5f;
    const int firingsPerCrankTurn = 2;
    const int crankTurns = 45;
    Random random(23);
    Samples out(frames(crankTurns / crankRate));
    const int length = static_cast<int>(out.size());
    const float firingInterval = 1 / (crankRate * firingsPerCrankTurn);
    // Each firing rings the exhaust; rings near the end wrap round to the start, so the loop is seamless.
    for (int firing = 0; firing < crankTurns * firingsPerCrankTurn; ++firing) {
        const float at = (firing + random.range(-0.05f, 0.05f)) * firingInterval;
        const float strength = random.range(0.85f, 1.15f) * (firing % 2 ? 0.8f : 1.0f);
        const float exhaust = random.range(140, 160);
        for (int i = 0; i < frames(0.12f); ++i) {
            const float t = i / rate;
            const float ring = std::sin(2 * pi * exhaust * t) * envelope(i, 0.012f)
                + 0.8f * std::sin(2 * pi * 2 * crankRate * 1.5f * t) * envelope(i, 0.03f);
            out[(frames(at) + i + length) % length] += strength * ring;
        }
    }
    // Intake hiss, filtered twice round the loop so its start follows on from its end.
    Samples noise(out.size()), hiss(out.size());
    for (float& n : noise)
        n = random.range(-1, 1);
    LowPass smooth(400);
    Resonator intake(300, 0.002f);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < length; ++i)
            hiss[i] = smooth(intake(noise[i]));
    normalise(hiss, 0.1f);
    LowPass body(400);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < length; ++i) {
            const float crank = 0.85f + 0.15f * std::sin(2 * pi * crankRate * i / rate);
            const float value = body(out[i]);
            if (pass == 1)
                out[i] = crank * value + hiss[i];
        }
    centreLoop(out);
    normalise(out, 0.8f);
    return out;
}
