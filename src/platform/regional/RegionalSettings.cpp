#include "platform/regional/RegionalSettings.h"

#include <clocale>
#include <ctime>
#include <langinfo.h>
#include <locale.h>
#include <utility>

namespace paginox {

namespace {

// Replaces the composite conversions by the ones they stand for.
std::string ExpandTimeFormat(const std::string& format, const std::string& ampmFormat)
{
    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            result += format[i];
            continue;
        }
        const char conversion = format[++i];
        if (conversion == 'r')
            result += ampmFormat.empty() ? std::string("%I:%M:%S %p") : ampmFormat;
        else if (conversion == 'T')
            result += "%H:%M:%S";
        else if (conversion == 'R')
            result += "%H:%M";
        else {
            result += '%';
            result += conversion;
        }
    }
    return result;
}

std::string LangInfo(nl_item item, locale_t locale)
{
    const char* text = nl_langinfo_l(item, locale);
    return text ? std::string(text) : std::string();
}

} // namespace

void ReadTimeFormat(const std::string& timeFormat, const std::string& ampmFormat,
                    FormatSettings& settings)
{
    const std::string format = ExpandTimeFormat(timeFormat, ampmFormat);
    bool hourSeen = false;
    bool markerSeen = false;
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        size_t at = i + 1;
        char flag = 0;
        if (format[at] == '-' || format[at] == '_' || format[at] == '0')
            flag = format[at++];
        if (at == format.size())
            break;
        const char conversion = format[at];
        if (conversion == 'p' || conversion == 'P') {
            markerSeen = true;
        } else if (!hourSeen && (conversion == 'H' || conversion == 'k' || conversion == 'I' ||
                                 conversion == 'l')) {
            hourSeen = true;
            settings.TwelveHourClock = conversion == 'I' || conversion == 'l';
            const bool paddedByDefault = conversion == 'H' || conversion == 'I';
            settings.HourLeadingZero = flag == '0' || (paddedByDefault && flag == 0);
            settings.MarkerFirst = markerSeen;
            std::string separator;
            for (size_t next = at + 1; next < format.size() && format[next] != '%'; ++next)
                separator += format[next];
            settings.TimeSeparator = separator.empty() ? std::string(":") : separator;
        }
        i = at;
    }
}

ProcessRegionalSettings::ProcessRegionalSettings()
{
    locale_t locale = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (!locale)
        locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (!locale)
        return;
    if (std::string radix = LangInfo(RADIXCHAR, locale); !radix.empty())
        FFormat.DecimalSeparator = std::move(radix);
    FFormat.ShortDateFormat = LangInfo(D_FMT, locale);
    FFormat.TimeAMString = LangInfo(AM_STR, locale);
    FFormat.TimePMString = LangInfo(PM_STR, locale);
    ReadTimeFormat(LangInfo(T_FMT, locale), LangInfo(T_FMT_AMPM, locale), FFormat);
    freelocale(locale);
}

std::int64_t ProcessRegionalSettings::UtcOffsetNow() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local))
        return 0;
    return local.tm_gmtoff;
}

} // namespace paginox
