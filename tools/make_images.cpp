// Draws the program's pictures from code and writes them as PNG files:
//
//   pulsestage-images [folder]      (the folder defaults to "resources/")
//
// cursor.png     32 x 32  a white arrow pointer with a dark outline, tip at (3, 2).
// figur.png      64 x 96  a standing figure. Body pixels have alpha 255, the surroundings
//                         alpha 0, and nothing else but two translucent areas that tests rely on:
//                - alpha 200: the loose end of the scarf, right of the neck; the pixels
//                  x 47 to 51, y 25 to 28 all have it.
//                - alpha 128: the shadow on the ground; the pixels x 13 to 19, y 90 to 92
//                  (left of the shoes) and x 45 to 50, y 90 to 92 (right of them) all have it.
// haehnchen.png  64 x 64  a chicken, the shelf item.
// pulsestage.png 256 x 256 the program's icon: the figure, a chicken and the cursor of the main
//                          scene in front of its swaying grid, on a rounded square.
//
// Edges of the cursor and the chicken are smoothed; the figure's are hard, so that its alpha is
// exactly 0 or 255 wherever it is not one of the translucent areas above.

#include "gfx/Image.hpp"
#include "gfx/Vector2.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace
{
using Point = gfx::Vector2f;
using Points = std::vector<Point>;

constexpr float Pi = 3.14159265f;

// Fill and outline colour of a shape; the outline lies inside the shape's edge.
struct Paint
{
    gfx::Color Fill;
    gfx::Color Outline;
    float Width = 0.f;
};

enum class Region
{
    Outside,
    Edge,
    Inside
};

using Classifier = std::function<Region(const Point&)>;

// A picture being drawn. Every pixel is sampled on a grid of Samples x Samples points; one
// sample per pixel gives hard edges. Shapes are given in drawing units: a point p of a shape lands
// on the pixel point Origin + p * Scale, so that a picture can be drawn again, larger and
// elsewhere, inside another.
struct Canvas
{
    gfx::Image Pixels;
    int Samples = 1;
    Point Origin = Point(0.f, 0.f);
    float Scale = 1.f;
};

// Porter-Duff "over" with straight (not premultiplied) alpha, a and c in 0..1:
// aOut = aSrc + aDst * (1 - aSrc), cOut = (cSrc * aSrc + cDst * aDst * (1 - aSrc)) / aOut.
// Here the source is given premultiplied (srcPremul = cSrc * aSrc) since it is already the
// average of the samples that the shape covers.
gfx::Color Over(const float srcPremul[3], float srcAlpha, const gfx::Color& dst)
{
    const float dstAlpha = dst.a / 255.f;
    const float outAlpha = srcAlpha + dstAlpha * (1.f - srcAlpha);
    if (outAlpha <= 0.f)
    {
        return dst;
    }
    const float dstChannels[3] = {dst.r / 255.f, dst.g / 255.f, dst.b / 255.f};
    float out[3];
    for (int i = 0; i < 3; ++i)
    {
        out[i] = (srcPremul[i] + dstChannels[i] * dstAlpha * (1.f - srcAlpha)) / outAlpha;
    }
    const auto byte = [](float value)
    { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.f, 1.f) * 255.f)); };
    return gfx::Color(byte(out[0]), byte(out[1]), byte(out[2]), byte(outAlpha));
}

// Composites a shape, given by what each sample point (in drawing units) belongs to, over the
// pixels that the drawing units from (left, top) to (right, bottom) cover.
void PaintRegion(Canvas& canvas, float left, float top, float right, float bottom,
                 const Paint& paint, const Classifier& classify)
{
    const int width = static_cast<int>(canvas.Pixels.GetWidth());
    const int height = static_cast<int>(canvas.Pixels.GetHeight());
    const Point& origin = canvas.Origin;
    const float scale = canvas.Scale;
    const int x0 = std::max(0, static_cast<int>(std::floor(origin.x + left * scale)));
    const int y0 = std::max(0, static_cast<int>(std::floor(origin.y + top * scale)));
    const int x1 = std::min(width - 1, static_cast<int>(std::ceil(origin.x + right * scale)));
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(origin.y + bottom * scale)));
    const int n = canvas.Samples;
    const float sampleWeight = 1.f / static_cast<float>(n * n);

    for (int y = y0; y <= y1; ++y)
    {
        for (int x = x0; x <= x1; ++x)
        {
            float premul[3] = {0.f, 0.f, 0.f};
            float alpha = 0.f;
            for (int j = 0; j < n; ++j)
            {
                for (int i = 0; i < n; ++i)
                {
                    const Point sample(x + (i + 0.5f) / n, y + (j + 0.5f) / n);
                    const Region region = classify((sample - origin) / scale);
                    if (region == Region::Outside)
                    {
                        continue;
                    }
                    const gfx::Color& color = region == Region::Edge ? paint.Outline : paint.Fill;
                    const float a = color.a / 255.f * sampleWeight;
                    premul[0] += color.r / 255.f * a;
                    premul[1] += color.g / 255.f * a;
                    premul[2] += color.b / 255.f * a;
                    alpha += a;
                }
            }
            if (alpha > 0.f)
            {
                const auto ux = static_cast<unsigned int>(x);
                const auto uy = static_cast<unsigned int>(y);
                canvas.Pixels.SetPixel(ux, uy, Over(premul, alpha, canvas.Pixels.GetPixel(ux, uy)));
            }
        }
    }
}

