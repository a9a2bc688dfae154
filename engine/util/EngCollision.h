#pragma once
// Pixel-exact tests: two sprites overlapping with opaque pixels on screen, a world point on an
// opaque pixel of a sprite; and four wall blocks framing a camera.
#include "framework/geom/Matrix.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class EngCamera;
class EngGroup;
class EngSprite;

class EngCollision {
public:
    static constexpr int CAMERA_WALL_OUTSIDE = 0;
    static constexpr int CAMERA_WALL_INSIDE = 1;
    // Scratch shared by every call: the functions are not re-entrant.
    static runtime::Ref<framework::Point> pointA, pointB, centerA, centerB;
    static runtime::Ref<framework::Matrix> matrixA, matrixB, testMatrix;
    static runtime::Ref<framework::Rectangle> boundsA, boundsB;

    // True when some pixel covered by both on screen has alpha of at least minAlpha in both. Only
    // the camera's scroll is used (null: the main camera).
    static bool pixelPerfectCheck(EngSprite* spriteA, EngSprite* spriteB, int minAlpha = 1, EngCamera* camera = nullptr);
    // World coordinates: scroll, offset, scale and angle play no part; flips and tint do.
    static bool pixelPerfectPointCheck(int pointX, int pointY, EngSprite* sprite, int minAlpha = 1);
    // Four tile blocks (left, right, top, bottom) outside or inside the camera's rectangle.
    static runtime::Ref<EngGroup> createCameraWall(EngCamera* camera, int mode, int thickness,
                                                   bool fitWorldBounds = false);
};

}  // namespace engine
