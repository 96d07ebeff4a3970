#include "platform/PluginPaths.h"

namespace {

const std::string pluginDir = CORVANE_OGRE_PLUGIN_DIR;

} // namespace

std::string renderSystemPlugin()
{
    return pluginDir + "/RenderSystem_GL";
}

std::string octreePlugin()
{
    return pluginDir + "/Plugin_OctreeSceneManager";
}

std::string imageCodecPlugin()
{
    return pluginDir + "/Codec_STBI";
}
