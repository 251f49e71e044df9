#pragma once

#include <sstream>
#include <string>

class StringConverter
{
public:
    // Plain decimal digits, a minus sign for negative values.
    static std::string toString(int value)
    {
        std::ostringstream stream;
        stream << value;
        return stream.str();
    }
};
