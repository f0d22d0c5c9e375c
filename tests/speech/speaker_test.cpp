// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/module_recording_player.h"
#include "speech/recording_files.h"
#include "speech/text_to_speech_speaker.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstring>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace brindolo {
namespace {

// A speech daemon's stand-in on a socket of its own: it speaks as much of
// SSIP as libspeechd and Qt's engine use, offers a voice for each shipped
// language, and logs each text it is given with the voice set for it. A deaf
// one takes connections and never answers them.
class StandInDaemon {
public:
    enum class Kind { Answering, Deaf };

    explicit StandInDaemon(Kind kind = Kind::Answering) : kind_(kind)
    {
        const QByteArray path = QFile::encodeName(folder_.filePath("speechd.sock"));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, 4) != 0)
            ADD_FAILURE() << "no socket at " << path.constData();
        address_ = "unix_socket:" + path;
        acceptor_ = std::thread([this] {
            for (int client; (client = ::accept(listener_, nullptr, nullptr)) >= 0;) {
                const std::lock_guard lock(mutex_);
                clients_.push_back(client);
                if (kind_ == Kind::Answering)
                    servers_.emplace_back([this, client] { serve(client); });
            }
        });
    }

    ~StandInDaemon()
    {
        ::shutdown(listener_, SHUT_RDWR);
        acceptor_.join();
        ::close(listener_);
        // A deaf daemon's clients are left open: an engine waiting for its
        // answer goes on waiting, harmlessly, to the end of the process.
        if (kind_ == Kind::Deaf)
            return;
        for (const int client : clients_)
            ::shutdown(client, SHUT_RDWR);
        for (std::thread& server : servers_)
            server.join();
        for (const int client : clients_)
            ::close(client);
    }

    // For SPEECHD_ADDRESS.
    QByteArray address() const { return address_; }
    bool connected() const
    {
        const std::lock_guard lock(mutex_);
        return !clients_.empty();
    }
    // "voice: text", one for each text received.
    QStringList said() const
    {
        const std::lock_guard lock(mutex_);
        return said_;
    }

private:
    void serve(int client)
    {
        std::string pending;
        std::string voice;
        std::string text;
        bool receiving = false;
        int messages = 0;
        char chunk[4096];
        for (ssize_t got; (got = ::read(client, chunk, sizeof chunk)) > 0;) {
            pending.append(chunk, static_cast<size_t>(got));
            for (size_t end; (end = pending.find("\r\n")) != std::string::npos; pending.erase(0, end + 2)) {
                const std::string line = pending.substr(0, end);
                std::string reply = "200 OK\r\n";
                if (receiving && line != ".") {
                    text += line;
                    continue;
                }
                if (receiving) {
                    receiving = false;
                    {
                        const std::lock_guard lock(mutex_);
                        said_.append(QString::fromStdString(voice + ": " + text));
                    }
                    text.clear();
                    const std::string id = std::to_string(++messages);
                    reply = "225-" + id + "\r\n225 OK MESSAGE QUEUED\r\n701-" + id + "\r\n701-1\r\n701 BEGIN\r\n702-"
                            + id + "\r\n702-1\r\n702 END\r\n";
                } else if (const QByteArray command = QByteArray::fromStdString(line).toUpper(); command == "SPEAK") {
                    receiving = true;
                    reply = "230 OK RECEIVING DATA\r\n";
                } else if (command.startsWith("SET SELF SYNTHESIS_VOICE ")) {
                    voice = line.substr(std::strlen("SET SELF SYNTHESIS_VOICE "));
                } else if (command == "LIST OUTPUT_MODULES") {
                    reply = "250-espeak-ng\r\n250 OK MODULE LIST SENT\r\n";
                } else if (command == "GET OUTPUT_MODULE") {
                    reply = "251-espeak-ng\r\n251 OK GET RETURNED\r\n";
                } else if (command == "LIST SYNTHESIS_VOICES") {
                    reply = "249-Italian\tit\tnone\r\n249-English\ten\tnone\r\n249-French\tfr\tnone\r\n"
                            "249-German\tde\tnone\r\n249-Spanish\tes\tnone\r\n249 OK VOICE LIST SENT\r\n";
                }
                ::send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
            }
        }
    }

    const Kind kind_;
    QTemporaryDir folder_;
    QByteArray address_;
    int listener_ = -1;
    std::thread acceptor_;
    mutable std::mutex mutex_;
    std::vector<int> clients_;
    std::vector<std::thread> servers_;
    QStringList said_;
};

// Waits for the daemon to have been given count texts.
QStringList saidOnceThere(const StandInDaemon& daemon, qsizetype count)
{
    const QDeadlineTimer patience(10000);
    while (daemon.said().size() < count && !patience.hasExpired())
        QTest::qWait(10);
    return daemon.said();
}

