// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A recorded word as the editor holds it before it is kept: 16-bit mono
// samples, the silence before and after the word cut, and the WAV file the
// game plays it from. Pure functions over samples, so that the cut can be
// checked without a microphone.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brindolo {

struct VoiceTake {
    std::vector<std::int16_t> samples;  // mono, 16-bit signed
    int sampleRate = 0;                 // samples a second

    bool empty() const { return samples.empty(); }
    int milliseconds() const;
};

// Where the word lies in a recording: [begin, end) in samples; begin == end
// when nothing louder than the floor was heard.
struct SampleRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const SampleRange&) const = default;
};

// The word's range: the recording is measured in frames of 10 ms, a frame is
// loud when its RMS reaches a tenth of the loudest frame's and an absolute
// floor (about -42 dBFS, above a quiet room's hiss), and the range runs from
// the first loud frame to the end of the last, with 50 ms of margin on either
// side, so that soft first and last sounds are not clipped.
SampleRange wordRange(std::span<const std::int16_t> samples, int sampleRate);

// The take with the silence around its word cut; empty when nothing was heard.
VoiceTake trimSilence(std::span<const std::int16_t> samples, int sampleRate);

// The take as a WAV file (RIFF, PCM 16-bit mono), written whole or not at
// all: the file at path, if any, is replaced only once the new one is whole.
// path is in the file system's bytes. Throws Exception on failure.
void writeWav(const std::string& path, const VoiceTake& take);

}  // namespace brindolo
