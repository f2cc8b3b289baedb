// Julian dates and edtime pictures. The host's Julian date puts the day number of the civil date
// in the integer part and the fraction of the day since midnight after the point (1998-09-05 04:53
// is 2451062.2...). Dates use the proleptic Gregorian calendar.
#include "diesel/DieselEdtime.h"

#include <array>
#include <cmath>

namespace vthost {
namespace {

constexpr long long kJulianDayOfUnixEpoch = 2440588;  // 1970-01-01
constexpr long long kMillisecondsPerDay = 86400000;
constexpr double kLatestJulianDate = 1e9;  // about the year 2.7 million

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

enum class Phrase { msec, month, mon, dddd, ddd, ampm, ap, yyyy, dd, hh, mm, mo, ss, yy, d, h, m };

struct PhraseEntry {
    std::string_view text;
    Phrase phrase;
};

// The order in which phrases are tried at each position: longest first, MSEC before all.
constexpr std::array<PhraseEntry, 17> kPhrases = {{
    {"MSEC", Phrase::msec},
    {"MONTH", Phrase::month},
    {"MON", Phrase::mon},
    {"DDDD", Phrase::dddd},
    {"DDD", Phrase::ddd},
    {"AM/PM", Phrase::ampm},
    {"A/P", Phrase::ap},
    {"YYYY", Phrase::yyyy},
    {"DD", Phrase::dd},
    {"HH", Phrase::hh},
    {"MM", Phrase::mm},
    {"MO", Phrase::mo},
    {"SS", Phrase::ss},
    {"YY", Phrase::yy},
    {"D", Phrase::d},
    {"H", Phrase::h},
    {"M", Phrase::m},
}};

// Days since 1970-01-01 to year, month and day (Howard Hinnant's civil_from_days).
void civilFromDays(long long days, DieselMoment& moment) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // March = 0
    moment.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    moment.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    moment.year = yearOfEra + era * 400 + (moment.month <= 2 ? 1 : 0);
}

char upperAsciiChar(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

bool matchesAt(std::string_view picture, std::size_t at, std::string_view phrase) {
    if (picture.size() - at < phrase.size()) return false;
    for (std::size_t i = 0; i < phrase.size(); ++i)
        if (upperAsciiChar(picture[at + i]) != phrase[i]) return false;
    return true;
}

std::string padded(long long value, std::size_t width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

// "A" or "P" in the case of the phrase's first picture letter; an AM/PM phrase adds its second
// picture letter as written.
std::string meridiem(std::string_view matched, int hour) {
    const bool lower = matched[0] >= 'a' && matched[0] <= 'z';
    std::string text(1, static_cast<char>((hour < 12 ? 'A' : 'P') + (lower ? 32 : 0)));
    if (matched.size() == 5) text += matched[1];
    return text;
}

// H and HH follow the 12-hour clock only if the picture names AM/PM, am/pm, A/P or a/p exactly.
bool usesTwelveHourClock(std::string_view picture) {
    for (std::string_view marker : {"AM/PM", "am/pm", "A/P", "a/p"})
        if (picture.find(marker) != std::string_view::npos) return true;
    return false;
}

int clockHour(std::string_view picture, int hour) {
    if (!usesTwelveHourClock(picture)) return hour;
    return hour % 12 == 0 ? 12 : hour % 12;
}

const PhraseEntry* phraseAt(std::string_view picture, std::size_t at) {
    for (const PhraseEntry& entry : kPhrases)
        if (matchesAt(picture, at, entry.text)) return &entry;
    return nullptr;
}

std::string dateText(Phrase phrase, const DieselMoment& m) {
    switch (phrase) {
        case Phrase::month:
            return std::string(kMonthNames[m.month - 1]);
        case Phrase::mon:
            return std::string(kMonthNames[m.month - 1].substr(0, 3));
        case Phrase::dddd:
            return std::string(kWeekdayNames[m.weekday]);
        case Phrase::ddd:
            return std::string(kWeekdayNames[m.weekday].substr(0, 3));
        case Phrase::yyyy:
            return padded(m.year, 4);
        case Phrase::yy:
            return padded((m.year % 100 + 100) % 100, 2);
        case Phrase::dd:
            return padded(m.day, 2);
        case Phrase::mo:
            return padded(m.month, 2);
        case Phrase::d:
            return padded(m.day, 1);
        default:
            return padded(m.month, 1);  // Phrase::m
    }
}

std::string phraseText(Phrase phrase, std::string_view matched, const DieselMoment& m, int hour) {
    switch (phrase) {
        case Phrase::msec:
            return padded(m.millisecond, 3);
        case Phrase::ampm:
        case Phrase::ap:
            return meridiem(matched, m.hour);
        case Phrase::hh:
            return padded(hour, 2);
        case Phrase::h:
            return padded(hour, 1);
        case Phrase::mm:
            return padded(m.minute, 2);
        case Phrase::ss:
            return padded(m.second, 2);
        default:
            return dateText(phrase, m);
    }
}

}  // namespace

bool momentFromJulianDate(double julianDate, DieselMoment& moment) {
    if (!(julianDate >= 0 && julianDate < kLatestJulianDate)) return false;
    const double wholeDays = std::floor(julianDate);
    long long day = static_cast<long long>(wholeDays);
    long long milliseconds = std::llround((julianDate - wholeDays) * kMillisecondsPerDay);
    if (milliseconds >= kMillisecondsPerDay) {
        milliseconds -= kMillisecondsPerDay;
        ++day;
    }
    civilFromDays(day - kJulianDayOfUnixEpoch, moment);
    moment.weekday = static_cast<int>((day + 1) % 7);
    moment.hour = static_cast<int>(milliseconds / 3600000);
    moment.minute = static_cast<int>(milliseconds / 60000 % 60);
    moment.second = static_cast<int>(milliseconds / 1000 % 60);
    moment.millisecond = static_cast<int>(milliseconds % 1000);
    return true;
}

std::string formatEdtimePicture(std::string_view picture, const DieselMoment& moment) {
    const int hour = clockHour(picture, moment.hour);
    std::string out;
    std::size_t at = 0;
    while (at < picture.size()) {
        const PhraseEntry* found = phraseAt(picture, at);
        if (!found) {
            out += picture[at++];
            continue;
        }
        out += phraseText(found->phrase, picture.substr(at, found->text.size()), moment, hour);
        at += found->text.size();
    }
    return out;
}

}  // namespace vthost
