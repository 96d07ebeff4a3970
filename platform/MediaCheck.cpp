#include "platform/MediaCheck.h"

#include "common/MediaContract.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreMaterialManager.h>
#include <OgreResourceGroupManager.h>

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>

namespace {

const Ogre::uint16 meshHeaderChunk = 0x1000;
const size_t chunkHeaderSize = sizeof(Ogre::uint16) + sizeof(Ogre::uint32);

[[noreturn]] void fail(const std::string& what)
{
    OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS, what, "media check");
}

// A mesh file is its header chunk (an id and a version line) followed by chunks that
// each give their own length; together they must end exactly where the file ends.
bool chunksFillTheFile(Ogre::DataStream& file)
{
    Ogre::uint16 id = 0;
    if (file.read(&id, sizeof(id)) != sizeof(id) || id != meshHeaderChunk)
        return false;
    file.getLine();
    while (file.tell() < file.size()) {
        Ogre::uint32 length = 0;
        if (file.read(&id, sizeof(id)) != sizeof(id) || file.read(&length, sizeof(length)) != sizeof(length))
            return false;
        if (length < chunkHeaderSize || file.tell() + (length - chunkHeaderSize) > file.size())
            return false;
        file.skip(length - chunkHeaderSize);
    }
    return true;
}

} // namespace

void checkRequiredMaterials()
{
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    for (const char* name : Media::Materials::required)
        if (!materials.resourceExists(name, "General"))
            fail(std::string("material '") + name + "' is missing from the media");
}

void checkMeshFiles()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    const Ogre::StringVectorPtr meshes = resources.findResourceNames("General", "*.mesh");
    for (const Ogre::String& name : *meshes) {
        Ogre::DataStreamPtr file = resources.openResource(name, "General");
        if (!chunksFillTheFile(*file))
            fail("mesh file '" + name + "' is truncated or corrupt");
    }
}

void checkFontFiles()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    for (const auto& entry : Ogre::FontManager::getSingleton().getResourceIterator()) {
        const Ogre::Font& font = static_cast<const Ogre::Font&>(*entry.second);
        if (!resources.resourceExists(font.getGroup(), font.getSource()))
            fail("font file '" + font.getSource() + "' of font '" + font.getName() + "' is missing from the media");
    }
}
