#include "EngTilemap.h"

#include "engine/group/EngGroup.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngSprite.h"
#include "engine/system/frontEnds/SignalFrontEnd.h"
#include "framework/geom/Point.h"
#include "framework/geom/Rectangle.h"
#include "engine/EngG.h"
#include "engine/group/EngTypedGroup.h"
#include "engine/system/EngCollisionType.h"
#include "engine/system/frontEnds/BitmapFrontEnd.h"
#include "engine/util/EngDestroyUtil.h"
#include "engine/util/EngRandom.h"
#include "engine/util/loaders/TextureRegion.h"
#include "framework/display/BitmapData.h"
#include "platform/runtime/Array.h"
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Thrown.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

namespace {
using runtime::Numbers;

int32_t parseCell(const std::string& cell) {
    std::size_t i = 0;
    while (i < cell.size() && (cell[i] == ' ' || cell[i] == '\t')) ++i;
    if (cell.size() > i + 1 && cell[i] == '0' && (cell[i + 1] == 'x' || cell[i + 1] == 'X')) {
        int64_t v = 0;
        bool any = false;
        for (std::size_t k = i + 2; k < cell.size(); ++k) {
            char c = cell[k];
            int d = c >= '0' && c <= '9' ? c - '0' : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : (c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1));
            if (d < 0) break;
            v = (v * 16 + d) & 0xFFFFFFFF;
            any = true;
        }
        return any ? static_cast<int32_t>(static_cast<uint32_t>(v)) : 0;
    }
    return Numbers::parseInt(cell.substr(i)).value_or(0);
}

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(sep, start);
        out.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return out;
        start = at + 1;
    }
}

std::string kindName(const Value& v) {
    if (v.isNull()) return "null";
    if (v.isBool()) return "Bool";
    if (v.kind() == Value::Kind::Int) return "Int";
    if (v.isNumber()) return "Float";
    if (v.object() && v.object()->classInfo()) return v.object()->classInfo()->name();
    return "Object";
}
}  // namespace

EngTilemap::EngTilemap() : EngObject(0, 0, 0, 0) {
    collisionType = EngCollisionType::TILEMAP;
    immovable = true;
    moves = false;
    scale = runtime::make<EngCallbackPoint>(runtime::Function::method<&EngTilemap::setScaleXCallback>(this),
                                            runtime::Function::method<&EngTilemap::setScaleYCallback>(this),
                                            runtime::Function::method<&EngTilemap::setScaleXYCallback>(this));
    scale->set(1, 1);
    _helperPoint = runtime::make<framework::Point>();
    resizeListener_ = runtime::Function::method<&EngTilemap::onGameResize>(this);
    if (EngG::signals) EngG::signals->gameResized->add(resizeListener_);
}

Ref<EngTilemapBuffer> EngTilemap::_helperBuffer = runtime::make<EngTilemapBuffer>(runtime::NoInit{});

EngTilemap::~EngTilemap() = default;

void EngTilemap::destroy() {
    for (auto& tile : _tileObjects)
        if (tile) tile->destroy();
    _tileObjects.clear();
    for (auto& buffer : _buffers)
        if (buffer) buffer->destroy();
    _buffers.clear();
    _data.clear();
    _helperPoint = nullptr;
    _rectIDs.clear();
    framesData = nullptr;
    set_cachedGraphics(nullptr);
    region = nullptr;
    scale = EngDestroyUtil::destroy(scale);
    if (EngG::signals && resizeListener_) EngG::signals->gameResized->remove(resizeListener_);
    resizeListener_ = nullptr;
    EngObject::destroy();
}

EngTilemap* EngTilemap::loadMap(const Value& mapData, const Value& tileGraphic, int tileWidth, int tileHeight,
                                int autoTile, int startingIndex, int drawIndex, int collideIndex) {
    autoTiling = autoTile;
    _startingIndex = startingIndex < 1 ? 0 : startingIndex;
    if (mapData.isString()) {
        std::vector<int32_t> cells;
        std::vector<std::string> rows = split(mapData.toText(), '\n');
        heightInTiles = static_cast<int>(rows.size());
        widthInTiles = 0;
        for (const auto& row : rows) {
            std::vector<std::string> columns = split(row, ',');
            if (columns.empty()) {
                --heightInTiles;
                continue;
            }
            if (widthInTiles == 0) widthInTiles = static_cast<int>(columns.size());
            for (int c = 0; c < widthInTiles; ++c)
                cells.push_back(c < static_cast<int>(columns.size()) ? parseCell(columns[c]) : 0);
        }
        _data = std::move(cells);
    } else if (auto* array = dynamic_cast<runtime::Array*>(mapData.object())) {
        _data.clear();
        for (const Value& v : array->items) _data.push_back(v.toInt());
    } else {
        runtime::Thrown::text("Unexpected MapData format '" + kindName(mapData) +
                              "' passed into loadMap. Map data must be CSV string or Array<Int>.");
    }
    loadCells(tileGraphic, tileWidth, tileHeight, drawIndex, collideIndex);
    return this;
}

