#include "gfx/Err.hpp"

#include <iostream>

namespace gfx
{
std::ostream& Err()
{
    static std::ostream stream(std::cerr.rdbuf());
    return stream;
}
} // namespace gfx
