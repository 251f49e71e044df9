#pragma once

namespace gfx
{
namespace Blend
{
// How a drawable's pixels are combined with what the target already holds.
enum Mode
{
    Alpha, // mix by the source alpha (the default)
    Add, // add the source to the target
    Multiply, // multiply the target by the source
    None // overwrite: drawn opaque, whatever the alpha
};
} // namespace Blend
} // namespace gfx
