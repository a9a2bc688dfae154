#include "EngSpriteUtil.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/tweens/EngTween.h"
#include "engine/tweens/misc/ColorTween.h"
#include "engine/util/EngFlicker.h"
#include "framework/assets/Assets.h"
#include "framework/display/CapsStyle.h"
#include "framework/display/JointStyle.h"
#include "framework/display/LineScaleMode.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/runtime/EnumInfo.h"

namespace engine {

using framework::BitmapData;
using runtime::Ref;
using runtime::Value;

namespace {
int rgbOf(int color) { return color & 0xFFFFFF; }
double alphaOf(int color) { return ((color >> 24) & 0xFF) / 255.0; }

Value field(const EngSpriteUtil::Options& o, const char* name) { return o ? o->getField(name) : Value(); }

template <class E>
std::optional<E> enumField(const EngSpriteUtil::Options& o, const char* name) {
    Value v = field(o, name);
    if (v.isNull()) return std::nullopt;
    return runtime::ValueTraits<E>::from(v);
}

// The picture of an alpha-mask source or mask; null for a kind that is not taken.
Ref<BitmapData> pictureOf(const Value& v, const runtime::ClassInfo* cls, bool copy) {
    if (cls) {
        Ref<runtime::Object> made = cls->create(nullptr, 0);
        return made ? Ref<BitmapData>(made->getField("bitmapData").as<BitmapData>()) : nullptr;
    }
    if (v.isString()) return framework::Assets::getBitmapData(v.toStringValue(), false);
    if (auto* bitmap = v.as<BitmapData>()) return copy ? bitmap->clone() : Ref<BitmapData>(bitmap);
    return nullptr;
}
}  // namespace

Ref<framework::Sprite>& EngSpriteUtil::flashGfxSprite() {
    static Ref<framework::Sprite> sprite;
    if (!sprite) sprite = runtime::make<framework::Sprite>();
    return sprite;
}

Ref<framework::Graphics>& EngSpriteUtil::flashGfx() {
    static Ref<framework::Graphics> graphics;
    if (!graphics) graphics = flashGfxSprite()->get_graphics();
    return graphics;
}

EngSprite* EngSpriteUtil::alphaMask(EngSprite* output, const Value& source, const Value& mask,
                                    const runtime::ClassInfo* sourceClass, const runtime::ClassInfo* maskClass) {
    Ref<BitmapData> picture = pictureOf(source, sourceClass, true);
    if (!picture) return nullptr;
    Ref<BitmapData> maskPicture = pictureOf(mask, maskClass, false);
    if (!maskPicture) return nullptr;
    picture->copyChannel(maskPicture, runtime::make<framework::Rectangle>(0, 0, picture->get_width(), picture->get_height()),
                         runtime::make<framework::Point>(0, 0), 8, 8);
    output->set_pixels(picture);
    return output;
}

EngSprite* EngSpriteUtil::alphaMaskEngSprite(EngSprite* sprite, EngSprite* mask, EngSprite* output) {
    sprite->calcFrame(true);
    Ref<BitmapData> picture = sprite->get_pixels()->clone();
    picture->copyChannel(mask->get_pixels(),
                         runtime::make<framework::Rectangle>(0, 0, sprite->get_width(), sprite->get_height()),
                         runtime::make<framework::Point>(0, 0), 8, 8);
    output->set_pixels(picture);
    return output;
}

EngSprite* EngSpriteUtil::screenWrap(EngSprite* s, bool left, bool right, bool top, bool bottom) {
    if (left && s->x + s->frameWidth <= 0) s->set_x(EngG::width);
    else if (right && s->x >= EngG::width) s->set_x(0);
    if (top && s->y + s->frameHeight <= 0) s->set_y(EngG::height);
    else if (bottom && s->y >= EngG::height) s->set_y(0);
    return s;
}

EngSprite* EngSpriteUtil::bound(EngSprite* s, double minX, double maxX, double minY, double maxY) {
    if (maxX <= 0) maxX = EngG::width;
    if (maxY <= 0) maxY = EngG::height;
    maxX -= s->frameWidth;
    maxY -= s->frameHeight;
    double x = s->x < minX ? minX : s->x;
    s->set_x(x > maxX ? maxX : x);
    double y = s->y < minY ? minY : s->y;
    s->set_y(y > maxY ? maxY : y);
    return s;
}

void EngSpriteUtil::space(const std::vector<Ref<EngObject>>& objects, int startX, int startY,
                          std::optional<int> horizontalSpacing, std::optional<int> verticalSpacing, bool) {
    int h = horizontalSpacing.value_or(0), v = verticalSpacing.value_or(0);
    std::size_t n = objects.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (!objects[i]) continue;
        int k = static_cast<int>(i);
        objects[i]->set_x(static_cast<int32_t>(static_cast<uint32_t>(startX) + static_cast<uint32_t>(k * h)));
        objects[i]->set_y(static_cast<int32_t>(static_cast<uint32_t>(startY) + static_cast<uint32_t>(k * v)));
    }
}

