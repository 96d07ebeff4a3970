// What the player hears, mixed on OpenAL Soft's loopback device: no sound card, exact to the sample; and the
// sound files it is made of.
#include "platform/DeprecatedPose.h"
#include "sound/AudioDevice.h"
#include "sound/GameSound.h"
#include "sound/SoundStage.h"
#include "sound/WaveFile.h"
#include "targets/Crate.h"
#include "tests/headless/SoldierRig.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace {

const int rate = Media::Sounds::sampleRate;

enum Channel { Left, Right, Both };

// Left and right, interleaved as rendered.
using Heard = std::vector<float>;

// Over [from, to) seconds.
float peak(const Heard& heard, float from, float to, Channel only = Both)
{
    float loudest = 0;
    for (int i = 2 * int(from * rate); i < std::min<int>(2 * int(to * rate), int(heard.size())); ++i)
        if (only == Both || i % 2 == only)
            loudest = std::max(loudest, std::abs(heard[i]));
    return loudest;
}

float rms(const Heard& heard, float from, float to)
{
    double sum = 0;
    const int first = 2 * int(from * rate), last = std::min<int>(2 * int(to * rate), int(heard.size()));
    for (int i = first; i < last; ++i)
        sum += heard[i] * heard[i];
    return float(std::sqrt(sum / std::max(1, last - first)));
}

// The game's sound, counting the pulls of the trigger on an empty magazine and the bolts closed.
struct CountingSound : GameSound {
    using GameSound::GameSound;
    int clicks = 0, bolts = 0;
    void dryFired() override { ++clicks, GameSound::dryFired(); }
    void reloadReached(ReloadPoint point) override { bolts += point == MagazineHome, GameSound::reloadReached(point); }
};

// The soldier's rig with the game's sound told what he does, as the game wires it; the truck's engine plays
// from a node of its own 300 units away.
struct Ear {
    SoldierRig rig;
    Ogre::SceneNode* truck = rig.scene->getRootSceneNode()->createChildSceneNode(Ogre::Vector3(0, 0, 300));
    std::unique_ptr<AudioDevice> device = AudioDevice::openLoopback();
    SoundBank bank;
    SoundStage stage{bank};
    CountingSound sound{&stage, rig.camera, truck};

    Ear() { rig.soldier.setEventListener(&sound); }
    // One game frame of dt with the sound's look at it, and the sound of that frame.
    Heard frame(float dt)
    {
        rig.frames(1, dt, true);
        sound.frameRenderingQueued({});
        return hear(dt);
    }
    Heard hear(float seconds)
    {
        Heard heard(2 * std::size_t(seconds * rate));
        device->render(heard.data(), int(heard.size() / 2));
        return heard;
    }
    void lookFrom(const Ogre::Vector3& camera, const Ogre::Vector3& direction)
    {
        DeprecatedPose::setPosition(rig.camera, camera);
        DeprecatedPose::setDirection(rig.camera, direction);
        sound.frameRenderingQueued({});
    }
};

} // namespace

// Thirty rounds of automatic fire, each heard starting at full strength within a millisecond over what still
// rings of the last; then the trigger pulled on the empty magazine, a short click and nothing after it; and the
// truck's engine plays on under it all. The last round pulled for on its own clicks not.
TEST(Sound, ABurstOfThirtyRoundsThenTheEmptyClickOverTheEngine)
{
    Ear ear;
    ear.rig.soldier.aim(true);
    for (int frame = 0; frame < 20; ++frame)
        ear.frame(0.05f);
    const float engine = rms(ear.hear(0.5f), 0, 0.5f);
    int onsets = 0;
    float ringing = peak(ear.hear(0.05f), 0.045f, 0.05f);
    ear.rig.soldier.fire(true);
    for (int frame = 0; frame < 200 && ear.rig.hud.magazine > 0; ++frame) {
        const Heard heard = ear.frame(0.05f);
        onsets += peak(heard, 0, 0.001f) > std::max(4 * ringing, 0.5f * peak(heard, 0, 0.05f));
        ringing = peak(heard, 0.045f, 0.05f);
    }
    EXPECT_EQ(onsets, 30);
    ear.rig.soldier.fire(false), ear.hear(1);
    ear.rig.soldier.fire(true);
    const Heard click = ear.frame(0.1f);
    EXPECT_GT(peak(click, 0, 0.015f), 5 * engine);
    EXPECT_LT(rms(click, 0.03f, 0.1f), 1.5f * engine);
    EXPECT_TRUE(ear.stage.enginePlaying());
    const float after = rms(ear.hear(0.5f), 0, 0.5f);
    EXPECT_TRUE(after > 0.5f * engine && after < 2 * engine) << after / engine;
    // The last round, pulled for on its own, fires without a click.
    ear.rig.soldier.fire(false), ear.rig.hud.magazine = 1, ear.rig.soldier.fire(true);
    EXPECT_TRUE(ear.rig.hud.magazine == 0 && ear.sound.clicks == 1) << ear.sound.clicks;
}

