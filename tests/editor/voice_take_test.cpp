// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/voice_take.h"
#include "editor/sox_wav.h"
#include "system/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>
#include <vector>

namespace brindolo {
namespace {

constexpr int rate = 16000;

// A stretch of a synthetic take: a 440 Hz tone of the given peak, or
// white noise of the given peak, or (amplitude 0) silence.
struct Stretch {
    int milliseconds;
    double amplitude;
    bool noise = false;
};

std::vector<std::int16_t> synthesise(std::initializer_list<Stretch> stretches)
{
    std::vector<std::int16_t> samples;
    std::minstd_rand random(7);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (const Stretch& stretch : stretches)
        for (int i = 0; i < stretch.milliseconds * rate / 1000; ++i) {
            const double wave = stretch.noise ? unit(random) : std::sin(2 * std::numbers::pi * 440 * i / rate);
            samples.push_back(std::int16_t(std::lround(stretch.amplitude * wave)));
        }
    return samples;
}

// The word is kept from its first to its last loud 10 ms with 50 ms of margin
// (within a frame); a take with nothing above the floor is empty.
TEST(VoiceTake, CutsTheSilenceAroundTheWord)
{
    struct Case {
        const char* name;
        std::vector<std::int16_t> samples;
        int beginMilliseconds, endMilliseconds;  // -1, -1: nothing heard
    };
    const Case cases[] = {
        {"silence, tone, silence", synthesise({{500, 0}, {300, 8000}, {500, 0}}), 450, 850},
        {"a quiet room's hiss", synthesise({{400, 150, true}, {300, 8000}, {600, 150, true}}), 350, 750},
        {"a noisy room", synthesise({{400, 800, true}, {300, 16000}, {600, 800, true}}), 350, 750},
        {"a soft ending kept", synthesise({{200, 0}, {300, 16000}, {200, 2000}, {300, 0}}), 150, 750},
        {"tone to the very end", synthesise({{300, 0}, {400, 8000}}), 250, 700},
        {"tone from the very start", synthesise({{400, 8000}, {300, 0}}), 0, 450},
        {"all silence", synthesise({{1000, 0}}), -1, -1},
        {"only hiss below the floor", synthesise({{1000, 300, true}}), -1, -1},
        {"nothing recorded", {}, -1, -1},
    };
    constexpr int frameSamples = rate / 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SampleRange word = wordRange(c.samples, rate);
        const VoiceTake take = trimSilence(c.samples, rate);
        if (c.beginMilliseconds < 0) {
            EXPECT_EQ(word.begin, word.end);
            EXPECT_TRUE(take.empty());
            continue;
        }
        EXPECT_NEAR(double(word.begin), c.beginMilliseconds * rate / 1000, frameSamples);
        EXPECT_NEAR(double(word.end), c.endMilliseconds * rate / 1000, frameSamples);
        ASSERT_EQ(take.samples.size(), word.end - word.begin);
        EXPECT_EQ(take.sampleRate, rate);
        EXPECT_TRUE(
            std::equal(take.samples.begin(), take.samples.end(), c.samples.begin() + std::ptrdiff_t(word.begin)));
    }
}

// What is written is a WAV file that sox reads back as the same samples; a
// failed write leaves the older recording as it was.
TEST(VoiceTake, KeepsTheTakeAsAWavFileWholeOrNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("gatto.wav");
    const VoiceTake take{synthesise({{20, 0}, {50, 30000}}), rate};
    writeWav(QFile::encodeName(path).toStdString(), take);
    const VoiceTake read = readWithSox(path);
    EXPECT_EQ(read.sampleRate, rate);
    EXPECT_EQ(read.samples, take.samples);
    EXPECT_EQ(QFileInfo(path).size(), 44 + 2 * qint64(take.samples.size()));

    // A folder in the file's place cannot be replaced; nothing is left beside it.
    const QString blocked = folder.filePath("cane.wav");
    ASSERT_TRUE(QDir(folder.path()).mkdir("cane.wav"));
    EXPECT_THROW(writeWav(QFile::encodeName(blocked).toStdString(), take), Exception);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"gatto.wav"});
}

}  // namespace
}  // namespace brindolo
