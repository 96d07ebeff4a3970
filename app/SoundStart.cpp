#include "app/SoundStart.h"

#include "app/GameAssembly.h"
#include "app/Startup.h"
#include "player/Soldier.h"
#include "sound/AudioDevice.h"
#include "sound/GameSound.h"
#include "sound/SoundBank.h"
#include "sound/SoundStage.h"
#include "world/Level.h"

#include <OgreRoot.h>

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
    GameSound* sound = new GameSound(stage.get(), gCamera, gLevel->getTruckNode());
    gRoot->addFrameListener(sound);
    gPlayer->setEventListener(sound);
    gLevel->setEventListener(sound);
}
