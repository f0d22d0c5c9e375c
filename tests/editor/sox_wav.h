// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A WAV file as sox reads it, so that the files the editor writes are
// checked by another program's reader than ours.

#include "editor/voice_take.h"

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace brindolo {

// soxi's answer to one question about the file (-r rate, -c channels, -b bits).
inline int soxInfo(const QString& path, const char* question)
{
    QProcess soxi;
    soxi.start("soxi", {question, path});
    EXPECT_TRUE(soxi.waitForFinished(10000) && soxi.exitCode() == 0) << soxi.readAllStandardError().toStdString();
    return soxi.readAllStandardOutput().trimmed().toInt();
}

// The file's samples when it is 16-bit mono; an empty take otherwise, with
// the test failed.
inline VoiceTake readWithSox(const QString& path)
{
    EXPECT_EQ(soxInfo(path, "-c"), 1) << "channels";
    EXPECT_EQ(soxInfo(path, "-b"), 16) << "bits";
    QProcess sox;
    sox.start("sox", {path, "-t", "raw", "-e", "signed", "-b", "16", "-L", "-"});
    EXPECT_TRUE(sox.waitForFinished(10000) && sox.exitCode() == 0) << sox.readAllStandardError().toStdString();
    const QByteArray raw = sox.readAllStandardOutput();
    VoiceTake take{std::vector<std::int16_t>(std::size_t(raw.size()) / 2), soxInfo(path, "-r")};
    for (std::size_t i = 0; i < take.samples.size(); ++i)
        take.samples[i] =
            std::int16_t(std::uint8_t(raw[qsizetype(2 * i)]) | std::uint8_t(raw[qsizetype(2 * i + 1)]) << 8);
    return take;
}

}  // namespace brindolo
