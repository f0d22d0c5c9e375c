// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Resident memory of a game after a deal of ten 4000 x 3000 photos and a
// hover over every slot, against the same game on ten 320 x 320 pictures,
// each game a fresh process; the smallest of a few runs stands for each.
//
// usage: bench_memory   (other arguments are ignored, so that it runs among
// the benchmark binaries; it runs itself with --make and --play)

#include "app/principale.h"
#include "picture/decode_cache.h"
#include "support/photo.h"
#include "support/scripted_random.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr double kGoal = 1.5;
constexpr int kPictures = 10;
constexpr int kRuns = 3;

// Ten different pictures of one size in DIR/immagini.
int makePictures(const QString& folder, int width, int height)
{
    QDir(folder).mkpath("immagini");
    for (int i = 0; i < kPictures; ++i) {
        const QString path = QString("%1/immagini/foto%2.jpg").arg(folder).arg(i);
        if (!brindolo::bench::photoLikePicture(width, height, 1000u + static_cast<std::uint32_t>(i))
                 .save(path, "JPG", 90))
            return 1;
    }
    return 0;
}

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

// A deal of all ten pictures, one per slot, the pictures decoded ahead, a
// hover over every slot, each picture painted: then the resident memory.
int play(int argc, char** argv, const QString& folder)
{
    QApplication app(argc, argv);
    auto* random = new brindolo::ScriptedRandom;
    for (int i = 0; i < kPictures; ++i)
        random->push(i);
    random->push(0);
    brindolo::TPrincipale window(nullptr, (folder + "/").toStdString(),
                                 std::unique_ptr<brindolo::RandomSource>(random));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.Panel35Click();
    window.Immagine->waitForPrefetch();
    for (int word = 1; word <= kPictures; ++word) {
        QWidget& slot = *window.Panel(10 + word);
        const QPointF at = slot.rect().center();
        QMouseEvent move(QEvent::MouseMove, at, slot.mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&slot, &move);
        QApplication::processEvents();
    }
    if (window.Immagine->pictureWidth() == 0 || brindolo::DecodeCache::shared().count() != kPictures)
        return 1;
    std::printf("%ld\n", residentKiB());
    return 0;
}

// The least resident memory over a few games on folder, 0 when one failed.
long leastResident(const QString& folder)
{
    long least = 0;
    for (int run = 0; run < kRuns; ++run) {
        QProcess game;
        game.start(QCoreApplication::applicationFilePath(), {"--play", folder});
        if (!game.waitForFinished(120000) || game.exitStatus() != QProcess::NormalExit || game.exitCode() != 0)
            return 0;
        const long kib = game.readAllStandardOutput().trimmed().toLong();
        least = run == 0 ? kib : std::min(least, kib);
    }
    return least;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::string(argv[1]) == "--play")
        return play(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    QTemporaryDir photos;
    QTemporaryDir small;
    if (makePictures(photos.path(), 4000, 3000) != 0 || makePictures(small.path(), 320, 320) != 0) {
        std::printf("GameMemoryTenPhotos: not measured (goal <= %gx)\n", kGoal);
        return 1;
    }
    const long photoKiB = leastResident(photos.path());
    const long smallKiB = leastResident(small.path());
    if (photoKiB <= 0 || smallKiB <= 0) {
        std::printf("GameMemoryTenPhotos: not measured (goal <= %gx)\n", kGoal);
        return 1;
    }
    std::printf("ten photos %ld KiB, ten 320 x 320 pictures %ld KiB resident\n", photoKiB, smallKiB);
    std::printf("GameMemoryTenPhotos: %.3fx (goal <= %gx)\n", static_cast<double>(photoKiB) / smallKiB, kGoal);
    return 0;
}
