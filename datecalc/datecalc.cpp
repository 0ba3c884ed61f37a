// Calendar check: whether a year, month and day name a real day of the
// Gregorian calendar. No lower calendar limit here; the exchange format's
// own limit on years is applied by its callers.
#include "datecalc/datecalc.hpp"

namespace vse {

const int DateCalc_Days_in_Month_[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // common year
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // leap year
};

int DateCalc_leap_year(int year) {
    if (year % 4 != 0) return 0;
    if (year % 100 != 0) return 1;
    return (year / 100) % 4 == 0 ? 1 : 0;
}

int DateCalc_check_date(int year, int month, int day) {
    if (month < 1 || month > 12) return 0;
    if (year < 1) return 0;
    if (day < 1) return 0;
    return day <= DateCalc_Days_in_Month_[DateCalc_leap_year(year)][month] ? 1 : 0;
}

}  // namespace vse
