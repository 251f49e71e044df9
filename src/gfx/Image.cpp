#include "gfx/Image.hpp"

#include "gfx/Err.hpp"
#include "gfx/SfmlAdapter.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string_view>

namespace gfx
{
namespace
{
const std::uint64_t LargestPictureBytes = std::uint64_t(64) << 20;
const std::uint32_t LargestPictureSide = 16384;

struct PictureSize
{
    std::uint32_t width;
    std::uint32_t height;
};

bool ReadBytes(std::istream& in, unsigned char* bytes, std::size_t count)
{
    in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count));
    return in.gcount() == static_cast<std::streamsize>(count);
}

std::uint32_t BigEndian(const unsigned char* bytes, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
    {
        value = value << 8 | bytes[i];
    }
    return value;
}

std::uint32_t LittleEndian(const unsigned char* bytes, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t i = count; i > 0; --i)
    {
        value = value << 8 | bytes[i - 1];
    }
    return value;
}

// Each reader gets the file from its first byte, its signature already recognised, and answers
// nothing when the header is cut short or damaged.

// The IHDR chunk must follow the signature, and starts with the width and the height.
std::optional<PictureSize> PngSize(std::istream& in)
{
    unsigned char header[24];
    if (!ReadBytes(in, header, sizeof header) ||
        std::string_view(reinterpret_cast<const char*>(header + 12), 4) != "IHDR")
    {
        return std::nullopt;
    }
    return PictureSize{BigEndian(header + 16, 4), BigEndian(header + 20, 4)};
}

// The logical screen, which every frame is drawn into.
std::optional<PictureSize> GifSize(std::istream& in)
{
    unsigned char header[10];
    if (!ReadBytes(in, header, sizeof header))
    {
        return std::nullopt;
    }
    return PictureSize{LittleEndian(header + 6, 2), LittleEndian(header + 8, 2)};
}

// The info header follows the 14-byte file header. The old OS/2 one (12 bytes) has 16-bit sizes,
// the others 32-bit ones, where a negative height stores the rows top-down.
std::optional<PictureSize> BmpSize(std::istream& in)
{
    unsigned char header[26];
    if (!ReadBytes(in, header, sizeof header))
    {
        return std::nullopt;
    }
    if (LittleEndian(header + 14, 4) == 12)
    {
        return PictureSize{LittleEndian(header + 18, 2), LittleEndian(header + 20, 2)};
    }
    const std::uint32_t height = LittleEndian(header + 22, 4);
    const bool topDown = (height & 0x80000000u) != 0;
    return PictureSize{LittleEndian(header + 18, 4), topDown ? 0u - height : height};
}

// The next marker: 0xFF, any number of further 0xFF bytes, then the marker's code.
std::optional<unsigned char> NextJpegMarker(std::istream& in)
{
    unsigned char byte = 0;
    if (!ReadBytes(in, &byte, 1) || byte != 0xFF)
    {
        return std::nullopt;
    }
    while (byte == 0xFF)
    {
        if (!ReadBytes(in, &byte, 1))
        {
            return std::nullopt;
        }
    }
    return byte;
}

// The size is in the frame header, found by skipping the segments before it by their lengths.
// The image data may not come first.
std::optional<PictureSize> JpegSize(std::istream& in)
{
    const auto withoutLength = [](unsigned char marker)
    { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8); };
    // SOF0 to SOF15, but for three markers of other segments that share the range.
    const auto frameHeader = [](unsigned char marker) {
        return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
               marker != 0xCC;
    };
    const unsigned char endOfImage = 0xD9;
    const unsigned char startOfScan = 0xDA;

    in.ignore(2);
    for (std::optional<unsigned char> marker = NextJpegMarker(in);
         marker && *marker != endOfImage && *marker != startOfScan; marker = NextJpegMarker(in))
    {
        if (withoutLength(*marker))
        {
            continue;
        }
        // The segment's length counts its own two bytes; a frame header goes on with the sample
        // precision, the height and the width.
        unsigned char segment[7];
        if (!ReadBytes(in, segment, 2) || BigEndian(segment, 2) < 2)
        {
            return std::nullopt;
        }
        if (frameHeader(*marker))
        {
            if (!ReadBytes(in, segment + 2, 5))
            {
                return std::nullopt;
            }
            return PictureSize{BigEndian(segment + 5, 2), BigEndian(segment + 3, 2)};
        }
        in.ignore(BigEndian(segment, 2) - 2);
    }
    return std::nullopt;
}

struct PictureFormat
{
    std::string_view signature;
    std::optional<PictureSize> (*readSize)(std::istream&);
};

