#pragma once

#include "engine/App.hpp"
#include "engine/GameStateManager.hpp"
#include "engine/ImageManager.hpp"
#include "main/SceneSet.hpp"

#include <memory>
#include <string>

class DataFolder;

namespace gfx
{
class RenderWindow;
}

// The program's application for its tools: the registry with the program's scenes, the image
// cache for the program's data folder and a window, wired as the entry point wires them, but
// owned, so that everything goes when the stage goes.
class Stage
{
public:
    // Throws std::runtime_error as DataFolder::OfThisProgram does.
    Stage();
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // Throws UsageError naming the registered scenes when none has this ID.
    void CheckScene(const GameStateID& id) const;
    // Opens the program's kind of window (the program asks for antialiasing level 8) and drops
    // what the window system says of it at first, so that a scene hears only the input it is
    // given. Throws std::runtime_error when there is no display to open it on.
    void OpenWindow(unsigned int width, unsigned int height, const std::string& title,
                    unsigned int antialiasing = 8);
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
    SceneSet myScenes;
    std::unique_ptr<gfx::RenderWindow> myWindow;
    App myApp;
};
