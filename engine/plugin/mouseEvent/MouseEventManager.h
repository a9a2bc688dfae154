#pragma once
// Mouse events for engine objects: a registered object gets down, up, over and out callbacks when
// the pointer, tested every step against the registry in order (first = top-most), optionally to
// the pixel, comes over it, leaves it, or presses or releases the left button over it. The first
// registration creates the one manager in the engine's plug-in list.
#include <vector>

#include "engine/EngCamera.h"
#include "engine/group/EngTypedGroup.h"
#include "engine/plugin/EngPlugin.h"
#include "engine/plugin/mouseEvent/ObjectMouseData.h"
#include "engine/util/EngPoint.h"

namespace engine {

class MouseEventManager : public EngPlugin {
    RUNTIME_CLASS(MouseEventManager)
public:
    using Callback = ObjectMouseData::Callback;

    // Clears the registry an earlier manager left.
    MouseEventManager();
    explicit MouseEventManager(runtime::NoInit n) : EngPlugin(n) {}

    void destroy() override;
    void update() override;
    virtual void clearRegistry();
    virtual bool checkOverlap(ObjectMouseData* registration);
    virtual bool checkOverlapWithPoint(ObjectMouseData* registration, const runtime::Ref<EngPoint>& point,
                                       EngCamera* camera);
    virtual bool checkPixelPerfectOverlap(const runtime::Ref<EngPoint>& point, EngSprite* sprite, EngCamera* camera);

    static void init();
    // The newest registration is tested first. Ignored once the manager was destroyed while still
    // in the plug-in list.
    static EngObject* add(const runtime::Ref<EngObject>& object, Callback onMouseDown = nullptr,
                          Callback onMouseUp = nullptr, Callback onMouseOver = nullptr, Callback onMouseOut = nullptr,
                          bool mouseChildren = false, bool mouseEnabled = true, bool pixelPerfect = true);
    // Takes out every registration of the object.
    static EngObject* remove(EngObject* object);
    // The registry in drawing order of the current state, the top-most first; objects outside the
    // state's groups, and objects that are not sprites, are dropped.
    static void reorder();
    static void setMouseDownCallback(EngObject* object, Callback callback);
    static void setMouseUpCallback(EngObject* object, Callback callback);
    static void setMouseOverCallback(EngObject* object, Callback callback);
    static void setMouseOutCallback(EngObject* object, Callback callback);
    static void setObjectMouseEnabled(EngObject* object, bool enabled);
    static bool isObjectMouseEnabled(EngObject* object);
    static void setObjectMouseChildren(EngObject* object, bool children);
    // Throws an Error for an object that is not registered.
    static bool isObjectMouseChildren(EngObject* object);
    static void traverseEngGroup(EngTypedGroup* group, std::vector<runtime::Ref<ObjectMouseData>>& ordered);
    // The first registration of the object in the list (the registry when null).
    static ObjectMouseData* getRegister(EngObject* object,
                                        const std::vector<runtime::Ref<ObjectMouseData>>* list = nullptr);

    // Meaningful while _registryExists.
    static inline std::vector<runtime::Ref<ObjectMouseData>> _registeredObjects;
    static inline std::vector<runtime::Ref<ObjectMouseData>> _mouseOverObjects;
    static inline bool _registryExists = false;
    static inline runtime::Ref<EngPoint> _point;
};

}  // namespace engine
