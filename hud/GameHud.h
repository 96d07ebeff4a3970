// The head-up display; it also keeps the ammunition counts and the score.
#pragma once

#include <OgrePrerequisites.h>

class GameHud {
public:
    static constexpr int MagazineCapacity = 30;

    GameHud();

    // Once per frame: end of game, frame rate, captions and visibility.
    void update(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame);
    void showEndGame();
    // Fills the magazine from the reserve, or with what the reserve still holds.
    void refillMagazine();
    void setMagazineVisible(bool visible);
    void setCrosshairVisible(bool visible);

private:
    Ogre::Real fps;
    Ogre::Real fpsTime;
    int fpsFrames;
    bool crosshairVisible;
    bool magazineVisible;

public:
    // Shared with the soldier, who reads and changes them directly.
    int ammo;
    int magazine;
    Ogre::Real hits;
};
