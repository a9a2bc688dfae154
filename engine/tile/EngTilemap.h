#pragma once
// The engine's grid map: cells of tile indices drawn from one tile picture, with one shared tile
// record per index that says how that kind of tile collides. Loads from comma-separated text or
// an array, auto-tiles, tests overlaps cell by cell, casts rays and finds paths.
#include <optional>
#include <vector>

#include "engine/EngObject.h"
#include "engine/system/layer/Region.h"
#include "engine/system/layer/frames/EngSpriteFrames.h"
#include "engine/tile/EngTile.h"
#include "engine/tile/EngTilemapBuffer.h"
#include "engine/util/EngCallbackPoint.h"
#include "engine/util/EngRect.h"
#include "engine/util/loaders/CachedGraphics.h"

namespace engine {

class EngCamera;
class EngSprite;

class EngTilemap : public EngObject {
    RUNTIME_CLASS(EngTilemap)
public:
    static constexpr int OFF = 0;
    static constexpr int AUTO = 1;
    static constexpr int ALT = 2;

    EngTilemap();
    explicit EngTilemap(runtime::NoInit n) : EngObject(n) {}
    ~EngTilemap() override;

    void destroy() override;

    // mapData: comma-separated text (rows at line feeds) or an array of Int, for which the caller
    // sets widthInTiles and heightInTiles first. tileGraphic: anything the bitmap cache takes.
    virtual EngTilemap* loadMap(const runtime::Value& mapData, const runtime::Value& tileGraphic, int tileWidth = 0,
                                int tileHeight = 0, int autoTile = OFF, int startingIndex = 0, int drawIndex = 1,
                                int collideIndex = 1);
    virtual EngTilemap* loadMap(const std::vector<int32_t>& mapData, const runtime::Value& tileGraphic,
                                int tileWidth = 0, int tileHeight = 0, int autoTile = OFF, int startingIndex = 0,
                                int drawIndex = 1, int collideIndex = 1);
    // Stored for the next loadMap: an index remapping, and values replaced by a random variant.
    virtual void setCustomTileMappings(std::vector<int32_t>* mappings, std::vector<int32_t>* randomIndices = nullptr,
                                       std::vector<std::vector<int32_t>>* randomChoices = nullptr,
                                       runtime::Ref<runtime::Function> randomLambda = nullptr);
    // The cells; with simple, 1 for each colliding cell and 0 otherwise.
    virtual std::vector<int32_t> getData(bool simple = false);
    // Every buffer is marked dirty.
    virtual void setDirty(bool dirty = true);
    // Adds the visible cells to each shown camera's draw batch.
    void draw() override;
    virtual void drawTilemap(EngTilemapBuffer* buffer, EngCamera* camera);
    virtual runtime::Ref<EngTilemapBuffer> createBuffer(EngCamera* camera);
    virtual void updateBuffers();
    bool set_pixelPerfectRender(bool value) override;
    // A buffer whose row or column count no longer fits its camera is replaced.
    virtual void onGameResize(int width, int height);
    // One frame per picture tile, and the tile id of every cell.
    virtual void updateFrameData();
    // A new sprite holding the cell's tile picture; a new tile of 0 or above replaces the cell.
    virtual runtime::Ref<EngSprite> tileToEngSprite(int x, int y, int newTile = 0);
    // A route of pooled points from start to end in world coordinates, or null.
    virtual std::optional<std::vector<runtime::Ref<EngPoint>>> findPath(const runtime::Ref<EngPoint>& start,
                                                          const runtime::Ref<EngPoint>& end, bool simplify = true,
                                                          bool raySimplify = false, bool wideDiagonal = true);
    virtual bool tilemapOverlapsCallback(EngBasic* objectOrGroup, double x = 0, double y = 0,
                                         bool inScreenSpace = false, EngCamera* camera = nullptr);
    virtual bool tilemapOverlapsAtCallback(EngBasic* objectOrGroup, double x, double y, bool inScreenSpace,
                                           EngCamera* camera);
    // True when the object overlaps a colliding cell that the callback (if any) accepted.
    virtual bool overlapsWithCallback(EngObject* object, runtime::Ref<runtime::Function> callback = nullptr,
                                      bool flipCallbackParams = false, EngPoint* position = nullptr);
    virtual bool overlaps(EngBasic* objectOrGroup, bool inScreenSpace = false, EngCamera* camera = nullptr);
    virtual bool overlapsAt(double x, double y, EngBasic* objectOrGroup, bool inScreenSpace = false,
                            EngCamera* camera = nullptr);
    virtual bool overlapsPoint(const runtime::Ref<EngPoint>& worldPoint, bool inScreenSpace = false,
                               EngCamera* camera = nullptr);
    virtual int32_t getTile(int x, int y);
    virtual int32_t getTileByIndex(int index);
    virtual int getTileCollisions(int index);
    // Cell indices holding the value, ascending; empty when none (null in the original sense).
    virtual std::vector<int> getTileInstances(int index);
    // Pooled points at the cells holding the value (their centres with midpoint); the caller owns them.
    virtual std::vector<runtime::Ref<EngPoint>> getTileCoords(int index, bool midpoint = true);
    virtual bool setTile(int x, int y, int tile, bool updateGraphics = true);
    virtual bool setTileByIndex(int index, int tile, bool updateGraphics = true);
    virtual void setTileProperties(int tile, int allowCollisions = EngObject::ANY,
                                   runtime::Ref<runtime::Function> callback = nullptr,
                                   const runtime::ClassInfo* callbackFilter = nullptr, int range = 1);
    // Keeps the camera inside the map minus a border of that many tiles.
    virtual void follow(EngCamera* camera = nullptr, int border = 0, bool updateWorld = true);
    virtual runtime::Ref<EngRect> getBounds(runtime::Ref<EngRect> bounds = nullptr);
    // True when the segment meets no colliding cell; otherwise the entry point (relative to the
    // map's corner) goes to result.
    virtual bool ray(const runtime::Ref<EngPoint>& start, const runtime::Ref<EngPoint>& end,
                     runtime::Ref<EngPoint> result = nullptr, double resolution = 1);
    virtual void simplifyPath(std::vector<runtime::Ref<EngPoint>>& points);
    virtual void raySimplifyPath(std::vector<runtime::Ref<EngPoint>>& points);
    // Steps from the start cell over walkable cells (8 neighbours); empty when the end is not reached.
    virtual std::vector<int32_t> computePathDistance(int startIndex, int endIndex, bool wideDiagonal,
                                                     bool stopOnEnd = true);
    virtual void walkPath(const std::vector<int32_t>& data, int start, std::vector<runtime::Ref<EngPoint>>& points);
    virtual void updateTile(int index);
    virtual void autoTile(int index);
    virtual runtime::Ref<CachedGraphics> set_cachedGraphics(runtime::Ref<CachedGraphics> value);
    virtual void setScaleXYCallback(const runtime::Value& scalePoint);
    virtual void setScaleXCallback(const runtime::Value& scalePoint);
    virtual void setScaleYCallback(const runtime::Value& scalePoint);

