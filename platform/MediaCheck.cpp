#include "platform/MediaCheck.h"

#include "common/MediaContract.h"

#include <OgreDataStream.h>
#include <OgreException.h>
#include <OgreMaterialManager.h>
#include <OgreMesh.h>
#include <OgreMeshManager.h>
#include <OgreResourceGroupManager.h>
#include <OgreSubMesh.h>

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>

#include <filesystem>
#include <set>

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

void loadMeshes()
{
    // Files in sub-folders are listed once by path and once more by name: the game asks by name.
    const Ogre::StringVectorPtr files = Ogre::ResourceGroupManager::getSingleton().findResourceNames("General", "*.mesh");
    std::set<std::string> names;
    for (const Ogre::String& file : *files)
        names.insert(std::filesystem::path(file).filename());
    for (const std::string& name : names) {
        const Ogre::MeshPtr mesh = Ogre::MeshManager::getSingleton().load(name, "General");
        if (mesh->hasSkeleton() && !mesh->getSkeleton())
            fail("skeleton '" + mesh->getSkeletonName() + "' of mesh '" + name + "' is missing or broken");
        for (const Ogre::SubMesh* part : mesh->getSubMeshes())
            if (!part->getMaterial())
                fail("mesh '" + name + "' asks for a material that no script defines (Ogre.log names it)");
    }
}

void loadMaterials()
{
    for (const auto& entry : Ogre::MaterialManager::getSingleton().getResourceIterator())
        entry.second->load();
}
