// The right-hand side of a direction (its cross product with up, normalised). Straight up or
// down it has none, and the last defined side is kept, so the aim can always be tipped back.
#pragma once

#include <OgreVector.h>

class RightHandSide {
public:
    Ogre::Vector3 of(const Ogre::Vector3& direction);

private:
    Ogre::Vector3 lastSide = Ogre::Vector3::NEGATIVE_UNIT_X;  // the side of +Z
};
