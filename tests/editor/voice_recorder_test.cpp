// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/sox_wav.h"
#include "editor/voice_recorder.h"
#include "system/errors.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <csignal>
#include <numbers>
#include <sys/prctl.h>

namespace brindolo {
namespace {

// A PulseAudio server of the test's own, with no sound card: one null sink,
// whose monitor is the default source, so that what is played into the sink
// is what the microphone hears. Stopped by its process id (QProcess's).
class PrivateSoundServer {
public:
    PrivateSoundServer()
    {
        const QString program = QStandardPaths::findExecutable("pulseaudio");
        if (program.isEmpty()) {
            failure_ = "pulseaudio is not installed";
            return;
        }
        QFile script(folder_.filePath("default.pa"));
        if (!script.open(QIODevice::WriteOnly)) {
            failure_ = "its script cannot be written in " + folder_.path();
            return;
        }
        script.write("load-module module-native-protocol-unix auth-anonymous=1 socket=" +
                     QFile::encodeName(socket()) +
                     "\nload-module module-null-sink sink_name=room"
                     // Qt lists no monitor source as a microphone: the same sound remapped is one.
                     "\nload-module module-remap-source master=room.monitor source_name=microphone"
                     "\nset-default-source microphone\n");
        script.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Its settings, cookie and runtime files in the test's folder.
        environment.insert("HOME", folder_.path());
        environment.insert("XDG_RUNTIME_DIR", folder_.path());
        environment.insert("XDG_CONFIG_HOME", folder_.path());
        server_.setProcessEnvironment(environment);
        server_.setStandardOutputFile(log());
        server_.setStandardErrorFile(log());
        // Ended with the test, even one that crashes.
        server_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        // --system=no: it also runs as root, as in CI, with a warning.
        server_.start(program, {"-n", "--daemonize=no", "--system=no", "--exit-idle-time=-1", "--disallow-exit",
                                "--log-target=stderr", "-F", script.fileName()});
        if (!server_.waitForStarted(5000)) {
            failure_ = "pulseaudio does not start: " + server_.errorString();
            return;
        }
        // Ready once it answers with the microphone: its socket comes earlier.
        const QDeadlineTimer deadline(10000);
        while (!answers() && server_.state() == QProcess::Running && !deadline.hasExpired())
            QTest::qWait(50);
        if (!answers()) {
            QFile messages(log());
            messages.open(QIODevice::ReadOnly);
            failure_ = "pulseaudio did not answer in 10 s: " + QString::fromUtf8(messages.readAll().right(2000));
        }
    }

    ~PrivateSoundServer() { stop(); }

    void stop()
    {
        if (server_.state() == QProcess::NotRunning)
            return;
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }

    // Empty when the server answers.
    const QString& failure() const { return failure_; }
    QString address() const { return "unix:" + socket(); }

    // Starts playing the file into the sink, with paplay's large buffer: a
    // small one runs dry on a loaded machine, and the tone gets gaps.
    void play(QProcess& player, const QString& wav) const
    {
        player.start("paplay", {"--server=" + address(), wav});
    }

private:
    bool answers() const
    {
        QProcess pactl;
        pactl.start("pactl", {"--server=" + address(), "list", "short", "sources"});
        return pactl.waitForFinished(5000) && pactl.exitCode() == 0 &&
               pactl.readAllStandardOutput().contains("microphone");
    }

    QString socket() const { return folder_.filePath("native"); }
    QString log() const { return folder_.filePath("pulseaudio.log"); }

    QTemporaryDir folder_;
    QProcess server_;
    QString failure_;
};

// Upward zero crossings: a tone's periods.
int crossings(const VoiceTake& take)
{
    int count = 0;
    for (std::size_t i = 1; i < take.samples.size(); ++i)
        count += take.samples[i - 1] < 0 && take.samples[i] >= 0;
    return count;
}

// A real recording through Qt Multimedia: silence, a 400 ms tone of 880 Hz
// at half of full scale played into the server's sink, which the recorder
// hears from its default source, and silence again. The level shows the
// tone, the kept WAV file holds the tone with the silence cut, and the take
// plays back to its end. Then silence alone: nothing is heard; and a sound
// server that goes away.
TEST(VoiceRecorder, RecordsAToneWithItsSilenceCut)
{
    PrivateSoundServer server;
    if (!server.failure().isEmpty())
        GTEST_SKIP() << "no sound server for the recording: " << server.failure().toStdString();
    // Qt's sound engine connects on its first use in this process, to this server.
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());

