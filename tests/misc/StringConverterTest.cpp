#include "misc/StringConverter.hpp"

#include <climits>
#include <gtest/gtest.h>

TEST(StringConverter, PlainDecimalDigits)
{
    EXPECT_EQ(StringConverter::toString(1234567), "1234567");
    EXPECT_EQ(StringConverter::toString(INT_MIN), "-2147483648");
}
