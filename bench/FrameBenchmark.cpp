// What a frame costs: the bare frame (clear and display), the program's two scenes in the
// program's frame loop, and grids of N x N rectangles drawn shape by shape through the graphics
// layer and as one SFML vertex array. Everything runs in one window of the program's kind, in
// rounds that take turns case by case, so that a change of the machine's load touches every case
// alike; the ratios of cases measured in the same round are what compares across runs.

#include "engine/GameStateManager.hpp"
#include "gfx/Randomizer.hpp"
#include "gfx/RenderWindow.hpp"
#include "gfx/Shape.hpp"
#include "main/Application.hpp"
#include "main/DataFolder.hpp"
#include "main/FrameLoop.hpp"
#include "stage/ManualTimeSource.hpp"

#include <SFML/Graphics/VertexArray.hpp>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <iomanip>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
// The program's window.
constexpr unsigned int Width = 1024;
constexpr unsigned int Height = 600;
constexpr unsigned int Antialiasing = 8;
// The scenes run on a manual clock, as in the picture tests, so that every run animates alike.
constexpr double FrameTime = 1.0 / 60.0;
constexpr unsigned int Seed = 1;
const int GridSizes[] = {4, 16, 64};

struct Settings
{
    int Rounds = 12;
    double SecondsPerCase = 0.25;
};

struct Measurement
{
    double FramesPerSecond;
    double CpuMillisecondsPerFrame;
};

// One kind of frame, with what each round measured of it.
struct Case
{
    Case(std::string name, std::function<void()> frame)
        : Name(std::move(name)), Frame(std::move(frame))
    {
    }

    std::string Name;
    std::function<void()> Frame;
    std::vector<Measurement> Rounds;
    double DrawCallsPerFrame = 0.0;
};

// One of the program's scenes, initialised in the application's window and run a frame at a time
// with the program's frame, as the picture tests run it, so that scenes can take turns.
class SceneRunner
{
public:
    SceneRunner(Application& application, ManualTimeSource& time, const GameStateID& id)
        : myApplication(application), myTime(time), myScene(application.Start(id))
    {
    }
    ~SceneRunner() { myScene.Cleanup(); }
    SceneRunner(const SceneRunner&) = delete;
    SceneRunner& operator=(const SceneRunner&) = delete;

    void Frame()
    {
        myTime.Advance(FrameTime);
        myApplication.GetApp().mGameStateManager->SetActiveState(myScene.GetID());
        RunFrame(myApplication.GetApp());
    }

private:
    Application& myApplication;
    ManualTimeSource& myTime;
    GameState& myScene;
};

// N x N rectangles over the whole window, a pixel apart, each in a colour of its own.
void ForEachCell(int n, const std::function<void(gfx::Vector2f, gfx::Vector2f, gfx::Color)>& cell)
{
    const gfx::Vector2f size(static_cast<float>(Width) / n, static_cast<float>(Height) / n);
    for (int y = 0; y < n; ++y)
    {
        for (int x = 0; x < n; ++x)
        {
            const gfx::Vector2f topLeft(x * size.x, y * size.y);
            const gfx::Color color(static_cast<std::uint8_t>(255 * x / n),
                                   static_cast<std::uint8_t>(255 * y / n), 128);
            cell(topLeft, topLeft + size - gfx::Vector2f(1.f, 1.f), color);
        }
    }
}

// A frame of a grid: the window's own view, cleared, the grid drawn and displayed.
std::function<void()> GridFrame(gfx::RenderWindow& window,
                                std::function<void(gfx::RenderTarget&)> draw)
{
    return [&window, draw = std::move(draw)]
    {
        window.SetView(gfx::View(
            gfx::FloatRect(0.f, 0.f, static_cast<float>(Width), static_cast<float>(Height))));
        window.Clear();
        draw(window);
        window.Display();
    };
}

std::function<void()> GridOfShapes(gfx::RenderWindow& window, int n)
{
    auto shapes = std::make_shared<std::vector<gfx::Shape>>();
    ForEachCell(n, [&](gfx::Vector2f p1, gfx::Vector2f p2, gfx::Color color)
                { shapes->push_back(gfx::Shape::Rectangle(p1, p2, color)); });
    return GridFrame(window,
                     [shapes](gfx::RenderTarget& target)
                     {
                         for (const gfx::Shape& shape : *shapes)
                         {
                             target.Draw(shape);
                         }
                     });
}

// The same rectangles as two triangles each, in one draw call.
std::function<void()> GridOfTriangles(gfx::RenderWindow& window, int n)
{
    auto triangles = std::make_shared<sf::VertexArray>(sf::PrimitiveType::Triangles);
    ForEachCell(n,
                [&](gfx::Vector2f p1, gfx::Vector2f p2, gfx::Color color)
                {
                    const gfx::Vector2f corners[] = {p1, {p2.x, p1.y}, p2, {p1.x, p2.y}};
                    for (int corner : {0, 1, 2, 0, 2, 3})
                    {
                        triangles->append(sf::Vertex{corners[corner], color});
                    }
                });
    return GridFrame(window,
                     [triangles](gfx::RenderTarget& target) { target.DrawNative(*triangles); });
}

