#include "Region.h"

#include "platform/runtime/Args.h"

namespace engine {

int Region::get_numRows() const {
    if (tileHeight == 0) return 1;
    return static_cast<int>(static_cast<double>(height + spacingY) / static_cast<double>(tileHeight + spacingY));
}

int Region::get_numCols() const {
    if (tileWidth == 0) return 1;
    return static_cast<int>(static_cast<double>(width + spacingX) / static_cast<double>(tileWidth + spacingX));
}

runtime::Ref<Region> Region::clone() const {
    return runtime::make<Region>(startX, startY, tileWidth, tileHeight, spacingX, spacingY, width, height);
}

}  // namespace engine

using engine::Region;

RUNTIME_DEFINE_CLASS(Region, "engine.system.layer.Region", runtime::Object, (auto& b) {
    using T = Region;
    b.template field<&T::startX>("startX")
        .template field<&T::startY>("startY")
        .template field<&T::width>("width")
        .template field<&T::height>("height")
        .template field<&T::tileWidth>("tileWidth")
        .template field<&T::tileHeight>("tileHeight")
        .template field<&T::spacingX>("spacingX")
        .template field<&T::spacingY>("spacingY")
        .template readOnlyProperty<&T::get_numTiles>("numTiles")
        .template readOnlyProperty<&T::get_numRows>("numRows")
        .template readOnlyProperty<&T::get_numCols>("numCols")
        .template method<&T::clone>("clone")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<T>(a.integer(0), a.integer(1), a.integer(2), a.integer(3), a.integer(4), a.integer(5),
                                    a.integer(6), a.integer(7));
        });
})
