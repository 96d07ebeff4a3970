// What the player hears, mixed on OpenAL Soft's loopback device: no sound card, exact to the sample.
#include "platform/DeprecatedPose.h"
#include "sound/AudioDevice.h"
#include "sound/SoundFrameListener.h"
#include "sound/SoundStage.h"
#include "targets/MeshTarget.h"
#include "tests/headless/SoldierRig.h"
#include "world/Level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

const int rate = Media::Sounds::sampleRate;

// Left and right, as rendered.
struct Heard {
    std::vector<float> left, right;
    // Over [from, to) seconds, both channels, or one.
    float peak(float from, float to, const std::vector<float>* only = nullptr) const
    {
        float loudest = 0;
        for (const auto* channel : {&left, &right})
            if (!only || only == channel)
                for (int i = int(from * rate); i < std::min<int>(int(to * rate), int(channel->size())); ++i)
                    loudest = std::max(loudest, std::abs((*channel)[i]));
        return loudest;
    }
    float rms(float from, float to) const
    {
        double sum = 0;
        const int first = int(from * rate), last = std::min<int>(int(to * rate), int(left.size()));
        for (int i = first; i < last; ++i)
            sum += left[i] * left[i] + right[i] * right[i];
        return float(std::sqrt(sum / (2 * std::max(1, last - first))));
    }
};

// The soldier's rig with the game's sound beside it, as the game wires it.
struct Ear {
    SoldierRig rig;
    // The HUD's elements are the engine's, shared by every rig: shown as this rig's HUD has them before
    // the listener first looks, so that an earlier test's reload is not heard ending here.
    const bool hudShown = (rig.frames(1, 0, true), true);
    std::unique_ptr<AudioDevice> device = AudioDevice::openLoopback();
    SoundBank bank;
    SoundStage stage{bank};
    SoundFrameListener listener{&stage, &rig.hud, sharedLevel(), &rig.soldier, rig.entity, rig.camera};

    Ear() { rig.soldier.setDryFireListener(&listener); }
    // One game frame of dt with the sound's look at it, and the sound of that frame.
    Heard frame(float dt)
    {
        rig.frames(1, dt, true);
        listener.frameRenderingQueued({});
        return hear(dt);
    }
    Heard hear(float seconds)
    {
        std::vector<float> both(2 * std::size_t(seconds * rate));
        device->render(both.data(), int(both.size() / 2));
        Heard heard;
        for (std::size_t i = 0; i < both.size(); i += 2)
            heard.left.push_back(both[i]), heard.right.push_back(both[i + 1]);
        return heard;
    }
    // The camera at `camera` looking along `direction`, the aim from there at `point`.
    void lookFrom(const Ogre::Vector3& camera, const Ogre::Vector3& direction, const Ogre::Vector3& point)
    {
        DeprecatedPose::setPosition(rig.camera, camera);
        DeprecatedPose::setDirection(rig.camera, direction);
        rig.soldier.setAimOrigin(camera);
        rig.soldier.setAimDirection(point - camera);
        listener.frameRenderingQueued({});
    }
    // A shot's hit on the level at the point, as the game's frame hears it.
    Heard hit(const Ogre::Vector3& point, float seconds)
    {
        sharedLevel()->hitNearestTarget(point);
        listener.frameRenderingQueued({});
        return hear(seconds);
    }
    void raiseRifle()
    {
        rig.soldier.aim(true);
        for (int i = 0; i < 20; ++i)
            frame(0.05f);
    }
};

} // namespace

// A shot starts at full strength within a millisecond and rings on; the trigger pulled on an empty
// magazine gives a short click and nothing after it.
TEST(Sound, ShotIsASharpOnsetAndAnEmptyMagazineClicksWithoutAShot)
{
    Ear ear;
    ear.raiseRifle();
    const float engine = ear.hear(0.5f).rms(0, 0.5f);
    ear.rig.soldier.fire(true);
    const Heard shot = ear.frame(0.1f);
    EXPECT_EQ(ear.rig.hud.magazine, 29);
    EXPECT_GT(shot.peak(0, 0.001f), 0.5f * shot.peak(0, 0.1f));
    EXPECT_GT(shot.peak(0, 0.001f), 10 * engine);
    EXPECT_GT(shot.rms(0.03f, 0.1f), 3 * engine);

    ear.rig.soldier.fire(false);
    ear.hear(1);
    // Emptied without a shot: every round put back in the reserve.
    ear.rig.hud.ammo += ear.rig.hud.magazine;
    ear.rig.hud.magazine = 0;
    ear.rig.soldier.fire(true);
    const Heard click = ear.frame(0.1f);
    EXPECT_GT(click.peak(0, 0.015f), 5 * engine);
    EXPECT_LT(click.rms(0.03f, 0.1f), 1.5f * engine);
}

