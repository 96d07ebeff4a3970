#include "targets/Target.h"

#include "common/MediaContract.h"

#include <OgreEntity.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

int Target::nextIndex = 0;

namespace {

const Ogre::Real targetHealth = 150;
const Ogre::Vector3 targetScale(3, 40, 20);
const Ogre::Vector3 centreAboveNode(0, 8, 0);
const unsigned int lookSubEntity = 1;

} // namespace

Target::Target(Ogre::SceneManager* scene, Ogre::Real x, Ogre::Real y, Ogre::Real z)
    : MeshTarget(scene, Ogre::StringUtil::format("target_%04d", nextIndex++), Media::targetMesh, targetScale,
          targetHealth, Ogre::Vector3(x, y, z))
{
}

void Target::crack()
{
    entity->getSubEntity(lookSubEntity)->setMaterialName(Media::Materials::targetCracked);
}

void Target::destroy()
{
    entity->getSubEntity(lookSubEntity)->setMaterialName(Media::Materials::targetDestroyed);
}

Ogre::Vector3 Target::getCenter()
{
    return node->getPosition() + centreAboveNode;
}
