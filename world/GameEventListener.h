// Told what a player sees happen, by the rule that makes it happen, at the moment it does. The soldier,
// the level and its objects each hold one, none by default.
#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

class AbstractTarget;

class GameEventListener {
public:
    // Time points that a playing reload animation passes, in this order.
    enum ReloadPoint { Rejoin, MagazineHome };

    // A round left the rifle: the shot ray's origin and direction.
    virtual void shotFired(const Ogre::Vector3& origin, const Ogre::Vector3& direction) = 0;
    // The trigger pulled on an empty magazine.
    virtual void dryFired() = 0;
    // The frame after a reload refilled the counters, once it is known whether its animation plays.
    virtual void reloadBegun(bool animated) = 0;
    virtual void reloadReached(ReloadPoint point) = 0;
    virtual void targetHit(AbstractTarget* object, const Ogre::Vector3& landingPoint, Ogre::Real score) = 0;
    // The cracked look appears; the destroyed look appears. Once each, at the object's centre.
    virtual void targetCracked(AbstractTarget* object, const Ogre::Vector3& centre) = 0;
    virtual void targetDestroyed(AbstractTarget* object, const Ogre::Vector3& centre) = 0;
    virtual void steppedOff() = 0;

protected:
    ~GameEventListener() = default;
};
