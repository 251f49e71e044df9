#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gfx
{
class Image;
}

// Loads images from one folder and keeps each under the name it was loaded by. Images never
// move and live as long as the manager, which the program keeps until it ends: a pointer handed
// out stays valid for the whole run.
class ImageManager
{
public:
    // The path is put in front of every name as it stands, so it carries its own trailing "/".
    explicit ImageManager(std::string ressourcesPath);
    ~ImageManager();
    ImageManager(const ImageManager&) = delete;
    ImageManager& operator=(const ImageManager&) = delete;

    // Always reads the file anew and stores a new image under the name, also when the file
    // cannot be read (the image is then empty). An image stored earlier under the name stays
    // alive for whoever holds it.
    gfx::Image* Load(std::string file);
    // Throws std::out_of_range ("map::at") for a name that was never loaded; never loads.
    gfx::Image* Get(std::string file);
    bool IsLoaded(std::string file);
    // The names whose stored image is empty: a file that could not be read.
    std::vector<std::string> GetFailedLoads() const;

private:
    std::string myRessourcesPath;
    std::map<std::string, gfx::Image*> myImages;
    // Every image ever loaded, also those a later Load replaced in the map.
    std::vector<std::unique_ptr<gfx::Image>> myLoadedImages;
};
