#include "gfx/Image.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace
{
std::string TempPath(const std::string& name)
{
    return "/tmp/pulsestage-image-test-" + std::to_string(getpid()) + "-" + name;
}

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
    std::string bytes = BigEndian(value, count);
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

// The literal's bytes, zero bytes included.
template <std::size_t Size> std::string Bytes(const char (&literal)[Size])
{
    return std::string(literal, Size - 1);
}

std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
    {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
        {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// A PNG's signature and a valid header chunk of an 8-bit RGBA picture, without pixel data.
std::string PngHeader(std::uint32_t width, std::uint32_t height)
{
    const std::string chunk =
        "IHDR" + BigEndian(width, 4) + BigEndian(height, 4) + Bytes("\x08\x06\0\0\0");
    return Bytes("\x89PNG\r\n\x1a\n") + BigEndian(13, 4) + chunk + BigEndian(Crc32(chunk), 4);
}

// Writes the file, loads it, removes it and answers what loading said on standard error.
std::string LoadWritten(gfx::Image& image, const std::string& path, const std::string& bytes,
                        bool& loaded)
{
    std::ofstream(path, std::ios::binary) << bytes;
    testing::internal::CaptureStderr();
    loaded = image.LoadFromFile(path);
    std::remove(path.c_str());
    return testing::internal::GetCapturedStderr();
}
} // namespace

TEST(Image, KeepsItsPixelsAfterLoadingAndIsLeftEmptyWhenLoadingFails)
{
    const std::string path = TempPath("saved.png");
    gfx::Image saved(5, 4, gfx::Color::Transparent);
    saved.SetPixel(1, 2, gfx::Color(10, 20, 30, 200));
    saved.SetPixel(5, 0, gfx::Color::Red);
    ASSERT_TRUE(saved.SaveToFile(path));
    EXPECT_FALSE(saved.SaveToFile("/no-such-folder/picture.png"));

    gfx::Image image;
    const bool loaded = image.LoadFromFile(path);
    std::remove(path.c_str());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(image.GetWidth(), 5u);
    EXPECT_EQ(image.GetHeight(), 4u);
    EXPECT_EQ(image.GetPixel(1, 2), gfx::Color(10, 20, 30, 200));
    // Outside the picture reads as transparent and cannot be written, not even into the next row.
    EXPECT_EQ(image.GetPixel(0, 1), gfx::Color::Transparent);
    EXPECT_EQ(image.GetPixel(5, 0), gfx::Color::Transparent);
    EXPECT_EQ(image.GetPixel(0, 1000000), gfx::Color::Transparent);

    // The other formats whose size loading reads before decoding them.
    for (const std::string format : {"bmp", "jpg"})
    {
        ASSERT_TRUE(saved.SaveToFile(TempPath("saved." + format)));
        gfx::Image other;
        EXPECT_TRUE(other.LoadFromFile(TempPath("saved." + format))) << format;
        std::remove(TempPath("saved." + format).c_str());
        EXPECT_EQ(other.GetWidth() * other.GetHeight(), 20u) << format;
    }
    // One white pixel.
    const std::string gif =
        "GIF89a" + LittleEndian(1, 2) + LittleEndian(1, 2) +
        Bytes("\x80\0\0\xFF\xFF\xFF\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;");
    bool gifLoaded = false;
    LoadWritten(image, TempPath("white.gif"), gif, gifLoaded);
    EXPECT_TRUE(gifLoaded);
    EXPECT_EQ(image.GetPixel(0, 0), gfx::Color::White);

    EXPECT_FALSE(image.LoadFromFile("resources/no-such-picture.png"));
    EXPECT_EQ(image.GetWidth(), 0u);
    EXPECT_EQ(image.GetHeight(), 0u);
    EXPECT_EQ(image.GetTexture(), nullptr);
}

TEST(Image, RefusesPicturesItCannotSizeOrHoldBeforeDecodingThem)
{
    const std::string bmpFile = "BM" + std::string(12, '\0');
    const std::string jfif =
        Bytes("\xFF\xE0") + BigEndian(16, 2) + Bytes("JFIF\0\x01\x01\0\0\x01\0\x01\0\0");
    struct Case
    {
        std::string name;
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"huge.png", PngHeader(16000, 16000), "16000 x 16000 pixels would take more than 64 MiB"},
        {"wide.gif", "GIF87a" + LittleEndian(20000, 2) + LittleEndian(1, 2) + std::string(3, '\0'),
         "20000 x 1 pixels is more than 16384 pixels a side"},
        {"top-down.bmp",
         bmpFile + LittleEndian(40, 4) + LittleEndian(10, 4) + LittleEndian(-20000, 4),
         "10 x 20000 pixels is more than 16384 pixels a side"},
        {"huge.jpg",
         "\xFF\xD8" + jfif + Bytes("\xFF\xFF\xC0") + BigEndian(17, 2) + "\x08" +
             BigEndian(8000, 2) + BigEndian(9000, 2) + std::string(10, '\x01'),
         "9000 x 8000 pixels would take more than 64 MiB"},
        {"cut.png", PngHeader(10, 10).substr(0, 20), "its header is cut short or damaged"},
        {"no-frame.jpg", "\xFF\xD8" + jfif + Bytes("\xFF\xDA") + BigEndian(8, 2),
         "its header is cut short or damaged"},
        {"text.png", "hello, world", "not a PNG, GIF, BMP or JPEG picture"},
        {"empty.png", "", "not a PNG, GIF, BMP or JPEG picture"},
    };
    for (const Case& c : cases)
    {
        gfx::Image image(2, 2);
        bool loaded = true;
        const std::string path = TempPath(c.name);
        const std::string said = LoadWritten(image, path, c.bytes, loaded);
        EXPECT_FALSE(loaded) << c.name;
        EXPECT_EQ(image.GetWidth() + image.GetHeight(), 0u) << c.name;
        EXPECT_EQ(said, "pulsestage: cannot load \"" + path + "\": " + c.reason + "\n");
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
