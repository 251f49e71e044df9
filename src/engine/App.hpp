#pragma once

namespace gfx
{
class Input;
class RenderWindow;
} // namespace gfx

class GameStateManager;
class ImageManager;

// What every scene reaches through its state: the window, the state registry and the image
// cache. The entry point owns the one instance and everything it points to.
struct App
{
    gfx::RenderWindow* mRenderWindow;
    GameStateManager* mGameStateManager;
    ImageManager* mImageManager;

    // The window's keyboard and mouse state.
    const gfx::Input* GetInput() const;
};
