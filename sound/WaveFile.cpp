#include "sound/WaveFile.h"

#include "common/MediaContract.h"

#include <stdexcept>

namespace {

const std::uint32_t pcmFormat = 1;
const std::uint32_t channels = 1;
const std::uint32_t bitsPerSample = 16;
const std::uint32_t bytesPerSample = bitsPerSample / 8;
const std::size_t chunkHeaderSize = 8;
const std::size_t formatSize = 16;

// Says what is wrong with the file; the caller names it.
[[noreturn]] void fail(const std::string& why)
{
    throw std::runtime_error(why);
}

// Little-endian fields at fixed offsets; the caller has checked that they lie inside the file.
std::uint32_t field(std::string_view bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

void checkFormat(std::string_view bytes, std::size_t at, std::uint32_t size)
{
    if (size < formatSize)
        fail("format chunk too short");
    if (field(bytes, at, 2) != pcmFormat || field(bytes, at + 2, 2) != channels
        || field(bytes, at + 4, 4) != Media::Sounds::sampleRate || field(bytes, at + 8, 4) != Media::Sounds::sampleRate * bytesPerSample
        || field(bytes, at + 12, 2) != bytesPerSample || field(bytes, at + 14, 2) != bitsPerSample)
        fail("not mono 16-bit PCM at " + std::to_string(Media::Sounds::sampleRate) + " Hz");
}

std::vector<std::int16_t> samplesOf(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        fail("not a RIFF WAVE file");
    if (field(bytes, 4, 4) != bytes.size() - chunkHeaderSize)
        fail("truncated or padded: the RIFF size does not match the file");
    bool formatSeen = false;
    std::size_t at = 12;
    while (at + chunkHeaderSize <= bytes.size()) {
        const std::uint32_t size = field(bytes, at + 4, 4);
        const std::size_t body = at + chunkHeaderSize;
        if (size > bytes.size() - body)
            fail("chunk '" + std::string(bytes.substr(at, 4)) + "' runs past the end of the file");
        if (bytes.compare(at, 4, "fmt ") == 0) {
            checkFormat(bytes, body, size);
            formatSeen = true;
        } else if (bytes.compare(at, 4, "data") == 0) {
            if (!formatSeen)
                fail("data before the format chunk");
            if (size == 0 || size % bytesPerSample != 0)
                fail("no whole samples in the data chunk");
            std::vector<std::int16_t> samples(size / bytesPerSample);
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = static_cast<std::int16_t>(field(bytes, body + i * bytesPerSample, bytesPerSample));
            return samples;
        }
        at = body + size + size % 2;
    }
    fail("no data chunk");
}

} // namespace

std::vector<std::int16_t> WaveFile::decode(const std::string& name, std::string_view bytes)
{
    try {
        return samplesOf(bytes);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error("sound file '" + name + "' is corrupt: " + error.what());
    }
}
