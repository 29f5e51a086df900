#include "QtTestApp.h"
#include "skin/FramePictures.h"
#include "skin/TImgBtn.h"

#include <QIcon>

#include <gtest/gtest.h>

namespace paginox {
namespace {

// A source whose every column has its own colour, so copies show where they came from.
QImage ColumnCoded(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, x / 256, y));
    return image;
}

TEST(StretchTitleImage, CopiesBothEndsAndStretchesTheMiddleColumn)
{
    test::QtTestApp();
    const QImage source = ColumnCoded(799, 37);
    for (int width : {724, 1280}) {
        TImage dest;
        dest.resize(width, 33);
        StretchTitleImage(dest, source, 200, 35);
        const QImage& title = dest.Picture();
        ASSERT_EQ(title.size(), QSize(width, 33)) << width;
        for (int y : {0, 32}) {
            EXPECT_EQ(title.pixel(0, y), source.pixel(0, y));
            EXPECT_EQ(title.pixel(199, y), source.pixel(199, y));
            EXPECT_EQ(title.pixel(200, y), source.pixel(200, y));
            EXPECT_EQ(title.pixel(width / 2, y), source.pixel(200, y));
            EXPECT_EQ(title.pixel(width - 201, y), source.pixel(200, y));
            EXPECT_EQ(title.pixel(width - 200, y), source.pixel(599, y));
            EXPECT_EQ(title.pixel(width - 1, y), source.pixel(798, y));
        }
        // The button pictures of the right end land under the buttons.
        EXPECT_EQ(title.pixel(width - 87, 10), source.pixel(712, 10));
        EXPECT_EQ(title.pixel(width - 37, 10), source.pixel(762, 10));
    }
}

TEST(SliceButtonSprite, CutsThreeCellsDownwardsFromTheColumn)
{
    test::QtTestApp();
    const QImage sprite = ColumnCoded(101, 93);
    TImgBtn button;
    SliceButtonSprite(button, sprite, 25, 31, 76, 0);
    EXPECT_EQ(button.Pic(), sprite.copy(76, 0, 25, 31));
    EXPECT_EQ(button.PicUp(), sprite.copy(76, 31, 25, 31));
    EXPECT_EQ(button.PicDown(), sprite.copy(76, 62, 25, 31));
    EXPECT_EQ(button.Picture(), button.Pic());
    EXPECT_TRUE(button.PicDisable().isNull());
}

TEST(RoundedOutline, CutsTheSameCornerAtAllFourCorners)
{
    for (QSize size : {QSize(724, 534), QSize(1280, 994)}) {
        const QRegion region = RoundedOutline(size);
        const int r = size.width() - 1;
        const int b = size.height() - 1;
        // The corner as seen from each corner: (dx, dy) inside or not.
        const bool expected[3][3] = {{false, false, true}, {false, true, true}, {true, true, true}};
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) {
                const bool in = expected[dy][dx];
                EXPECT_EQ(region.contains(QPoint(dx, dy)), in) << dx << "," << dy;
                EXPECT_EQ(region.contains(QPoint(r - dx, dy)), in) << dx << "," << dy;
                EXPECT_EQ(region.contains(QPoint(dx, b - dy)), in) << dx << "," << dy;
                EXPECT_EQ(region.contains(QPoint(r - dx, b - dy)), in) << dx << "," << dy;
            }
        EXPECT_TRUE(region.contains(QPoint(size.width() / 2, 0)));
        EXPECT_FALSE(region.contains(QPoint(size.width(), 10)));
    }
}

// The columns of the title strip where the caption left white pixels.
std::pair<int, int> InkColumns(const QImage& title)
{
    int first = title.width(), last = -1;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 30; x < title.width(); ++x)
            if (qGray(title.pixel(x, y)) > 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

TEST(DrawTitle, CreationIsBoldAndWiderThanTheResizeVariant)
{
    test::QtTestApp();
    const QString caption = QStringLiteral("Paginox 2.6 and a caption far too long to fit in");
    QImage creation(724, 33, QImage::Format_RGB32);
    creation.fill(qRgb(0, 0, 80));
    QImage resize = creation;
    DrawTitle(creation, QIcon(), caption, TitleVariant::Creation);
    DrawTitle(resize, QIcon(), caption, TitleVariant::Resize);

    const auto [cFirst, cLast] = InkColumns(creation);
    const auto [rFirst, rLast] = InkColumns(resize);
    EXPECT_GE(cFirst, 34);
    EXPECT_GE(rFirst, 34);
    EXPECT_LE(cLast, 233);
    EXPECT_GT(cLast, 220);  // cut at the rectangle's right edge
    EXPECT_LE(rLast, 133);
    EXPECT_GT(rLast, 120);

    EXPECT_EQ(TitleTextRect(TitleVariant::Creation, 33), QRect(QPoint(34, 2), QPoint(233, 32)));
    EXPECT_EQ(TitleTextRect(TitleVariant::Resize, 33), QRect(QPoint(34, 2), QPoint(133, 32)));

    // The short caption: bold 12 points is taller than the 8-point default.
    QImage bold(724, 33, QImage::Format_RGB32), plain(724, 33, QImage::Format_RGB32);
    bold.fill(Qt::black);
    plain.fill(Qt::black);
    DrawTitle(bold, QIcon(), QStringLiteral("Paginox 2.6"), TitleVariant::Creation);
    DrawTitle(plain, QIcon(), QStringLiteral("Paginox 2.6"), TitleVariant::Resize);
    EXPECT_GT(InkColumns(bold).second, InkColumns(plain).second + 15);
}

} // namespace
} // namespace paginox