EngSprite* EngSpriteUtil::screenCenter(EngSprite* s, bool xAxis, bool yAxis) {
    if (xAxis) s->set_x(EngG::width * 0.5 - s->get_width() * 0.5);
    if (yAxis) s->set_y(EngG::height * 0.5 - s->get_height() * 0.5);
    return s;
}

void EngSpriteUtil::setLineStyle(const Options& o) {
    if (!o) return;
    Value color = field(o, "color");
    int rgb = color.isNull() ? 0 : rgbOf(color.toInt());
    double alpha = color.isNull() ? 1 : alphaOf(color.toInt());
    if (field(o, "pixelHinting").isNull()) o->setField("pixelHinting", Value(false));
    if (field(o, "miterLimit").isNull()) o->setField("miterLimit", Value(3.0));
    Value thickness = field(o, "thickness");
    flashGfx()->lineStyle(thickness.isNull() ? std::nullopt : std::optional<double>(thickness.toFloat()), rgb, alpha,
                          field(o, "pixelHinting").toBool(), enumField<framework::LineScaleMode>(o, "scaleMode"),
                          enumField<framework::CapsStyle>(o, "capsStyle"), enumField<framework::JointStyle>(o, "jointStyle"),
                          field(o, "miterLimit").toFloat());
}

void EngSpriteUtil::beginDraw(int fillColor, const Options& lineOptions, const Options& fillOptions) {
    flashGfx()->clear();
    setLineStyle(lineOptions);
    if (fillOptions && field(fillOptions, "hasFill").isBool() && field(fillOptions, "hasFill").toBool()) {
        Value c = field(fillOptions, "color");
        int color = c.isNull() ? 0 : c.toInt();
        flashGfx()->beginFill(rgbOf(color), alphaOf(color));
    } else {
        flashGfx()->beginFill(rgbOf(fillColor), alphaOf(fillColor));
    }
}

EngSprite* EngSpriteUtil::endDraw(EngSprite* sprite, const Options& drawOptions) {
    flashGfx()->endFill();
    return updateSpriteGraphic(sprite, drawOptions);
}

EngSprite* EngSpriteUtil::updateSpriteGraphic(EngSprite* sprite, Options o) {
    if (!o) {
        auto record = runtime::make<runtime::DynamicObject>();
        record->setField("smoothing", Value(false));
        o = record;
    } else if (field(o, "smoothing").isNull()) {
        o->setField("smoothing", Value(false));
    }
    if (Ref<BitmapData> pixels = sprite->get_pixels()) {
        pixels->draw(flashGfxSprite(), Ref<framework::Matrix>(field(o, "matrix").as<framework::Matrix>()),
                     Ref<framework::ColorTransform>(field(o, "colorTransform").as<framework::ColorTransform>()),
                     enumField<framework::BlendMode>(o, "blendMode"),
                     Ref<framework::Rectangle>(field(o, "clipRect").as<framework::Rectangle>()),
                     field(o, "smoothing").toBool());
    }
    sprite->dirty = true;
    sprite->resetFrameBitmapDatas();
    return sprite;
}

