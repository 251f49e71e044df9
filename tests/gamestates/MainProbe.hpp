#pragma once

#include "gameobjects/BouncingString.hpp"
#include "gameobjects/Container.hpp"
#include "gameobjects/Shelf.hpp"
#include "gamestates/Main.hpp"
#include "gfx/Sprite.hpp"
#include "gfx/View.hpp"

#include <algorithm>

namespace gamestates
{
// Reads what of the main scene its pixels do not tell exactly: the views, the figure, the cursor,
// two labels and the second shelf's wave.
class MainProbe
{
public:
    explicit MainProbe(const Main& scene) : myScene(scene) {}

    const gfx::View& BackgroundView() const { return *myScene.myBackgroundView; }
    const gfx::View& LevelView() const { return *myScene.myLevelView; }
    const gfx::Sprite& Figur() const { return *myScene.myFigur; }
    const gfx::Sprite& Cursor() const { return *myScene.myCursor; }
    // How often the interface layer lists the cursor, and so draws it.
    long CursorListings() const
    {
        const Container& root = *myScene.myAnchors[Main::TopLeft];
        return std::count(root.begin(), root.end(), myScene.myCursor);
    }
    const BouncingString& FPS() const { return *myScene.myFPS; }
    const BouncingString& Hallo() const { return *myScene.myHallo; }
    const Shelf& Shelf2() const { return *myScene.myShelf2; }

private:
    const Main& myScene;
};
} // namespace gamestates
