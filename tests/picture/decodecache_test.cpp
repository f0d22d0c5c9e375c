// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The decode cache: a hit is exactly a fresh decode, the file is still read
// every time, progress handlers see real decodes, memory stays bounded, two
// threads may share it, and a prefetch only ever saves decodes.

#include "picture/bitmap.h"
#include "picture/codec/filecopy.h"
#include "picture/decodecache.h"
#include "picture/jpgimg.h"
#include "picture_support.h"

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

namespace brindolo::test {
namespace {

class DecodeCacheTest : public ::testing::Test {
protected:
    void SetUp() override { DecodeCache::shared().clear(); }
    void TearDown() override
    {
        DecodeCache::shared().setLimit(DecodeCache::defaultLimit);
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
    const auto bytesB = readBytes(corpus("testimgint.jpg"));
    const auto bytesC = readBytes(corpus("testimgari.jpg"));
    const DecodeSettings settings;
    const QImage a = toBitmap(decodeJpeg(bytesA, settings));
    const QImage b = toBitmap(decodeJpeg(bytesB, settings));
    const QImage c = toBitmap(decodeJpeg(bytesC, settings));
    const std::size_t one = static_cast<std::size_t>(a.sizeInBytes()) + bytesA.size();

    DecodeCache cache(2 * one + 100);
    cache.insert(bytesA, settings, a);
    cache.insert(bytesB, settings, b);
    EXPECT_EQ(cache.count(), 2);
    ASSERT_TRUE(cache.find(bytesA, settings));  // A is now the most recent
    cache.insert(bytesC, settings, c);
    EXPECT_TRUE(cache.find(bytesA, settings));
    EXPECT_FALSE(cache.find(bytesB, settings));
    EXPECT_EQ(cache.find(bytesC, settings)->cacheKey(), c.cacheKey());
    EXPECT_LE(cache.usage(), cache.limit());

    // Same size, one byte apart: never taken for each other.
    auto changed = bytesA;
    changed[changed.size() / 2] ^= 1;
    EXPECT_FALSE(cache.find(changed, settings));
    DecodeSettings other;
    other.dither = TDither::None;
    EXPECT_FALSE(cache.find(bytesA, other));

    // Sparing what was used since a stamp: only older entries make room.
    const DecodeCache::Stamp since = cache.stamp();
    ASSERT_TRUE(cache.find(bytesC, settings));
    EXPECT_TRUE(cache.insertSparing(KeptBytes(bytesB.begin(), bytesB.end()), settings, b, since));
    EXPECT_FALSE(cache.find(bytesA, settings));
    EXPECT_FALSE(cache.insertSparing(KeptBytes(bytesA.begin(), bytesA.end()), settings, a, since));
    EXPECT_TRUE(cache.find(bytesB, settings) && cache.find(bytesC, settings));

    cache.setLimit(one + 100);
    EXPECT_EQ(cache.count(), 1);
    cache.setLimit(0);
    cache.insert(bytesA, settings, a);
    EXPECT_EQ(cache.count(), 0);

    // A photo's megabytes, kept in memory of their own, are compared whole.
    auto photo = bytesA;
    photo.resize(std::size_t{3} << 20, 0x5a);
    cache.setLimit(one + photo.size());
    EXPECT_TRUE(cache.insertSparing(KeptBytes(photo.begin(), photo.end()), settings, a, cache.stamp()));
    auto lastByteApart = photo;
    lastByteApart.back() ^= 1;
    EXPECT_FALSE(cache.find(lastByteApart, settings));
    EXPECT_EQ(cache.find(photo, settings)->cacheKey(), a.cacheKey());
}

// A photo's file read to be kept: the same bytes and failures as an ordinary
// read, megabytes of them on huge-page boundaries, and a vector of such
// memory growing past a megabyte keeps what it held.
TEST_F(DecodeCacheTest, KeptFileBytesAreTheFileInMemoryOfTheirOwn)
{
    KeptBytes grown;
    for (std::size_t i = 0; i < (std::size_t{5} << 20); ++i)
        grown.push_back(static_cast<std::uint8_t>(i % 251));
    for (std::size_t i = 0; i < grown.size(); i += 4099)
        ASSERT_EQ(grown[i], i % 251) << i;
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(grown.data()) % kHugePage, 0u);