// The reload is heard in three parts, each starting as its phase does: the magazine out as the count hides,
// the new one in as the animation puts it in, the bolt as the count shows again.
TEST(Sound, ReloadIsHeardInThreePartsAtThePhasesOfItsAnimation)
{
    Ear ear;
    const float engine = ear.frame(0.5f).rms(0, 0.5f);
    const Ogre::OverlayElement* count = Ogre::OverlayManager::getSingleton().getOverlayElement("Magazine");
    ear.rig.soldier.reload();
    std::string phases, starts;
    bool loud = false, shown = true, magazineIn = false;
    for (int frame = 0; frame < 20; ++frame) {
        const bool wasLoud = loud;
        loud = ear.frame(0.1f).rms(0, 0.1f) > 3 * engine;
        starts += loud && !wasLoud ? 'x' : '.';
        const bool in = !magazineIn && ear.rig.shootAnimation()->getTimePosition() >= 1.5f;
        phases += shown != count->isVisible() || in ? 'x' : '.';
        shown = count->isVisible();
        magazineIn = magazineIn || in;
    }
    EXPECT_EQ(std::count(phases.begin(), phases.end(), 'x'), 3) << phases;
    EXPECT_EQ(starts, phases);
}

// A hit on a crate sounds where it lands: from the left when the crate is on the camera's left, whichever
// way the camera faces, and faint but there from 300 units away against 30.
TEST(Sound, HitOnACrateSoundsFromWhereItLands)
{
    Ear ear;
    // The crate farthest from the truck, so that the engine is far away; one no other test hits.
    const auto& objects = sharedLevel()->getTargets();
    const Ogre::Vector3 truck = sharedLevel()->getTruckNode()->_getDerivedPosition();
    AbstractTarget* crate = *std::max_element(objects.begin() + 4, objects.begin() + 35,
        [&](AbstractTarget* a, AbstractTarget* b) { return a->getCenter().distance(truck) < b->getCenter().distance(truck); });
    const Ogre::Vector3 centre = crate->getCenter();
    float peaks[2] = {};
    for (int far = 0; far < 2; ++far) {
        // Near, facing +X with the crate on the -Z side; far, facing -Z with it on the -X side.
        if (far)
            ear.lookFrom(centre + Ogre::Vector3(300, 0, 0), Ogre::Vector3::NEGATIVE_UNIT_Z, centre);
        else
            ear.lookFrom(centre + Ogre::Vector3(0, 0, 30), Ogre::Vector3::UNIT_X, centre);
        ear.hear(0.5f);
        const Heard hit = ear.hit(centre + Ogre::Vector3(0, 12, 0), 0.2f);
        peaks[far] = hit.peak(0, 0.2f);
        EXPECT_GT(hit.peak(0, 0.2f, &hit.left), 3 * hit.peak(0, 0.2f, &hit.right)) << far;
    }
    EXPECT_LT(peaks[1], 0.3f * peaks[0]);
    EXPECT_GT(peaks[1], 0.03f * peaks[0]);
}

// Thirty rounds of automatic fire, each heard, and the truck's engine plays on under them.
TEST(Sound, ABurstOfThirtyRoundsLeavesTheEnginePlaying)
{
    Ear ear;
    ear.raiseRifle();
    const float engine = ear.hear(0.5f).rms(0, 0.5f);
    ear.rig.soldier.fire(true);
    // Each frame is heard from where the one before ended.
    int onsets = 0;
    float ringing = ear.hear(0.05f).peak(0.045f, 0.05f);
    for (int frame = 0; frame < 200 && ear.rig.hud.magazine > 0; ++frame) {
        const Heard heard = ear.frame(0.05f);
        onsets += heard.peak(0, 0.002f) > 4 * ringing;
        ringing = heard.peak(0.045f, 0.05f);
    }
    EXPECT_EQ(ear.rig.hud.magazine, 0);
    EXPECT_EQ(onsets, 30);
    ear.rig.soldier.fire(false);
    ear.hear(1);
    EXPECT_TRUE(ear.stage.enginePlaying());
    const float after = ear.hear(0.5f).rms(0, 0.5f);
    EXPECT_GT(after, 0.5f * engine);
    EXPECT_LT(after, 2 * engine);
}

// The hit that cracks a crate and the one that breaks it ring on after the hit itself has died away;
// the others do not, nor one on the broken crate.
TEST(Sound, CrackAndBreakRingOnAfterTheirHits)
{
    Ear ear;
    const auto& objects = sharedLevel()->getTargets();
    const auto intact = std::find_if(objects.begin() + 4, objects.begin() + 35, [](AbstractTarget* object) {
        const MeshTarget* crate = static_cast<MeshTarget*>(object);
        return crate->getHealth() == crate->getMaxHealth();
    });
    ASSERT_NE(intact, objects.begin() + 35);
    const Ogre::Vector3 centre = (*intact)->getCenter();
    ear.lookFrom(centre + Ogre::Vector3(30, 0, 0), Ogre::Vector3::NEGATIVE_UNIT_Z, centre);
    ear.hear(0.5f);
    // Health 70, 13.5 a hit: cracked by the third, broken by the sixth.
    float plain = 0;
    std::string rings;
    for (int hit = 0; hit < 7; ++hit) {
        const float after = ear.hit(centre, 0.5f).rms(0.15f, 0.4f);
        plain = hit ? plain : after;
        rings += after > 3 * plain ? 'x' : '.';
    }
    EXPECT_EQ(rings, "..x..x.");
}

// Every clip is centred and peaks at -1 dBFS or below; the engine's loop joins its end to its start without a step.
TEST(Media, EveryClipIsCentredKeepsHeadroomAndTheEngineLoopsWithoutAStep)
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
}
