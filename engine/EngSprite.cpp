#include "EngSprite.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/GraphicDefault.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/util/EngDestroyUtil.h"
#include "engine/util/loaders/TexturePackerData.h"
#include "engine/util/loaders/TextureRegion.h"
#include "platform/runtime/Args.h"

namespace engine {

using framework::BitmapData;
using runtime::Ref;
using runtime::String;
using runtime::Value;

namespace {
Ref<CachedGraphics> cacheClass(const runtime::ClassInfo* cls, bool unique = false, const String& key = nullptr) {
    return EngG::bitmap ? EngG::bitmap->addClass(cls, 0, 0, 1, 1, unique, key) : nullptr;
}

Ref<CachedGraphics> cacheValue(const Value& graphic, bool unique = false, const String& key = nullptr) {
    return EngG::bitmap ? EngG::bitmap->addWithSpaces(graphic, 0, 0, 1, 1, unique, key) : nullptr;
}

int blendFlag(const std::optional<framework::BlendMode>& mode) {
    if (!mode) return 0;
    switch (*mode) {
        case framework::BlendMode::ADD: return 0x10000;
        case framework::BlendMode::MULTIPLY: return 0x20000;
        case framework::BlendMode::SCREEN: return 0x40000;
        default: return 0;
    }
}
}  // namespace

EngSprite::EngSprite(double x_, double y_, const Value& graphic) : EngObject(x_, y_, 0, 0) {
    initSpriteVars();
    if (!graphic.isNull()) loadGraphic(graphic);
}

EngSprite::EngSprite(double x_, double y_, SkipInitVars s) : EngObject(x_, y_, 0, 0, s) {}

EngSprite::~EngSprite() = default;

void EngSprite::initVars() {
    EngObject::initVars();
    initSpriteVars();
}

void EngSprite::initSpriteVars() {
    animation = runtime::make<EngAnimationController>(this);
    _flashPoint = runtime::make<framework::Point>();
    _flashRect = runtime::make<framework::Rectangle>();
    _flashRect2 = runtime::make<framework::Rectangle>();
    _flashPointZero = runtime::make<framework::Point>();
    offset = EngPoint::get(0, 0);
    origin = EngPoint::get(0, 0);
    scale = EngPoint::get(1, 1);
    _matrix = runtime::make<framework::Matrix>();
}

void EngSprite::destroy() {
    EngObject::destroy();
    animation = EngDestroyUtil::destroy(animation);
    offset = EngDestroyUtil::put(offset);
    origin = EngDestroyUtil::put(origin);
    scale = EngDestroyUtil::put(scale);
    framePixels = EngDestroyUtil::dispose(framePixels);
    _flashPoint = nullptr;
    _flashRect = nullptr;
    _flashRect2 = nullptr;
    _flashPointZero = nullptr;
    _matrix = nullptr;
    colorTransform = nullptr;
    set_blend(std::nullopt);
    set_frame(nullptr);
    framesData = nullptr;
    set_cachedGraphics(nullptr);
    region = nullptr;
}

// ---- graphic loading ----

Ref<EngSprite> EngSprite::clone(Ref<EngSprite> target) {
    if (!target) target = runtime::make<EngSprite>();
    target->loadGraphicFromSprite(Ref<EngSprite>(this));
    return target;
}

EngSprite* EngSprite::loadGraphicFromSprite(const Ref<EngSprite>& source) {
    region = source->region ? source->region->clone() : nullptr;
    bakedRotationAngle = source->bakedRotationAngle;
    set_cachedGraphics(source->cachedGraphics);
    frameWidth = source->frameWidth;
    set_width(frameWidth);
    frameHeight = source->frameHeight;
    set_height(frameHeight);
    if (bakedRotationAngle > 0) {
        set_width(source->get_width());
        set_height(source->get_height());
        centerOffsets();
    }
    updateFrameData();
    resetHelpers();
    antialiasing = source->antialiasing;
    animation->copyFrom(source->animation.get());
    return this;
}

EngSprite* EngSprite::loadGraphic(const Value& graphic, bool animated, int w, int h, bool unique, const String& key) {
    bakedRotationAngle = 0;
    set_cachedGraphics(cacheValue(graphic, unique, key));
    if (!cachedGraphics) return this;
    Ref<BitmapData> bitmap = cachedGraphics->bitmap;
    int bw = bitmap->get_width(), bh = bitmap->get_height();
    if (w == 0) {
        w = animated ? bh : bw;
        if (w > bw) w = bw;
    }
    if (h == 0) {
        h = animated ? w : bh;
        if (h > bh) h = bh;
    }
    if (auto* textureRegion = graphic.as<TextureRegion>()) {
        region = textureRegion->region->clone();
        if (region->tileWidth > 0) w = region->tileWidth;
        else region->tileWidth = region->width;
        if (region->tileHeight > 0) h = region->tileHeight;
        else region->tileHeight = region->height;
    } else {
        region = runtime::make<Region>(0, 0, w, h);
        region->width = bw;
        region->height = bh;
    }
    frameWidth = w;
    set_width(w);
    frameHeight = h;
    set_height(h);
    animation->destroyAnimations();
    updateFrameData();
    resetHelpers();
    return this;
}

EngSprite* EngSprite::makeGraphic(int w, int h, int fillColor, bool unique, const String& key) {
    bakedRotationAngle = 0;
    set_cachedGraphics(EngG::bitmap->create(w, h, fillColor, unique, key));
    region = runtime::make<Region>();
    region->width = w;
    region->height = h;
    frameWidth = region->tileWidth = cachedGraphics->bitmap->get_width();
    set_width(frameWidth);
    frameHeight = region->tileHeight = cachedGraphics->bitmap->get_height();
    set_height(frameHeight);
    animation->destroyAnimations();
    updateFrameData();
    resetHelpers();
    return this;
}

EngSprite* EngSprite::loadRotatedGraphic(const Value& graphic, int rotations, int sourceFrame, bool smooth, bool enlarge,
                                         const String& key) {
    int rows = static_cast<int>(std::sqrt(static_cast<double>(rotations)));
    Ref<CachedGraphics> source = cacheValue(graphic, false, key);
    if (!source) return nullptr;
    Ref<BitmapData> brush = source->bitmap;
    auto* textureRegion = graphic.as<TextureRegion>();
    bool isRegion = textureRegion != nullptr;
    if (sourceFrame >= 0 || isRegion) {
        Ref<BitmapData> full = brush;
        if (isRegion) {
            const Region& r = *textureRegion->region;
            brush = runtime::make<BitmapData>(r.width, r.height);
            _flashRect->setTo(r.startX, r.startY, r.width, r.height);
        } else {
            brush = runtime::make<BitmapData>(full->get_height(), full->get_height());
            int rx = sourceFrame * brush->get_width(), ry = 0;
            int fw = full->get_width();
            if (rx >= fw) {
                ry = rx / fw * brush->get_height();
                rx %= fw;
            }
            _flashRect->setTo(rx, ry, brush->get_width(), brush->get_height());
        }
        brush->copyPixels(full, _flashRect, _flashPointZero);
    }
    int max = std::max(brush->get_width(), brush->get_height());
    if (enlarge) max = static_cast<int>(max * 1.5);
    int columns = static_cast<int>(std::ceil(static_cast<double>(rotations) / rows));
    set_width(max * columns);
    set_height(max * rows);
    std::string gridKey;
    if (graphic.isString()) gridKey = graphic.toText();
    else if (graphic.as<BitmapData>() && !key.isNull()) gridKey = key.str();
    else if (isRegion) {
        const Region& r = *textureRegion->region;
        gridKey = textureRegion->data->key.str() + ":" + std::to_string(r.startX) + ":" + std::to_string(r.startY) + ":" +
                  std::to_string(r.width) + ":" + std::to_string(r.height) + ":" + std::to_string(rotations);
    } else {
        return nullptr;
    }
    if (!isRegion)
        gridKey += ":" + std::to_string(sourceFrame) + ":" + TileSheetExt::floatText(width) + "x" +
                   TileSheetExt::floatText(height) + ":" + std::to_string(rotations);
    bool skipDrawing = EngG::bitmap->checkCache(String(gridKey));
    set_cachedGraphics(EngG::bitmap->create(static_cast<int>(width) + columns - 1, static_cast<int>(height) + rows - 1,
                                            0x00000000, true, String(gridKey)));
    bakedRotationAngle = 360.0 / rotations;
    if (!skipDrawing) {
        int halfW = static_cast<int>(brush->get_width() * 0.5), halfH = static_cast<int>(brush->get_height() * 0.5);
        int mid = static_cast<int>(max * 0.5);
        double a = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                _matrix->identity();
                _matrix->translate(-halfW, -halfH);
                _matrix->rotate(a * M_PI / 180);
                _matrix->translate(mid + c * (max + 1), mid + r * (max + 1));
                cachedGraphics->bitmap->draw(brush, _matrix, nullptr, std::nullopt, nullptr, smooth);
                a += bakedRotationAngle;
            }
    }
    frameWidth = frameHeight = max;
    set_height(max);
    set_width(max);
    region = runtime::make<Region>(0, 0, max, max, 1, 1);
    region->width = cachedGraphics->bitmap->get_width();
    region->height = cachedGraphics->bitmap->get_height();
    antialiasing = smooth;
    updateFrameData();
    if (enlarge) {
        set_width(brush->get_width());
        set_height(brush->get_height());
        centerOffsets();
    }
    animation->createPrerotated();
    resetHelpers();
    return this;
}

