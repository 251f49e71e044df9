#include "misc/BoundedMovement.hpp"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace
{
void ExpectNear(gfx::Vector2f actual, gfx::Vector2f expected, const std::string& what)
{
    EXPECT_NEAR(actual.x, expected.x, 0.01f) << what;
    EXPECT_NEAR(actual.y, expected.y, 0.01f) << what;
}
} // namespace

TEST(BoundedMovement, SegmentsIntersectOnlyWithinBothRangesAndNeverWhenParallel)
{
    using P = gfx::Vector2f;
    const float nan = std::nanf("");
    const std::tuple<const char*, P, P, P, P, bool> cases[] = {
        {"crossing", {0, 0}, {10, 0}, {5, -5}, {5, 5}, true},
        {"touching at an end", {0, 0}, {10, 0}, {10, 0}, {10, 5}, true},
        {"past the end", {0, 0}, {10, 0}, {11, -5}, {11, 5}, false},
        {"short of the other", {0, 0}, {4, 0}, {5, -5}, {5, 5}, false},
        {"collinear overlap", {0, 0}, {10, 0}, {5, 0}, {15, 0}, false},
        {"vertical first", {0, 0}, {0, 10}, {-5, 5}, {5, 5}, true},
        {"vertical too short", {0, 0}, {0, 4}, {-5, 5}, {5, 5}, false},
        {"both vertical", {0, 0}, {0, 10}, {0, 5}, {0, 15}, false},
        {"first a point", {3, 3}, {3, 3}, {0, 3}, {5, 3}, false},
        {"not a number", {nan, 0}, {10, 0}, {5, -5}, {5, 5}, false},
    };
    for (const auto& [name, s1, e1, s2, e2, expected] : cases)
    {
        EXPECT_EQ(BoundedMovement::DoLinesIntersect(s1, e1, s2, e2), expected) << name;
    }
}

TEST(BoundedMovement, CorrectedDestinationStopsTheBodyAtTheBoundarysFront)
{
    using P = gfx::Vector2f;
    // The start-up boundary runs to the left, so its front side is the upper one.
    const gfx::Vector2f B1(450, 300);
    const gfx::Vector2f B2(100, 300);
    const gfx::Vector2f S(200, 100);
    const gfx::Vector2f V(0, 300);
    // Where no pull-back can help, the corrected destination stays where it was.
    const gfx::Vector2f previous(-1234, 5678);
    const std::tuple<const char*, P, P, P, P, P> cases[] = {
        {"start configuration", {100, 100}, {300, 175}, B1, B2, {357.14f, 250}},
        {"straight", S, V, B1, B2, {200, 250}},
        {"inside the distance", S, {0, 160}, B1, B2, {200, 250}},
        {"at the distance", S, {0, 150}, B1, B2, {200, 250}},
        {"band short", S, {0, 100}, B1, B2, {200, 200}},
        {"start too close", {200, 270}, {0, 10}, B1, B2, {200, 250}},
        {"from behind", {200, 400}, {0, -300}, B1, B2, {200, 100}},
        {"heading to the front", {300, 290}, {100, -30}, B1, B2, {400, 260}},
        {"from just behind, away", {200, 305}, {300, 100}, B1, B2, {500, 405}},
        {"band across, end clear", {100, 100}, {300, 140}, B1, B2, {400, 240}},
        {"beyond the end", {600, 100}, V, B1, B2, {600, 400}},
        {"inside the band", S, V, {190, 300}, {210, 300}, {200, 400}},
        {"end on a band edge", S, V, {450, 300}, {250, 300}, {200, 250}},
        {"end off a band edge", S, V, {450, 300}, {251, 300}, {200, 400}},
        {"reversed, from above", S, V, B2, B1, {200, 400}},
        {"reversed, from below", {200, 400}, {0, -300}, B2, B1, {200, 350}},
        {"slanted", {300, 300}, {-200, -200}, {0, 400}, {400, 0}, {235.36f, 235.36f}},
        {"zero-length boundary", S, V, {200, 300}, {200, 300}, {200, 400}},
        {"zero movement", S, {0, 0}, B1, B2, S},
        // Rounding pushes the cosine of the angle with the boundary just above 1: a movement
        // along the boundary, which never changes the distance from its line.
        {"almost along",
         {437.75f, 198.37f},
         {-450.06f, -299.94f},
         {500, 300},
         {200, 100},
         previous},
        {"overflow", S, V, {3e38f, 300}, {-3e38f, 300}, previous},
    };
    for (const auto& [name, start, vector, p1, p2, expected] : cases)
    {
        ExpectNear(BoundedMovement::CorrectDestination(start, vector, p1, p2, 50.f, previous),
                   expected, name);
    }
}
