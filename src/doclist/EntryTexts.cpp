#include "doclist/EntryTexts.h"

#include <ctime>

namespace paginox {

namespace {

std::string TwoDigits(int value)
{
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

std::string LongTimeText(const std::tm& time, const FormatSettings& format)
{
    int hour = time.tm_hour;
    if (format.TwelveHourClock)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = format.HourLeadingZero || hour >= 10 ? TwoDigits(hour) : std::to_string(hour);
    text += format.TimeSeparator + TwoDigits(time.tm_min) + format.TimeSeparator + TwoDigits(time.tm_sec);
    const std::string& marker = time.tm_hour < 12 ? format.TimeAMString : format.TimePMString;
    if (!format.TwelveHourClock || marker.empty())
        return text;
    return format.MarkerFirst ? marker + " " + text : text + " " + marker;
}

std::string ShortDateText(const std::tm& time, const FormatSettings& format)
{
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, format.ShortDateFormat.c_str(), &time);
    return std::string(buffer, length);
}

} // namespace

std::string SizeText(std::uint64_t size)
{
    return std::to_string(size / 1024) + "KB";
}

std::string TimeText(const FileTime& stamp, std::int64_t utcOffset, const FormatSettings& format)
{
    std::int64_t local = stamp.Seconds + utcOffset;
    // The DOS date-time form counts in two-second steps: an odd second falls to the one below.
    local -= ((local % 2) + 2) % 2;
    // The DOS form holds only 1980 to 2107. Stamps outside it are written all the same,
    // in full and in two-second steps: the real date tells the user more than none would.
    const std::time_t moment = static_cast<std::time_t>(local);
    std::tm time{};
    if (!gmtime_r(&moment, &time))
        return {};
    std::string text = ShortDateText(time, format);
    if (time.tm_hour != 0 || time.tm_min != 0 || time.tm_sec != 0)
        text += " " + LongTimeText(time, format);
    return text;
}

DocumentEntry MakeDocumentEntry(const std::string& caption, const std::string& path,
                                const DirectoryEntry& entry, const RegionalSettings& regional)
{
    const FormatSettings format = regional.Format();
    const std::int64_t utcOffset = regional.UtcOffsetNow();
    DocumentEntry row;
    row.Checked = true;
    row.Caption = caption;
    row.SubItems = {path, SizeText(entry.Size), TimeText(entry.CreationTime, utcOffset, format),
                    TimeText(entry.LastWriteTime, utcOffset, format)};
    return row;
}

} // namespace paginox
