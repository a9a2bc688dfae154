#pragma once
// Static toolbox for sprites: vector shapes drawn into a sprite's bitmap through one shared
// off-screen drawing surface, fills, alpha masks, keeping sprites inside the game area, laying out
// objects in a row, and flicker and fade effects. Option records are any objects read field by
// field by name; missing pixelHinting, miterLimit and smoothing are written back into them.
#include <vector>

#include "framework/display/Graphics.h"
#include "framework/display/Sprite.h"
#include "platform/runtime/Function.h"

namespace engine {

class EngObject;
class EngPoint;
class EngSprite;

class EngSpriteUtil {
public:
    using Options = runtime::Ref<runtime::Object>;

    // The shared drawing surface, made on first use.
    static runtime::Ref<framework::Sprite>& flashGfxSprite();
    static runtime::Ref<framework::Graphics>& flashGfx();

    // source and mask: an asset id, a class (its bitmapData field read) or a BitmapData (the
    // source copied, the mask used as it is). Null and output untouched for anything else.
    static EngSprite* alphaMask(EngSprite* output, const runtime::Value& source, const runtime::Value& mask,
                                const runtime::ClassInfo* sourceClass = nullptr,
                                const runtime::ClassInfo* maskClass = nullptr);
    static EngSprite* alphaMaskEngSprite(EngSprite* sprite, EngSprite* mask, EngSprite* output);
    static EngSprite* screenWrap(EngSprite* sprite, bool left = true, bool right = true, bool top = true,
                                 bool bottom = true);
    static EngSprite* bound(EngSprite* sprite, double minX = 0, double maxX = 0, double minY = 0, double maxY = 0);
    static void space(const std::vector<runtime::Ref<EngObject>>& objects, int startX, int startY,
                      std::optional<int> horizontalSpacing = std::nullopt,
                      std::optional<int> verticalSpacing = std::nullopt, bool spaceFromBounds = false);
    static EngSprite* screenCenter(EngSprite* sprite, bool xAxis = true, bool yAxis = true);
    static EngSprite* drawLine(EngSprite* sprite, double startX, double startY, double endX, double endY,
                               const Options& lineOptions = nullptr, const Options& drawOptions = nullptr);
    static EngSprite* drawRect(EngSprite* sprite, double x, double y, double width, double height, int color,
                               const Options& lineOptions = nullptr, const Options& fillOptions = nullptr,
                               const Options& drawOptions = nullptr);
    static EngSprite* drawRoundRect(EngSprite* sprite, double x, double y, double width, double height,
                                    double ellipseWidth, double ellipseHeight, int color,
                                    const Options& lineOptions = nullptr, const Options& fillOptions = nullptr,
                                    const Options& drawOptions = nullptr);
    static EngSprite* drawCircle(EngSprite* sprite, double x = -1, double y = -1, double radius = -1,
                                 int color = static_cast<int>(0xFFFFFFFF), const Options& lineOptions = nullptr,
                                 const Options& fillOptions = nullptr, const Options& drawOptions = nullptr);
    static EngSprite* drawEllipse(EngSprite* sprite, double x, double y, double width, double height, int color,
                                  const Options& lineOptions = nullptr, const Options& fillOptions = nullptr,
                                  const Options& drawOptions = nullptr);
    static EngSprite* drawTriangle(EngSprite* sprite, double x, double y, double height, int color,
                                   const Options& lineOptions = nullptr, const Options& fillOptions = nullptr,
                                   const Options& drawOptions = nullptr);
    // Takes the first vertex off the front of the caller's list; no closing segment.
    static EngSprite* drawPolygon(EngSprite* sprite, std::vector<runtime::Ref<EngPoint>>& vertices, int color,
                                  const Options& lineOptions = nullptr, const Options& fillOptions = nullptr,
                                  const Options& drawOptions = nullptr);
    static void beginDraw(int fillColor, const Options& lineOptions = nullptr, const Options& fillOptions = nullptr);
    static EngSprite* endDraw(EngSprite* sprite, const Options& drawOptions = nullptr);
    static EngSprite* updateSpriteGraphic(EngSprite* sprite, Options drawOptions = nullptr);
    static void setLineStyle(const Options& lineOptions);
    static EngSprite* fill(EngSprite* sprite, int fillColor);
    static EngObject* flicker(EngObject* object, double duration = 1, double interval = 0.04, bool endVisibility = true,
                              bool forceRestart = true, runtime::Ref<runtime::Function> completionCallback = nullptr,
                              runtime::Ref<runtime::Function> progressCallback = nullptr);
    static bool isFlickering(EngObject* object);
    static void stopFlickering(EngObject* object);
    static EngSprite* fadeIn(EngSprite* sprite, double duration = 1, std::optional<bool> resetAlpha = std::nullopt,
                             runtime::Ref<runtime::Function> onComplete = nullptr);
    static EngSprite* fadeOut(EngSprite* sprite, double duration = 1, std::optional<bool> fadeToBlack = std::nullopt,
                              runtime::Ref<runtime::Function> onComplete = nullptr);
};

}  // namespace engine
