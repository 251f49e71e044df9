#pragma once

#include <string>
#include <vector>

// What pulsestage-shot is asked to do, read from its command line.
class ShotOptions
{
public:
    // Throws UsageError naming the option and the problem. With --help or --version the other
    // options are not required.
    static ShotOptions Parse(const std::vector<std::string>& arguments);
    // The text --help prints.
    static std::string Help();

    bool ShowHelp = false;
    bool ShowVersion = false;
    std::string Scene;
    // Empty: no PNG, no GIF; at least one is asked for.
    std::string Out;
    std::string Gif;
    // The GIF keeps one frame in Every.
    int Every = 1;
    unsigned int Width = 1024;
    unsigned int Height = 600;
    int Frames = 1;
    double FrameTime = 1.0 / 60.0;
    unsigned int Seed = 1;
    // Empty: no script.
    std::string Script;
};
