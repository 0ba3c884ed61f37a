// Calendar check: whether a year, month and day name a real day of the
// Gregorian calendar. No lower calendar limit here; the exchange format's
// own limit on years is applied by its callers.
#include "datecalc/datecalc.hpp"

namespace vse {

const int DateCalc_Days_in_Month_[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // common year
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},  // leap year
};

}  // namespace vse
