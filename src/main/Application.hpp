#pragma once

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "engine/ImageManager.hpp"
#include "gamestates/Main.hpp"
#include "gamestates/TestBoundedMovement.hpp"

#include <memory>
#include <string>

class DataFolder;

namespace gfx
{
class RenderWindow;
}

// The program's application, wired in this one place for the program, its tools and the tests:
// the state registry with the program's scenes, the image cache on the data folder's pictures and
// the window, linked through the App record the scenes reach. It owns all of them; the program
// creates one and never destroys it, so that they live until the process ends.
//
// It is built in three steps, so that a tool can refuse a wrong scene before any window opens and
// settle the window before the scene reads its size: the registry, the window, the start.
class Application
{
public:
    // Creates the state manager, gives it the App, creates the image cache on the data folder's
    // resources/ and registers the program's scenes in its order: "main", then
    // "TestBoundedMovement".
    explicit Application(const DataFolder& data);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Throws UsageError naming the registered scenes when none has this ID.
    void CheckScene(const GameStateID& id) const;
    // Opens the program's kind of window (ProgramWindow): the program's has 1024 x 600 pixels and
    // antialiasing level 8. Throws std::runtime_error when there is no display to open it on.
    gfx::RenderWindow& OpenWindow(unsigned int width, unsigned int height, const std::string& title,
                                  unsigned int antialiasing);
    // Makes the scene the active state (which marks it running) and initialises it; needs the
    // window. Throws UsageError as CheckScene does.
    GameState& Start(const GameStateID& id);
    // Throws std::runtime_error naming the pictures that failed to load so far, and why: the
    // tools draw nothing without them, where the program shows what it can.
    void CheckPictures() const;

    App& GetApp() { return myApp; }
    // Needs OpenWindow first.
    gfx::RenderWindow& GetWindow() { return *myWindow; }
    const gfx::RenderWindow& GetWindow() const { return *myWindow; }

private:
    const DataFolder& myData;
    GameStateManager myManager;
    ImageManager myImages;
    std::unique_ptr<gfx::RenderWindow> myWindow;
    gamestates::Main myMain;
    gamestates::TestBoundedMovement myTestBoundedMovement;
    App myApp;
};