EngSprite* EngSprite::loadGraphicFromTexture(const Value& data, bool unique, const String& frameName) {
    bakedRotationAngle = 0;
    if (auto* cached = data.as<CachedGraphics>()) {
        set_cachedGraphics(Ref<CachedGraphics>(cached));
        if (!cached->data) return nullptr;
    } else if (auto* atlas = data.as<TexturePackerData>()) {
        set_cachedGraphics(cacheValue(Value(atlas->assetName), unique));
        if (!cachedGraphics) return nullptr;
        cachedGraphics->data = Ref<TexturePackerData>(atlas);
    } else {
        return nullptr;
    }
    region = runtime::make<Region>();
    region->width = cachedGraphics->bitmap->get_width();
    region->height = cachedGraphics->bitmap->get_height();
    animation->destroyAnimations();
    updateFrameData();
    resetHelpers();
    if (!frameName.isNull()) animation->set_frameName(frameName);
    resetSizeFromFrame();
    centerOrigin();
    return this;
}

EngSprite* EngSprite::loadRotatedGraphicFromTexture(const Value& data, const String& frameName, int, bool smooth, bool) {
    if (!loadGraphicFromTexture(data)) return nullptr;
    animation->set_frameName(frameName);
    antialiasing = smooth;
    return this;
}

