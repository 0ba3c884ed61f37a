// Calendar check used by the date rules.
#pragma once

namespace vse {

// Days per month, [leap][month]; column 0 is unused.
extern const int DateCalc_Days_in_Month_[2][13];

// 1 when `year` is a leap year of the Gregorian calendar.
inline int DateCalc_leap_year(int year) {
    if (year % 4 != 0) return 0;
    if (year % 100 != 0) return 1;
    return (year / 100) % 4 == 0 ? 1 : 0;
}

// 1 when year, month, day name a day of the Gregorian calendar. Every month
// has at least 28 days: the length of the month is looked up only past them.
inline int DateCalc_check_date(int year, int month, int day) {
    if (month < 1 || month > 12 || year < 1 || day < 1) return 0;
    if (day <= 28) return 1;
    return day <= DateCalc_Days_in_Month_[DateCalc_leap_year(year)][month] ? 1 : 0;
}

}  // namespace vse
