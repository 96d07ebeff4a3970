#include "platform/SplitPassFog.h"

#include <OgreMaterialManager.h>
#include <OgreRoot.h>
#include <OgreTechnique.h>

void mendSplitPassFog()
{
    if (!Ogre::Root::getSingleton().getRenderSystem())
        return;
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator()) {
        Ogre::Material* material = static_cast<Ogre::Material*>(entry.second.get());
        material->load();
        for (Ogre::Technique* technique : material->getSupportedTechniques()) {
            for (const Ogre::IlluminationPass* split : technique->getIlluminationPasses()) {
                const Ogre::Pass* original = split->originalPass;
                if (split->pass == original || !original->getFogOverride() || split->stage == Ogre::IS_AMBIENT)
                    continue;
                const Ogre::ColourValue towards =
                    split->stage == Ogre::IS_PER_LIGHT ? Ogre::ColourValue::Black : Ogre::ColourValue::White;
                split->pass->setFog(true, original->getFogMode(), towards, original->getFogDensity(),
                    original->getFogStart(), original->getFogEnd());
            }
        }
    }
}
