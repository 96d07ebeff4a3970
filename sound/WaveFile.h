// Reads a sound of the media tree: mono 16-bit PCM WAVE at the sounds' rate, checked chunk by chunk.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace WaveFile {

// The samples of a whole file; throws std::runtime_error naming the file and saying what is wrong with it.
std::vector<std::int16_t> decode(const std::string& name, std::string_view bytes);

} // namespace WaveFile
