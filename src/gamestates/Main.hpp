#pragma once

#include "engine/GameState.hpp"
#include "gfx/Clock.hpp"
#include "misc/ZoomRange.hpp"
#include "pulse/PulseOwner.hpp"

#include <array>
#include <list>

namespace gfx
{
class Sprite;
class View;
} // namespace gfx

class Background;
class BouncingString;
class Container;
class PulseGenerator;
class PulseVariation;
class Shelf;
class Updatable;

namespace gamestates
{
// The scene where everything moves to one beat: a swaying grid of rectangles behind a level with
// two shelves and a figure the arrow keys steer, under an interface of pulsing labels and a
// spinning cursor. It builds all of its objects in Initialize and destroys them in Cleanup.
// Its pulses can be listed by name while it runs, for the tools.
class Main final : public GameState, public PulseOwner
{
public:
    Main();

    void Initialize() override;
    void Cleanup() override;
    void Update() override;
    void EventHandling(gfx::Event Event) override;
    void Render(gfx::RenderTarget& Target) override;
    // "main" and its "main rotation", "main scale" and "main shade", then those of the
    // background, the labels ("FPS label", "Hallo label", "AWESOME label") and the shelves
    // ("shelf 1", "shelf 2"). Nothing before Initialize; not to be asked after Cleanup.
    void ListPulses(PulseOwner::List& pulses) override;

private:
    friend class MainProbe;

    enum Anchor
    {
        TopLeft,
        TopCenter,
        TopRight,
        CenterLeft,
        CenterCenter,
        CenterRight,
        BottomLeft,
        BottomCenter,
        BottomRight,
        AnchorCount
    };

    void InitContainers();
    void OnResize(float width, float height);
    void setupContainer(float width, float height);
    void MoveFigur(float x, float y);
    void HandleKeyPress();
    void UpdateReadout();
    void UpdateFigurHover();

    Background* myBackground = nullptr;
    gfx::View* myBackgroundView = nullptr;
    gfx::View* myLevelView = nullptr;
    gfx::View* myUIView = nullptr;
    BouncingString* myFPS = nullptr;
    BouncingString* myHallo = nullptr;
    BouncingString* myAWESOME = nullptr;
    Shelf* myShelf1 = nullptr;
    Shelf* myShelf2 = nullptr;
    gfx::Sprite* myShelfItem = nullptr;
    gfx::Sprite* myCursor = nullptr;
    gfx::Sprite* myFigur = nullptr;
    gfx::Clock myClock;
    PulseGenerator* myMainBeat = nullptr;
    PulseVariation* myMainBeatRotation = nullptr;
    PulseVariation* myMainBeatScale = nullptr;
    PulseVariation* myMainBeatShade = nullptr;
    // The anchors of the interface layer at the window's corners, edge midpoints and centre, row
    // by row from the top, each row from the left. The top left one holds the other eight and is
    // the root of the whole layer.
    std::array<Container*, AnchorCount> myAnchors{};
    std::list<Updatable*>* myUpdatables = nullptr;
    // Fitted with the background view on every resize.
    ZoomRange myBackgroundZoom;
};
} // namespace gamestates
