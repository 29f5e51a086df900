#include "QtTestApp.h"
#include "skin/ListHeader.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace paginox {
namespace {

class ListHeaderTest : public test::QtFixture {
protected:
    ListHeaderTest()
    {
        test::QtTestApp();
        List.setColumnCount(3);
        List.setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Path"), QStringLiteral("Size")});
        List.resize(400, 200);
        Header = SubclassListHeader(List, Face);
        List.show();
    }

    QImage Grab() { return Header->grab().toImage(); }

    const QColor Face{220, 230, 244};
    QTreeWidget List;
    QHeaderView* Header = nullptr;
};

TEST_F(ListHeaderTest, FaceIsTheColourAndEdgesAndFrameShowOverIt)
{
    ASSERT_NE(Header, nullptr);
    const QImage image = Grab();
    const int h = image.height();
    ASSERT_GT(h, 10);
    // Inside the "Size" section, right of its caption.
    const int x = Header->sectionPosition(2) + Header->sectionSize(2) - 15;
    EXPECT_EQ(image.pixel(x, h / 2), Face.rgb());
    // The outer top row was button face: the black frame shows there.
    EXPECT_EQ(image.pixel(x, 0), qRgb(0, 0, 0));
    // Other greys of the header keep their colour: the white inner edge, the shadow.
    const QPalette palette = Header->palette();
    EXPECT_EQ(image.pixel(x, 1), palette.color(QPalette::Light).rgb());
    EXPECT_EQ(image.pixel(x, h - 2), palette.color(QPalette::Mid).rgb());
    // The caption is still there: dark pixels inside the first section.
    int dark = 0;
    for (int y = 3; y < h - 3; ++y)
        for (int cx = 2; cx < 40; ++cx)
            dark += qGray(image.pixel(cx, y)) < 100;
    EXPECT_GT(dark, 5);
}

TEST_F(ListHeaderTest, ResizingAColumnRepaintsTheFace)
{
    Header->resizeSection(0, 180);
    const QImage image = Grab();
    EXPECT_EQ(image.pixel(170, image.height() / 2), Face.rgb());
    EXPECT_EQ(image.pixel(Header->sectionPosition(1) + 60, image.height() / 2), Face.rgb());
}

} // namespace
} // namespace paginox
