// pulsestage-shot: draws a scene of the program off-screen and writes a PNG or a GIF. All of its
// work is in ShotTool, where the tests reach it.
#include "stage/ShotTool.hpp"

#include <iostream>

int main(int argc, char** argv)
{
    return ShotTool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
