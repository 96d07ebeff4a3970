// The soldier's rifle: barrel along local +Y, pistol grip at the origin, sights towards local -Z.
#pragma once

#include <OgreVector.h>

class MediaWriter;

class RifleModel {
public:
    // Where the other hand takes hold, in the rifle's own axes.
    static const Ogre::Vector3 handguardHold;
    static const Ogre::Vector3 magazineHold;

    void write(const MediaWriter& writer) const;
};