EngTilemap* EngTilemap::loadMap(const std::vector<int32_t>& mapData, const Value& tileGraphic, int tileWidth,
                                int tileHeight, int autoTile, int startingIndex, int drawIndex, int collideIndex) {
    autoTiling = autoTile;
    _startingIndex = startingIndex < 1 ? 0 : startingIndex;
    _data = mapData;
    loadCells(tileGraphic, tileWidth, tileHeight, drawIndex, collideIndex);
    return this;
}

void EngTilemap::loadCells(const Value& tileGraphic, int tileWidth, int tileHeight, int drawIndex,
                           int collideIndex) {
    totalTiles = static_cast<int>(_data.size());
    if (autoTiling > 0) {
        _startingIndex = 1;
        drawIndex = 1;
        collideIndex = 1;
        for (int i = 0; i < totalTiles; ++i) autoTile(i);
    }
    if (hasCustomTileRemap) {
        for (auto& v : _data)
            if (v < static_cast<int32_t>(customTileRemap.size())) v = v < 0 ? 0 : customTileRemap[v];
    }
    if (hasRandomIndices) {
        for (auto& v : _data) {
            int32_t value = v;
            for (std::size_t j = 0; j < _randomIndices.size(); ++j) {
                if (v != _randomIndices[j] || j >= _randomChoices.size()) continue;
                const auto& choices = _randomChoices[j];
                double r = _randomLambda ? (*_randomLambda)().toFloat() : EngRandom::float_();
                int k = Numbers::floatToInt(r * static_cast<double>(choices.size()));
                value = k >= 0 && k < static_cast<int>(choices.size()) ? choices[k] : 0;
            }
            v = value;
        }
    }
    set_cachedGraphics(EngG::bitmap ? EngG::bitmap->addWithSpaces(tileGraphic, 0, 0, 1, 1, false, nullptr) : nullptr);
    int pictureWidth = 0, pictureHeight = 0;
    if (cachedGraphics && cachedGraphics->bitmap) {
        pictureWidth = cachedGraphics->bitmap->get_width();
        pictureHeight = cachedGraphics->bitmap->get_height();
    }
    _tileWidth = tileWidth > 0 ? tileWidth : pictureHeight;
    _tileHeight = tileHeight > 0 ? tileHeight : _tileWidth;
    if (auto* textureRegion = tileGraphic.as<TextureRegion>()) {
        region = textureRegion->region->clone();
        if (region->tileWidth > 0) _tileWidth = region->tileWidth;
        else region->tileWidth = _tileWidth;
        if (region->tileHeight > 0) _tileHeight = region->tileHeight;
        else region->tileHeight = _tileHeight;
    } else {
        region = runtime::make<Region>(0, 0, _tileWidth, _tileHeight);
        region->width = _tileWidth > 0 ? pictureWidth / _tileWidth * _tileWidth : 0;
        region->height = _tileHeight > 0 ? pictureHeight / _tileHeight * _tileHeight : 0;
    }
    _numTiles = _tileWidth > 0 && _tileHeight > 0 ? region->get_numTiles() : 0;
    _tileObjects.clear();
    for (int i = 0; i < _numTiles + _startingIndex; ++i)
        _tileObjects.push_back(runtime::make<EngTile>(this, i, _tileWidth, _tileHeight, i >= drawIndex,
                                                      i >= collideIndex ? allowCollisions : EngObject::NONE));
    _scaledTileWidth = _tileWidth * scale->x;
    _scaledTileHeight = _tileHeight * scale->y;
    set_width(widthInTiles * _scaledTileWidth);
    set_height(heightInTiles * _scaledTileHeight);
    updateFrameData();
}

void EngTilemap::setCustomTileMappings(std::vector<int32_t>* mappings, std::vector<int32_t>* randomIndices,
                                       std::vector<std::vector<int32_t>>* randomChoices,
                                       Ref<runtime::Function> randomLambda) {
    hasCustomTileRemap = mappings != nullptr;
    customTileRemap = mappings ? *mappings : std::vector<int32_t>{};
    hasRandomIndices = randomIndices != nullptr;
    _randomIndices = randomIndices ? *randomIndices : std::vector<int32_t>{};
    _randomChoices = randomChoices ? *randomChoices : std::vector<std::vector<int32_t>>{};
    _randomLambda = std::move(randomLambda);
    if (randomIndices && (!randomChoices || randomChoices->empty()))
        runtime::Thrown::text(
            "You must provide valid 'randomChoices' if you wish to randomize tilemap indicies, please read "
            "documentation of 'setCustomTileMappings' function.");
}

