#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace paginox {

// How dates, times and decimal numbers are written, as the user's locale says.
struct FormatSettings {
    std::string DecimalSeparator = ".";
    std::string ShortDateFormat = "%m/%d/%y"; // strftime conversions
    std::string TimeSeparator = ":";
    bool TwelveHourClock = false;
    bool HourLeadingZero = true;
    bool MarkerFirst = false;                  // "PM 2:03:06" rather than "2:03:06 PM"
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
};

// The regional settings and the local clock's offset, passed to whoever writes or
// reads texts the user sees, so tests can fix both.
class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    virtual FormatSettings Format() const = 0;
    // Seconds east of UTC in force at this moment, daylight saving included.
    virtual std::int64_t UtcOffsetNow() const = 0;
};

// Reads the locale the environment names (LC_ALL, LC_*, LANG) once at construction,
// through a locale object of its own so the process-wide locale stays as it is.
class ProcessRegionalSettings final : public RegionalSettings {
public:
    ProcessRegionalSettings();
    FormatSettings Format() const override { return FFormat; }
    std::int64_t UtcOffsetNow() const override;

private:
    FormatSettings FFormat;
};

class FixedRegionalSettings final : public RegionalSettings {
public:
    explicit FixedRegionalSettings(FormatSettings format = {}, std::int64_t utcOffset = 0)
        : FFormat(std::move(format)), FUtcOffset(utcOffset) {}
    FormatSettings Format() const override { return FFormat; }
    std::int64_t UtcOffsetNow() const override { return FUtcOffset; }
    void SetFormat(FormatSettings format) { FFormat = std::move(format); }
    void SetUtcOffset(std::int64_t utcOffset) { FUtcOffset = utcOffset; }

private:
    FormatSettings FFormat;
    std::int64_t FUtcOffset;
};

// The long-time format's reading of a strftime time format (T_FMT, "%r" and the like).
void ReadTimeFormat(const std::string& timeFormat, const std::string& ampmFormat,
                    FormatSettings& settings);

} // namespace paginox