// What is heard follows what is seen, a frame of 0.1 s a letter: x where a sound starts, - while it goes on. The
// first reload, standing, in three parts; stepping off; a reload while walking, which refills at once and plays no
// animation, heard once as R is pressed and never again, not as the rifle is next raised and lowered either; one
// pressed in the frame the lowering ends, which plays none either; then a reload standing, heard as the first.
TEST(Sound, EveryReloadIsHeardAsItIsSeenAndOnlyThen)
{
    Ear ear;
    Soldier& soldier = ear.rig.soldier;
    soldier.setTruckNode(ear.rig.scene->getRootSceneNode()), soldier.setRiding(true);
    const float engine = rms(ear.frame(0.5f), 0, 0.5f);
    bool loud = false;
    const auto starts = [&](int frames, const std::function<void()>& first, const std::function<void()>& every = [] {}) {
        std::string heard;
        for (int frame = 0; frame < frames; ++frame) {
            frame ? every() : (first(), every());
            const bool wasLoud = loud;
            loud = rms(ear.frame(0.1f), 0, 0.1f) > 10 * engine;
            heard += loud ? (wasLoud ? '-' : 'x') : '.';
        }
        return heard;
    };
    const auto reload = [&] { soldier.reload(); };
    const std::string once = "x" + std::string(29, '.'), reloadStanding = starts(30, reload);
    EXPECT_EQ(reloadStanding, "x-......x.....x-..............");
    EXPECT_EQ(starts(5, [&] { soldier.setRiding(false); }), "x-...");
    EXPECT_EQ(starts(30, reload, [&] { soldier.move(3); }), once);
    EXPECT_EQ(starts(20, [&] { soldier.aim(true); }), std::string(20, '.'));
    soldier.aim(false);
    while (soldier.isUpperBodyBusy())
        EXPECT_EQ(starts(1, [] {}), ".");
    EXPECT_EQ(starts(30, reload), once);
    EXPECT_EQ(starts(30, reload), reloadStanding);
    // The bolt closes in the frame that brings the magazine home at exactly 1.8, as the count shows again.
    const int bolts = ear.sound.bolts;
    soldier.reload(), ear.frame(0.1f), ear.rig.shootAnimation()->setTimePosition(1.75f), ear.frame(0.1f);
    EXPECT_TRUE(ear.rig.shown("Magazine") && ear.sound.bolts == bolts + 1) << ear.sound.bolts - bolts;
}

// A hit sounds where it lands: from the left when it lands on the camera's left, whichever way the camera faces,
// and faint but there from 300 units away against 30. The level, one of the test's own, tells of it: here a target
// grazed at the edge of its radius. A crate of the test's own: the hit that first cracks it and the one that destroys
// it ring on after the hit has died away, and no other does.
TEST(Sound, HitsSoundFromWhereTheyLandCracksAndBreaksRingOn)
{
    Ear ear;
    Level* level = newLevel(ear.rig.scene);
    level->setEventListener(&ear.sound);
    const Ogre::Vector3 edge = level->getTargets().at(36)->getCenter() + Ogre::Vector3(0, 13.49f, 0);
    const auto peakOfHitHeardFrom = [&](const Ogre::Vector3& offset, const Ogre::Vector3& facing) {
        ear.lookFrom(edge + offset, facing), ear.hear(0.5f);
        level->hitNearestTarget(edge);
        const Heard hit = ear.hear(0.2f);
        EXPECT_GT(peak(hit, 0, 0.2f, Left), 3 * peak(hit, 0, 0.2f, Right)) << offset;
        return peak(hit, 0, 0.2f);
    };
    // Near, facing +X with the point on the -Z side; far, facing -Z with it on the -X side.
    const float near = peakOfHitHeardFrom({0, 0, 30}, Ogre::Vector3::UNIT_X);
    const float far = peakOfHitHeardFrom({300, 0, 0}, Ogre::Vector3::NEGATIVE_UNIT_Z);
    EXPECT_LT(far, 0.3f * near);
    EXPECT_GT(far, 0.03f * near);

    Crate crate(ear.rig.scene, 0, 8, 0);
    crate.setEventListener(&ear.sound), ear.lookFrom(Ogre::Vector3(30, 8, 0), Ogre::Vector3::NEGATIVE_UNIT_Z);
    const float quiet = rms(ear.hear(0.5f), 0.15f, 0.4f);
    // Health 70: at exactly half still intact, then cracked, and cracked further without a sound; at exactly zero
    // still cracked, then destroyed.
    std::string rings;
    for (const Ogre::Real distance : {0.0f, 0.0f, 5.5f, 12.0f, 12.0f, 0.0f, 0.0f, 8.5f, 0.0f}) {
        crate.hit(distance);
        rings += rms(ear.hear(0.5f), 0.15f, 0.4f) > 3 * quiet ? 'x' : '.';
    }
    EXPECT_EQ(rings, "...x....x");
}