// Runs frames of the case for at least the given time.
Measurement RunRound(Case& measured, const gfx::RenderWindow& window, double seconds)
{
    using Clock = std::chrono::steady_clock;
    const unsigned long callsBefore = window.GetDrawCalls();
    // The process's CPU time, the rasteriser's threads included: other processes disturb it
    // less than the frame rate.
    const std::clock_t cpuStart = std::clock();
    const Clock::time_point start = Clock::now();
    int frames = 0;
    double elapsed = 0.0;
    do
    {
        measured.Frame();
        ++frames;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < seconds);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    measured.DrawCallsPerFrame = static_cast<double>(window.GetDrawCalls() - callsBefore) / frames;
    return Measurement{frames / elapsed, cpuSeconds * 1000.0 / frames};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// The median over the rounds of what the function makes of each round's measurements.
double MedianOverRounds(const Case& measured,
                        const std::function<double(const Measurement&, std::size_t)>& value)
{
    std::vector<double> values;
    for (std::size_t round = 0; round < measured.Rounds.size(); ++round)
    {
        values.push_back(value(measured.Rounds[round], round));
    }
    return Median(values);
}

void PrintTable(const std::vector<Case>& cases, std::ostream& out)
{
    const Case& bare = cases.front();
    out << std::left << std::setw(22) << "case" << std::right << std::setw(10) << "frames/s"
        << std::setw(14) << "CPU ms/frame" << std::setw(18) << "draw calls/frame" << std::setw(18)
        << "frame rate/bare" << '\n';
    out << std::fixed;
    for (const Case& measured : cases)
    {
        const double rate = MedianOverRounds(measured, [](const Measurement& m, std::size_t)
                                             { return m.FramesPerSecond; });
        const double cpu = MedianOverRounds(measured, [](const Measurement& m, std::size_t)
                                            { return m.CpuMillisecondsPerFrame; });
        const double toBare =
            MedianOverRounds(measured, [&](const Measurement& m, std::size_t round)
                             { return m.FramesPerSecond / bare.Rounds[round].FramesPerSecond; });
        out << std::left << std::setw(22) << measured.Name << std::right << std::setprecision(1)
            << std::setw(10) << rate << std::setprecision(3) << std::setw(14) << cpu
            << std::setprecision(1) << std::setw(18) << measured.DrawCallsPerFrame
            << std::setprecision(3) << std::setw(18) << toBare << '\n';
    }
}

// A grid drawn shape by shape and the same grid as one vertex array, by their places in the cases.
struct GridPair
{
    std::size_t Shapes;
    std::size_t Array;
};

// The ratios of each round, whose cases ran under the same load.
void PrintGridRatios(const std::vector<Case>& cases, const std::vector<GridPair>& grids,
                     std::ostream& out)
{
    for (const GridPair& grid : grids)
    {
        const Case& shapes = cases[grid.Shapes];
        const Case& array = cases[grid.Array];
        const double time =
            MedianOverRounds(shapes, [&](const Measurement& m, std::size_t round)
                             { return array.Rounds[round].FramesPerSecond / m.FramesPerSecond; });
        const double cpu = MedianOverRounds(
            shapes, [&](const Measurement& m, std::size_t round)
            { return m.CpuMillisecondsPerFrame / array.Rounds[round].CpuMillisecondsPerFrame; });
        out << std::setprecision(2) << shapes.Name << ": " << time
            << " x the array's time a frame (CPU " << cpu << " x)\n";
    }
}

bool ParseSettings(int argc, char** argv, Settings& settings)
{
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--rounds")
        {
            settings.Rounds = std::max(1, std::atoi(argv[i + 1]));
        }
        else if (option == "--seconds")
        {
            settings.SecondsPerCase = std::max(0.01, std::atof(argv[i + 1]));
        }
        else
        {
            return false;
        }
    }
    return argc % 2 == 1;
}
} // namespace

int main(int argc, char** argv)
{
    Settings settings;
    if (!ParseSettings(argc, argv, settings))
    {
        std::cerr << "usage: pulsestage-frames [--rounds N] [--seconds PER_CASE_AND_ROUND]\n"
                     "Run it in the repository root, where the scenes find resources/.\n";
        return 2;
    }

    ManualTimeSource time;
    Application application(DataFolder::OfThisProgram());
    gfx::RenderWindow& window =
        application.OpenWindow(Width, Height, "pulsestage-frames", Antialiasing);
    SceneRunner startup(application, time, "TestBoundedMovement");
    // The main scene lays out its background with random numbers.
    gfx::Randomizer::SetSeed(Seed);
    SceneRunner mainScene(application, time, "main");

    std::vector<Case> cases{{"bare loop",
                             [&]
                             {
                                 window.Clear();
                                 window.Display();
                             }},
                            {"start-up scene", [&] { startup.Frame(); }},
                            {"main scene", [&] { mainScene.Frame(); }}};
    std::vector<GridPair> grids;
    for (int n : GridSizes)
    {
        const std::string name = "grid " + std::to_string(n) + " x " + std::to_string(n);
        grids.push_back(GridPair{cases.size(), cases.size() + 1});
        cases.emplace_back(name + " shapes", GridOfShapes(window, n));
        cases.emplace_back(name + " array", GridOfTriangles(window, n));
    }

    // The first round only warms up: the rasteriser compiles its code for each new state then.
    for (int round = 0; round <= settings.Rounds; ++round)
    {
        for (std::size_t i = 0; i < cases.size(); ++i)
        {
            // Each round starts with another case, so that no case always follows the same one.
            Case& measured = cases[(i + static_cast<std::size_t>(round)) % cases.size()];
            const Measurement measurement = RunRound(measured, window, settings.SecondsPerCase);
            if (round > 0)
            {
                measured.Rounds.push_back(measurement);
            }
        }
    }

    std::cout << "Medians of " << settings.Rounds << " rounds of " << settings.SecondsPerCase
              << " s a case, " << Width << " x " << Height << " pixels, antialiasing asked "
              << Antialiasing << ":\n";
    PrintTable(cases, std::cout);
    PrintGridRatios(cases, grids, std::cout);
    return 0;
}
