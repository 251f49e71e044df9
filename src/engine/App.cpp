#include "engine/App.hpp"

#include "gfx/RenderWindow.hpp"

const gfx::Input* App::GetInput() const
{
    return &mRenderWindow->GetInput();
}