EngTile* EngTilemap::record(int32_t value) const {
    return value >= 0 && value < static_cast<int32_t>(_tileObjects.size()) ? _tileObjects[value].get() : nullptr;
}

bool EngTilemap::solidCell(int index) const {
    int32_t value = index >= 0 && index < static_cast<int>(_data.size()) ? _data[index] : 0;
    EngTile* tile = record(value);
    return tile && tile->allowCollisions > 0;
}

std::vector<int32_t> EngTilemap::getData(bool simple) {
    if (!simple) return _data;
    std::vector<int32_t> out(_data.size());
    for (std::size_t i = 0; i < _data.size(); ++i) out[i] = solidCell(static_cast<int>(i)) ? 1 : 0;
    return out;
}

void EngTilemap::setDirty(bool) {
    for (auto& buffer : _buffers)
        if (buffer) buffer->dirty = true;
}

int32_t EngTilemap::getTile(int tx, int ty) { return getTileByIndex(ty * widthInTiles + tx); }

int32_t EngTilemap::getTileByIndex(int index) {
    return index >= 0 && index < static_cast<int>(_data.size()) ? _data[index] : 0;
}

int EngTilemap::getTileCollisions(int index) {
    EngTile* tile = record(index);
    return tile ? tile->allowCollisions : EngObject::NONE;
}

std::vector<int> EngTilemap::getTileInstances(int index) {
    std::vector<int> out;
    int n = std::min(widthInTiles * heightInTiles, static_cast<int>(_data.size()));
    for (int i = 0; i < n; ++i)
        if (_data[i] == index) out.push_back(i);
    return out;
}

std::vector<Ref<EngPoint>> EngTilemap::getTileCoords(int index, bool midpoint) {
    std::vector<Ref<EngPoint>> out;
    for (int cell : getTileInstances(index)) {
        auto p = EngPoint::get(x + (cell % widthInTiles) * _scaledTileWidth, y + (cell / widthInTiles) * _scaledTileHeight);
        if (midpoint) p->add(_scaledTileWidth * 0.5, _scaledTileHeight * 0.5);
        out.push_back(p);
    }
    return out;
}

bool EngTilemap::setTile(int tx, int ty, int tile, bool updateGraphics) {
    if (tx >= widthInTiles || ty >= heightInTiles) return false;
    return setTileByIndex(ty * widthInTiles + tx, tile, updateGraphics);
}

bool EngTilemap::setTileByIndex(int index, int tile, bool updateGraphics) {
    if (index >= static_cast<int>(_data.size())) return false;
    if (index >= 0) _data[index] = tile;
    if (!updateGraphics) return true;
    setDirty(true);
    if (autoTiling == OFF) {
        updateTile(index);
        return true;
    }
    int row = index / widthInTiles, column = index % widthInTiles;
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = column - 1; c <= column + 1; ++c)
            if (r >= 0 && r < heightInTiles && c >= 0 && c < widthInTiles) {
                autoTile(r * widthInTiles + c);
                updateTile(r * widthInTiles + c);
            }
    return true;
}

void EngTilemap::setTileProperties(int tile, int collisions, Ref<runtime::Function> callback,
                                   const runtime::ClassInfo* callbackFilter, int range) {
    if (range <= 0) range = 1;
    for (int t = tile; t < tile + range; ++t) {
        EngTile* record = this->record(t);
        if (!record) continue;  // beyond the tile records: nothing to set
        record->allowCollisions = collisions;
        record->callbackFunction = callback;
        record->filter = callbackFilter;
    }
}

void EngTilemap::autoTile(int index) {
    int n = static_cast<int>(_data.size());
    if (index < 0 || index >= n || _data[index] == 0) return;
    int w = widthInTiles;
    auto filled = [&](int i) { return i >= 0 && i < n && _data[i] > 0; };
    int sum = 0;
    if (index - w < 0 || filled(index - w)) sum += 1;
    if (index % w >= w - 1 || filled(index + 1)) sum += 2;
    if (index + w >= totalTiles || filled(index + w)) sum += 4;
    if (index % w <= 0 || filled(index - 1)) sum += 8;
    if (autoTiling == ALT && sum == 15) {
        int column = index % w;
        if (column > 0 && index + w < totalTiles && !filled(index + w - 1)) sum = 1;
        if (column > 0 && index - w >= 0 && !filled(index - w - 1)) sum = 2;
        if (column < w - 1 && index - w >= 0 && !filled(index - w + 1)) sum = 4;
        if (column < w - 1 && index + w < totalTiles && !filled(index + w + 1)) sum = 8;
    }
    _data[index] = sum + 1;
}

