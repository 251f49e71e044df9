#pragma once

#include <string>

// What the build fixed for every program it makes. The definitions are generated from
// BuildInfo.cpp.in.
class BuildInfo
{
public:
    BuildInfo() = delete;

    // The line every program of the build prints for --version, such as "pulsestage 0.1.0".
    static std::string VersionLine();
};
