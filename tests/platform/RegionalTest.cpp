#include "platform/regional/DecimalText.h"
#include "platform/regional/RegionalSettings.h"
#include "platform/Exception.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>

namespace paginox {
namespace {

struct TimeFormatCase {
    const char* timeFormat;
    const char* ampmFormat;
    bool twelveHour;
    bool leadingZero;
    bool markerFirst;
    const char* separator;
};

void PrintTo(const TimeFormatCase& c, std::ostream* out)
{
    *out << '"' << c.timeFormat << '"';
}

class TimeFormatTest : public ::testing::TestWithParam<TimeFormatCase> {};

TEST_P(TimeFormatTest, ReadsClockZeroSeparatorAndMarker)
{
    const TimeFormatCase& c = GetParam();
    FormatSettings settings;
    ReadTimeFormat(c.timeFormat, c.ampmFormat, settings);
    EXPECT_EQ(settings.TwelveHourClock, c.twelveHour);
    EXPECT_EQ(settings.HourLeadingZero, c.leadingZero);
    EXPECT_EQ(settings.MarkerFirst, c.markerFirst);
    EXPECT_EQ(settings.TimeSeparator, c.separator);
}

INSTANTIATE_TEST_SUITE_P(Formats, TimeFormatTest, ::testing::Values(
    TimeFormatCase{"%H:%M:%S", "", false, true, false, ":"},
    TimeFormatCase{"%T", "", false, true, false, ":"},
    TimeFormatCase{"%r", "%I:%M:%S %p", true, true, false, ":"},
    TimeFormatCase{"%l.%M.%S %p", "", true, false, false, "."},
    TimeFormatCase{"%p %I:%M:%S", "", true, true, true, ":"},
    TimeFormatCase{"%-H:%M:%S", "", false, false, false, ":"},
    TimeFormatCase{"%k:%M:%S", "", false, false, false, ":"}));

TEST(ProcessRegionalSettingsTest, ReadsTheCLocaleAndTheOffsetInForceNow)
{
    ::setenv("LC_ALL", "C.UTF-8", 1);
    ::setenv("TZ", "UTC-3", 1); // three hours east of UTC, no daylight saving
    ::tzset();
    const ProcessRegionalSettings regional;
    const FormatSettings format = regional.Format();
    EXPECT_EQ(format.DecimalSeparator, ".");
    EXPECT_EQ(format.ShortDateFormat, "%m/%d/%y");
    EXPECT_FALSE(format.TwelveHourClock);
    EXPECT_EQ(format.TimeSeparator, ":");
    EXPECT_EQ(regional.UtcOffsetNow(), 3 * 3600);
    ::unsetenv("TZ");
    ::tzset();
}

struct NumberCase {
    const char* text;
    const char* separator;
    std::optional<double> value; // empty: not a number
};

void PrintTo(const NumberCase& c, std::ostream* out)
{
    *out << '"' << c.text << "\" with \"" << c.separator << '"';
}

class StrToFloatTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(StrToFloatTest, AcceptsOnlyTheDecimalForm)
{
    const NumberCase& c = GetParam();
    if (c.value) {
        EXPECT_DOUBLE_EQ(StrToFloat(c.text, c.separator), *c.value) << "'" << c.text << "'";
        return;
    }
    try {
        StrToFloat(c.text, c.separator);
        ADD_FAILURE() << "'" << c.text << "' was accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), std::string("'") + c.text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToFloatTest, ::testing::Values(
    NumberCase{"100", ".", 100.0},
    NumberCase{"29.99", ".", 29.99},
    NumberCase{" 75 ", ".", 75.0},
    NumberCase{"1e2", ".", 100.0},
    NumberCase{"1E+2", ".", 100.0},
    NumberCase{"5000e-2", ".", 50.0},
    NumberCase{"+50", ".", 50.0},
    NumberCase{"-50", ".", -50.0},
    NumberCase{".5", ".", 0.5},
    NumberCase{"5.", ".", 5.0},
    NumberCase{"50,5", ",", 50.5},
    NumberCase{"50.5", ",", std::nullopt},
    NumberCase{"1,000", ".", std::nullopt},
    NumberCase{"75%", ".", std::nullopt},
    NumberCase{"abc", ".", std::nullopt},
    NumberCase{"", ".", std::nullopt},
    NumberCase{"   ", ".", std::nullopt},
    NumberCase{".", ".", std::nullopt},
    NumberCase{"1e", ".", std::nullopt},
    NumberCase{"e2", ".", std::nullopt},
    NumberCase{"7 5", ".", std::nullopt},
    NumberCase{"\t75", ".", std::nullopt},
    NumberCase{"--5", ".", std::nullopt},
    NumberCase{"0x10", ".", std::nullopt}));

TEST(StrToFloatTest, OutOfRangeNumbersStayOutOfRange)
{
    EXPECT_TRUE(std::isinf(StrToFloat("1e999", ".")));
    EXPECT_EQ(StrToFloat("1e-999", "."), 0.0);
}

} // namespace
} // namespace paginox
