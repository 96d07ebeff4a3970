// The truck that carries the player around its elliptical track, deck plate in front.
#pragma once

#include <OgrePrerequisites.h>

class Truck {
public:
    explicit Truck(Ogre::SceneManager* scene);

    // Advances the truck along its track by the frame time.
    void update(Ogre::Real totalTime, Ogre::Real frameTime);
    // The moving node the player rides on.
    Ogre::SceneNode* getNode();

private:
    Ogre::SceneNode* deckNode;
    Ogre::SceneNode* node;
    Ogre::Real time;
};