// Qt's speechd engine and libspeechd as installed, in the process's locale,
// which ctest also sets to C and to a usual one: each word reaches the
// daemon in its own language's voice, whatever the locale.
TEST(TextToSpeechSpeaker, TheInstalledEngineSpeaksTheShippedLanguagesOrStaysSilent)
{
    const auto restore = qScopeGuard([] { qunsetenv("SPEECHD_ADDRESS"); });
    const StandInDaemon daemon;
    qputenv("SPEECHD_ADDRESS", daemon.address());
    {
        TextToSpeechSpeaker speaker;
        EXPECT_FALSE(speaker.canSpeak("italiano")) << "nothing before the engine starts";
        QSignalSpy voices(&speaker, &TextToSpeechSpeaker::voicesChanged);
        speaker.start();
        ASSERT_TRUE(voices.wait(10000)) << "the voices were never told";
        EXPECT_EQ(speaker.unavailableReason().toStdString(), "") << "locale " << QLocale().name().toStdString();
        const std::vector<std::pair<const char*, const char*>> words{
            {"italiano", "gatto"}, {"english", "cat"}, {"français", "chat"}, {"deutsch", "Katze"}, {"español", "gato"}};
        for (const auto& [language, word] : words) {
            EXPECT_TRUE(speaker.canSpeak(language)) << language;
            speaker.say(word, language);
        }
        EXPECT_TRUE(speaker.speaking());
        EXPECT_EQ(saidOnceThere(daemon, 5),
                  (QStringList{"Italian: gatto", "English: cat", "French: chat", "German: Katze", "Spanish: gato"}));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !speaker.speaking(); }, 10000)) << "the last word's end was told";
        speaker.say("gatto", "klingon");
        EXPECT_FALSE(speaker.speaking()) << "no voice, nothing said";
        EXPECT_TRUE(speaker.finish());
        EXPECT_FALSE(speaker.canSpeak("italiano")) << "nothing once finished";
    }

    // No daemon to be reached: silent, and saying why.
    qputenv("SPEECHD_ADDRESS", "nowhere");
    {
        TextToSpeechSpeaker speaker;
        QSignalSpy voices(&speaker, &TextToSpeechSpeaker::voicesChanged);
        speaker.start();
        ASSERT_TRUE(voices.wait(10000));
        EXPECT_NE(speaker.unavailableReason(), "");
        EXPECT_FALSE(speaker.canSpeak("italiano"));
    }

    // A daemon that never answers holds the engine: a game closed meanwhile
    // ends at once, told that the engine is still inside.
    const StandInDaemon deaf(StandInDaemon::Kind::Deaf);
    qputenv("SPEECHD_ADDRESS", deaf.address());
    QElapsedTimer closing;
    {
        TextToSpeechSpeaker early;
        early.start();
        const QDeadlineTimer patience(10000);
        while (!deaf.connected() && !patience.hasExpired())
            QThread::msleep(10);
        closing.start();
        EXPECT_FALSE(early.finish());
    }
    EXPECT_LT(closing.elapsed(), 2000);
}

// The real player, loaded from the recordings module, through GStreamer on
// whatever output this machine has (with no sound card, GStreamer's automatic
// sink plays into a fake one): words spoken by espeak-ng as WAV and again as
// Ogg Vorbis play to their end; a file that is no audio, or any recording
// without the module, is reported unplayable, the missing module once.
TEST(ModuleRecordingPlayer, PlaysRecordedWordsToTheirEndAndReportsTheUnplayable)
{
    QTemporaryDir folder;
    const QString wav = folder.filePath("gatto.wav");
    const QString ogg = folder.filePath("gatto.ogg");
    const QString broken = folder.filePath("cane.ogg");
    ASSERT_EQ(QProcess::execute("espeak-ng", {"-v", "it", "-w", wav, "gatto"}), 0);
    ASSERT_EQ(QProcess::execute("sox", {wav, ogg}), 0);
    QFile notAudio(broken);
    ASSERT_TRUE(notAudio.open(QIODevice::WriteOnly));
    notAudio.write("OggS but not really");
    notAudio.close();

    static QStringList logged;
    QLoggingCategory::setFilterRules("brindolo.speech.info=true");
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context,
                                                                const QString& text) {
        if (QLatin1String(context.category) == QLatin1String("brindolo.speech"))
            logged << text;
    });
    const auto restore = qScopeGuard([previous] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
    });

    ModuleRecordingPlayer player(BRINDOLO_BINARY_DIR "/bin/modules");
    ModuleRecordingPlayer withoutModule(folder.path().toStdString());
    // The same recording twice, as when the hint bar is clicked again.
    for (const auto& [recordings, path, playable] :
         {std::tuple{&player, wav, true}, std::tuple{&player, ogg, true}, std::tuple{&player, ogg, true},
          std::tuple{&player, broken, false}, std::tuple{&withoutModule, wav, false},
          std::tuple{&withoutModule, ogg, false}}) {
        std::optional<bool> played;
        recordings->play(path, [&played](bool done) { played = done; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return played.has_value(); }, 10000)) << path.toStdString();
        EXPECT_EQ(played, std::optional<bool>(playable)) << path.toStdString();
        EXPECT_FALSE(recordings->playing());
    }
    EXPECT_TRUE(!logged.filter("cane.ogg").isEmpty() && logged.filter("gatto").isEmpty())
        << logged.join('\n').toStdString();
    EXPECT_EQ(logged.filter("Cannot load module recordings").size(), 1) << logged.join('\n').toStdString();
}

// A recording is judged by its first bytes; one that cannot be read says
// why, and a named pipe is refused at once instead of waited on.
TEST(RecordingFiles, ProblemsAreToldFromTheFirstBytesWithoutWaiting)
{
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("ogg.ogg", "OggS" + QByteArray(100, '\0'));
    write("wave.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
    write("empty.ogg", "");
    write("text.mp3", "not a sound at all");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe.ogg")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.ogg"));
    const std::pair<const char*, QString> rows[] = {
        {"ogg.ogg", ""},
        {"wave.wav", ""},
        {"empty.ogg", "is empty"},
        {"text.mp3", "is not Ogg, WAV, FLAC or MP3 audio"},
        {"pipe.ogg", "cannot be read: not a regular file"},
        {"folder.ogg", "cannot be read: Is a directory"},
        {"missing.ogg", "cannot be read: No such file or directory"},
    };
    for (const auto& [name, problem] : rows)
        EXPECT_EQ(recordingProblem(folder.filePath(name)).toStdString(), problem.toStdString()) << name;
}

}  // namespace
}  // namespace brindolo
