#include "targets/Crate.h"

#include "common/MediaContract.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>

int Crate::nextIndex = 0;

namespace {

const Ogre::Real crateHealth = 70;
const Ogre::Vector3 crateScale(15, 15, 15);

} // namespace

Crate::Crate(Ogre::SceneManager* scene, Ogre::Real x, Ogre::Real y, Ogre::Real z)
    : MeshTarget(scene, Ogre::StringUtil::format("crate_%04d", nextIndex++), Media::crateMesh, crateScale, crateHealth,
          Ogre::Vector3(x, y, z))
{
}

void Crate::crack()
{
    entity->setMaterialName(Media::Materials::crateCracked);
}

void Crate::destroy()
{
    entity->setMaterialName(Media::Materials::crateDestroyed);
}

Ogre::Vector3 Crate::getCenter()
{
    return node->getPosition();
}
