#pragma once

#include "gameobjects/Line.hpp"
#include "gameobjects/Shelf.hpp"

#include <vector>

// Reads the lines that join a shelf's slots.
class ShelfProbe
{
public:
    static const std::vector<Line*>& Lines(const Shelf& shelf) { return shelf.myLines; }
};
