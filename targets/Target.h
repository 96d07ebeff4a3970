// A standing target outside the truck's loop; its looks change on its second sub-entity.
#pragma once

#include "targets/MeshTarget.h"

class Target : public MeshTarget {
public:
    Target(Ogre::SceneManager* scene, Ogre::Real x, Ogre::Real y, Ogre::Real z);

    void crack() override;
    void destroy() override;
    Ogre::Vector3 getCenter() override;

private:
    static int nextIndex;
};
