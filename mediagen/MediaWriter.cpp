#include "mediagen/MediaWriter.h"

#include "common/MediaContract.h"
#include "mediagen/Canvas.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreLogManager.h>
#include <OgreMaterialManager.h>
#include <OgreMeshSerializer.h>
#include <OgreRoot.h>
#include <OgreSkeletonSerializer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

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

namespace {

void put(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void MediaWriter::writeSound(const std::vector<float>& samples, const std::string& path) const
{
    const std::uint32_t bytesPerSample = 2;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    std::ofstream out(prepared(folder, path), std::ios::binary);
    out.write("RIFF", 4);
    put(out, 36 + dataSize, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 1, 2); // mono
    put(out, Media::Sounds::sampleRate, 4);
    put(out, Media::Sounds::sampleRate * bytesPerSample, 4);
    put(out, bytesPerSample, 2);
    put(out, 16, 2);
    out.write("data", 4);
    put(out, dataSize, 4);
    for (float sample : samples)
        put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767))), 2);
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