Ref<CachedGraphics> EngTilemap::set_cachedGraphics(Ref<CachedGraphics> value) {
    if (value != cachedGraphics) {
        if (value) value->set_useCount(value->useCount + 1);
        if (cachedGraphics) cachedGraphics->set_useCount(cachedGraphics->useCount - 1);
    }
    cachedGraphics = value;
    return value;
}

void EngTilemap::setScaleXYCallback(const Value& p) {
    setScaleXCallback(p);
    setScaleYCallback(p);
}

void EngTilemap::setScaleXCallback(const Value&) {
    if (!scale) return;
    _scaledTileWidth = _tileWidth * scale->x;
    set_width(widthInTiles * _scaledTileWidth);
    const EngObject::CameraList& list = get_cameras();
    for (std::size_t i = 0; i < _buffers.size() && i < list.size(); ++i)
        if (_buffers[i]) _buffers[i]->updateColumns(_tileWidth, widthInTiles, scale->x, list[i].get());
}

void EngTilemap::setScaleYCallback(const Value&) {
    if (!scale) return;
    _scaledTileHeight = _tileHeight * scale->y;
    set_height(heightInTiles * _scaledTileHeight);
    const EngObject::CameraList& list = get_cameras();
    for (std::size_t i = 0; i < _buffers.size() && i < list.size(); ++i)
        if (_buffers[i]) _buffers[i]->updateRows(_tileHeight, heightInTiles, scale->y, list[i].get());
}

// --- drawing --------------------------------------------------------------------------------

Ref<EngTilemapBuffer> EngTilemap::createBuffer(EngCamera* camera) {
    auto buffer = runtime::make<EngTilemapBuffer>(_tileWidth, _tileHeight, widthInTiles, heightInTiles, camera,
                                                  scale->x, scale->y);
    buffer->pixelPerfectRender = pixelPerfectRender;
    return buffer;
}

void EngTilemap::draw() {
    const EngObject::CameraList& list = get_cameras();
    for (std::size_t i = 0; i < list.size(); ++i) {
        EngCamera* camera = list[i].get();
        if (!camera || !camera->visible || !camera->exists) continue;
        if (_buffers.size() <= i) _buffers.resize(i + 1);
        if (!_buffers[i]) _buffers[i] = createBuffer(camera);
        _buffers[i]->dirty = true;
        drawTilemap(_buffers[i].get(), camera);
    }
}

void EngTilemap::drawTilemap(EngTilemapBuffer* buffer, EngCamera* camera) {
    if (!cachedGraphics || widthInTiles <= 0) return;
    const EngPoint& scroll = *camera->scroll;
    _helperPoint->x = x - scroll.x * scrollFactor->x;
    _helperPoint->y = y - scroll.y * scrollFactor->y;
    double hackScaleX = tileScaleHack * scale->x, hackScaleY = tileScaleHack * scale->y;
    Ref<DrawStackItem> item = camera->getDrawStackItem(cachedGraphics, false, 0);
    int n = item->position;
    _point->x = scroll.x * scrollFactor->x - x;
    _point->y = scroll.y * scrollFactor->y - y;
    int firstColumn = static_cast<int>(std::floor(_point->x / _scaledTileWidth));
    int firstRow = static_cast<int>(std::floor(_point->y / _scaledTileHeight));
    int rows = buffer->rows, columns = buffer->columns;
    if (firstColumn < 0) firstColumn = 0;
    if (firstColumn > widthInTiles - columns) firstColumn = widthInTiles - columns;
    if (firstRow < 0) firstRow = 0;
    if (firstRow > heightInTiles - rows) firstRow = heightInTiles - rows;
    int rowStart = firstRow * widthInTiles + firstColumn;
    for (int row = 0; row < rows; ++row) {
        int c = rowStart;
        for (int column = 0; column < columns; ++column, ++c) {
            int id = c >= 0 && c < static_cast<int>(_rectIDs.size()) ? _rectIDs[c] : 0;
            if (id == -1) continue;
            double sx = _helperPoint->x + (c % widthInTiles) * _scaledTileWidth;
            double sy = _helperPoint->y + std::floor(static_cast<double>(c) / widthInTiles) * _scaledTileHeight;
            if (pixelPerfectRender) {
                sx = std::floor(sx);
                sy = std::floor(sy);
            }
            for (double v : {sx, sy, static_cast<double>(id), hackScaleX, 0.0, 0.0, hackScaleY, 1.0}) item->write(n++, v);
        }
        rowStart += widthInTiles;
    }
    item->position = n;
    buffer->x = firstColumn * _scaledTileWidth;
    buffer->y = firstRow * _scaledTileHeight;
}