    writeBytes(path("photo.jpg"), std::vector<std::uint8_t>(grown.begin(), grown.end()));
    const KeptBytes kept = readWholeFileToKeepOrRaise(path("photo.jpg"), "photo.jpg");
    EXPECT_TRUE(std::ranges::equal(kept, grown));
    EXPECT_THROW(readWholeFileToKeepOrRaise(path("missing.jpg"), "missing.jpg"), EFOpenError);
}

TEST(DecodeCacheBound, AnEighthOfTheMemoryAtMost256MiB)
{
    EXPECT_EQ(DecodeCache::limitFor(std::size_t{16} << 30), std::size_t{256} << 20);
    EXPECT_EQ(DecodeCache::limitFor(std::size_t{1} << 30), std::size_t{128} << 20);
    EXPECT_EQ(DecodeCache::limitFor(0), std::size_t{256} << 20);
    EXPECT_EQ(TJPEGImage(nullptr).cacheLimit(), DecodeCache::defaultLimit);
}

// Threads finding, inserting and evicting at once: every hit is the bitmap of
// its own bytes, and the books balance at the end.
TEST(DecodeCacheThreads, ConcurrentUseKeepsEveryEntryWhole)
{
    std::vector<std::vector<std::uint8_t>> files;
    std::vector<QImage> bitmaps;
    for (const char* name : {"testorig.jpg", "testimgint.jpg", "testimgari.jpg"}) {
        files.push_back(readBytes(corpus(name)));
        bitmaps.push_back(toBitmap(decodeJpeg(files.back(), DecodeSettings{})));
    }
    const std::size_t one = static_cast<std::size_t>(bitmaps[0].sizeInBytes()) + files[0].size();
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
                    cache.insertSparing(KeptBytes(files[k].begin(), files[k].end()), DecodeSettings{}, bitmaps[k], cache.stamp());
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

// A prefetch fills the cache with the very bitmaps a fresh decode gives and
// leaves every failure to the assignment that meets it.
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
    image.prefetch({path("a.jpg"), path("missing.jpg"), path("truncated.jpg"), path("b.jpg")});
    image.waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 3);

    const std::optional<QImage> cached = DecodeCache::shared().find(readBytes(path("b.jpg")), DecodeSettings{});
    ASSERT_TRUE(cached);
    image.setFileNamePath(path("b.jpg"));
    EXPECT_EQ(image.picture().cacheKey(), cached->cacheKey());
    EXPECT_TRUE(sameAsBmp(image.picture(), decodeJpeg(readBytes(path("b.jpg")), DecodeSettings{})));
    EXPECT_THROW(image.setFileNamePath(path("truncated.jpg")), EJPEGException);
    EXPECT_THROW(image.setFileNamePath(path("missing.jpg")), EFOpenError);

    // Full of pictures used since it began, the prefetch stops rather than
    // evict them: the picture on show stays.
    DecodeCache::shared().clear();
    image.setFileNamePath(path("b.jpg"));
    const std::size_t shown = DecodeCache::shared().usage();
    image.setCacheLimit(shown + 100);
    image.prefetch({path("a.jpg")});
    image.waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 1);
    EXPECT_TRUE(DecodeCache::shared().find(readBytes(path("b.jpg")), DecodeSettings{}));

    // A progress handler hears of every decode: nothing is decoded behind it.
    image.setCacheLimit(DecodeCache::defaultLimit);
    image.OnProgress = [](QObject*) {};
    image.prefetch({path("a.jpg")});
    image.waitForPrefetch();
    EXPECT_EQ(DecodeCache::shared().count(), 1);
}

}  // namespace
}  // namespace brindolo::test
