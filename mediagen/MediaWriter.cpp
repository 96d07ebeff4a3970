#include "mediagen/MediaWriter.h"

#include "mediagen/Canvas.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshSerializer.h>
#include <OgreRoot.h>
#include <OgreSkeletonSerializer.h>

#include <filesystem>

namespace {

const std::string pluginDir = CORVANE_OGRE_PLUGIN_DIR;

// An absolute `path` stands as it is.
std::string prepared(const std::string& folder, const std::filesystem::path& path)
{
    const std::filesystem::path full = std::filesystem::path(folder) / path;
    std::filesystem::create_directories(full.parent_path());
    return full.string();
}

} // namespace

MediaWriter::MediaWriter(const std::string& mediaFolder)
    : folder(mediaFolder), logs(std::make_unique<Ogre::LogManager>())
{
    logs->createLog("mediagen.log", true, false, true);
    root = std::make_unique<Ogre::Root>("", "", "");
    root->loadPlugin(pluginDir + "/Codec_STBI");
    buffers = std::make_unique<Ogre::DefaultHardwareBufferManager>();
    Ogre::MaterialManager::getSingleton().initialise();
}

MediaWriter::~MediaWriter()
{
    root.reset();
    buffers.reset();
}

void MediaWriter::writeMesh(const Ogre::MeshPtr& mesh, const std::string& subfolder) const
{
    Ogre::MeshSerializer().exportMesh(mesh.get(), prepared(folder, std::filesystem::path(subfolder) / mesh->getName()));
}

void MediaWriter::writeSkeleton(const Ogre::SkeletonPtr& skeleton, const std::string& path) const
{
    Ogre::SkeletonSerializer().exportSkeleton(skeleton.get(), prepared(folder, path));
}

void MediaWriter::writePicture(const Canvas& canvas, const std::filesystem::path& path, bool withAlpha) const
{
    canvas.toImage(withAlpha).save(prepared(folder, path));
}
