// One hover over a slot, handled end to end on the real window (hint, file
// read, decode, fit rule, repaint request), against the bare decode step on
// the same bytes with the window's decode settings.

#include "app/design.h"
#include "app/principale.h"
#include "picture/codec/jpegdecode.h"
#include "support/ratio.h"
#include "support/scripted_random.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <vector>

namespace brindolo::bench {
namespace {

// The uncached hover and its baseline run for a second each: the two differ by
// a few per cent, far less than the noise of a short run.
BRINDOLO_GOAL(HoverEndToEnd, "BM_HoverUncached/300/min_time:1.000", "BM_DecodeStep/300/min_time:1.000", 1.2);
BRINDOLO_GOAL(HoverRepeat300, "BM_HoverRepeat/300", "BM_DecodeStep/300/min_time:1.000", 0.1);
BRINDOLO_GOAL(HoverRepeat4000, "BM_HoverRepeat/4000", "BM_DecodeStep/4000/min_time:1.000", 0.01);

// A picture with the make-up of a photograph: smooth colour gradients with
// fine grain over them, so that the decoder and the colour reduction have
// real work and the file has a photograph's size.
QImage photoLikePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t grain = 12345;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int noise = static_cast<int>(grain >> 28) - 8;
            row[x] = qRgb(qBound(0, x * 255 / width + noise, 255), qBound(0, y * 255 / height + noise, 255),
                          qBound(0, (x + y) * 255 / (width + height) - noise, 255));
        }
    }
    return image;
}

// A picture folder holding one picture, made once per size: square at 300,
// 4:3 otherwise. Only files live here, so it may outlive the application.
class PictureFolder {
public:
    explicit PictureFolder(int width)
    {
        QDir(folder_.path()).mkdir("immagini");
        const int height = width == 300 ? 300 : width * 3 / 4;
        QFile file(folder_.path() + "/immagini/parola.jpg");
        photoLikePicture(width, height).save(file.fileName(), "JPG", 90);
        file.open(QIODevice::ReadOnly);
        const QByteArray all = file.readAll();
        bytes_.assign(all.begin(), all.end());
    }
    std::string path() const { return folder_.path().toStdString() + "/"; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    static const PictureFolder& of(int width)
    {
        static std::map<int, std::unique_ptr<PictureFolder>> folders;
        auto& folder = folders[width];
        if (!folder)
            folder = std::make_unique<PictureFolder>(width);
        return *folder;
    }

private:
    QTemporaryDir folder_;
    std::vector<std::uint8_t> bytes_;
};

// A window whose catalogue is that one picture, with a game started, so
// that every slot previews it. Made per run: widgets must be gone before the
// application is.
class HoverWindow {
public:
    explicit HoverWindow(int width)
        : window_(nullptr, PictureFolder::of(width).path(), std::make_unique<ScriptedRandom>())
    {
        window_.show();
        QTest::qWaitForWindowExposed(&window_);
        window_.Panel35Click();
    }

    TPrincipale& window() { return window_; }

    // A mouse-move event over slot 1, delivered through the application as
    // the event loop delivers it. The repaint it requests is left queued: the
    // paint belongs to the next pass of the loop, not to the hover.
    void hover()
    {
        QWidget& slot = *window_.Panel(11);
        const QPointF at = slot.rect().center();
        QMouseEvent move(QEvent::MouseMove, at, slot.mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(&slot, &move);
    }

private:
    TPrincipale window_;
};

void BM_DecodeStep(benchmark::State& state)
{
    const std::vector<std::uint8_t>& bytes = PictureFolder::of(static_cast<int>(state.range(0))).bytes();
    const DecodeSettings& settings = immagineDesign().decode;
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeJpeg(bytes, settings));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_DecodeStep)->Arg(300)->Arg(4000)->MinTime(1.0)->Unit(benchmark::kMillisecond);

void BM_HoverUncached(benchmark::State& state)
{
    HoverWindow hover(static_cast<int>(state.range(0)));
    TJPEGImage& picture = *hover.window().Immagine;
    const std::size_t limit = picture.cacheLimit();
    picture.setCacheLimit(0);
    for (auto _ : state)
        hover.hover();
    picture.setCacheLimit(limit);
    if (picture.pictureWidth() != state.range(0))
        state.SkipWithError("the hover did not show the picture");
}
BENCHMARK(BM_HoverUncached)->Arg(300)->MinTime(1.0)->Unit(benchmark::kMillisecond);

void BM_HoverRepeat(benchmark::State& state)
{
    HoverWindow hover(static_cast<int>(state.range(0)));
    hover.hover();  // the first hover decodes and fills the cache
    for (auto _ : state)
        hover.hover();
    if (hover.window().Immagine->pictureWidth() != state.range(0))
        state.SkipWithError("the hover did not show the picture");
}
BENCHMARK(BM_HoverRepeat)->Arg(300)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brindolo::bench
