// The materials the game asks for by name, as the media scripts define them.
#pragma once

namespace MaterialNames {

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

} // namespace MaterialNames
