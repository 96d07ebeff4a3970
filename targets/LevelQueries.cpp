// The level's questions about its crates and targets by distance.
#include "world/Level.h"

#include "targets/AbstractTarget.h"
#include "world/GameEventListener.h"

namespace {

const Ogre::Real crateZoneSemiAxisX = 2300;
const Ogre::Real crateZoneSemiAxisZ = 450;
const Ogre::Real targetZoneSemiAxisX = 2700;
const Ogre::Real targetZoneSemiAxisZ = 550;

// Below 0 inside the ellipse around the origin, 0 on it, above 0 outside; the height plays no part.
Ogre::Real zoneValue(const Ogre::Vector3& position, Ogre::Real semiAxisX, Ogre::Real semiAxisZ)
{
    return position.x * position.x / semiAxisX / semiAxisX + position.z * position.z / semiAxisZ / semiAxisZ - 1;
}

} // namespace

Ogre::Real Level::hitNearestTarget(Ogre::Vector3 point)
{
    Ogre::Real bestDistance = 1e10f;
    AbstractTarget* nearest = nullptr;
    for (std::deque<AbstractTarget*>::iterator it = targets.begin(); it != targets.end(); ++it) {
        const Ogre::Real distance = point.distance((*it)->getCenter());
        if (distance < bestDistance) {
            bestDistance = distance;
            nearest = *it;
        }
    }
    if (nearest && bestDistance < nearest->getRadius()) {
        const Ogre::Real score = nearest->hit(bestDistance);
        if (events)
            events->targetHit(nearest, point, score);
        return score;
    }
    return 0;
}

bool Level::canPlaceCrate(Ogre::Vector3 candidate)
{
    if (zoneValue(candidate, crateZoneSemiAxisX, crateZoneSemiAxisZ) > 0)
        return false;
    return isClearOfPlaced(candidate);
}

bool Level::canPlaceTarget(Ogre::Vector3 candidate)
{
    if (zoneValue(candidate, targetZoneSemiAxisX, targetZoneSemiAxisZ) < 0)
        return false;
    return isClearOfPlaced(candidate);
}

// Keeps a new object's node out of the radius of every object placed before it.
bool Level::isClearOfPlaced(Ogre::Vector3 candidate)
{
    for (std::deque<AbstractTarget*>::iterator it = targets.begin(); it != targets.end(); ++it) {
        if (candidate.distance((*it)->getCenter()) < (*it)->getRadius())
            return false;
    }
    return true;
}