    QTemporaryDir folder;
    const QString tone = folder.filePath("tone.wav");
    VoiceTake played{std::vector<std::int16_t>(44100 * 400 / 1000), 44100};
    for (std::size_t i = 0; i < played.samples.size(); ++i)
        played.samples[i] = std::int16_t(std::lround(16384 * std::sin(2 * std::numbers::pi * 880 * double(i) / 44100)));
    writeWav(QFile::encodeName(tone).toStdString(), played);

    VoiceRecorder recorder;
    ASSERT_EQ(recorder.unavailableReason().toStdString(), "");
    QSignalSpy levels(&recorder, &VoiceRecorder::levelChanged);
    QSignalSpy stopped(&recorder, &VoiceRecorder::stopped);
    // The sound server hands samples over late and in bursts on a loaded
    // machine, so the test follows the level rather than the clock: some
    // silence, the tone, and silence again once it has been heard.
    const auto heard = [&levels](double loudest, qsizetype from) {
        return std::any_of(levels.begin() + from, levels.end(), [loudest](const QList<QVariant>& level) {
            return level.at(0).toDouble() >= loudest;
        });
    };
    recorder.start();
    ASSERT_TRUE(recorder.recording());
    ASSERT_TRUE(QTest::qWaitFor([&] { return levels.count() >= 4; }, 10000)) << "no sound recorded";
    ASSERT_FALSE(heard(0.01, 0));
    QProcess player;
    server.play(player, tone);
    ASSERT_TRUE(QTest::qWaitFor([&] { return heard(0.25, 0) || !stopped.isEmpty(); }, 10000)) << "no tone heard";
    const qsizetype toneHeard = levels.count() - 1;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return (levels.count() >= toneHeard + 4 && !heard(0.01, levels.count() - 4)) || !stopped.isEmpty();
    }, 10000)) << "the tone goes on";
    recorder.stop();
    ASSERT_EQ(stopped.count(), 1);
    EXPECT_EQ(stopped.at(0).at(0).toString().toStdString(), "");
    EXPECT_FALSE(recorder.recording());
    if (player.state() != QProcess::NotRunning)
        player.waitForFinished(10000);
    EXPECT_TRUE(player.exitStatus() == QProcess::NormalExit && player.exitCode() == 0)
        << "paplay: " << player.readAllStandardError().toStdString();

    double loudest = 0;
    for (const QList<QVariant>& level : levels)
        loudest = std::max(loudest, level.at(0).toDouble());
    EXPECT_NEAR(loudest, 0.5, 0.1) << levels.count() << " levels";

    const QString kept = folder.filePath("gatto.wav");
    recorder.keep(kept);
    const VoiceTake take = readWithSox(kept);
    EXPECT_EQ(take.samples, recorder.take().samples);
    // 400 ms of 880 Hz, and 50 ms of margin either side (within a 10 ms frame).
    EXPECT_NEAR(crossings(take), 880 * 0.4, 880 * 0.4 * 0.03);
    EXPECT_NEAR(take.milliseconds(), 500, 20);

    QSignalSpy playedBack(&recorder, &VoiceRecorder::playbackFinished);
    recorder.play();
    EXPECT_TRUE(recorder.playing());
    EXPECT_TRUE(playedBack.wait(10000)) << "the take does not play to its end";
    EXPECT_FALSE(recorder.playing());

    recorder.discard();
    EXPECT_FALSE(recorder.hasTake());
    EXPECT_THROW(recorder.keep(kept), Exception);

    // Left alone, a recording of silence stops by itself after five seconds
    // and says that nothing was heard.
    QElapsedTimer clock;
    clock.start();
    recorder.start();
    ASSERT_TRUE(stopped.wait(15000));
    EXPECT_GE(clock.elapsed(), VoiceRecorder::longestMilliseconds);
    EXPECT_TRUE(stopped.last().at(0).toString().startsWith("Nothing was heard"))
        << stopped.last().at(0).toString().toStdString();
    EXPECT_FALSE(recorder.recording() || recorder.hasTake());

    // The sound server goes away while recording: the recording ends and says why.
    recorder.start();
    server.stop();
    ASSERT_TRUE(stopped.wait(10000)) << "still recording";
    EXPECT_TRUE(stopped.last().at(0).toString().contains("stopped")) << stopped.last().at(0).toString().toStdString();
    EXPECT_FALSE(recorder.recording() || recorder.hasTake());
}

}  // namespace
}  // namespace brindolo