// Every clip of the game's is centred and peaks at -1 dBFS or below; the engine's loop joins its end to its start
// without a step. Damaged or foreign files are refused.
TEST(SoundFile, EveryClipIsCentredKeepsHeadroomTheEngineLoopsWithoutAStepAndDamagedFilesAreRefused)
{
    headlessScene();
    const SoundBank bank;
    const double fullScale = 32768;
    for (int clip = 0; clip < Media::Sounds::ClipCount; ++clip) {
        const std::vector<std::int16_t>& samples = bank.samples(static_cast<Media::Sounds::Clip>(clip));
        const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
        EXPECT_LE(std::abs(std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size()), 0.001 * fullScale)
            << Media::Sounds::files[clip];
        EXPECT_LE(std::max(-*low, int(*high)), std::pow(10, -1 / 20.0) * fullScale) << Media::Sounds::files[clip];
    }
    const std::vector<std::int16_t>& engine = bank.samples(Media::Sounds::Engine);
    double steps = 0;
    for (std::size_t i = 1; i < engine.size(); ++i)
        steps += std::pow(engine[i] - engine[i - 1], 2);
    EXPECT_LT(std::abs(engine.front() - engine.back()), 3 * std::sqrt(steps / engine.size()));

    // Damaged or foreign sound files, each refused for what is wrong with it and naming the file; each read from a
    // block of exactly its length, so that the sanitizer build sees any read past its end.
    // Mono, 16-bit, 48 kHz: 36 bytes of header, then a data chunk of four samples.
    const std::string good = std::string("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x80\xbb\0\0\0\x77\1\0\2\0\x10\0data\x08\0\0\0", 44)
        + std::string(8, '\x11');
    const auto with = [&](std::size_t at, const std::string& bytes) { return std::string(good).replace(at, bytes.size(), bytes); };
    const std::string all = "\xff\xff\xff\xff";
    const struct { std::string bytes, why; } files[] = {
        {"", "not a RIFF WAVE"}, {good.substr(0, 30), "RIFF size"}, {good.substr(0, 50), "RIFF size"}, {with(4, all), "RIFF size"},
        {with(4, "\x1e").substr(0, 38), "no data chunk"}, {with(16, all), "'fmt ' runs past the end"},
        {with(40, all), "'data' runs past the end"}, {with(40, "\x0a"), "'data' runs past the end"},
        {with(16, "\x0e"), "format chunk too short"}, {with(22, "\x02"), "not mono 16-bit PCM at 48000 Hz"},
        {with(34, "\x08"), "not mono"}, {with(24, "\x44\xac"), "not mono"}, {with(20, "\x03"), "not mono"},
        {with(36, "junk"), "no data chunk"}, {good.substr(0, 12) + good.substr(36) + good.substr(12, 24), "data before the format"},
        {with(40, "\x07"), "no whole samples"},
    };
    const auto decode = [](const std::string& bytes) {
        const std::vector<char> exact(bytes.begin(), bytes.end());
        return WaveFile::decode("sound/damaged.wav", std::string_view(exact.data(), exact.size()));
    };
    EXPECT_EQ(decode(good), std::vector<std::int16_t>(4, 0x1111));
    for (const auto& file : files) {
        try {
            decode(file.bytes);
            ADD_FAILURE() << "accepted: " << file.why;
        } catch (const std::runtime_error& error) {
            const std::string said = error.what();
            EXPECT_TRUE(said.rfind("sound file 'sound/damaged.wav' is corrupt: ", 0) == 0 && said.find(file.why) != said.npos) << said;
        }
    }
}
