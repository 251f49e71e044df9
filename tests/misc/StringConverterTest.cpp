#include "misc/StringConverter.hpp"

#include <climits>
#include <gtest/gtest.h>

TEST(StringConverter, PlainDecimalDigits)
{
    EXPECT_EQ(StringConverter::toString(0), "0");
    EXPECT_EQ(StringConverter::toString(1234567), "1234567");
    EXPECT_EQ(StringConverter::toString(-42), "-42");
    EXPECT_EQ(StringConverter::toString(INT_MIN), "-2147483648");
}
