// pulsestage-scene NAME: the program started on the named scene. All of its work is in
// SceneTool, where the tests reach it.
#include "stage/SceneTool.hpp"

#include <iostream>

int main(int argc, char** argv)
{
    return SceneTool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