Ref<BitmapData> EngSprite::get_pixels() { return cachedGraphics ? cachedGraphics->bitmap : nullptr; }

Ref<BitmapData> EngSprite::set_pixels(const Ref<BitmapData>& bitmap) {
    String key = EngG::bitmap->getCacheKeyFor(bitmap);
    if (key.isNull()) {
        key = EngG::bitmap->getUniqueKey();
        set_cachedGraphics(EngG::bitmap->addWithSpaces(Value(bitmap), 0, 0, 1, 1, false, key));
        cachedGraphics->set_destroyOnNoUse(true);
    } else {
        set_cachedGraphics(EngG::bitmap->get(key));
    }
    if (!region) region = runtime::make<Region>();
    region->startX = region->startY = 0;
    region->width = region->tileWidth = bitmap->get_width();
    region->height = region->tileHeight = bitmap->get_height();
    region->spacingX = region->spacingY = 0;
    frameWidth = bitmap->get_width();
    set_width(frameWidth);
    frameHeight = bitmap->get_height();
    set_height(frameHeight);
    animation->destroyAnimations();
    updateFrameData();
    resetHelpers();
    resetFrameBitmapDatas();
    return bitmap;
}

// ---- frames and sizes ----

Ref<CachedGraphics> EngSprite::set_cachedGraphics(const Ref<CachedGraphics>& value) {
    Ref<CachedGraphics> old = cachedGraphics;
    if (value && value != old) value->set_useCount(value->useCount + 1);
    if (old && old != value) old->set_useCount(old->useCount - 1);
    cachedGraphics = value;
    return value;
}

void EngSprite::updateFrameData() {
    if (!cachedGraphics) return;
    Ref<TileSheetData> sheet = cachedGraphics->get_tilesheet();
    if (!cachedGraphics->data || region->tileWidth != 0 || region->tileHeight != 0)
        framesData = sheet->getSpriteSheetFrames(region);
    else
        framesData = sheet->getTexturePackerFrames(cachedGraphics->data);
    frames = static_cast<int>(framesData->frames.size());
    animation->set_frameIndex(0);
    set_frame(framesData->frames.empty() ? nullptr : framesData->frames[0]);
    set_width(frameWidth);
    set_height(frameHeight);
}

