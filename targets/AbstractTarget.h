// Anything the player can shoot: the level sees crates and targets only through this.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

class AbstractTarget {
public:
    // Shows the cracked look.
    virtual void crack() = 0;
    // Shows the destroyed look.
    virtual void destroy() = 0;
    // Applies a shot that landed the given distance from the centre; returns its score.
    virtual Ogre::Real hit(Ogre::Real distance) = 0;
    virtual Ogre::Vector3 getCenter() = 0;
    virtual Ogre::Real getRadius() = 0;
};
