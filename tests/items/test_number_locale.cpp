#include <clocale>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "base/integer_text.h"
#include "items/data_line.h"
#include "items/description.h"
#include "items/item_test_support.h"
#include "templates/template.h"

namespace {

using namespace item_test;

// The window sets the C library's locale from the environment, so an Italian user gets a
// decimal comma in printf and strtod. Number reading and writing must not follow it.
class NumbersUnderDecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                break;
            }
        }
        // A machine without these locales must fail here, not pass without testing.
        ASSERT_STREQ(std::localeconv()->decimal_point, ",")
            << "no Italian or German locale available (package locales-all)";
        // The library's own conversions do follow the locale now.
        ASSERT_EQ(std::strtod("6.5", nullptr), 6.0);
    }

    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(NumbersUnderDecimalCommaLocale, ReadingKeepsThePoint) {
    EXPECT_EQ(read_float("6.5").value, 6.5F);
    EXPECT_EQ(read_float("6,5").value, 6.0F);
    EXPECT_EQ(read_float(" -1.25e2").value, -125.0F);
    EXPECT_EQ(read_float("nan").value, 0.0F);
    EXPECT_EQ(read_leading_integer(" -12").value, -12);
    EXPECT_EQ(read_leading_integer("1.234").value, 1);
}

TEST_F(NumbersUnderDecimalCommaLocale, WritingKeepsThePoint) {
    EXPECT_EQ(class_text(6.5), "6.5");
    EXPECT_EQ(class_text(0), "0.");
    EXPECT_EQ(class_text(12.345678), "12.346");
    EXPECT_EQ(class_text(0.05), "5.e-002");
    EXPECT_EQ(class_text(123456), "1.2346e+005");
    EXPECT_EQ(class_text(1.03125), "1.0313");
    EXPECT_EQ(stat_text(-1234567), "-1234567");
}

TEST_F(NumbersUnderDecimalCommaLocale, ArmourLineReadsAndRendersItsClass) {
    const Record armour = parsed(3, R"(Cotta di Maglia="+5 Res",8,4,-1,0,0,0,"Mercante",6.5)");
    EXPECT_EQ(protection(*armour).armour_class, 6.5F);
    EXPECT_EQ(description(*armour),
              "Cotta di Maglia - CA 6.5, +5 Res, For 8, Res 4, Agi ? - Mercante");
}

} // namespace
