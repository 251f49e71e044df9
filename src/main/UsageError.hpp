#pragma once

#include <stdexcept>

// Something the user asked for is wrong: an option, a scene name or a line of an input script.
// The message says what and where; the tools report it and end with exit code 2.
class UsageError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