Ref<EngFrame> EngSprite::set_frame(const Ref<EngFrame>& value) {
    frame = value;
    if (value) {
        resetFrameSize();
        dirty = true;
    } else if (framesData && !framesData->frames.empty()) {
        frame = framesData->frames[0];
        dirty = true;
    }
    return frame;
}

void EngSprite::resetSize() { _flashRect->setTo(0, 0, frameWidth, frameHeight); }

void EngSprite::resetFrameSize() {
    frameWidth = static_cast<int>(frame->sourceSize->x);
    frameHeight = static_cast<int>(frame->sourceSize->y);
    resetSize();
}

void EngSprite::resetSizeFromFrame() {
    set_width(frameWidth);
    set_height(frameHeight);
}

void EngSprite::setGraphicSize(int w, int h) {
    if (w <= 0 && h <= 0) return;
    double sx = static_cast<double>(w) / frameWidth, sy = static_cast<double>(h) / frameHeight;
    scale->set(sx, sy);
    if (w <= 0) scale->set_x(sy);
    else if (h <= 0) scale->set_y(sx);
}

void EngSprite::updateHitbox() {
    double w = scale->x * frameWidth, h = scale->y * frameHeight;
    set_width(w);
    set_height(h);
    offset->set(-(w - frameWidth) * 0.5, -(h - frameHeight) * 0.5);
    origin->set(frameWidth * 0.5, frameHeight * 0.5);
}

void EngSprite::centerOffsets(bool adjustPosition) {
    offset->set_x((frameWidth - get_width()) * 0.5);
    offset->set_y((frameHeight - get_height()) * 0.5);
    if (adjustPosition) {
        set_x(x + offset->x);
        set_y(y + offset->y);
    }
}

void EngSprite::centerOrigin() { origin->set(frameWidth * 0.5, frameHeight * 0.5); }

void EngSprite::resetHelpers() {
    _flashRect->setTo(0, 0, frameWidth, frameHeight);
    if (cachedGraphics && cachedGraphics->bitmap)
        _flashRect2->setTo(0, 0, cachedGraphics->bitmap->get_width(), cachedGraphics->bitmap->get_height());
    origin->set(frameWidth * 0.5, frameHeight * 0.5);
    _halfWidth = frameWidth * 0.5;
    _halfHeight = frameHeight * 0.5;
}

Ref<EngPoint> EngSprite::getGraphicMidpoint(Ref<EngPoint> point) {
    if (!point) point = EngPoint::get();
    point->set(x + frameWidth * 0.5, y + frameHeight * 0.5);
    return point;
}

void EngSprite::setFacingFlip(int direction, bool horizontal, bool vertical) {
    _facingFlip[direction] = FacingFlip{horizontal, vertical};
}

int EngSprite::set_facing(int direction) {
    if (auto it = _facingFlip.find(direction); it != _facingFlip.end()) {
        set_flipX(it->second.x);
        set_flipY(it->second.y);
    }
    return facing = direction;
}

bool EngSprite::set_flipX(bool value) {
    _facingHorizontalMult = value ? -1 : 1;
    if (value != flipX) dirty = true;
    return flipX = value;
}

bool EngSprite::set_flipY(bool value) {
    _facingVerticalMult = value ? -1 : 1;
    if (value != flipY) dirty = true;
    return flipY = value;
}

// ---- colour ----

int EngSprite::set_color(int value) {
    value &= 0xFFFFFF;
    if (value == color) return color;
    color = value;
    updateColorTransform();
    isColored = color < 0xFFFFFF;
    _red = (color >> 16) / 255.0;
    _green = ((color >> 8) & 0xFF) / 255.0;
    _blue = (color & 0xFF) / 255.0;
    return color;
}

double EngSprite::set_alpha(double value) {
    if (value > 1) value = 1;
    if (value < 0) value = 0;
    if (value != alpha) {
        alpha = value;
        updateColorTransform();
    }
    return alpha;
}

