// A wooden crate inside the truck's loop.
#pragma once

#include "targets/MeshTarget.h"

class Crate : public MeshTarget {
public:
    Crate(Ogre::SceneManager* scene, Ogre::Real x, Ogre::Real y, Ogre::Real z);

    void crack() override;
    void destroy() override;
    Ogre::Vector3 getCenter() override;

private:
    static int nextIndex;
};