    int autoTiling = OFF;
    int widthInTiles = 0;
    int heightInTiles = 0;
    int totalTiles = 0;
    double tileScaleHack = 1.01;
    std::vector<int32_t> customTileRemap;
    bool hasCustomTileRemap = false;
    runtime::Ref<EngCallbackPoint> scale;
    runtime::Ref<CachedGraphics> cachedGraphics;
    std::vector<int32_t> _randomIndices;
    bool hasRandomIndices = false;
    std::vector<std::vector<int32_t>> _randomChoices;
    runtime::Ref<runtime::Function> _randomLambda;
    std::vector<int32_t> _data;
    int _tileWidth = 0;
    int _tileHeight = 0;
    double _scaledTileWidth = 0;
    double _scaledTileHeight = 0;
    std::vector<runtime::Ref<EngTile>> _tileObjects;
    int _startingIndex = 0;
    // Tiles of the picture inside its whole-tile area.
    int _numTiles = 0;
    runtime::Ref<Region> region;
    runtime::Ref<EngSpriteFrames> framesData;
    std::vector<runtime::Ref<EngTilemapBuffer>> _buffers;
    std::vector<int32_t> _rectIDs;
    runtime::Ref<framework::Point> _helperPoint;
    // Scratch for the size comparisons of a resize.
    static runtime::Ref<EngTilemapBuffer> _helperBuffer;

private:
    runtime::Ref<runtime::Function> resizeListener_;
    void loadCells(const runtime::Value& tileGraphic, int tileWidth, int tileHeight, int drawIndex, int collideIndex);
    // The tile record of a cell value; null when the value has none.
    EngTile* record(int32_t value) const;
    bool solidCell(int index) const;
    EngObject* asObject(EngBasic* basic) const;
};

}  // namespace engine