void EngSprite::updateColorTransform() {
    if (alpha == 1 && color == 0xFFFFFF) {
        if (colorTransform) {
            colorTransform->redMultiplier = colorTransform->greenMultiplier = colorTransform->blueMultiplier = 1;
            colorTransform->alphaMultiplier = 1;
        }
        useColorTransform = false;
    } else {
        double r = (color >> 16) / 255.0, g = ((color >> 8) & 0xFF) / 255.0, b = (color & 0xFF) / 255.0;
        if (colorTransform) {
            colorTransform->redMultiplier = r;
            colorTransform->greenMultiplier = g;
            colorTransform->blueMultiplier = b;
            colorTransform->alphaMultiplier = alpha;
        } else {
            colorTransform = runtime::make<framework::ColorTransform>(r, g, b, alpha);
        }
        useColorTransform = true;
    }
    dirty = true;
}

void EngSprite::setColorTransform(double rm, double gm, double bm, double am, double ro, double go, double bo, double ao) {
    set_color((static_cast<int>(rm * 255) << 16) | (static_cast<int>(gm * 255) << 8) | static_cast<int>(bm * 255));
    set_alpha(am);
    if (!colorTransform) colorTransform = runtime::make<framework::ColorTransform>(rm, gm, bm, am, ro, go, bo, ao);
    else {
        colorTransform->redMultiplier = rm;
        colorTransform->greenMultiplier = gm;
        colorTransform->blueMultiplier = bm;
        colorTransform->alphaMultiplier = am;
        colorTransform->redOffset = ro;
        colorTransform->greenOffset = go;
        colorTransform->blueOffset = bo;
        colorTransform->alphaOffset = ao;
    }
    useColorTransform = !(alpha == 1 && color == 0xFFFFFF && ro == 0 && go == 0 && bo == 0 && ao == 0);
    dirty = true;
}

std::optional<framework::BlendMode> EngSprite::set_blend(std::optional<framework::BlendMode> value) {
    _blendInt = blendFlag(value);
    return blend = value;
}

// ---- update and drawing ----

void EngSprite::update() {
    EngObject::update();
    animation->update();
}

double EngSprite::set_angle(double value) {
    _angleChanged = angle != value || _angleChanged;
    return EngObject::set_angle(value);
}

bool EngSprite::isSimpleRender() {
    return ((angle == 0 && frame->additionalAngle == 0) || bakedRotationAngle > 0) && scale->x == 1 && scale->y == 1;
}

bool EngSprite::isOnScreen(EngCamera* camera) {
    if (!camera) camera = EngG::camera.get();
    const EngPoint& s = *camera->scroll;
    double minX = x - offset->x - scrollFactor->x * s.x, minY = y - offset->y - scrollFactor->y * s.y;
    double maxX, maxY;
    if ((angle == 0 || bakedRotationAngle > 0) && scale->x == 1 && scale->y == 1) {
        maxX = minX + frameWidth;
        maxY = minY + frameHeight;
    } else {
        double rx = origin->x == _halfWidth
                        ? std::fabs(scale->x * _halfWidth)
                        : std::max(std::fabs(scale->x * frameWidth - scale->x * origin->x), std::fabs(scale->x * origin->x));
        double ry = origin->y == _halfHeight ? std::fabs(scale->y * _halfHeight)
                                             : std::max(std::fabs(scale->y * frameHeight - scale->y * origin->y),
                                                        std::fabs(scale->y * origin->y));
        double r = std::max(rx, ry) * 1.41421356237;
        double cx = minX + origin->x, cy = minY + origin->y;
        minX = cx - r;
        maxX = cx + r;
        minY = cy - r;
        maxY = cy + r;
    }
    return maxX >= 0 && minX <= camera->width && maxY >= 0 && minY <= camera->height;
}

void EngSprite::draw() {
    if (alpha == 0) return;
    if (dirty) calcFrame();
    if (!frame) return;
    double ox = _facingHorizontalMult != 1 ? frameWidth - origin->x : origin->x;
    double oy = _facingVerticalMult != 1 ? frameHeight - origin->y : origin->y;
    bool simple = isSimpleRender();
    for (const Ref<EngCamera>& camera : get_cameras()) {
        if (!camera || !camera->visible || !camera->exists || !isOnScreen(camera.get())) continue;
        drawInto(camera.get(), ox, oy, simple);
    }
}

