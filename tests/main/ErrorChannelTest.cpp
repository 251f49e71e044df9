#include "main/ErrorChannel.hpp"

#include "gfx/Err.hpp"

#include <gtest/gtest.h>
#include <sstream>

TEST(ErrorChannel, PutsTheProgramsNameBeforeEachLineAndPassesOnAnUnfinishedOne)
{
    std::streambuf* const before = gfx::Err().rdbuf();
    std::ostringstream out;
    {
        const ErrorChannel channel("pulsestage-shot", out);
        gfx::Err() << "cannot load \"a.png\"" << std::endl << "two\nth";
        EXPECT_EQ(out.str(), "pulsestage-shot: cannot load \"a.png\"\npulsestage-shot: two\n");
        gfx::Err() << "ree";
    }
    EXPECT_EQ(out.str(), "pulsestage-shot: cannot load \"a.png\"\npulsestage-shot: two\n"
                         "pulsestage-shot: three\n");
    EXPECT_EQ(gfx::Err().rdbuf(), before);
}