EngSprite* EngSpriteUtil::drawLine(EngSprite* s, double x0, double y0, double x1, double y1, const Options& line,
                                   const Options& draw) {
    beginDraw(0, line);
    flashGfx()->moveTo(x0, y0);
    flashGfx()->lineTo(x1, y1);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawRect(EngSprite* s, double x, double y, double w, double h, int color, const Options& line,
                                   const Options& fillOptions, const Options& draw) {
    beginDraw(color, line, fillOptions);
    flashGfx()->drawRect(x, y, w, h);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawRoundRect(EngSprite* s, double x, double y, double w, double h, double ew, double eh,
                                        int color, const Options& line, const Options& fillOptions,
                                        const Options& draw) {
    beginDraw(color, line, fillOptions);
    flashGfx()->drawRoundRect(x, y, w, h, ew, eh);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawCircle(EngSprite* s, double x, double y, double radius, int color, const Options& line,
                                     const Options& fillOptions, const Options& draw) {
    if (x == -1 || y == -1) {
        Ref<EngPoint> m = s->getGraphicMidpoint();
        if (x == -1) x = m->x;
        if (y == -1) y = m->y;
        m->put();
    }
    if (radius < 1) radius = std::min(s->frameWidth, s->frameHeight) * 0.5;
    beginDraw(color, line, fillOptions);
    flashGfx()->drawCircle(x, y, radius);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawEllipse(EngSprite* s, double x, double y, double w, double h, int color,
                                      const Options& line, const Options& fillOptions, const Options& draw) {
    beginDraw(color, line, fillOptions);
    flashGfx()->drawEllipse(x, y, w, h);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawTriangle(EngSprite* s, double x, double y, double h, int color, const Options& line,
                                       const Options& fillOptions, const Options& draw) {
    beginDraw(color, line, fillOptions);
    flashGfx()->moveTo(x + h * 0.5, y);
    flashGfx()->lineTo(x + h, y + h);
    flashGfx()->lineTo(x, y + h);
    flashGfx()->lineTo(x + h * 0.5, y);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::drawPolygon(EngSprite* s, std::vector<Ref<EngPoint>>& vertices, int color,
                                      const Options& line, const Options& fillOptions, const Options& draw) {
    if (vertices.empty()) return s;
    beginDraw(color, line, fillOptions);
    Ref<EngPoint> first = vertices.front();
    vertices.erase(vertices.begin());
    flashGfx()->moveTo(first->x, first->y);
    for (const auto& p : vertices) flashGfx()->lineTo(p->x, p->y);
    return endDraw(s, draw);
}

EngSprite* EngSpriteUtil::fill(EngSprite* s, int fillColor) {
    Ref<BitmapData> pixels = s->get_pixels();
    if (!pixels) return s;
    pixels->fillRect(pixels->get_rect(), fillColor);
    if (pixels != s->framePixels) s->dirty = true;
    s->resetFrameBitmapDatas();
    return s;
}

EngObject* EngSpriteUtil::flicker(EngObject* object, double duration, double interval, bool endVisibility,
                                  bool forceRestart, Ref<runtime::Function> completion, Ref<runtime::Function> progress) {
    EngFlicker::flicker(Ref<EngObject>(object), duration, interval, endVisibility, forceRestart, std::move(completion),
                        std::move(progress));
    return object;
}

bool EngSpriteUtil::isFlickering(EngObject* object) { return EngFlicker::isFlickering(Ref<EngObject>(object)); }

void EngSpriteUtil::stopFlickering(EngObject* object) { EngFlicker::stopFlickering(Ref<EngObject>(object)); }

namespace {
Ref<runtime::Object> completionOptions(const Ref<runtime::Function>& onComplete) {
    if (!onComplete) return nullptr;
    auto options = runtime::make<runtime::DynamicObject>();
    options->setField("complete", Value(onComplete));
    return options;
}
}  // namespace

EngSprite* EngSpriteUtil::fadeIn(EngSprite* s, double duration, std::optional<bool> resetAlpha,
                                 Ref<runtime::Function> onComplete) {
    if (resetAlpha.value_or(false)) s->set_alpha(0);
    EngTween::color(Ref<runtime::Object>(s), duration, s->color, s->color, s->alpha, 1, completionOptions(onComplete));
    return s;
}

EngSprite* EngSpriteUtil::fadeOut(EngSprite* s, double duration, std::optional<bool> fadeToBlack,
                                  Ref<runtime::Function> onComplete) {
    int to = fadeToBlack.value_or(false) ? static_cast<int>(0xFF000000) : s->color;
    EngTween::color(Ref<runtime::Object>(s), duration, s->color, to, s->alpha, 0, completionOptions(onComplete));
    return s;
}

}  // namespace engine
