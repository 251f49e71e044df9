#include "engine/ImageManager.hpp"

#include "gfx/Image.hpp"

#include <stdexcept>
#include <utility>

ImageManager::ImageManager(std::string ressourcesPath) : myRessourcesPath(std::move(ressourcesPath))
{
}

ImageManager::~ImageManager() = default;

gfx::Image* ImageManager::Load(std::string file)
{
    gfx::Image* image = myLoadedImages.emplace_back(std::make_unique<gfx::Image>()).get();
    image->LoadFromFile(myRessourcesPath + file);
    myImages[file] = image;
    return image;
}

gfx::Image* ImageManager::Get(std::string file)
{
    return myImages.at(file);
}

bool ImageManager::IsLoaded(std::string file)
{
    try
    {
        Get(std::move(file));
        return true;
    }
    catch (const std::out_of_range&)
    {
        return false;
    }
}
