#pragma once

#include "gameobjects/Background.hpp"

#include <list>

// Reads the rectangles a background has laid out.
class BackgroundProbe
{
public:
    static const std::list<DancingRect>& Rects(const Background& background)
    {
        return background.rects;
    }
};
