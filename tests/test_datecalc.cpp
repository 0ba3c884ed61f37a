// Calendar check: leap years and the existence of a day.
#include <gtest/gtest.h>

#include "datecalc/datecalc.hpp"

namespace {

using namespace vse;

TEST(DateCalcTest, AnneesBissextiles) {
    struct Cas {
        int annee;
        int attendu;
    };
    const Cas cas[] = {
        {2000, 1}, {2400, 1}, {1900, 0}, {2100, 0}, {1800, 0}, {2024, 1},
        {2023, 0}, {1996, 1}, {4, 1},    {1, 0},    {1600, 1},
    };
    for (const Cas& c : cas) EXPECT_EQ(DateCalc_leap_year(c.annee), c.attendu) << c.annee;
}

TEST(DateCalcTest, JourExistant) {
    struct Cas {
        int annee, mois, jour;
        int attendu;
    };
    const Cas cas[] = {
        {2000, 2, 29, 1},  {1900, 2, 29, 0}, {2100, 2, 29, 0}, {2024, 2, 29, 1},
        {2023, 2, 29, 0},  {2023, 2, 28, 1}, {2024, 2, 30, 0}, {2023, 4, 31, 0},
        {2023, 4, 30, 1},  {2023, 12, 31, 1}, {2023, 1, 31, 1}, {2023, 1, 32, 0},
        {2023, 0, 1, 0},   {2023, 13, 1, 0}, {2023, -1, 1, 0}, {2023, 5, 0, 0},
        {2023, 5, -3, 0},  {0, 1, 1, 0},     {-5, 1, 1, 0},    {1, 1, 1, 1},
        {1850, 6, 30, 1},  {2023, 6, 31, 0}, {2023, 9, 31, 0}, {2023, 11, 31, 0},
        {2023, 8, 31, 1},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(DateCalc_check_date(c.annee, c.mois, c.jour), c.attendu)
            << c.annee << "-" << c.mois << "-" << c.jour;
}

}  // namespace
