// Plays what the game tells happens, where it happens: shots, the empty click, reloads, hits, cracks and
// breaks, stepping off; and the truck's engine. Of the game it reads nothing else but, once a frame, the
// camera, where the player hears, and the truck's pose.
#pragma once

#include "world/GameEventListener.h"

#include <OgreFrameListener.h>

#include <random>

class SoundStage;

class GameSound : public Ogre::FrameListener, public GameEventListener {
public:
    GameSound(SoundStage* stage, Ogre::Camera* camera, Ogre::SceneNode* truck);

    // After every frame listener's frameStarted: the camera and the truck stand as this frame shows them.
    bool frameRenderingQueued(const Ogre::FrameEvent& event) override;

    void shotFired(const Ogre::Vector3& origin, const Ogre::Vector3& direction) override;
    void dryFired() override;
    void reloadBegun(bool animated) override;
    void reloadReached(ReloadPoint point) override;
    void targetHit(AbstractTarget* object, const Ogre::Vector3& landingPoint, Ogre::Real score) override;
    void targetCracked(AbstractTarget* object, const Ogre::Vector3& centre) override;
    void targetDestroyed(AbstractTarget* object, const Ogre::Vector3& centre) override;
    void steppedOff() override;

private:
    float vary(float low, float high);

    SoundStage* stage;
    Ogre::Camera* camera;
    Ogre::SceneNode* truck;
    std::minstd_rand random;
};
