// The decode cache: a hit is exactly a fresh decode, the file is still read
// every time, progress handlers see real decodes, memory stays bounded.

#include "picture/bitmap.h"
#include "picture/decodecache.h"
#include "picture/jpgimg.h"
#include "picture_support.h"

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

    cache.setLimit(one + 100);
    EXPECT_EQ(cache.count(), 1);
    cache.setLimit(0);
    cache.insert(bytesA, settings, a);
    EXPECT_EQ(cache.count(), 0);
}

}  // namespace
}  // namespace brindolo::test
