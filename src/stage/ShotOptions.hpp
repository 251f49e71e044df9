#pragma once

#include <string>

namespace CLI
{
class App;
}

// What pulsestage-shot is asked to do, read from its command line.
class ShotOptions
{
public:
    ShotOptions() = default;
    // Declare stores the options' values into this object when the command line is read.
    ShotOptions(const ShotOptions&) = delete;
    ShotOptions& operator=(const ShotOptions&) = delete;

    // Declares the options, each value checked as it is read: a wrong one fails the reading with
    // a message that names the option.
    void Declare(CLI::App& options);
    // Throws UsageError naming what the options read lack or cannot do together: a scene, a file
    // to write, a GIF's longest delay.
    void Check() const;

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
    // The pictures drawn in the window, as the program draws its frames.
    bool WindowPictures = false;
    // Empty: no script.
    std::string Script;
    // The player's inspector drawn over the pictures.
    bool Inspector = false;
};
