#include "gfx/Image.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <unistd.h>

using namespace std::string_literals;

namespace
{
std::string BigEndian(std::uint32_t value, int count)
{
    std::string bytes;
    for (int i = count - 1; i >= 0; --i)
    {
        bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    }
    return bytes;
}

std::string LittleEndian(std::uint32_t value, int count)
{
    const std::string bytes = BigEndian(value, count);
    return std::string(bytes.rbegin(), bytes.rend());
}

// A PNG's signature and header chunk of an 8-bit RGBA picture; loading reads the size, not the
// checksum.
std::string PngHeader(std::uint32_t width, std::uint32_t height)
{
    return "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR"s + BigEndian(width, 4) + BigEndian(height, 4) +
           "\x08\x06\0\0\0CRC?"s;
}
} // namespace

TEST(Image, ReadsAndWritesPixelsWithinItsSidesOnly)
{
    gfx::Image image(5, 4, gfx::Color::Blue);
    // Not even into the next row.
    image.SetPixel(5, 0, gfx::Color::Red);
    EXPECT_EQ(image.GetPixel(0, 1), gfx::Color::Blue);
    EXPECT_EQ(image.GetPixel(5, 0), gfx::Color::Transparent);
    EXPECT_EQ(image.GetPixel(0, 1000000), gfx::Color::Transparent);
}

TEST(Image, LoadsEveryFormatItReadsTheSizeOf)
{
    gfx::Image saved(5, 4, gfx::Color::Transparent);
    saved.SetPixel(1, 2, gfx::Color(10, 20, 30, 200));
    for (const std::string format : {"png", "bmp", "jpg"})
    {
        const std::string path = "/tmp/pulsestage-image-" + std::to_string(getpid()) + "." + format;
        ASSERT_TRUE(saved.SaveToFile(path)) << format;
        gfx::Image loaded;
        EXPECT_TRUE(loaded.LoadFromFile(path)) << format;
        std::remove(path.c_str());
        EXPECT_EQ(loaded.GetWidth() * 10 + loaded.GetHeight(), 54u) << format;
        if (format == "png")
        {
            EXPECT_EQ(loaded.GetPixel(1, 2), gfx::Color(10, 20, 30, 200));
        }
    }
}

TEST(Image, RefusesPicturesItCannotSizeOrHoldBeforeDecodingThemWithOneLineAndIsLeftEmpty)
{
    const std::string bmpFile = "BM" + std::string(12, '\0');
    const std::string jfif = "\xFF\xE0"s + BigEndian(16, 2) + "JFIF\0\x01\x01\0\0\x01\0\x01\0\0"s;
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"huge.png", PngHeader(16000, 16000), "16000 x 16000 pixels would take more than 64 MiB"},
        {"wide.gif", "GIF87a" + LittleEndian(20000, 2) + LittleEndian(1, 2) + std::string(3, '\0'),
         "20000 x 1 pixels is more than 16384 pixels a side"},
        {"top-down.bmp",
         bmpFile + LittleEndian(40, 4) + LittleEndian(10, 4) + LittleEndian(-20000, 4),
         "10 x 20000 pixels is more than 16384 pixels a side"},
        {"huge.jpg",
         "\xFF\xD8" + jfif + "\xFF\xFF\xC0"s + BigEndian(17, 2) + "\x08" + BigEndian(8000, 2) +
             BigEndian(9000, 2) + std::string(10, '\x01'),
         "9000 x 8000 pixels would take more than 64 MiB"},
        {"cut.png", PngHeader(10, 10).substr(0, 20), "its header is cut short or damaged"},
        {"no-frame.jpg", "\xFF\xD8" + jfif + "\xFF\xDA"s + BigEndian(8, 2),
         "its header is cut short or damaged"},
        {"text.png", "hello, world", "not a PNG, GIF, BMP or JPEG picture"},
        {"empty.png", "", "not a PNG, GIF, BMP or JPEG picture"},
    };
    for (const auto& [name, bytes, reason] : cases)
    {
        const std::string path = "/tmp/pulsestage-image-" + std::to_string(getpid()) + "-" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        gfx::Image image(2, 2);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(image.LoadFromFile(path)) << name;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "cannot load \"" + path + "\": " + reason + "\n");
        EXPECT_EQ(image.GetWidth() + image.GetHeight(), 0u) << name;
        std::remove(path.c_str());
    }
}

TEST(Image, TriesATextureTheDriverCannotHoldOncePerChangeOfItsPixels)
{
    // Asking for the limit sets up the graphics context before standard error is captured.
    gfx::Image image(sf::Texture::getMaximumSize() + 1, 1, gfx::Color::Red);
    for (int change = 0; change < 2; ++change)
    {
        testing::internal::CaptureStderr();
        EXPECT_EQ(image.GetTexture(), nullptr);
        EXPECT_EQ(image.GetTexture(), nullptr);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        image.SetPixel(0, 0, gfx::Color::Blue);
    }
}
