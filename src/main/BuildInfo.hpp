#pragma once

#include <string>

// What the build fixed for every program it makes: the version, and the folder an installation
// puts the program's data in. The definitions are generated from BuildInfo.cpp.in.
class BuildInfo
{
public:
    BuildInfo() = delete;

    // The line every program of the build prints for --version, such as "pulsestage 0.1.0".
    static std::string VersionLine();
    // Where the install rules put the data, such as "/usr/local/share/pulsestage".
    static std::string InstalledDataFolder();
};
