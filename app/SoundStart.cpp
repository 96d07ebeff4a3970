#include "app/SoundStart.h"

#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "player/Soldier.h"
#include "sound/AudioDevice.h"
#include "sound/SoundBank.h"
#include "sound/SoundFrameListener.h"
#include "sound/SoundStage.h"

#include <OgreRoot.h>
#include <OgreSceneManager.h>

namespace {

// Released when the process ends, stage first: closing the device lets it finish what it writes.
std::unique_ptr<AudioDevice> device;
std::unique_ptr<SoundStage> stage;

} // namespace

void startSound()
{
    const SoundBank bank;
    device = AudioDevice::openDefault();
    if (!device)
        return;
    stage = std::make_unique<SoundStage>(bank);
    SoundFrameListener* listener = new SoundFrameListener(stage.get(), gHud, gLevel, gPlayer,
        gSceneManager->getEntity("player"), gCamera);
    gRoot->addFrameListener(listener);
    gPlayer->setDryFireListener(listener);
}