void EngTilemap::updateBuffers() {
    for (auto& buffer : _buffers)
        if (buffer) buffer->destroy();
    _buffers.clear();
}

bool EngTilemap::set_pixelPerfectRender(bool value) {
    for (auto& buffer : _buffers)
        if (buffer) buffer->pixelPerfectRender = value;
    return EngObject::set_pixelPerfectRender(value);
}

void EngTilemap::onGameResize(int, int) {
    const EngObject::CameraList& list = get_cameras();
    for (std::size_t i = 0; i < list.size(); ++i) {
        EngCamera* camera = list[i].get();
        _helperBuffer->updateColumns(_tileWidth, widthInTiles, scale->x, camera);
        _helperBuffer->updateRows(_tileHeight, heightInTiles, scale->y, camera);
        if (_buffers.size() <= i) _buffers.resize(i + 1);
        Ref<EngTilemapBuffer>& buffer = _buffers[i];
        if (!buffer || buffer->columns != _helperBuffer->columns || buffer->rows != _helperBuffer->rows) {
            if (buffer) buffer->destroy();
            buffer = createBuffer(camera);
        }
    }
}

void EngTilemap::updateFrameData() {
    if (!cachedGraphics || _tileWidth < 1 || _tileHeight < 1) return;
    framesData = cachedGraphics->get_tilesheet()->getSpriteSheetFrames(region, runtime::make<framework::Point>(0, 0));
    _rectIDs.assign(static_cast<std::size_t>(totalTiles), -1);
    for (int i = 0; i < totalTiles; ++i) updateTile(i);
}

void EngTilemap::updateTile(int index) {
    if (index < 0) return;
    if (static_cast<int>(_rectIDs.size()) <= index) _rectIDs.resize(static_cast<std::size_t>(index) + 1, -1);
    int32_t v = getTileByIndex(index);
    EngTile* t = record(v);
    int frameIndex = v - _startingIndex;
    if (t && t->visible && framesData && frameIndex >= 0 && frameIndex < static_cast<int>(framesData->frames.size()))
        _rectIDs[index] = framesData->frames[static_cast<std::size_t>(frameIndex)]->tileID;
    else
        _rectIDs[index] = -1;
}

Ref<EngSprite> EngTilemap::tileToEngSprite(int tx, int ty, int newTile) {
    int cell = tx + ty * widthInTiles;
    int32_t v = getTileByIndex(cell);
    EngTile* t = record(v);
    Ref<framework::Rectangle> source;
    if (t && t->visible) {
        int p = (v - _startingIndex) * (region->spacingX + _tileWidth), q = 0;
        if (p >= region->width && region->width > 0) {
            q = p / region->width * (region->spacingY + _tileHeight);
            p %= region->width;
        }
        source = runtime::make<framework::Rectangle>(region->startX + p, region->startY + q, _tileWidth, _tileHeight);
    }
    auto sprite = runtime::make<EngSprite>();
    sprite->makeGraphic(_tileWidth, _tileHeight, 0, true);
    sprite->set_x(tx * _tileWidth + x);
    sprite->set_y(ty * _tileHeight + y);
    sprite->scale->set(scale->x, scale->y);
    if (source)
        sprite->get_pixels()->copyPixels(cachedGraphics->bitmap, source, runtime::make<framework::Point>(0, 0), nullptr,
                                         nullptr, true);
    sprite->dirty = true;
    sprite->updateFrameData();
    if (newTile >= 0) setTile(tx, ty, newTile);
    return sprite;
}

// --- overlaps -------------------------------------------------------------------------------

EngObject* EngTilemap::asObject(EngBasic* basic) const { return dynamic_cast<EngObject*>(basic); }

bool EngTilemap::overlaps(EngBasic* objectOrGroup, bool inScreenSpace, EngCamera* camera) {
    if (!objectOrGroup) return false;
    EngTypedGroup* group = EngGroup::resolveGroup(objectOrGroup);
    // A sprite group without its inner group has nothing to test.
    if (!group && objectOrGroup->collisionType == EngCollisionType::SPRITEGROUP) return false;
    if (group) {
        for (std::size_t i = 0; i < group->members.size(); ++i) {
            EngBasic* member = group->memberAt(static_cast<int>(i));
            if (member && tilemapOverlapsCallback(member, 0, 0, inScreenSpace, camera)) return true;
        }
        return false;
    }
    return tilemapOverlapsCallback(objectOrGroup);
}

