#include "gamestates/Main.hpp"

#include "engine/App.hpp"
#include "engine/ImageManager.hpp"
#include "gameobjects/Background.hpp"
#include "gameobjects/BouncingString.hpp"
#include "gameobjects/Container.hpp"
#include "gameobjects/Shelf.hpp"
#include "gameobjects/ShelfSlot.hpp"
#include "gfx/Image.hpp"
#include "gfx/Input.hpp"
#include "gfx/Randomizer.hpp"
#include "gfx/RenderWindow.hpp"
#include "gfx/Sprite.hpp"
#include "gfx/View.hpp"
#include "misc/StringConverter.hpp"
#include "misc/math_utils.hpp"
#include "pulse/PulseGenerator.hpp"
#include "pulse/PulseVariation.hpp"

#include <climits>
#include <string>

namespace gamestates
{
namespace
{
const gfx::Color White(255, 255, 255, 255);
const gfx::Color HalfTransparent(255, 255, 255, 128);
const gfx::Color ClearColor(0, 128, 128, 255);
constexpr float FigurSpeed = 200.0f;
constexpr float CursorSpin = 360.0f;
constexpr float ZoomIn = 1.1f;
constexpr float ZoomOut = 1.0f / 1.1f;
constexpr unsigned int HoverAlpha = 128;
constexpr int SlotsPerShelf = 5;

// The window's size in pixels, as floats.
gfx::Vector2f WindowSize(const gfx::RenderWindow& window)
{
    return gfx::Vector2f(static_cast<float>(window.GetWidth()),
                         static_cast<float>(window.GetHeight()));
}

// A sprite on the image with its centre in the middle of the picture.
gfx::Sprite* CenteredSprite(const gfx::Image& image)
{
    auto* sprite =
        new gfx::Sprite(image, gfx::Vector2f(0.0f, 0.0f), gfx::Vector2f(1.0f, 1.0f), 0.0f, White);
    sprite->SetCenter(
        gfx::Vector2f(static_cast<float>(image.GetWidth()), static_cast<float>(image.GetHeight())) *
        0.5f);
    return sprite;
}

BouncingString* MakeLabel(const std::string& text, const PulseGenerator* rotation,
                          const PulseGenerator* scale, const PulseGenerator* shade, float angle,
                          const gfx::Vector2f& position)
{
    auto* label = new BouncingString(text, rotation, scale, shade);
    label->SetColor(White);
    label->SetRotation(angle);
    label->SetPosition(position);
    return label;
}

// A shelf of five slots standing upright in the level at x, each slot showing the item. The
// phase shift moves the shelf's dance before its slots join the wave, so they follow the shift.
Shelf* MakeShelf(const PulseGenerator* mainBeat, gfx::Sprite* item, float x, float phaseShift)
{
    auto* shelf =
        new Shelf(mainBeat, gfx::Vector2f(0.0f, 0.0f), gfx::Vector2f(1.0f, 1.0f), 0.0f, White);
    shelf->Dance.SetPhaseOffsetVariation(shelf->Dance.GetPhaseOffsetVariation() + phaseShift);
    shelf->AddSlots(SlotsPerShelf);
    for (int i = 0; i < SlotsPerShelf; ++i)
    {
        shelf->GetSlot(i)->push_back(item);
    }
    shelf->SetScale(gfx::Vector2f(1.0f, 1.0f) * 50.0f);
    shelf->SetPosition(x, -125.0f);
    shelf->SetRotation(-90.0f);
    return shelf;
}

// A picture that failed to load is left empty, and one the driver cannot hold gets no texture:
// either way a sprite of it draws nothing.
bool CanDraw(const gfx::Image& image)
{
    return image.GetTexture() != nullptr;
}

void CenterText(BouncingString& label)
{
    label.String.SetCenter(label.String.GetLocalSize() * 0.5f);
}
} // namespace

Main::Main()
{
    myID = "main";
}

void Main::Initialize()
{
    gfx::RenderWindow& window = *GetApp()->mRenderWindow;
    const gfx::Vector2f size = WindowSize(window);
    myUIView = new gfx::View(gfx::FloatRect(0.0f, 0.0f, size.x, size.y));
    myBackgroundView = new gfx::View(gfx::FloatRect(-500.0f, -500.0f, 500.0f, 500.0f));
    myLevelView = new gfx::View(gfx::Vector2f(0.0f, 0.0f), gfx::Vector2f(500.0f, 500.0f));
    InitContainers();

    myMainBeat = new PulseGenerator("main", 4.6f, 0.0f, 1.0f, 0.0f);
    myMainBeatRotation = new PulseVariation(myMainBeat, 0.5f, 0.0f, 5.0f, 0.0f);
    myMainBeatScale = new PulseVariation(myMainBeat, 1.0f, 0.0f, 0.1f, 1.0f);
    myMainBeatShade = new PulseVariation(myMainBeat, 1.0f, 0.0f, 0.05f, 0.95f);

    myBackground = new Background(myMainBeatRotation, myMainBeatScale, myMainBeatShade);
    myBackground->SetColor(gfx::Color(62, 46, 183, 255));
    // The grid reaches 100 units beyond the background view's first rectangle on every side,
    // so its sway never uncovers the clear colour at the edges.
    const gfx::Vector2f overlap(100.0f, 100.0f);
    const gfx::Vector2f halfsize(500.0f, 500.0f);
    myBackground->Populate(-overlap - halfsize, overlap + halfsize, 4, 4);

    myFPS = MakeLabel("FPS", myMainBeatRotation, myMainBeatScale, myMainBeatShade, 30.0f,
                      gfx::Vector2f(100.0f, 100.0f));
    myHallo = MakeLabel("Hallo", myMainBeatRotation, myMainBeatScale, myMainBeatShade, -30.0f,
                        gfx::Vector2f(-100.0f, 100.0f));
    myAWESOME = MakeLabel("BANG AWESOME ULTRA MEGA BANG", myMainBeatRotation, myMainBeatScale,
                          myMainBeatShade, 0.0f, gfx::Vector2f(0.0f, -100.0f));
    myAWESOME->SetScale(1.8f, 1.8f);

    ImageManager& images = *GetApp()->mImageManager;
    images.Load("cursor.png");
    images.Load("figur.png");
    images.Load("haehnchen.png");
    myCursor = CenteredSprite(*images.Get("cursor.png"));
    myFigur = CenteredSprite(*images.Get("figur.png"));
    myFigur->SetPosition(0.0f, 0.0f);
    // The cursor sprite stands in for the system pointer only if it can be drawn: a user is never
    // left without a pointer.
    window.ShowMouseCursor(!CanDraw(*myCursor->GetImage()));

    const gfx::Image& item = *images.Get("haehnchen.png");
    myShelfItem = CenteredSprite(item);
    // The item fills one unit square of its slot whatever the picture's size; an empty picture
    // (a failed load) keeps the scale 1 rather than an infinite one.
    if (item.GetWidth() > 0 && item.GetHeight() > 0)
    {
        myShelfItem->SetScale(1.0f / static_cast<float>(item.GetWidth()),
                              1.0f / static_cast<float>(item.GetHeight()));
    }

    myShelf1 = MakeShelf(myMainBeat, myShelfItem, 100.0f, 0.0f);
    // The second shelf's wave is shifted against the first's.
    myShelf2 = MakeShelf(myMainBeat, myShelfItem, -100.0f, gfx::Randomizer::Random(-1.0f, 1.0f));

    myAnchors[TopLeft]->push_back(myFPS);
    myAnchors[TopRight]->push_back(myHallo);
    myAnchors[BottomCenter]->push_back(myAWESOME);
    myAnchors[TopLeft]->push_back(myCursor);

    OnResize(size.x, size.y);

    myUpdatables = new std::list<Updatable*>{
        myMainBeat, myMainBeatRotation, myMainBeatScale, myMainBeatShade, myBackground, myFPS,
        myHallo,    myAWESOME,          myShelf1,        myShelf2};
}

void Main::InitContainers()
{
    for (Container*& anchor : myAnchors)
    {
        anchor = new Container(gfx::Vector2f(0.0f, 0.0f), gfx::Vector2f(1.0f, 1.0f), 0.0f, White);
    }
    for (int i = TopCenter; i < AnchorCount; ++i)
    {
        myAnchors[TopLeft]->push_back(myAnchors[i]);
    }
    const gfx::Vector2f size = WindowSize(*GetApp()->mRenderWindow);
    setupContainer(size.x, size.y);
}

// Each anchor sits at the left, the middle or the right of its row.
void Main::setupContainer(float width, float height)
{
    for (int i = 0; i < AnchorCount; ++i)
    {
        myAnchors[i]->SetPosition(width / 2.0f * static_cast<float>(i % 3),
                                  height / 2.0f * static_cast<float>(i / 3));
    }
}

void Main::OnResize(float width, float height)
{
    myUIView->SetFromRect(gfx::FloatRect(0.0f, 0.0f, width, height));
    // The longer side spans 1000 units, so a unit is as wide as it is high on screen. A window
    // of 0 x 0 has no such fit: the views keep their half sizes until a real size comes.
    if (width > 0.0f || height > 0.0f)
    {
        const gfx::Vector2f halfSize = width < height
                                           ? gfx::Vector2f(width * 500.0f / height, 500.0f)
                                           : gfx::Vector2f(500.0f, height * 500.0f / width);
        myBackgroundView->SetHalfSize(halfSize);
        myLevelView->SetHalfSize(halfSize);
        myBackgroundZoom.Fit(halfSize);
    }
    setupContainer(width, height);
}

void Main::Cleanup()
{
    delete myBackground;
    delete myFPS;
    delete myHallo;
    delete myAWESOME;
    delete myBackgroundView;
    delete myUIView;
    delete myLevelView;
    delete myShelf1;
    delete myShelf2;
    for (Container* anchor : myAnchors)
    {
        delete anchor;
    }
    delete myMainBeat;
    delete myMainBeatRotation;
    delete myMainBeatScale;
    delete myMainBeatShade;
    delete myCursor;
    delete myFigur;
    delete myShelfItem;
    delete myUpdatables;
}

void Main::ListPulses(PulseOwner::List& pulses)
{
    if (!myUpdatables)
    {
        return;
    }
    pulses.push_back({"main", myMainBeat});
    pulses.push_back({"main rotation", myMainBeatRotation});
    pulses.push_back({"main scale", myMainBeatScale});
    pulses.push_back({"main shade", myMainBeatShade});
    myBackground->ListPulses("background", pulses);
    myFPS->ListPulses("FPS label", pulses);
    myHallo->ListPulses("Hallo label", pulses);
    myAWESOME->ListPulses("AWESOME label", pulses);
    myShelf1->ListPulses("shelf 1", pulses);
    myShelf2->ListPulses("shelf 2", pulses);
}

void Main::EventHandling(gfx::Event Event)
{
    switch (Event.type)
    {
    case gfx::Event::Resized:
    {
        const gfx::Vector2f size = WindowSize(*GetApp()->mRenderWindow);
        OnResize(size.x, size.y);
        break;
    }
    case gfx::Event::KeyPressed:
        HandleKeyPress();
        break;
    case gfx::Event::MouseMoved:
        myCursor->SetPosition(static_cast<float>(GetInput()->GetMouseX()),
                              static_cast<float>(GetInput()->GetMouseY()));
        break;
    case gfx::Event::MouseEntered:
        myAnchors[TopLeft]->push_back(myCursor);
        break;
    case gfx::Event::MouseLeft:
        myAnchors[TopLeft]->remove(myCursor);
        break;
    default:
        break;
    }
}

// Reads the keyboard's state rather than the key the event names, so Escape held down stops the
// scene on any key press, and both zoom keys held apply both zooms.
void Main::HandleKeyPress()
{
    const gfx::Input& input = *GetInput();
    if (input.IsKeyDown(gfx::Keyboard::Escape))
    {
        SetRunning(false);
        return;
    }
    if (input.IsKeyDown(gfx::Keyboard::PageUp))
    {
        myBackgroundZoom.Zoom(*myBackgroundView, ZoomIn);
    }
    if (input.IsKeyDown(gfx::Keyboard::PageDown))
    {
        myBackgroundZoom.Zoom(*myBackgroundView, ZoomOut);
    }
}

void Main::MoveFigur(float x, float y)
{
    myFigur->Move(x, y);
    myLevelView->Move(x, y);
}

void Main::Update()
{
    const float delta = myClock.GetElapsedTime() * FigurSpeed;
    const gfx::Input& input = *GetInput();
    if (input.IsKeyDown(gfx::Keyboard::Up))
    {
        MoveFigur(0.0f, -delta);
    }
    if (input.IsKeyDown(gfx::Keyboard::Down))
    {
        MoveFigur(0.0f, delta);
    }
    if (input.IsKeyDown(gfx::Keyboard::Left))
    {
        MoveFigur(-delta, 0.0f);
    }
    if (input.IsKeyDown(gfx::Keyboard::Right))
    {
        MoveFigur(delta, 0.0f);
    }

    UpdateReadout();
    for (BouncingString* label : {myFPS, myHallo, myAWESOME})
    {
        CenterText(*label);
    }
    UpdateFigurHover();

    const float elapsedTime = myClock.GetElapsedTime();
    for (Updatable* updatable : *myUpdatables)
    {
        updatable->Update(elapsedTime);
    }

    myCursor->SetRotation(myCursor->GetRotation() + myClock.GetElapsedTime() * CursorSpin);
    const float scale = myMainBeatScale->GetPulse();
    myCursor->SetScale(scale, scale);
    myClock.Reset();
}

// A frame measured as taking no time (two readings within the clock's resolution) has no
// finite rate: the read-out then keeps the last rate it showed.
void Main::UpdateReadout()
{
    const double rate = 1.0 / myClock.GetElapsedTime();
    if (rate >= 0.0 && rate <= static_cast<double>(INT_MAX))
    {
        myFPS->String.SetText("FPS: " + StringConverter::toString(static_cast<int>(rate)));
    }
}

// The figure is opaque while the mouse is over one of its opaque pixels.
void Main::UpdateFigurHover()
{
    const gfx::Input& input = *GetInput();
    const gfx::Vector2f mouse = GetApp()->mRenderWindow->ConvertCoords(
        static_cast<unsigned int>(input.GetMouseX()), static_cast<unsigned int>(input.GetMouseY()),
        myLevelView);
    const gfx::Vector2f p = myFigur->TransformToLocal(mouse);
    const gfx::Vector2f size = myFigur->GetSize();
    const bool hovered =
        p.x > 0.0f && p.y > 0.0f && p.x < size.x && p.y < size.y &&
        myFigur->GetImage()
                ->GetPixel(static_cast<unsigned int>(p.x), static_cast<unsigned int>(p.y))
                .a > HoverAlpha;
    myFigur->SetColor(hovered ? White : HalfTransparent);
}

void Main::Render(gfx::RenderTarget& Target)
{
    Target.SetView(*myBackgroundView);
    Target.Clear(ClearColor);
    Target.Draw(*myBackground);
    Target.SetView(*myLevelView);
    Target.Draw(*myFigur);
    Target.Draw(*myShelf1);
    Target.Draw(MathUtils::TransformShapeFromLocal(myShelf1->GetLocalBoundingBox(), myShelf1));
    Target.Draw(*myShelf2);
    Target.SetView(*myUIView);
    Target.Draw(*myAnchors[TopLeft]);
}
} // namespace gamestates
