// Calendar moments for $(edtime): turning a Julian date (day number plus the fraction of the day
// since midnight) into date and time fields, and expanding a picture such as "DDDD, D MON YYYY"
// with them. Pure functions over values; nothing is owned or kept.
#pragma once

#include <string>
#include <string_view>

namespace vthost {

struct DieselMoment {
    long long year = 0;
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int weekday = 0;  // 0 Sunday .. 6 Saturday
    int hour = 0;     // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// false for a date that is not finite, negative or absurdly far in the future.
bool momentFromJulianDate(double julianDate, DieselMoment& moment);
// Expands the picture phrases (case-insensitive; MSEC, MONTH, MON, DDDD, DDD, AM/PM, A/P, YYYY,
// DD, HH, MM, MO, SS, YY, D, H, M, longest first); every other character is copied.
std::string formatEdtimePicture(std::string_view picture, const DieselMoment& moment);

}  // namespace vthost
