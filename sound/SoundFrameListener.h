// Listens to the game from the side, once a frame after the game's own update, and plays what happened:
// shots, the phases of a reload, hits, cracks and breaks where they happen, the truck; and the click of an
// empty magazine, which only the soldier can tell.
#pragma once

#include "player/DryFireListener.h"

#include <OgreFrameListener.h>

#include <OgreVector.h>

#include <random>
#include <vector>

class GameHud;
class Level;
class MeshTarget;
class Soldier;
class SoundStage;
namespace Ogre {
class OverlayElement;
}

class SoundFrameListener : public Ogre::FrameListener, public DryFireListener {
public:
    // The soldier's entity shows where the reload animation is; the camera is where the player hears.
    SoundFrameListener(SoundStage* stage, GameHud* hud, Level* level, Soldier* soldier, Ogre::Entity* soldierEntity,
        Ogre::Camera* camera);

    // After every frame listener's frameStarted: the game's state of this frame is complete.
    bool frameRenderingQueued(const Ogre::FrameEvent& event) override;
    void dryFire() override;

private:
    struct Watched {
        MeshTarget* object;
        Ogre::Real health;
        bool board;
    };

    void playShots();
    void playReload();
    void playHits();
    // Where a shot along the current aim met the object: on the aim nearest its centre.
    Ogre::Vector3 hitPoint(MeshTarget* object) const;
    float vary(float low, float high);

    SoundStage* stage;
    GameHud* hud;
    Soldier* soldier;
    Ogre::SceneNode* truck;
    Ogre::AnimationState* shootAnimation;
    Ogre::OverlayElement* magazineCount;
    Ogre::Camera* camera;
    std::vector<Watched> watched;
    int rounds;
    bool magazineShown;
    bool magazineInDue;
    std::minstd_rand random;
};