void EngSprite::drawInto(EngCamera* camera, double ox, double oy, bool simple) {
    Ref<DrawStackItem> item = camera->getDrawStackItem(cachedGraphics, isColored, _blendInt, antialiasing);
    const EngPoint& s = *camera->scroll;
    double px = x - s.x * scrollFactor->x - offset->x + origin->x;
    double py = y - s.y * scrollFactor->y - offset->y + origin->y;
    double x1 = ox - frame->center->x, y1 = oy - frame->center->y;
    double a, b, c, d, x2, y2;
    if (simple) {
        a = _facingHorizontalMult;
        b = 0;
        c = 0;
        d = _facingVerticalMult;
        x2 = x1 * a;
        y2 = y1 * d;
    } else {
        if (_angleChanged && bakedRotationAngle <= 0) {
            double r = -(M_PI / 180) * angle;
            _sinAngle = std::sin(r);
            _cosAngle = std::cos(r);
            _angleChanged = false;
        }
        double sx = scale->x * _facingHorizontalMult, sy = scale->y * _facingVerticalMult;
        if (frame->type == FrameType::ROTATED) {
            double cosP = -_sinAngle, sinP = _cosAngle;
            double csx = cosP * sx, ssy = sinP * sy, ssx = sinP * sx, csy = cosP * sy;
            x2 = x1 * ssx - y1 * csy;
            y2 = x1 * csx + y1 * ssy;
            a = csy;
            b = ssy;
            c = ssx;
            d = csx;
        } else {
            double csx = _cosAngle * sx, ssy = _sinAngle * sy, ssx = _sinAngle * sx, csy = _cosAngle * sy;
            x2 = x1 * csx + y1 * ssy;
            y2 = -x1 * ssx + y1 * csy;
            a = csx;
            b = ssx;
            c = ssy;
            d = csy;
        }
    }
    px -= x2;
    py -= y2;
    if (pixelPerfectRender) {
        px = std::floor(px);
        py = std::floor(py);
    }
    _point->x = px;
    _point->y = py;
    int n = item->position;
    item->write(n++, px);
    item->write(n++, py);
    item->write(n++, frame->tileID);
    item->write(n++, a);
    item->write(n++, -b);
    item->write(n++, c);
    item->write(n++, d);
    if (isColored) {
        item->write(n++, _red);
        item->write(n++, _green);
        item->write(n++, _blue);
    }
    item->write(n++, alpha * camera->alpha);
    item->position = n;
}

// ---- frame pixels ----

void EngSprite::calcFrame(bool buildPixels) {
    if (!cachedGraphics) {
        bakedRotationAngle = 0;
        loadGraphic(Value(static_cast<runtime::Object*>(cacheClass(&GraphicDefault::staticClass()).get())));
    }
    if (!buildPixels || !frame || !dirty) return;
    if (!flipX && !flipY && frame->type == FrameType::REGULAR) {
        framePixels = frame->paintOnBitmap(framePixels);
    } else {
        Ref<BitmapData> source = flipX && flipY ? frame->getHVReversedBitmap()
                                 : flipX        ? frame->getHReversedBitmap()
                                 : flipY        ? frame->getVReversedBitmap()
                                                : frame->getBitmap();
        if (!framePixels || framePixels->get_width() != frameWidth || framePixels->get_height() != frameHeight) {
            if (framePixels) framePixels->dispose();
            framePixels = runtime::make<BitmapData>(static_cast<int>(frame->sourceSize->x),
                                                    static_cast<int>(frame->sourceSize->y), true, 0);
        }
        framePixels->copyPixels(source, _flashRect, _flashPointZero);
    }
    if (useColorTransform) framePixels->colorTransform(_flashRect, colorTransform);
    dirty = false;
}

Ref<BitmapData> EngSprite::getEngFrameBitmapData() {
    if (frame && dirty) calcFrame(true);
    return framePixels;
}

void EngSprite::resetFrameBitmapDatas() {
    if (cachedGraphics) cachedGraphics->get_tilesheet()->destroyFrameBitmapDatas();
}

// ---- pixel operations ----