bool EngTilemap::tilemapOverlapsCallback(EngBasic* objectOrGroup, double, double, bool inScreenSpace,
                                         EngCamera* camera) {
    int type = objectOrGroup->collisionType;
    if (type == EngCollisionType::OBJECT || type == EngCollisionType::TILEMAP) {
        EngObject* object = asObject(objectOrGroup);
        return object && overlapsWithCallback(object);
    }
    if (type == EngCollisionType::NONE) return false;
    return overlaps(objectOrGroup, inScreenSpace, camera);
}

bool EngTilemap::overlapsAt(double px, double py, EngBasic* objectOrGroup, bool inScreenSpace, EngCamera* camera) {
    if (!objectOrGroup) return false;
    EngTypedGroup* group = EngGroup::resolveGroup(objectOrGroup);
    // A sprite group without its inner group has nothing to test.
    if (!group && objectOrGroup->collisionType == EngCollisionType::SPRITEGROUP) return false;
    if (group) {
        for (std::size_t i = 0; i < group->members.size(); ++i) {
            EngBasic* member = group->memberAt(static_cast<int>(i));
            if (member && tilemapOverlapsAtCallback(member, px, py, inScreenSpace, camera)) return true;
        }
        return false;
    }
    return tilemapOverlapsAtCallback(objectOrGroup, px, py, inScreenSpace, camera);
}

bool EngTilemap::tilemapOverlapsAtCallback(EngBasic* objectOrGroup, double px, double py, bool inScreenSpace,
                                           EngCamera* camera) {
    int type = objectOrGroup->collisionType;
    if (type == EngCollisionType::OBJECT || type == EngCollisionType::TILEMAP) {
        EngObject* object = asObject(objectOrGroup);
        if (!object) return false;
        _point->set(px, py);
        return overlapsWithCallback(object, nullptr, false, _point.get());
    }
    if (type == EngCollisionType::NONE) return false;
    return overlapsAt(px, py, objectOrGroup, inScreenSpace, camera);
}

bool EngTilemap::overlapsWithCallback(EngObject* object, Ref<runtime::Function> callback, bool flip,
                                      EngPoint* position) {
    bool results = false;
    double X = position ? position->x : x, Y = position ? position->y : y;
    int firstColumn = static_cast<int>(std::floor((object->x - X) / _scaledTileWidth));
    int firstRow = static_cast<int>(std::floor((object->y - Y) / _scaledTileHeight));
    int endColumn = firstColumn + static_cast<int>(std::ceil(object->width / _scaledTileWidth)) + 1;
    int endRow = firstRow + static_cast<int>(std::ceil(object->height / _scaledTileHeight)) + 1;
    endColumn = std::max(0, std::min(endColumn, widthInTiles));
    endRow = std::max(0, std::min(endRow, heightInTiles));
    if (firstColumn < 0) firstColumn = 0;  // columns left of the map are not tested
    double deltaX = X - (last ? last->x : X), deltaY = Y - (last ? last->y : Y);
    for (int row = firstRow; row < endRow; ++row) {
        for (int column = firstColumn; column < endColumn; ++column) {
            int i = row * widthInTiles + column;
            if (i < 0 || i > static_cast<int>(_data.size()) - 1 || _data[i] < 0) continue;
            EngTile* tile = record(_data[i]);
            if (!tile) continue;
            tile->set_width(_scaledTileWidth);
            tile->set_height(_scaledTileHeight);
            tile->set_x(X + column * tile->width);
            tile->set_y(Y + row * tile->height);
            tile->last->set(tile->x - deltaX, tile->y - deltaY);
            bool found = object->x + object->width > tile->x && object->x < tile->x + tile->width &&
                         object->y + object->height > tile->y && object->y < tile->y + tile->height;
            if (tile->allowCollisions != EngObject::NONE && callback) {
                Value a(static_cast<runtime::Object*>(flip ? object : static_cast<EngObject*>(tile)));
                Value b(static_cast<runtime::Object*>(flip ? static_cast<EngObject*>(tile) : object));
                found = (*callback)(a, b).toBool();
            }
            if (found) {
                if (tile->callbackFunction && (!tile->filter || object->classInfo()->isSubclassOf(tile->filter))) {
                    tile->mapIndex = i;
                    Ref<runtime::Function> fn = tile->callbackFunction;
                    (*fn)(Value(static_cast<runtime::Object*>(tile)), Value(static_cast<runtime::Object*>(object)));
                }
                if (tile->allowCollisions != EngObject::NONE) results = true;
            }
        }
    }
    return results;
}

