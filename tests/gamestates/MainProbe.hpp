#pragma once

#include "gameobjects/Background.hpp"
#include "gameobjects/BouncingString.hpp"
#include "gameobjects/Container.hpp"
#include "gameobjects/Shelf.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "gamestates/Main.hpp"
#include "gfx/Sprite.hpp"
#include "gfx/View.hpp"
#include "pulse/PulseVariation.hpp"

#include <list>

namespace gamestates
{
// Test access to the main scene's objects.
class MainProbe
{
public:
    explicit MainProbe(Main& scene) : myScene(scene) {}

    const gfx::View& BackgroundView() const { return *myScene.myBackgroundView; }
    const gfx::View& LevelView() const { return *myScene.myLevelView; }
    const gfx::View& UIView() const { return *myScene.myUIView; }
    const gfx::Sprite& Figur() const { return *myScene.myFigur; }
    const gfx::Sprite& Cursor() const { return *myScene.myCursor; }
    const gfx::Sprite& ShelfItem() const { return *myScene.myShelfItem; }
    Shelf& Shelf1() const { return *myScene.myShelf1; }
    Shelf& Shelf2() const { return *myScene.myShelf2; }
    const BouncingString& FPS() const { return *myScene.myFPS; }
    const BouncingString& Hallo() const { return *myScene.myHallo; }
    const BouncingString& Awesome() const { return *myScene.myAWESOME; }
    const Container& TopLeft() const { return *myScene.myTopLeft; }
    const Container& TopRight() const { return *myScene.myTopRight; }
    const Container& BottomCenter() const { return *myScene.myBottomCenter; }
    const Container& BottomRight() const { return *myScene.myBottomRight; }
    const std::list<Updatable*>& Updatables() const { return *myScene.myUpdatables; }

    // The nine anchors in their order of creation.
    std::list<const Container*> Anchors() const
    {
        return {myScene.myTopLeft,    myScene.myTopCenter,    myScene.myTopRight,
                myScene.myCenterLeft, myScene.myCenterCenter, myScene.myCenterRight,
                myScene.myBottomLeft, myScene.myBottomCenter, myScene.myBottomRight};
    }

    // Where a label's own origin lands in window pixels, through its anchor and the root anchor.
    gfx::Vector2f LabelOrigin(const BouncingString& label, const Container& anchor) const
    {
        const gfx::Vector2f inAnchor = anchor.TransformToGlobal(label.GetPosition());
        return &anchor == myScene.myTopLeft ? inAnchor
                                            : myScene.myTopLeft->TransformToGlobal(inAnchor);
    }

    // The beat, its three variations, the background, the labels and the shelves, in the
    // order they must be advanced.
    std::list<Updatable*> UpdateOrder() const
    {
        return {myScene.myMainBeat,      myScene.myMainBeatRotation, myScene.myMainBeatScale,
                myScene.myMainBeatShade, myScene.myBackground,       myScene.myFPS,
                myScene.myHallo,         myScene.myAWESOME,          myScene.myShelf1,
                myScene.myShelf2};
    }

private:
    Main& myScene;
};
} // namespace gamestates