// An ellipse with the radii rx and ry, its axes turned by angle degrees (clockwise on the
// picture, y down). A point p is turned back into the ellipse's frame,
// u = dx cos a + dy sin a, v = -dx sin a + dy cos a with d = p - centre, and lies inside when
// (u / rx)^2 + (v / ry)^2 <= 1. The outline band is what lies outside the ellipse shrunk by the
// outline width on both radii.
void Ellipse(Canvas& canvas, const Point& centre, float rx, float ry, const Paint& paint,
             float angle = 0.f)
{
    const float c = std::cos(angle * Pi / 180.f);
    const float s = std::sin(angle * Pi / 180.f);
    const float innerX = std::max(rx - paint.Width, 0.f);
    const float innerY = std::max(ry - paint.Width, 0.f);
    const auto inside = [](float u, float v, float a, float b)
    { return a > 0.f && b > 0.f && (u / a) * (u / a) + (v / b) * (v / b) <= 1.f; };
    const float reach = std::max(rx, ry);
    PaintRegion(canvas, centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach,
                paint,
                [&](const Point& p)
                {
                    const float dx = p.x - centre.x;
                    const float dy = p.y - centre.y;
                    const float u = dx * c + dy * s;
                    const float v = -dx * s + dy * c;
                    if (!inside(u, v, rx, ry))
                    {
                        return Region::Outside;
                    }
                    return inside(u, v, innerX, innerY) ? Region::Inside : Region::Edge;
                });
}

void Circle(Canvas& canvas, const Point& centre, float radius, const Paint& paint)
{
    Ellipse(canvas, centre, radius, radius, paint);
}

// Even-odd rule: a ray from p towards +x crosses the edge from a to b when p.y lies between
// a.y and b.y and the crossing x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y) lies right of
// p.x; p is inside when the number of crossings is odd.
bool InsidePolygon(const Points& polygon, const Point& p)
{
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
    {
        const Point& a = polygon[j];
        const Point& b = polygon[i];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
        {
            inside = !inside;
        }
    }
    return inside;
}

// The nearest point of the segment ab to p is a + t (b - a), with t the projection
// t = (p - a) . (b - a) / |b - a|^2 clamped to [0, 1]; the distance is |p - that point|.
float DistanceToSegment(const Point& p, const Point& a, const Point& b)
{
    const Point ab = b - a;
    const Point ap = p - a;
    const float lengthSquared = ab.x * ab.x + ab.y * ab.y;
    const float t = lengthSquared > 0.f
                        ? std::clamp((ap.x * ab.x + ap.y * ab.y) / lengthSquared, 0.f, 1.f)
                        : 0.f;
    const Point nearest = a + ab * t;
    return std::hypot(p.x - nearest.x, p.y - nearest.y);
}