bool EngTilemap::overlapsPoint(const Ref<EngPoint>& worldPoint, bool inScreenSpace, EngCamera* camera) {
    if (!inScreenSpace) {
        int row = static_cast<int>(std::floor((worldPoint->y - y) / _scaledTileHeight));
        int i = static_cast<int>(std::floor(row * widthInTiles + (worldPoint->x - x) / _scaledTileWidth));
        return solidCell(i);
    }
    if (!camera) camera = EngG::camera.get();
    if (camera && camera->scroll) worldPoint->subtract(camera->scroll->x, camera->scroll->y);
    double sx = x - (camera && camera->scroll ? camera->scroll->x : 0);
    double sy = y - (camera && camera->scroll ? camera->scroll->y : 0);
    int row = Numbers::floatToInt((worldPoint->y - sy) / _scaledTileHeight);
    int i = Numbers::floatToInt(row * widthInTiles + (worldPoint->x - sx) / _scaledTileWidth);
    bool result = solidCell(i);
    worldPoint->putWeak();
    return result;
}

void EngTilemap::follow(EngCamera* camera, int border, bool updateWorld) {
    if (!camera) camera = EngG::camera.get();
    if (!camera) return;
    camera->setBounds(x + border * _scaledTileWidth, y + border * _scaledTileHeight,
                      width - border * _scaledTileWidth * 2, height - border * _scaledTileHeight * 2, updateWorld);
}

Ref<EngRect> EngTilemap::getBounds(Ref<EngRect> bounds) {
    if (!bounds) bounds = EngRect::get();
    bounds->set(x, y, width, height);
    return bounds;
}

bool EngTilemap::ray(const Ref<EngPoint>& start, const Ref<EngPoint>& end, Ref<EngPoint> result, double resolution) {
    double step = std::min(_scaledTileWidth, _scaledTileHeight) / resolution;
    double deltaX = end->x - start->x, deltaY = end->y - start->y;
    double distance = std::sqrt(deltaX * deltaX + deltaY * deltaY);
    int steps = Numbers::floatToInt(std::ceil(distance / step));
    double stepX = deltaX / steps, stepY = deltaY / steps;
    double curX = start->x - stepX - x, curY = start->y - stepY - y;
    start->putWeak();
    end->putWeak();
    for (int i = 0; i < steps; ++i) {
        curX += stepX;
        curY += stepY;
        if (curX < 0 || curX > width || curY < 0 || curY > height) continue;
        int tileX = static_cast<int>(std::floor(curX / _scaledTileWidth));
        int tileY = static_cast<int>(std::floor(curY / _scaledTileHeight));
        EngTile* tile = record(getTileByIndex(tileY * widthInTiles + tileX));
        if (!tile || tile->allowCollisions == EngObject::NONE) continue;
        double left = Numbers::floatToInt(_scaledTileWidth) * tileX;
        double top = Numbers::floatToInt(_scaledTileHeight) * tileY;
        double lx = curX - stepX, ly = curY - stepY;
        double q = left + (deltaX < 0 ? _scaledTileWidth : 0);
        double rx = q, ry = ly + stepY * ((q - lx) / stepX);
        bool hit = ry > top && ry < top + _scaledTileHeight;
        if (!hit) {
            q = top + (deltaY < 0 ? _scaledTileHeight : 0);
            rx = lx + stepX * ((q - ly) / stepY);
            ry = q;
            hit = rx > left && rx < left + _scaledTileWidth;
        }
        if (!hit) return true;
        if (result) result->set(rx, ry);
        return false;
    }
    return true;
}

// --- path finding ---------------------------------------------------------------------------

std::optional<std::vector<Ref<EngPoint>>> EngTilemap::findPath(const Ref<EngPoint>& start, const Ref<EngPoint>& end,
                                                               bool simplify, bool raySimplify, bool wideDiagonal) {
    auto cellOf = [&](const Ref<EngPoint>& p) -> int {
        int column = Numbers::floatToInt((p->x - x) / _scaledTileWidth);
        int row = Numbers::floatToInt((p->y - y) / _scaledTileHeight);
        if (column < 0 || column >= widthInTiles || row < 0 || row >= heightInTiles) return -1;
        return row * widthInTiles + column;
    };
    int startIndex = cellOf(start), endIndex = cellOf(end);
    if (startIndex < 0 || endIndex < 0) return std::nullopt;  // outside the map
    if (solidCell(startIndex) || solidCell(endIndex)) return std::nullopt;
    std::vector<int32_t> distances = computePathDistance(startIndex, endIndex, wideDiagonal);
    if (distances.empty()) return std::nullopt;
    std::vector<Ref<EngPoint>> points;
    walkPath(distances, endIndex, points);
    points.back()->set(start->x, start->y);
    points.front()->set(end->x, end->y);
    if (simplify) simplifyPath(points);
    if (raySimplify) raySimplifyPath(points);
    std::vector<Ref<EngPoint>> route;
    for (auto it = points.rbegin(); it != points.rend(); ++it)
        if (*it) route.push_back(*it);
    return route;
}

