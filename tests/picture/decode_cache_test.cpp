// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The decode cache: a hit is exactly a fresh decode, the file is still read
// every time, progress handlers see real decodes, memory stays bounded (in
// what the process really holds), two threads may share it, and a prefetch
// only ever saves decodes.

#include "picture/bitmap.h"
#include "picture/codec/file_copy.h"
#include "picture/decode_cache.h"
#include "picture/jpgimg.h"
#include "picture_support.h"

#include <QLoggingCategory>
#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>
#include <thread>
#include <unistd.h>

namespace brindolo::test {
namespace {

class DecodeCacheTest : public ::testing::Test {
protected:
    void SetUp() override { DecodeCache::shared().clear(); }
    void TearDown() override
    {
        DecodeCache::shared().setLimit(DecodeCache::kDefaultLimit);
        DecodeCache::shared().clear();
    }
    QTemporaryDir dir;
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(DecodeCacheTest, HitGivesTheFreshBitmapAndFileIsStillReadEveryTime)
{
    const std::string picture = path("picture.jpg");
    writeBytes(picture, readBytes(corpus("testorig.jpg")));
    TJPEGImage first(nullptr);
    TJPEGImage second(nullptr);
    first.setFileNamePath(picture);
    second.setFileNamePath(picture);
    EXPECT_EQ(DecodeCache::shared().count(), 1);
    EXPECT_EQ(second.picture().cacheKey(), first.picture().cacheKey());
    EXPECT_TRUE(sameAsBmp(second.picture(), decodeJpeg(readBytes(picture), DecodeSettings{})));

    // Replaced on disk: the new content shows.
    writeBytes(picture, readBytes(corpus("testimgint.jpg")));
    second.setFileNamePath(picture);
    EXPECT_TRUE(sameAsBmp(second.picture(), decodeJpeg(readBytes(corpus("testimgint.jpg")), DecodeSettings{})));

    // Removed: the file is opened anew, so it fails as it would uncached.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(picture)));
    EXPECT_THROW(second.setFileNamePath(picture), EFOpenError);

    // Another decode property is another bitmap.
    first.setGrayScale(true);
    EXPECT_TRUE(sameAsBmp(first.picture(), decodeJpeg(readBytes(corpus("testorig.jpg")), first.decodeSettings())));
    EXPECT_EQ(DecodeCache::shared().count(), 3);
}

TEST_F(DecodeCacheTest, FailuresAreRaisedEveryTime)
{
    std::vector<std::uint8_t> truncated = readBytes(corpus("testorig.jpg"));
    truncated.resize(3000);
    writeBytes(path("truncated.jpg"), truncated);
    TJPEGImage image(nullptr);
    for (int i = 0; i < 2; ++i)
        EXPECT_THROW(image.setFileNamePath(path("truncated.jpg")), EJPEGException);
    EXPECT_EQ(DecodeCache::shared().count(), 0);
}

TEST_F(DecodeCacheTest, ProgressHandlerSeesAnUncachedDecodeEveryTime)
{
    TJPEGImage image(nullptr);
    image.setFileNamePath(corpus("testorig.jpg"));
    int calls = 0;
    image.OnProgress = [&](QObject*) { ++calls; };
    image.setFileNamePath(corpus("testorig.jpg"));
    image.setFileNamePath(corpus("testorig.jpg"));
    EXPECT_EQ(calls, 20);
}

TEST_F(DecodeCacheTest, BoundedMemoryEvictsTheLeastRecentlyUsed)
{
    const auto bytesA = readBytes(corpus("testorig.jpg"));
    const FileDigest a = fileDigest(bytesA);
    const FileDigest b = fileDigest(readBytes(corpus("testimgint.jpg")));
    const FileDigest c = fileDigest(readBytes(corpus("testimgari.jpg")));
    const DecodeSettings settings;
    const QImage pictureA = toBitmap(decodeJpeg(bytesA, settings));
    const QImage pictureB = toBitmap(decodeJpeg(readBytes(corpus("testimgint.jpg")), settings));
    const QImage pictureC = toBitmap(decodeJpeg(readBytes(corpus("testimgari.jpg")), settings));
    const std::size_t one = DecodeCache::costOf(pictureA);

    DecodeCache cache(2 * one + 100);
    cache.insert(a, settings, pictureA);
    cache.insert(b, settings, pictureB);
    EXPECT_EQ(cache.count(), 2);
    ASSERT_TRUE(cache.find(a, settings));  // A is now the most recent
    cache.insert(c, settings, pictureC);
    EXPECT_TRUE(cache.find(a, settings));
    EXPECT_FALSE(cache.find(b, settings));
    EXPECT_EQ(cache.find(c, settings)->cacheKey(), pictureC.cacheKey());
    EXPECT_LE(cache.usage(), cache.limit());

    // Same size, one byte apart: never taken for each other; nor two scales.
    auto changed = bytesA;
    changed[changed.size() / 2] ^= 1;
    EXPECT_FALSE(cache.find(fileDigest(changed), settings));
    DecodeSettings other;
    other.dither = TDither::None;
    EXPECT_FALSE(cache.find(a, other));
    DecodeSettings half;
    half.scaleDenom = 2;
    EXPECT_FALSE(cache.find(a, half));

    // Sparing what was used since a stamp: only older entries make room.
    const DecodeCache::Stamp since = cache.stamp();
    ASSERT_TRUE(cache.find(c, settings));
    EXPECT_TRUE(cache.insertSparing(b, settings, pictureB, since));
    EXPECT_FALSE(cache.find(a, settings));
    EXPECT_FALSE(cache.insertSparing(a, settings, pictureA, since));
    EXPECT_TRUE(cache.find(b, settings) && cache.find(c, settings));

    cache.setLimit(one + 100);
    EXPECT_EQ(cache.count(), 1);
    cache.setLimit(0);
    cache.insert(a, settings, pictureA);
    EXPECT_EQ(cache.count(), 0);
}

// What the process holds resident, by the kernel's own count.
std::size_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// The bound holds for what the process really keeps, not only for what the
// cache counts: forty decodes of a picture whose rows are just over 2 MiB,
// the size at which rows rounded up to whole huge pages took twice that.
TEST_F(DecodeCacheTest, TheBoundHoldsForTheMemoryTheProcessKeeps)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer holds freed memory in quarantine, so the resident size tells nothing";
#endif
    PictureFolder folder;
    const std::vector<std::uint8_t> picture = readBytes(folder.cjpeg("big.jpg", "-grayscale", "-scale 1450x1450!"));
    ASSERT_FALSE(picture.empty());
    constexpr std::size_t kLimit = std::size_t{40} << 20;
    DecodeCache::shared().setLimit(kLimit);
    TJPEGImage image(nullptr);
    const std::size_t before = residentBytes();
    for (int i = 0; i < 40; ++i) {
        // Bytes after the picture's end: another file, the same picture.
        std::vector<std::uint8_t> file = picture;
        file.insert(file.end(), static_cast<std::size_t>(i + 1), 0);
        writeBytes(path("photo.jpg"), file);
        image.setFileNamePath(path("photo.jpg"));
    }
    ASSERT_EQ(image.pictureWidth(), 1450);
    EXPECT_GE(DecodeCache::shared().count(), 15);
    const std::size_t grown = residentBytes() - before;
    // Besides the cache: the picture on show, which may have left it, and
    // what the heap keeps of a decode's freed working memory.
    EXPECT_LE(grown, kLimit + (std::size_t{12} << 20)) << grown / 1024 << " KiB";
}

// Threads finding, inserting and evicting at once: every hit is the bitmap of
// its own bytes, and the books balance at the end.
TEST(DecodeCacheThreads, ConcurrentUseKeepsEveryEntryWhole)
{
    std::vector<FileDigest> files;
    std::vector<QImage> bitmaps;
    for (const char* name : {"testorig.jpg", "testimgint.jpg", "testimgari.jpg"}) {
        const auto bytes = readBytes(corpus(name));
        files.push_back(fileDigest(bytes));
        bitmaps.push_back(toBitmap(decodeJpeg(bytes, DecodeSettings{})));
    }
    const std::size_t one = DecodeCache::costOf(bitmaps[0]);
    DecodeCache cache(3 * one);
    std::atomic<int> wrongHits = 0;
    std::vector<std::thread> threads;
    for (unsigned seed = 1; seed <= 4; ++seed)
        threads.emplace_back([&, seed] {
            std::mt19937 random(seed);
            for (int i = 0; i < 3000; ++i) {
                const std::size_t k = random() % files.size();
                switch (random() % 8) {
                case 0:
                    cache.insert(files[k], DecodeSettings{}, bitmaps[k]);
                    break;
                case 1:
                    cache.insertSparing(files[k], DecodeSettings{}, bitmaps[k], cache.stamp());
                    break;
                case 2:
                    cache.setLimit(random() % 2 ? one : 3 * one);
                    break;
                case 3:
                    if (random() % 10 == 0)
                        cache.clear();
                    break;
                default:
                    if (const auto hit = cache.find(files[k], DecodeSettings{}); hit && hit->cacheKey() != bitmaps[k].cacheKey())
                        ++wrongHits;
                }
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrongHits, 0);
    EXPECT_LE(cache.usage(), cache.limit());
    EXPECT_LE(cache.count(), 3);
}

// A prefetch fills the cache with the very bitmaps a fresh decode gives, at
// the scale the frame asks for, and leaves every failure to the assignment
// that meets it, telling of it only in the picture log.
TEST_F(DecodeCacheTest, PrefetchDecodesAheadAndLeavesFailuresToTheirAssignment)
{
    std::vector<std::uint8_t> truncated = readBytes(corpus("testorig.jpg"));
    truncated.resize(3000);
    writeBytes(path("truncated.jpg"), truncated);
    // a.jpg is the smaller file: it fits where b.jpg did.
    writeBytes(path("a.jpg"), readBytes(corpus("testimgari.jpg")));
    writeBytes(path("b.jpg"), readBytes(corpus("testimgint.jpg")));
    TJPEGImage image(nullptr);
    image.setFileNamePath(corpus("testorig.jpg"));
    static QStringList logged;
    logged.clear();
    QLoggingCategory::setFilterRules("brindolo.picture.debug=true");
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context,
                                                                 const QString& text) {
        if (QLatin1String(context.category) == QLatin1String("brindolo.picture"))
            logged << text;
    });
    const QSize frame(100, 60);
    image.prefetch({path("a.jpg"), path("missing.jpg"), path("truncated.jpg"), path("b.jpg")}, frame);
    image.waitForPrefetch();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(DecodeCache::shared().count(), 3);
    ASSERT_EQ(logged.size(), 2) << logged.join('\n').toStdString();
    EXPECT_TRUE(logged[0].contains("missing.jpg") && logged[1].contains("Premature end of JPEG file"))
        << logged.join('\n').toStdString();

    // 227 x 149 for a frame of 100 x 60: half size, 114 x 75, covers it.
    DecodeSettings half;
    half.scaleNum = 4;
    half.scaleDenom = 8;
    const std::optional<QImage> cached = DecodeCache::shared().find(fileDigest(readBytes(path("b.jpg"))), half);
    ASSERT_TRUE(cached);
    image.setFileNamePathFor(path("b.jpg"), frame);
    EXPECT_EQ(image.picture().cacheKey(), cached->cacheKey());
    EXPECT_EQ(image.pictureWidth(), 114);
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(path("b.jpg")), half)));
    EXPECT_THROW(image.setFileNamePathFor(path("truncated.jpg"), frame), EJPEGException);
    EXPECT_THROW(image.setFileNamePathFor(path("missing.jpg"), frame), EFOpenError);

    // Full of pictures used since it began, the prefetch stops rather than
    // evict them: the picture on show stays.
    DecodeCache::shared().clear();
    image.setFileNamePathFor(path("b.jpg"), frame);
    const std::size_t shown = DecodeCache::shared().usage();
    image.setCacheLimit(shown + 100);
    image.prefetch({path("a.jpg")}, frame);
    image.waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 1);
    EXPECT_TRUE(DecodeCache::shared().find(fileDigest(readBytes(path("b.jpg"))), half));

    // A progress handler hears of every decode: nothing is decoded behind it.
    image.setCacheLimit(DecodeCache::kDefaultLimit);
    image.OnProgress = [](QObject*) {};
    image.prefetch({path("a.jpg")}, frame);
    image.waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 1);
}

}  // namespace
}  // namespace brindolo::test
