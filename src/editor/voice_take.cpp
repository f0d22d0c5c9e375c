// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/voice_take.h"

#include "system/output_file.h"

#include <algorithm>
#include <cmath>

namespace brindolo {

namespace {

constexpr int frameMilliseconds = 10;
constexpr int marginMilliseconds = 50;
constexpr double loudShareOfLoudest = 0.1;  // -20 dB
constexpr double floorRms = 260;            // about -42 dBFS

double rms(std::span<const std::int16_t> frame)
{
    double sum = 0;
    for (const std::int16_t sample : frame)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(frame.size()));
}

void putLittleEndian(std::vector<unsigned char>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putTag(std::vector<unsigned char>& bytes, const char (&tag)[5])
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

}  // namespace

int VoiceTake::milliseconds() const
{
    return sampleRate > 0 ? int(samples.size() * 1000 / std::size_t(sampleRate)) : 0;
}

SampleRange wordRange(std::span<const std::int16_t> samples, int sampleRate)
{
    const std::size_t frame = std::max<std::size_t>(1, std::size_t(sampleRate) * frameMilliseconds / 1000);
    std::vector<double> levels;
    for (std::size_t at = 0; at < samples.size(); at += frame)
        levels.push_back(rms(samples.subspan(at, std::min(frame, samples.size() - at))));
    const double loudest = levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
    const double threshold = std::max(floorRms, loudest * loudShareOfLoudest);
    const auto loud = [threshold](double level) { return level >= threshold; };
    const auto first = std::find_if(levels.begin(), levels.end(), loud);
    if (first == levels.end())
        return {};
    const auto last = std::find_if(levels.rbegin(), levels.rend(), loud).base();  // one past
    const std::size_t margin = std::size_t(sampleRate) * marginMilliseconds / 1000;
    const std::size_t begin = std::size_t(first - levels.begin()) * frame;
    const std::size_t end = std::min(samples.size(), std::size_t(last - levels.begin()) * frame);
    return {begin > margin ? begin - margin : 0, std::min(samples.size(), end + margin)};
}

VoiceTake trimSilence(std::span<const std::int16_t> samples, int sampleRate)
{
    const SampleRange word = wordRange(samples, sampleRate);
    return {{samples.begin() + std::ptrdiff_t(word.begin), samples.begin() + std::ptrdiff_t(word.end)},
            sampleRate};
}

// The 44 bytes of a canonical PCM header are written here by hand: a
// library such as libsndfile would add a dependency for one fixed layout.
// Little-endian whatever the machine, as RIFF wants.
void writeWav(const std::string& path, const VoiceTake& take)
{
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataSize = std::uint32_t(take.samples.size() * bytesPerSample);
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataSize);
    putTag(bytes, "RIFF");
    putLittleEndian(bytes, 36 + dataSize, 4);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    putLittleEndian(bytes, 16, 4);  // the format chunk's size
    putLittleEndian(bytes, 1, 2);   // PCM
    putLittleEndian(bytes, 1, 2);   // mono
    putLittleEndian(bytes, std::uint32_t(take.sampleRate), 4);
    putLittleEndian(bytes, std::uint32_t(take.sampleRate) * bytesPerSample, 4);  // bytes a second
    putLittleEndian(bytes, bytesPerSample, 2);                                     // bytes a frame
    putLittleEndian(bytes, 16, 2);                                                 // bits a sample
    putTag(bytes, "data");
    putLittleEndian(bytes, dataSize, 4);
    for (const std::int16_t sample : take.samples)
        putLittleEndian(bytes, std::uint16_t(sample), 2);
    OutputFile file(path);
    file.write(bytes.data(), bytes.size());
    file.commit();
}

}  // namespace brindolo
