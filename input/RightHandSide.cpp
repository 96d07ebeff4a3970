#include "input/RightHandSide.h"

Ogre::Vector3 RightHandSide::of(const Ogre::Vector3& direction)
{
    const Ogre::Vector3 side = direction.crossProduct(Ogre::Vector3::UNIT_Y);
    if (!side.isZeroLength())
        lastSide = side.normalisedCopy();
    return lastSide;
}