void EngSprite::stamp(const Ref<EngSprite>& brush, int sx, int sy) {
    brush->calcFrame(true);
    Ref<BitmapData> b = brush->framePixels;
    Ref<BitmapData> target = cachedGraphics->bitmap;
    if ((brush->angle == 0 || brush->bakedRotationAngle > 0) && brush->scale->x == 1 && brush->scale->y == 1 &&
        !brush->blend) {
        _flashPoint->setTo(sx + region->startX, sy + region->startY);
        _flashRect2->setTo(0, 0, b->get_width(), b->get_height());
        target->copyPixels(b, _flashRect2, _flashPoint, nullptr, nullptr, true);
        _flashRect2->setTo(0, 0, target->get_width(), target->get_height());
    } else {
        _matrix->identity();
        _matrix->translate(-brush->origin->x, -brush->origin->y);
        _matrix->scale(brush->scale->x, brush->scale->y);
        if (brush->angle != 0) _matrix->rotate(brush->angle * M_PI / 180);
        _matrix->translate(sx + region->startX + brush->origin->x, sy + region->startY + brush->origin->y);
        target->draw(b, _matrix, nullptr, brush->blend, nullptr, brush->antialiasing);
    }
    resetFrameBitmapDatas();
}

bool EngSprite::pixelsOverlapPoint(const Ref<EngPoint>& point, int alphaThreshold, EngCamera* camera) {
    if (!camera) camera = EngG::camera.get();
    getScreenXY(_point, camera);
    _point->set_x(_point->x - offset->x);
    _point->set_y(_point->y - offset->y);
    _flashPoint->x = point->x - camera->scroll->x - _point->x;
    _flashPoint->y = point->y - camera->scroll->y - _point->y;
    point->putWeak();
    if (_flashPoint->x < 0 || _flashPoint->x > frameWidth || _flashPoint->y < 0 || _flashPoint->y > frameHeight)
        return false;
    Ref<BitmapData> f = getEngFrameBitmapData();
    int p = f->getPixel32(static_cast<int>(_flashPoint->x), static_cast<int>(_flashPoint->y));
    return ((p >> 24) & 0xFF) * alpha >= alphaThreshold;
}

std::optional<std::vector<Ref<EngPoint>>> EngSprite::replaceColor(int oldColor, int newColor, bool fetchPositions) {
    std::optional<std::vector<Ref<EngPoint>>> positions;
    if (fetchPositions) positions.emplace();
    Ref<BitmapData> bitmap = cachedGraphics->bitmap;
    bitmap->lock();
    // The scan covers the region from its start to its start plus its size.
    for (int row = region->startY; row < region->startY + region->height; ++row)
        for (int column = region->startX; column < region->startX + region->width; ++column)
            if (bitmap->getPixel32(column, row) == oldColor) {
                bitmap->setPixel32(column, row, newColor);
                if (positions) positions->push_back(EngPoint::get(column, row));
                dirty = true;
            }
    bitmap->unlock();
    resetFrameBitmapDatas();
    return positions;
}

}  // namespace engine

using engine::EngSprite;

RUNTIME_DEFINE_CLASS(EngSprite, "engine.EngSprite", engine::EngObject, (auto& b) {
    using T = EngSprite;
    b.template property<&T::get_alpha, &T::set_alpha>("alpha")
        .template property<&T::get_color, &T::set_color>("color")
        .template property<&T::get_facing, &T::set_facing>("facing")
        .template property<&T::get_flipX, &T::set_flipX>("flipX")
        .template property<&T::get_flipY, &T::set_flipY>("flipY")
        .template property<&T::get_pixels, &T::set_pixels>("pixels")
        .template field<&T::frame>("frame")
        .template field<&T::frameWidth>("frameWidth")
        .template field<&T::frameHeight>("frameHeight")
        .template field<&T::frames>("frames")
        .template field<&T::region>("region")
        .template field<&T::cachedGraphics>("cachedGraphics")
        .template field<&T::antialiasing>("antialiasing")
        .template field<&T::dirty>("dirty")
        .template field<&T::isColored>("isColored")
        .template field<&T::bakedRotationAngle>("bakedRotationAngle")
        .template field<&T::origin>("origin")
        .template field<&T::offset>("offset")
        .template field<&T::scale>("scale")
        .template field<&T::framePixels>("framePixels")
        .template method<&T::updateHitbox>("updateHitbox")
        .template method<&T::centerOrigin>("centerOrigin")
        .template method<&T::centerOffsets>("centerOffsets")
        .template method<&T::setGraphicSize>("setGraphicSize")
        .template method<&T::resetFrameBitmapDatas>("resetFrameBitmapDatas")
        .template method<&T::makeGraphic>("makeGraphic")
        .template method<&T::loadGraphic>("loadGraphic")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<EngSprite>(a.number(0), a.number(1), a[2]);
        });
})
