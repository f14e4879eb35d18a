#include "engine/text.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(ParseDecimal, AcceptsOnlyWholeDecimalIntegers) {
    EXPECT_EQ(ParseDecimal("12"), 12);
    EXPECT_EQ(ParseDecimal("-7"), -7);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    EXPECT_EQ(ParseDecimal("007"), 7);
    for (const char* bad : {"", " ", "12a", "1.5", "--1", "+-1", "+", "0x10", "99999999999", " 5"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << '"' << bad << '"';
}

} // namespace
} // namespace selvane
