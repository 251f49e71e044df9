#include "gameobjects/Background.hpp"

#include "gfx/Randomizer.hpp"
#include "gfx/RenderTarget.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace
{
// Channels wrap around modulo 256, as 8-bit arithmetic does.
std::uint8_t WrapChannel(int value)
{
    return static_cast<std::uint8_t>(value);
}
} // namespace

Background::Background(const PulseGenerator* mainBeatRotation, const PulseGenerator* mainBeatScale,
                       const PulseGenerator* mainBeatShade)
    : Rotation("bgrot", 0.7f, 0.0f, 10.0f, 0.0f), MainBeatRotation(mainBeatRotation),
      MainBeatScale(mainBeatScale), MainBeatShade(mainBeatShade), time(0.0)
{
    Rect = gfx::Shape::Rectangle(gfx::Vector2f(0.0f, 0.0f), gfx::Vector2f(1.0f, 1.0f), GetColor(),
                                 0.0f, gfx::Color(0, 0, 0, 255));
    Rect.SetCenter(0.0f, 0.0f);
    SetBlendMode(gfx::Blend::None);
    Rect.SetBlendMode(gfx::Blend::None);
}

void Background::Populate(gfx::Vector2f P1, gfx::Vector2f P2, int GridWidth, int GridHeight)
{
    const gfx::Color color = GetColor();
    Rect.SetColor(color);
    Rect.SetPosition(P1);
    Rect.SetScale(P2 - P1);

    if (GridWidth >= 1 && GridHeight >= 1)
    {
        const gfx::Vector2f cell((P2.x - P1.x) / GridWidth, (P2.y - P1.y) / GridHeight);
        std::vector<bool> occupied(static_cast<std::size_t>(GridWidth) * GridHeight, false);
        for (std::size_t placed = 0; placed < occupied.size(); ++placed)
        {
            int x = 0;
            int y = 0;
            do
            {
                x = gfx::Randomizer::Random(0, GridWidth - 1);
                y = gfx::Randomizer::Random(0, GridHeight - 1);
            } while (occupied[static_cast<std::size_t>(y) * GridWidth + x]);
            occupied[static_cast<std::size_t>(y) * GridWidth + x] = true;

            const gfx::Vector2f center =
                P1 + gfx::Vector2f((x + 0.5f) * cell.x, (y + 0.5f) * cell.y);
            rects.push_back(MakeRect(center, cell, color));
        }
    }
    SetCenter(0.0f, 0.0f);
}

// The random draws come in a fixed order, so a seeded source lays out the same grid every time.
DancingRect Background::MakeRect(const gfx::Vector2f& cellCenter, const gfx::Vector2f& cellSize,
                                 const gfx::Color& color) const
{
    DancingRect r(MainBeatRotation, MainBeatScale, MainBeatShade);
    r.Scale.SetPhaseOffsetVariation(gfx::Randomizer::Random(-0.25f, 0.25f) / 4.0f);
    r.Shade.SetPhaseOffsetVariation(gfx::Randomizer::Random(-0.25f, 0.25f));
    r.Scale.SetOffsetVariation(gfx::Randomizer::Random(0.0f, 0.25f));
    const float heightFactor = gfx::Randomizer::Random(-1.0f, 1.0f) * 0.5f + 1.5f;
    const float widthFactor = gfx::Randomizer::Random(-1.0f, 1.0f) * 0.5f + 1.5f;
    r.SetScale(widthFactor * cellSize.x, heightFactor * cellSize.y);
    r.SetPosition(cellCenter);
    r.SetRotation(gfx::Randomizer::Random(-1.0f, 1.0f) * 10.0f);

    const int alpha = gfx::Randomizer::Random(200, 255);
    const int blue = color.b + gfx::Randomizer::Random(-20, 20);
    const int green = color.g + gfx::Randomizer::Random(-20, 20);
    const int red = color.r + gfx::Randomizer::Random(-20, 20);
    r.SetColor(
        gfx::Color(WrapChannel(red), WrapChannel(green), WrapChannel(blue), WrapChannel(alpha)));
    return r;
}

void Background::Update(float elapsedTime)
{
    time += elapsedTime;
    Rotation.Update(elapsedTime);
    SetRotation(Rotation.GetPulse());
    for (DancingRect& rect : rects)
    {
        rect.Update(elapsedTime);
    }
}

void Background::ListPulses(const std::string& name, PulseOwner::List& pulses)
{
    pulses.push_back({name + " rotation", &Rotation});
    int number = 0;
    for (DancingRect& rect : rects)
    {
        rect.ListPulses(name + " rect " + std::to_string(++number), pulses);
    }
}

void Background::Render(gfx::RenderTarget& Target) const
{
    Target.Draw(Rect);
    for (const DancingRect& rect : rects)
    {
        Target.Draw(rect);
    }
}
