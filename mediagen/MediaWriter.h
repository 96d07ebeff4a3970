// An engine with no render system and no window, writing meshes, skeletons, pictures and sounds into the
// media tree.
#pragma once

#include <OgreMesh.h>
#include <OgreSkeleton.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class Canvas;

namespace Ogre {
class DefaultHardwareBufferManager;
class LogManager;
class Root;
}

class MediaWriter {
public:
    explicit MediaWriter(const std::string& mediaFolder);
    ~MediaWriter();

    // A mesh goes under its own name into a sub-folder, such as "character"; other paths are relative to
    // the media folder, such as "character/soldier.skeleton", and a picture may also go to an absolute
    // path outside it.
    void writeMesh(const Ogre::MeshPtr& mesh, const std::string& subfolder) const;
    void writeSkeleton(const Ogre::SkeletonPtr& skeleton, const std::string& path) const;
    void writePicture(const Canvas& canvas, const std::filesystem::path& path, bool withAlpha = false) const;
    // Mono 16-bit PCM WAVE; samples in [-1, 1].
    void writeSound(const std::vector<float>& samples, const std::string& path) const;

private:
    std::string folder;
    std::unique_ptr<Ogre::LogManager> logs;
    std::unique_ptr<Ogre::Root> root;
    std::unique_ptr<Ogre::DefaultHardwareBufferManager> buffers;
};
