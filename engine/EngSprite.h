#pragma once
// The engine's sprite: an engine object showing one frame of a cached graphic, playing named
// animations, flipped, scaled, rotated, tinted and faded, and drawn into its cameras as one tile
// instance of a draw batch. Loads pictures, strips, baked rotations, atlas frames and bitmaps.
#include <map>
#include <optional>
#include <vector>

#include "engine/EngObject.h"
#include "engine/animation/EngAnimationController.h"
#include "engine/system/layer/Region.h"
#include "engine/system/layer/frames/EngSpriteFrames.h"
#include "engine/util/loaders/CachedGraphics.h"
#include "framework/display/BlendMode.h"
#include "framework/geom/ColorTransform.h"

namespace engine {

class EngSprite : public EngObject {
    RUNTIME_CLASS(EngSprite)
public:
    struct FacingFlip {
        bool x = false;
        bool y = false;
    };

    // graphic: anything loadGraphic takes, or null.
    explicit EngSprite(double x = 0, double y = 0, const runtime::Value& graphic = runtime::Value());
    explicit EngSprite(runtime::NoInit n) : EngObject(n) {}
    ~EngSprite() override;

    void destroy() override;
    void update() override;
    void draw() override;
    void initVars() override;
    bool isOnScreen(EngCamera* camera = nullptr) override;
    double set_angle(double value) override;

    virtual runtime::Ref<EngSprite> clone(runtime::Ref<EngSprite> target = nullptr);
    virtual EngSprite* loadGraphicFromSprite(const runtime::Ref<EngSprite>& source);
    // graphic: an asset id, a picture class (ClassInfo object), a BitmapData, a CachedGraphics or a
    // TextureRegion.
    virtual EngSprite* loadGraphic(const runtime::Value& graphic, bool animated = false, int width = 0, int height = 0,
                                   bool unique = false, const runtime::String& key = nullptr);
    // Null for a source it cannot key.
    virtual EngSprite* loadRotatedGraphic(const runtime::Value& graphic, int rotations = 16, int sourceFrame = -1,
                                          bool smooth = false, bool enlarge = false, const runtime::String& key = nullptr);
    // data: a CachedGraphics with atlas data or a TexturePackerData; null otherwise.
    virtual EngSprite* loadGraphicFromTexture(const runtime::Value& data, bool unique = false,
                                              const runtime::String& frameName = nullptr);
    virtual EngSprite* loadRotatedGraphicFromTexture(const runtime::Value& data, const runtime::String& frameName,
                                                     int rotations = 16, bool smooth = false, bool enlarge = false);
    virtual EngSprite* makeGraphic(int width, int height, int fillColor = static_cast<int>(0xFFFFFFFF),
                                   bool unique = false, const runtime::String& key = nullptr);
    virtual void resetSize();
    virtual void resetFrameSize();
    virtual void resetSizeFromFrame();
    virtual void setGraphicSize(int width = 0, int height = 0);
    virtual void updateHitbox();
    virtual void resetHelpers();
    virtual void stamp(const runtime::Ref<EngSprite>& brush, int x = 0, int y = 0);
    virtual void drawFrame(bool force = false) { calcFrame(true); }
    virtual void centerOffsets(bool adjustPosition = false);
    virtual void centerOrigin();
    virtual std::optional<std::vector<runtime::Ref<EngPoint>>> replaceColor(int oldColor, int newColor,
                                                                             bool fetchPositions = false);
    virtual void setColorTransform(double redMultiplier = 1, double greenMultiplier = 1, double blueMultiplier = 1,
                                   double alphaMultiplier = 1, double redOffset = 0, double greenOffset = 0,
                                   double blueOffset = 0, double alphaOffset = 0);
    virtual void updateColorTransform();
    virtual bool pixelsOverlapPoint(const runtime::Ref<EngPoint>& point, int alphaThreshold = 0xFF,
                                    EngCamera* camera = nullptr);
    virtual void calcFrame(bool buildPixels = false);
    virtual void updateFrameData();
    virtual runtime::Ref<framework::BitmapData> getEngFrameBitmapData();
    virtual runtime::Ref<EngPoint> getGraphicMidpoint(runtime::Ref<EngPoint> point = nullptr);
    virtual void resetFrameBitmapDatas();
    virtual bool isSimpleRender();
    virtual void setFacingFlip(int direction, bool horizontal, bool vertical);
    virtual runtime::Ref<framework::BitmapData> get_pixels();
    virtual runtime::Ref<framework::BitmapData> set_pixels(const runtime::Ref<framework::BitmapData>& bitmap);
    virtual runtime::Ref<EngFrame> set_frame(const runtime::Ref<EngFrame>& value);
    virtual int set_facing(int direction);
    virtual double set_alpha(double value);
    virtual int set_color(int value);
    virtual std::optional<framework::BlendMode> set_blend(std::optional<framework::BlendMode> value);
    virtual runtime::Ref<CachedGraphics> set_cachedGraphics(const runtime::Ref<CachedGraphics>& value);
    virtual bool set_flipX(bool value);
    virtual bool set_flipY(bool value);

    double get_alpha() const { return alpha; }
    int get_color() const { return color; }
    int get_facing() const { return facing; }
    bool get_flipX() const { return flipX; }
    bool get_flipY() const { return flipY; }

    runtime::Ref<EngAnimationController> animation;
    runtime::Ref<framework::BitmapData> framePixels;
    bool antialiasing = false;
    bool dirty = true;
    bool isColored = false;
    runtime::Ref<EngFrame> frame;
    int frameWidth = 0;
    int frameHeight = 0;
    int frames = 0;
    runtime::Ref<Region> region;
    runtime::Ref<EngSpriteFrames> framesData;
    runtime::Ref<CachedGraphics> cachedGraphics;
    double bakedRotationAngle = 0;
    double alpha = 1;
    int facing = EngObject::RIGHT;
    bool flipX = false;
    bool flipY = false;
    runtime::Ref<EngPoint> origin;
    runtime::Ref<EngPoint> offset;
    runtime::Ref<EngPoint> scale;
    std::optional<framework::BlendMode> blend;
    int color = 0xFFFFFF;
    runtime::Ref<framework::ColorTransform> colorTransform;
    bool useColorTransform = false;
    double _red = 1;
    double _green = 1;
    double _blue = 1;
    int _facingHorizontalMult = 1;
    int _facingVerticalMult = 1;
    int _blendInt = 0;
    runtime::Ref<framework::Point> _flashPoint;
    runtime::Ref<framework::Rectangle> _flashRect;
    runtime::Ref<framework::Rectangle> _flashRect2;
    runtime::Ref<framework::Point> _flashPointZero;
    runtime::Ref<framework::Matrix> _matrix;
    double _halfWidth = 0;
    double _halfHeight = 0;
    double _sinAngle = 0;
    double _cosAngle = 1;
    bool _angleChanged = false;
    std::map<int, FacingFlip> _facingFlip;

protected:
    // For the sprite group, whose initVars replaces the bases'.
    EngSprite(double x, double y, SkipInitVars);
    // The sprite-only part of initVars.
    void initSpriteVars();
    // Appends this sprite's tile to the camera's batch.
    void drawInto(EngCamera* camera, double ox, double oy, bool simple);
};

}  // namespace engine
