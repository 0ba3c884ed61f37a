// Calendar check used by the date rules.
#pragma once

namespace vse {

// Days per month, [leap][month]; column 0 is unused.
extern const int DateCalc_Days_in_Month_[2][13];

// 1 when `year` is a leap year of the Gregorian calendar.
int DateCalc_leap_year(int year);

// 1 when year, month, day name a day of the Gregorian calendar.
int DateCalc_check_date(int year, int month, int day);

}  // namespace vse