// A polygon; the outline band holds the inside points nearer to an edge than the outline width.
void Polygon(Canvas& canvas, const Points& polygon, const Paint& paint)
{
    float left = polygon.front().x;
    float top = polygon.front().y;
    float right = left;
    float bottom = top;
    for (const Point& p : polygon)
    {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    PaintRegion(canvas, left, top, right, bottom, paint,
                [&](const Point& p)
                {
                    if (!InsidePolygon(polygon, p))
                    {
                        return Region::Outside;
                    }
                    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
                    {
                        if (DistanceToSegment(p, polygon[j], polygon[i]) < paint.Width)
                        {
                            return Region::Edge;
                        }
                    }
                    return Region::Inside;
                });
}

// A stroke of the given width from a to b: the rectangle around the segment, its corners a and b
// shifted by +-width / 2 along the unit normal (-d.y, d.x) / |d| of the direction d = b - a.
void Stroke(Canvas& canvas, const Point& a, const Point& b, float width, const Paint& paint)
{
    const Point d = b - a;
    const float length = std::hypot(d.x, d.y);
    const Point offset = Point(-d.y, d.x) * (width / 2.f / length);
    Polygon(canvas, {a + offset, b + offset, b - offset, a - offset}, paint);
}

void PaintCursor(Canvas& canvas)
{
    const Paint arrow{gfx::Color(255, 255, 255, 255), gfx::Color(20, 20, 30, 255), 1.6f};
    const Paint shadow{gfx::Color(0, 0, 0, 70), gfx::Color(0, 0, 0, 70), 0.f};
    const Points outline = {{3.f, 2.f},   {3.f, 25.f},  {9.f, 20.f}, {13.f, 29.f},
                            {17.f, 27.f}, {13.f, 18.f}, {21.f, 18.f}};
    Points shadowOutline;
    for (const Point& p : outline)
    {
        shadowOutline.push_back(p + Point(1.5f, 1.5f));
    }
    Polygon(canvas, shadowOutline, shadow);
    Polygon(canvas, outline, arrow);
}

gfx::Image DrawCursor()
{
    Canvas canvas{gfx::Image(32, 32, gfx::Color(0, 0, 0, 0)), 4};
    PaintCursor(canvas);
    return std::move(canvas.Pixels);
}

void DrawFigureLegs(Canvas& canvas)
{
    const gfx::Color line(25, 25, 35, 255);
    const Paint trousers{gfx::Color(45, 60, 110, 255), line, 1.f};
    const Paint shoes{gfx::Color(95, 55, 30, 255), line, 1.f};
    Polygon(canvas, {{22.f, 60.f}, {32.f, 60.f}, {31.f, 87.f}, {24.f, 87.f}}, trousers);
    Polygon(canvas, {{32.f, 60.f}, {42.f, 60.f}, {40.f, 87.f}, {33.f, 87.f}}, trousers);
    Ellipse(canvas, {26.f, 88.f}, 6.5f, 3.5f, shoes);
    Ellipse(canvas, {38.f, 88.f}, 6.5f, 3.5f, shoes);
}

void DrawFigureBody(Canvas& canvas)
{
    const gfx::Color line(25, 25, 35, 255);
    const Paint shirt{gfx::Color(70, 150, 90, 255), line, 1.f};
    const Paint skin{gfx::Color(240, 200, 160, 255), line, 1.f};
    const Paint belt{gfx::Color(80, 50, 30, 255), line, 1.f};
    Polygon(canvas, {{20.f, 30.f}, {26.f, 31.f}, {19.f, 58.f}, {13.f, 57.f}}, shirt);
    Polygon(canvas, {{44.f, 30.f}, {38.f, 31.f}, {45.f, 58.f}, {51.f, 57.f}}, shirt);
    Circle(canvas, {16.f, 60.f}, 3.5f, skin);
    Circle(canvas, {48.f, 60.f}, 3.5f, skin);
    Polygon(canvas, {{21.f, 29.f}, {43.f, 29.f}, {42.f, 62.f}, {22.f, 62.f}}, shirt);
    Polygon(canvas, {{22.f, 58.f}, {42.f, 58.f}, {42.f, 62.f}, {22.f, 62.f}}, belt);
}

void DrawFigureHead(Canvas& canvas)
{
    const gfx::Color line(25, 25, 35, 255);
    const Paint skin{gfx::Color(240, 200, 160, 255), line, 1.f};
    const Paint hair{gfx::Color(110, 65, 30, 255), line, 1.f};
    const Paint scarf{gfx::Color(200, 40, 50, 255), gfx::Color(110, 15, 25, 255), 1.f};
    const Paint dark{line, line, 0.f};
    const Paint mouth{gfx::Color(150, 40, 40, 255), gfx::Color(150, 40, 40, 255), 0.f};
    Polygon(canvas, {{29.f, 20.f}, {35.f, 20.f}, {35.f, 29.f}, {29.f, 29.f}}, skin);
    Polygon(canvas, {{25.f, 25.f}, {39.f, 25.f}, {40.f, 31.f}, {24.f, 31.f}}, scarf);
    Circle(canvas, {32.f, 15.f}, 10.f, skin);
    Ellipse(canvas, {32.f, 8.f}, 10.5f, 5.5f, hair);
    Circle(canvas, {28.f, 15.f}, 1.4f, dark);
    Circle(canvas, {36.f, 15.f}, 1.4f, dark);
    Ellipse(canvas, {32.f, 20.f}, 2.6f, 1.1f, mouth);
}

void PaintFigure(Canvas& canvas)
{
    const Paint shadow{gfx::Color(0, 0, 0, 128), gfx::Color(0, 0, 0, 128), 0.f};
    const Paint scarfEnd{gfx::Color(200, 40, 50, 200), gfx::Color(110, 15, 25, 200), 1.f};
    Ellipse(canvas, {32.f, 91.f}, 21.f, 4.f, shadow);
    Polygon(canvas,
            {{36.f, 26.f}, {53.f, 22.f}, {57.f, 25.f}, {52.f, 27.f}, {56.f, 31.f}, {38.f, 31.f}},
            scarfEnd);
    DrawFigureLegs(canvas);
    DrawFigureBody(canvas);
    DrawFigureHead(canvas);
}

gfx::Image DrawFigure()
{
    // One sample per pixel: hard edges keep the alpha of every pixel exactly 0 or 255, apart
    // from the shadow and the scarf end, which are drawn first onto the empty picture so that
    // their own alpha is what ends up in the file.
    Canvas canvas{gfx::Image(64, 96, gfx::Color(0, 0, 0, 0)), 1};
    PaintFigure(canvas);
    return std::move(canvas.Pixels);
}

void DrawChickenLegs(Canvas& canvas)
{
    const gfx::Color orange(235, 150, 40, 255);
    const Paint leg{orange, orange, 0.f};
    Stroke(canvas, {27.f, 46.f}, {25.f, 57.f}, 2.2f, leg);
    Stroke(canvas, {37.f, 46.f}, {39.f, 57.f}, 2.2f, leg);
    for (const float x : {25.f, 39.f})
    {
        Stroke(canvas, {x, 57.f}, {x - 5.f, 60.f}, 1.8f, leg);
        Stroke(canvas, {x, 57.f}, {x + 1.f, 61.f}, 1.8f, leg);
        Stroke(canvas, {x, 57.f}, {x + 5.f, 60.f}, 1.8f, leg);
    }
}

void DrawChickenBody(Canvas& canvas)
{
    const gfx::Color line(90, 55, 35, 255);
    const Paint feathers{gfx::Color(190, 95, 45, 255), line, 1.2f};
    const Paint body{gfx::Color(250, 242, 225, 255), line, 1.5f};
    const Paint wing{gfx::Color(236, 214, 178, 255), line, 1.2f};
    Ellipse(canvas, {13.f, 24.f}, 9.f, 3.5f, feathers, -55.f);
    Ellipse(canvas, {10.f, 29.f}, 9.f, 3.5f, feathers, -30.f);
    Ellipse(canvas, {10.f, 35.f}, 8.f, 3.2f, feathers, -5.f);
    Ellipse(canvas, {31.f, 36.f}, 20.f, 14.f, body);
    Ellipse(canvas, {28.f, 36.f}, 11.f, 6.5f, wing, 12.f);
    const Paint feather{line, line, 0.f};
    Stroke(canvas, {21.f, 35.f}, {29.f, 38.f}, 1.f, feather);
    Stroke(canvas, {21.f, 38.5f}, {28.f, 41.f}, 1.f, feather);
}

void DrawChickenHead(Canvas& canvas)
{
    const gfx::Color line(90, 55, 35, 255);
    const Paint comb{gfx::Color(220, 35, 40, 255), gfx::Color(130, 15, 20, 255), 1.f};
    const Paint head{gfx::Color(250, 242, 225, 255), line, 1.5f};
    const Paint beak{gfx::Color(250, 185, 40, 255), gfx::Color(160, 95, 20, 255), 1.f};
    const Paint eye{gfx::Color(20, 20, 25, 255), gfx::Color(20, 20, 25, 255), 0.f};
    const Paint glint{gfx::Color(255, 255, 255, 255), gfx::Color(255, 255, 255, 255), 0.f};
    Circle(canvas, {41.f, 11.f}, 3.2f, comb);
    Circle(canvas, {46.f, 8.5f}, 3.8f, comb);
    Circle(canvas, {51.f, 10.5f}, 3.2f, comb);
    Circle(canvas, {46.f, 20.f}, 9.f, head);
    Ellipse(canvas, {54.f, 27.f}, 2.2f, 3.4f, comb);
    Polygon(canvas, {{53.f, 17.f}, {62.f, 20.5f}, {53.f, 24.f}}, beak);
    Circle(canvas, {48.5f, 17.5f}, 1.9f, eye);
    Circle(canvas, {49.1f, 16.9f}, 0.6f, glint);
}

void PaintChicken(Canvas& canvas)
{
    DrawChickenLegs(canvas);
    DrawChickenBody(canvas);
    DrawChickenHead(canvas);
}

gfx::Image DrawChicken()
{
    Canvas canvas{gfx::Image(64, 64, gfx::Color(0, 0, 0, 0)), 4};
    PaintChicken(canvas);
    return std::move(canvas.Pixels);
}

// A square from its top-left corner with the side given, its corners rounded with the radius
// given: a point lies inside when its distance from the square shrunk by the radius on every
// side, max(0, |p - c| - (side / 2 - radius)) per axis around the centre c, is at most the
// radius; the outline band holds the points farther than the radius less the outline width.
void RoundedSquare(Canvas& canvas, const Point& topLeft, float side, float radius,
                   const Paint& paint)
{
    const float half = side / 2.f;
    const Point centre = topLeft + Point(half, half);
    PaintRegion(canvas, topLeft.x, topLeft.y, topLeft.x + side, topLeft.y + side, paint,
                [&](const Point& p)
                {
                    const float dx = std::max(0.f, std::abs(p.x - centre.x) - (half - radius));
                    const float dy = std::max(0.f, std::abs(p.y - centre.y) - (half - radius));
                    const float distance = std::hypot(dx, dy);
                    if (distance > radius)
                    {
                        return Region::Outside;
                    }
                    return distance > radius - paint.Width ? Region::Edge : Region::Inside;
                });
}

// The square of the side given around the centre, turned by angle degrees (clockwise on the
// picture): its corners c + (+-s, +-s) turned, (x cos a - y sin a, x sin a + y cos a).
Points TurnedSquare(const Point& centre, float side, float angle)
{
    const float c = std::cos(angle * Pi / 180.f);
    const float s = std::sin(angle * Pi / 180.f);
    Points corners;
    for (const Point& corner :
         {Point(-1.f, -1.f), Point(1.f, -1.f), Point(1.f, 1.f), Point(-1.f, 1.f)})
    {
        const Point p = corner * (side / 2.f);
        corners.push_back(centre + Point(p.x * c - p.y * s, p.x * s + p.y * c));
    }
    return corners;
}

// Draws the picture into the canvas at the place and scale given.
void PaintAt(Canvas& canvas, const Point& origin, float scale,
             const std::function<void(Canvas&)>& paint)
{
    Canvas placed{std::move(canvas.Pixels), canvas.Samples, origin, scale};
    paint(placed);
    canvas.Pixels = std::move(placed.Pixels);
}

gfx::Image DrawIcon()
{
    Canvas canvas{gfx::Image(256, 256, gfx::Color(0, 0, 0, 0)), 4};
    // The main scene's clear colour, and its grid of rectangles in the background's colour,
    // swaying to the beat.
    const Paint ground{gfx::Color(0, 128, 128, 255), gfx::Color(0, 90, 90, 255), 3.f};
    RoundedSquare(canvas, {8.f, 8.f}, 240.f, 40.f, ground);
    const Paint rect{gfx::Color(62, 46, 183, 255), gfx::Color(40, 28, 130, 255), 2.f};
    const float sway[2][2] = {{-8.f, 6.f}, {5.f, -7.f}};
    for (int row = 0; row < 2; ++row)
    {
        for (int column = 0; column < 2; ++column)
        {
            const Point centre(72.f + 112.f * static_cast<float>(column),
                               72.f + 112.f * static_cast<float>(row));
            Polygon(canvas, TurnedSquare(centre, 92.f, sway[row][column]), rect);
        }
    }
    PaintAt(canvas, {150.f, 112.f}, 1.5f, PaintChicken);
    PaintAt(canvas, {28.f, 52.f}, 1.9f, PaintFigure);
    PaintAt(canvas, {176.f, 20.f}, 1.6f, PaintCursor);
    return std::move(canvas.Pixels);
}

bool Save(const gfx::Image& image, const std::string& folder, const std::string& name)
{
    const std::string path = folder + name;
    if (!image.SaveToFile(path))
    {
        std::cerr << "pulsestage-images: cannot write \"" << path << "\"\n";
        return false;
    }
    std::cout << "wrote " << path << " (" << image.GetWidth() << " x " << image.GetHeight()
              << ")\n";
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    std::string folder = argc > 1 ? argv[1] : "resources/";
    if (!folder.empty() && folder.back() != '/')
    {
        folder += '/';
    }
    const bool written =
        Save(DrawCursor(), folder, "cursor.png") && Save(DrawFigure(), folder, "figur.png") &&
        Save(DrawChicken(), folder, "haehnchen.png") && Save(DrawIcon(), folder, "pulsestage.png");
    return written ? 0 : 1;
}
