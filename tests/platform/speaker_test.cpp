// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/language_names.h"
#include "platform/text_to_speech_speaker.h"

#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace brindolo {
namespace {

TEST(TextToSpeechSpeaker, LanguageNamesAsTheLanguageListWritesThem)
{
    EXPECT_EQ(languageNamed("italiano"), QLocale::Italian);
    EXPECT_EQ(languageNamed("english"), QLocale::English);
    EXPECT_EQ(languageNamed("Français"), QLocale::French);
    EXPECT_EQ(languageNamed("deutsch"), QLocale::German);
    EXPECT_EQ(languageNamed("español"), QLocale::Spanish);
    EXPECT_EQ(languageNamed("português"), QLocale::Portuguese);
    EXPECT_EQ(languageNamed("German"), QLocale::German);
    EXPECT_EQ(languageNamed("de"), QLocale::German);
    EXPECT_EQ(languageNamed("parziale"), QLocale::AnyLanguage);
    EXPECT_EQ(languageNamed(""), QLocale::AnyLanguage);
}

// The engine installed on this machine, if any: silent and without error
// where there is none.
TEST(TextToSpeechSpeaker, TheInstalledEngineSpeaksTheShippedLanguagesOrStaysSilent)
{
#ifdef __SANITIZE_ADDRESS__
    // libspeechd parses its list of 1,800 voices with a strstr per line over
    // the rest of the reply; AddressSanitizer's check of every call makes
    // that take many minutes instead of seconds.
    GTEST_SKIP() << "The speech library's voice list takes minutes under AddressSanitizer";
#endif
    // The speech daemon the engine starts is the test's own, in a runtime
    // folder of its own, and is stopped by its process id.
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const auto stopDaemon = qScopeGuard([&runtime] {
        QFile pid(runtime.filePath("speech-dispatcher/pid/speech-dispatcher.pid"));
        const int id = pid.open(QIODevice::ReadOnly) ? pid.readAll().trimmed().toInt() : 0;
        if (id <= 0)
            return;
        // It may be deaf to a polite request while its last client leaves.
        ::kill(id, SIGTERM);
        QDeadlineTimer patience(3000);
        const auto running = [id] {
            // A zombie is gone too: its parent is init, not this test.
            QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
            return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
        };
        while (running() && !patience.hasExpired())
            QThread::msleep(50);
        ::kill(id, SIGKILL);
    });
    TextToSpeechSpeaker speaker;
    EXPECT_FALSE(speaker.canSpeak("italiano")) << "nothing before the engine starts";
    speaker.say("gatto", "italiano");
    QSignalSpy voices(&speaker, &TextToSpeechSpeaker::voicesChanged);
    speaker.start();
    ASSERT_TRUE(voices.wait(60000)) << "the voices were never told";
    if (!speaker.unavailableReason().isEmpty()) {
        EXPECT_FALSE(speaker.canSpeak("italiano"));
        speaker.say("gatto", "italiano");
        GTEST_SKIP() << "No voice on this machine: " << speaker.unavailableReason().toStdString();
    }
    for (const char* language : {"italiano", "english", "français", "deutsch", "español"})
        EXPECT_TRUE(speaker.canSpeak(language)) << language;
    speaker.say("gatto", "italiano");
    speaker.say("cane", "italiano");

    // Listing the voices takes seconds; a game closed meanwhile ends at once.
    QElapsedTimer closing;
    {
        TextToSpeechSpeaker early;
        early.start();
        closing.start();
    }
    EXPECT_LT(closing.elapsed(), 2000);
}

}  // namespace
}  // namespace brindolo
