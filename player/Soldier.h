// The soldier the user plays: two animation channels driven by requests, walking,
// riding on the truck, aiming, automatic fire, reloading and the shot ray.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

class GameEventListener;
class GameHud;
class Level;

class Soldier {
public:
    // Values of upperBodyState.
    enum UpperBodyState { Hold = 1, Shoot = 2 };
    // Values of legState.
    enum LegState { Stand = 1, Run = 2 };
    // Values of upperBodyAction: the phase of "up_shoot" while the upper body is in Shoot.
    enum UpperBodyAction { Raise = 0, HoldAim = 1, Firing = 2, Lower = 3, Reload = 4 };

    Soldier(Ogre::SceneManager* sceneManager, GameHud* hud, Level* level);

    void setTruckNode(Ogre::SceneNode* node);
    Ogre::Vector3 getAimDirection() const;
    // Stores the direction normalised.
    void setAimDirection(const Ogre::Vector3& direction);
    Ogre::Vector3 getAimOrigin() const { return aimOrigin; }
    // Start point of the shot ray: the camera position.
    void setAimOrigin(const Ogre::Vector3& origin);
    // World position of the soldier's node.
    Ogre::Vector3 getPosition() const;
    // True while the one-shot "up_shoot" plays.
    bool isUpperBodyBusy() const;

    // One frame: facing, riding, animation requests and phases, rifle in the hand.
    void update(Ogre::Real totalTime, Ogre::Real timeSinceLastFrame);
    // Walks along the horizontal part of the aim; negative walks backwards.
    void move(Ogre::Real distance);
    void setRiding(bool ride);
    // Told of shots, pulls on an empty magazine, reloads and stepping off; none by default.
    void setEventListener(GameEventListener* listener);

    // Requests raising (true) or lowering (false) the rifle; false when refused during a reload.
    bool aim(bool pressed);
    // Trigger pulled (true) or released (false).
    void fire(bool pressed);
    // Starts a reload if the upper body is free.
    void reload();
    // One shot: ray cast from the aim origin along the aim, hit scored into the HUD.
    void shoot();

private:
    // Takes a round from the magazine and shoots it; false when the magazine is empty.
    bool fireRound();
    Ogre::Vector3 ridingSpot() const;
    void faceAim();
    void switchAnimations();
    void playShootPhase(Ogre::Real dt);
    void announceReloadBegun(bool switched);
    void announceReloadPoints();
    void followHand();

    Ogre::Vector3 aimDirection;
    Ogre::Vector3 aimOrigin;
    int upperBodyState;
    int previousUpperBodyState;
    int legState;
    int previousLegState;
    int upperBodyAction;
    Ogre::Entity* entity;
    Ogre::SceneNode* node;
    Ogre::SceneNode* truckNode;
    Ogre::AnimationState* upperBodyAnimation;
    Ogre::AnimationState* legAnimation;
    Ogre::RaySceneQuery* rayQuery;
    bool riding;
    Ogre::SceneNode* handNode;
    GameHud* hud;
    Level* level;
    GameEventListener* events;
    // A reload asked for whose start is not yet told.
    bool reloadUntold;
    // Of the time points that a playing reload animation passes, the next one; past the last when none plays.
    int nextReloadPoint;
};
