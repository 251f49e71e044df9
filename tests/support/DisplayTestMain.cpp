// The entry of the tests that need a display. Without one, each ends at once with one line that
// says so, where the graphics library would end the process in the middle of a test.
#include "gfx/Display.hpp"

#include <gtest/gtest.h>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!GTEST_FLAG_GET(list_tests))
    {
        try
        {
            const gfx::Display display;
        }
        catch (const std::runtime_error& problem)
        {
            std::cerr << "pulsestage_display_tests: " << problem.what()
                      << "; the tests without the label display run without one\n";
            return 1;
        }
    }
    return RUN_ALL_TESTS();
}
