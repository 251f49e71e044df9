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

std::vector<std::string> ImageManager::GetFailedLoads() const
{
    std::vector<std::string> failed;
    for (const auto& [name, image] : myImages)
    {
        if (image->GetWidth() == 0 || image->GetHeight() == 0)
        {
            failed.push_back(name);
        }
    }
    return failed;
}
