#pragma once
// The kind of a frame: stored upright, or turned a quarter turn in a texture atlas.
namespace engine {

enum class FrameType { REGULAR = 0, ROTATED = 1 };

}  // namespace engine
