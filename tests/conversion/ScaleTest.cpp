#include "conversion/ScaleText.h"
#include "conversion/WordNumbers.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

using namespace paginox;

TEST(Scale, DivisionFirstTiesToEven)
{
    EXPECT_EQ(ScaledSize(50, 595), 298); // 297.5
    EXPECT_EQ(ScaledSize(50, 593), 296); // 296.5
    EXPECT_EQ(ScaledSize(75, 612), 459);
    EXPECT_EQ(ScaledSize(100, 842), 842);
    EXPECT_EQ(ScaledSize(ParseScale("62.5", "."), 800), 500);
}

TEST(Scale, TextIsReadWithTheLocaleSeparatorAndChecked)
{
    EXPECT_EQ(ParseScale("100", ","), 100);
    EXPECT_EQ(ParseScale(" 62,5 ", ","), 62.5L);
    EXPECT_THROW(ParseScale("62.5", ","), EConvertError);
    EXPECT_THROW(ParseScale("29.99", "."), EConvertError);
    EXPECT_THROW(ParseScale("1e9", "."), EConvertError);
    EXPECT_THROW(ParseScale("", "."), EConvertError);
}

TEST(WordNumbers, RoundToNearestTiesToEven)
{
    EXPECT_EQ(RoundWordNumber(Variant(72.5)), 72);
    EXPECT_EQ(RoundWordNumber(Variant(73.5)), 74);
    EXPECT_EQ(RoundWordNumber(Variant(595.3)), 595);
    EXPECT_EQ(RoundWordNumber(Variant(int32_t{7})), 7);
    EXPECT_THROW(RoundWordNumber(Variant(3e9)), EConvertError);
}