const PictureFormat PictureFormats[] = {{std::string_view("\x89PNG\r\n\x1a\n", 8), PngSize},
                                        {"GIF87a", GifSize},
                                        {"GIF89a", GifSize},
                                        {"BM", BmpSize},
                                        {"\xFF\xD8\xFF", JpegSize}};

// The format whose signature starts the file, or null; the file is read again from its start.
const PictureFormat* FindFormat(std::istream& file)
{
    char start[8] = {};
    file.read(start, sizeof start);
    const std::string_view head(start, static_cast<std::size_t>(file.gcount()));
    file.clear();
    file.seekg(0);
    const PictureFormat* const format =
        std::find_if(std::begin(PictureFormats), std::end(PictureFormats),
                     [&](const PictureFormat& candidate)
                     { return head.substr(0, candidate.signature.size()) == candidate.signature; });
    return format == std::end(PictureFormats) ? nullptr : format;
}

std::optional<std::string> SizeRefusal(const PictureSize& size)
{
    const std::string pixels =
        std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
    if (size.width > LargestPictureSide || size.height > LargestPictureSide)
    {
        return pixels + " is more than " + std::to_string(LargestPictureSide) + " pixels a side";
    }
    // Decoded, every pixel takes four bytes.
    if (std::uint64_t(size.width) * size.height * 4 > LargestPictureBytes)
    {
        return pixels + " would take more than " + std::to_string(LargestPictureBytes >> 20) +
               " MiB";
    }
    return std::nullopt;
}

// Why the picture in the file must not be decoded; nothing when it may be.
std::optional<std::string> Refusal(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        return "cannot open the file";
    }
    const PictureFormat* const format = FindFormat(file);
    if (!format)
    {
        return "not a PNG, GIF, BMP or JPEG picture";
    }
    const std::optional<PictureSize> size = format->readSize(file);
    if (!size)
    {
        return "its header is cut short or damaged";
    }
    return SizeRefusal(*size);
}
} // namespace

Image::Image() = default;

Image::Image(unsigned int width, unsigned int height, const Color& color)
{
    Create(width, height, color);
}

Image Image::FromNative(const sf::Image& pixels)
{
    Image image;
    image.myPixels = pixels;
    return image;
}

Image::~Image() = default;
Image::Image(Image&&) noexcept = default;
Image& Image::operator=(Image&&) noexcept = default;

bool Image::LoadFromFile(const std::string& path)
{
    myTextureStale = true;
    if (const std::optional<std::string> refusal = Refusal(path))
    {
        Err() << "cannot load \"" << path << "\": " << *refusal << std::endl;
    }
    else if (myPixels.loadFromFile(path))
    {
        return true;
    }
    myPixels = sf::Image();
    return false;
}

bool Image::SaveToFile(const std::string& path) const
{
    return myPixels.saveToFile(path);
}

void Image::Create(unsigned int width, unsigned int height, const Color& color)
{
    SfmlAdapter::CreateImage(myPixels, width, height, color);
    myTextureStale = true;
}

unsigned int Image::GetWidth() const
{
    return myPixels.getSize().x;
}

unsigned int Image::GetHeight() const
{
    return myPixels.getSize().y;
}

Color Image::GetPixel(unsigned int x, unsigned int y) const
{
    if (x >= GetWidth() || y >= GetHeight())
    {
        return Color(0, 0, 0, 0);
    }
    return SfmlAdapter::GetPixel(myPixels, x, y);
}

void Image::SetPixel(unsigned int x, unsigned int y, const Color& color)
{
    if (x < GetWidth() && y < GetHeight())
    {
        SfmlAdapter::SetPixel(myPixels, x, y, color);
        myTextureStale = true;
    }
}

void Image::SetSmooth(bool smooth)
{
    if (smooth != mySmooth)
    {
        mySmooth = smooth;
        myTextureStale = true;
    }
}

std::shared_ptr<const sf::Texture> Image::GetTexture() const
{
    if (GetWidth() == 0 || GetHeight() == 0)
    {
        return nullptr;
    }
    if (myTextureStale)
    {
        // A texture the driver refuses is refused again on every try, with a message each time:
        // it is tried once for every change of the pixels or the smoothing.
        myTextureStale = false;
        if (!myTexture || myTexture.use_count() > 1)
        {
            myTexture = std::make_shared<sf::Texture>();
        }
        if (!myTexture->loadFromImage(myPixels))
        {
            myTexture.reset();
            return nullptr;
        }
        myTexture->setSmooth(mySmooth);
    }
    return myTexture;
}
} // namespace gfx