std::vector<int32_t> EngTilemap::computePathDistance(int startIndex, int endIndex, bool wideDiagonal,
                                                     bool stopOnEnd) {
    int w = widthInTiles, cells = widthInTiles * heightInTiles;
    std::vector<int32_t> distances(cells);
    for (int i = 0; i < cells; ++i) distances[i] = solidCell(i) ? -2 : -1;
    distances[startIndex] = 0;
    int distance = 1;
    std::vector<int> wave{startIndex};
    bool foundEnd = false;
    while (!wave.empty()) {
        std::vector<int> current;
        current.swap(wave);
        for (int c : current) {
            if (c == endIndex) {
                foundEnd = true;
                if (stopOnEnd) {
                    wave.clear();
                    break;
                }
            }
            bool up = c - w >= 0, right = c % w < w - 1, down = c + w < cells, left = c % w > 0;
            auto visit = [&](int n) {
                if (n >= 0 && n < cells && distances[n] == -1) {
                    distances[n] = distance;
                    wave.push_back(n);
                }
            };
            auto open = [&](int a, int b) { return !wideDiagonal || (distances[a] != -2 && distances[b] != -2); };
            if (up) visit(c - w);
            if (right) visit(c + 1);
            if (down) visit(c + w);
            if (left) visit(c - 1);
            if (up && right && open(c - w, c + 1)) visit(c - w + 1);
            if (right && down && open(c + w, c + 1)) visit(c + w + 1);
            if (left && down && open(c + w, c - 1)) visit(c + w - 1);
            if (up && left && open(c - w, c - 1)) visit(c - w - 1);
        }
        ++distance;
    }
    return foundEnd ? distances : std::vector<int32_t>{};
}

void EngTilemap::walkPath(const std::vector<int32_t>& data, int start, std::vector<Ref<EngPoint>>& points) {
    int w = widthInTiles, n = static_cast<int>(data.size());
    for (;;) {
        points.push_back(EngPoint::get(x + (start % w) * _scaledTileWidth + _scaledTileWidth * 0.5,
                                       y + (start / w) * _scaledTileHeight + _scaledTileHeight * 0.5));
        if (start < 0 || start >= n || data[start] == 0) return;
        bool up = start - w >= 0, right = start % w < w - 1, down = start + w < n, left = start % w > 0;
        int candidates[8];
        bool allowed[8] = {up, right, down, left, up && right, right && down, left && down, up && left};
        int offsets[8] = {-w, 1, w, -1, -w + 1, w + 1, w - 1, -w - 1};
        int next = -1;
        for (int k = 0; k < 8; ++k) {
            candidates[k] = start + offsets[k];
            if (!allowed[k]) continue;
            int c = candidates[k];
            if (c >= 0 && c < n && data[c] >= 0 && data[c] < data[start]) {
                next = c;
                break;
            }
        }
        if (next < 0) return;
        start = next;
    }
}

void EngTilemap::simplifyPath(std::vector<Ref<EngPoint>>& points) {
    if (points.size() < 3) return;
    Ref<EngPoint> last = points[0];
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        Ref<EngPoint> node = points[i], next = points[i + 1];
        double deltaPrevious = (node->x - last->x) / (node->y - last->y);
        double deltaNext = (node->x - next->x) / (node->y - next->y);
        if (last->x == next->x || last->y == next->y || deltaPrevious == deltaNext) {
            node->put();
            points[i] = nullptr;
        } else {
            last = node;
        }
    }
}

void EngTilemap::raySimplifyPath(std::vector<Ref<EngPoint>>& points) {
    if (points.empty()) return;
    Ref<EngPoint> source = points[0];
    int lastIndex = -1;
    for (std::size_t i = 1; i < points.size(); ++i) {
        Ref<EngPoint> node = points[i];
        if (!node) continue;
        if (ray(source, node, _point)) {
            if (lastIndex >= 0 && points[lastIndex]) {
                points[lastIndex]->put();
                points[lastIndex] = nullptr;
            }
        } else if (lastIndex >= 0 && points[lastIndex]) {
            source = points[lastIndex];
        }
        lastIndex = static_cast<int>(i);
    }
}

}  // namespace engine

using engine::EngTilemap;

RUNTIME_DEFINE_CLASS(EngTilemap, "engine.tile.EngTilemap", engine::EngObject, (auto& b) {
    b.template field<&EngTilemap::widthInTiles>("widthInTiles")
        .template field<&EngTilemap::heightInTiles>("heightInTiles")
        .template field<&EngTilemap::totalTiles>("totalTiles")
        .emptyInstance();
})
