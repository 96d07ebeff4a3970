// The game world: ground, sky, the truck, and the crates and targets scattered around its track.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

#include <deque>

class AbstractTarget;
class GameEventListener;
class Truck;

class Level {
public:
    explicit Level(Ogre::SceneManager* scene);

    // Drives the truck.
    void update(Ogre::Real totalTime, Ogre::Real frameTime);
    Ogre::SceneNode* getTruckNode();

    // Applies a shot that landed at the point to the object with the nearest centre, if within its
    // radius; returns the score.
    Ogre::Real hitNearestTarget(Ogre::Vector3 point);
    bool canPlaceCrate(Ogre::Vector3 candidate);
    bool canPlaceTarget(Ogre::Vector3 candidate);
    // Told of every hit, and by each object of its looks; none by default.
    void setEventListener(GameEventListener* listener);

    // Every crate, then every target, in the order they were placed.
    const std::deque<AbstractTarget*>& getTargets() const;

private:
    template <typename Shootable>
    void place(Ogre::SceneManager* scene, Ogre::Real height, bool (Level::*canPlace)(Ogre::Vector3));
    bool isClearOfPlaced(Ogre::Vector3 candidate);

    Truck* truck;
    std::deque<AbstractTarget*> targets;
    GameEventListener* events;
};
