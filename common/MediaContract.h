// What the game, the media generator and the tools must agree on: the names the game asks the media
// for (the window's icon among them), the time points of "up_shoot" it jumps between, how the rifle hangs
// in the hand, and the sounds.
#pragma once

namespace Media {

inline constexpr const char* soldierMesh = "soldier.mesh";
inline constexpr const char* rifleMesh = "rifle.mesh";
inline constexpr const char* truckMesh = "truck.mesh";
inline constexpr const char* targetMesh = "target01.mesh";
inline constexpr const char* crateMesh = "doboz.mesh";

// The window's own icon, one picture a size, in the media tree's folder "icon".
struct WindowIcon {
    int size;
    const char* file;
};
inline constexpr const char* windowIconFolder = "icon";
inline constexpr WindowIcon windowIcons[] = {{32, "corvane_32.png"}, {48, "corvane_48.png"}, {64, "corvane_64.png"}};

// The soldier's skeleton: the bone that holds the rifle, and the two channels' animations.
inline constexpr const char* rifleHandBone = "hand_r";
inline constexpr const char* legStandAnimation = "leg_stand";
inline constexpr const char* legRunAnimation = "leg_run";
inline constexpr const char* upperHoldAnimation = "up_weapon_hold";
inline constexpr const char* upperShootAnimation = "up_shoot";

// The rifle is modelled along its +Y and hangs from the hand turned this far about the hand's X axis,
// so that it points along +Z when the hand is level.
inline constexpr float rifleTurnDegrees = 90;

// Time points of "up_shoot", in seconds.
namespace ShootTimes {
inline constexpr float aimPose = 0.75f;       // the raise ends in the aiming pose; each shot jumps back here
inline constexpr float recoilEnd = 0.8f;      // one recoil kick, from the aiming pose back to it
inline constexpr float lowerStart = 1.4f;     // the aim is held until here, then the rifle comes down
inline constexpr float reloadLeave = 0.5f;    // half raised: a reload leaves the raise here...
inline constexpr float reloadRejoin = 1.5f;   // ...and rejoins the lowering here, in the same pose
inline constexpr float magazineHome = 1.8f;   // the new magazine is in
} // namespace ShootTimes

namespace Materials {
inline constexpr const char* ground = "Plane";
inline constexpr const char* sky = "Sky";
inline constexpr const char* deck = "Deck";
inline constexpr const char* targetCracked = "target_cracked";
inline constexpr const char* targetDestroyed = "target_perish";
inline constexpr const char* crateCracked = "doboz_cracked";
inline constexpr const char* crateDestroyed = "doboz_burning";

// Start-up fails when the media lack any of them.
inline constexpr const char* required[] = {
    targetCracked, targetDestroyed, crateCracked, crateDestroyed, ground, sky, deck,
};
} // namespace Materials

// The sounds, one file a clip: mono 16-bit PCM WAVE at this rate.
namespace Sounds {
inline constexpr int sampleRate = 48000;
inline constexpr int shotVariants = 3;
inline constexpr int hitVariants = 2;

enum Clip {
    Shot0, Shot1, Shot2, Click, MagazineOut, MagazineIn, Bolt,
    WoodHit0, WoodHit1, WoodCrack, WoodBreak, BoardHit0, BoardHit1, BoardCrack, BoardBreak,
    StepOff, Engine, ClipCount
};
static_assert(Shot0 + shotVariants == Click && WoodHit0 + hitVariants == WoodCrack && BoardHit0 + hitVariants == BoardCrack);

// In the order of Clip.
inline constexpr const char* files[ClipCount] = {
    "sound/shot_0.wav", "sound/shot_1.wav", "sound/shot_2.wav", "sound/click.wav", "sound/magazine_out.wav",
    "sound/magazine_in.wav", "sound/bolt.wav", "sound/wood_hit_0.wav", "sound/wood_hit_1.wav", "sound/wood_crack.wav",
    "sound/wood_break.wav", "sound/board_hit_0.wav", "sound/board_hit_1.wav", "sound/board_crack.wav",
    "sound/board_break.wav", "sound/step_off.wav", "sound/engine.wav",
};
} // namespace Sounds

} // namespace Media
