// The embedded artwork against the catalog: every picture the logic may name
// is there, decodes, has its stated size and a transparent colour.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "pictures.h"
#include "table/picture_catalog.h"
#include "table/pictures.h"

namespace vantry::qt {
namespace {

// The graphic control extension of a GIF names its transparent colour.
bool DeclaresTransparentColour(const QByteArray& gif) {
    const QByteArray marker("\x21\xF9\x04", 3);
    const qsizetype at = gif.indexOf(marker);
    return at >= 0 && at + 3 < gif.size() && (static_cast<unsigned char>(gif[at + 3]) & 1) != 0;
}

TEST(EmbeddedPictures, HoldExactlyTheCataloguedIds) {
    EXPECT_EQ(EmbeddedResourceIds(), table::ResourcePictureIds());
}

TEST(EmbeddedPictures, EveryPictureIsAGif89aOfItsSizeWithATransparentColour) {
    for (int id : table::ResourcePictureIds()) {
        const QByteArray bytes = ResourcePictureBytes(id);
        ASSERT_TRUE(bytes.startsWith("GIF89a")) << id;
        EXPECT_TRUE(DeclaresTransparentColour(bytes)) << id;
        const QImage image = DecodeResourcePicture(id);
        ASSERT_FALSE(image.isNull()) << id;
        const auto size = *table::ResourcePictureSize(id);
        EXPECT_EQ(image.width(), size.width) << id;
        EXPECT_EQ(image.height(), size.height) << id;
        // Every picture has rounded or cut-out edges: its top-left corner
        // must show the table through.
        EXPECT_TRUE(image.hasAlphaChannel()) << id;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << id;
    }
}

TEST(EmbeddedPictures, CardCentresAreOpaque) {
    for (int id : {3, 47, 62, 16, 17, 18, 328, 340, 354}) {
        const QImage image = DecodeResourcePicture(id);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255) << id;
    }
}

TEST(EmbeddedPictures, MissingIdsDecodeToNothing) {
    for (int id : {0, -1, 2, 520, 9999}) {
        EXPECT_TRUE(ResourcePictureBytes(id).isEmpty()) << id;
        EXPECT_TRUE(DecodeResourcePicture(id).isNull()) << id;
    }
}

TEST(EmbeddedBitmaps, EveryWindowBitmapDecodesAtItsSize) {
    for (const auto& bitmap : table::WindowBitmaps()) {
        const QImage image = DecodeWindowBitmap(bitmap.name);
        ASSERT_FALSE(image.isNull()) << bitmap.name;
        EXPECT_EQ(image.width(), bitmap.width) << bitmap.name;
        EXPECT_EQ(image.height(), bitmap.height) << bitmap.name;
    }
    EXPECT_TRUE(DecodeWindowBitmap("no-such-bitmap").isNull());
}

TEST(PictureCache, DecodesEachPictureOnceAndReusesIt) {
    PictureCache cache;
    const QPixmap& first = cache.Get(ui::Picture{47, {}});
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(&cache.Get(ui::Picture{47, {}}), &first);
    const QPixmap& table = cache.Get(ui::Picture{0, "table"});
    EXPECT_EQ(table.size(), QSize(1024, 768));
    EXPECT_EQ(&cache.Get(ui::Picture{0, "table"}), &table);
    EXPECT_TRUE(cache.Get(ui::Picture{9999, {}}).isNull());
    EXPECT_TRUE(cache.Get(ui::Picture{}).isNull());
}

}  // namespace
}  // namespace vantry::qt

int main(int argc, char** argv) {
    // Pixmaps need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
