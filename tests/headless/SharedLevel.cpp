#include "tests/headless/SharedLevel.h"

#include "tests/headless/HeadlessEngine.h"
#include "world/Level.h"

#include <OgreSubEntity.h>

#include <cstdlib>
#include <vector>

namespace {

// Fixed unit values first, then the engine's own default source.
struct FixedFirstDraws : Ogre::Math::RandomValueProvider {
    std::vector<Ogre::Real> units;
    std::size_t next = 0;
    Ogre::Real getRandomUnit() override
    {
        return next < units.size() ? units[next++] : Ogre::Real(std::rand()) / float(RAND_MAX);
    }
};

} // namespace

Level* sharedLevel()
{
    static Level* level = nullptr;
    if (!level) {
        // x then z of each draw: 6000 u - 3000 and 2000 u - 1000.
        FixedFirstDraws draws;
        draws.units = {0.875f, 0.75f, 0.498046875f, 0.5f, 0.5f, 0.5f, 0.501953125f, 0.501953125f};
        Ogre::Math::SetRandomValueProvider(&draws);
        level = new Level(headlessScene());
        Ogre::Math::SetRandomValueProvider(nullptr);
    }
    return level;
}

std::string materialOf(const std::string& entityName, unsigned int subEntity)
{
    sharedLevel();
    return headlessScene()->getEntity(entityName)->getSubEntity(subEntity)->getMaterialName();
}
