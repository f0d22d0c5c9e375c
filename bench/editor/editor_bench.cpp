// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-list editor opened on 1,000 phone photos of 4000 x 3000, timed
// until the thumbnails of its first screen are drawn, against decoding that
// first screen's photos at full size on one thread.

#include "editor/editor_window.h"
#include "support/bare_decode.h"
#include "support/photo.h"
#include "support/ratio.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace brindolo::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kPhotos = 1000;
const std::string kData = BRINDOLO_BINARY_DIR "/bench-data";
const std::string kFolder = kData + "/editor-photos/";

// One photo linked under a thousand word names, so that the folder costs the
// disk one picture; kept in the build folder from one run to the next.
void makeFolder()
{
    const std::string source = kData + "/photo4000x3000.jpg";
    fs::create_directories(kFolder);
    if (!fs::exists(source))
        photoLikePicture(4000, 3000).save(QString::fromStdString(source), "JPG", 90);
    for (int i = 0; i < kPhotos; ++i) {
        const std::string path = kFolder + "foto" + std::to_string(i) + ".jpg";
        if (!fs::exists(path))
            fs::create_hard_link(source, path);
    }
}

// The rows the grid shows on its first screen.
int firstScreenRows(QListView& grid)
{
    int rows = 0;
    const QRect shown = grid.viewport()->rect();
    for (int row = 0; row < grid.model()->rowCount(); ++row)
        if (grid.visualRect(grid.model()->index(row, 0)).intersects(shown))
            ++rows;
    return rows;
}

int measuredFirstScreen = 0;

void BM_EditorFirstScreen(benchmark::State& state)
{
    makeFolder();
    for (auto _ : state) {
        EditorWindow window({kFolder, {}, "/nonexistent/"}, EditorTexts::read({}));
        window.show();
        QApplication::processEvents();
        const int wanted = firstScreenRows(window.grid());
        while (window.words().thumbnailsArrived() < wanted)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        window.grid().viewport()->repaint();
        measuredFirstScreen = wanted;
    }
    state.counters["thumbnails"] = measuredFirstScreen;
}

void BM_FirstScreenFullSize(benchmark::State& state)
{
    makeFolder();
    std::vector<unsigned char> rows;
    for (auto _ : state) {
        for (int i = 0; i < measuredFirstScreen; ++i) {
            std::ifstream in(kFolder + "foto" + std::to_string(i) + ".jpg", std::ios::binary);
            const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
            if (!bareLibjpegDecode(bytes, rows)) {
                state.SkipWithError("libjpeg failed");
                return;
            }
            benchmark::DoNotOptimize(rows.data());
        }
    }
}

// The editor runs first: it tells how many photos its first screen shows.
BRINDOLO_WHOLE_PASS_GOAL(EditorThumbnails1000, BM_EditorFirstScreen, BM_FirstScreenFullSize, 3, 0.15);

}  // namespace
}  // namespace brindolo::bench
