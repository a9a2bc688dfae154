#pragma once
// A display object with an ordered list of children, mirrored onto the native container.
#include "InteractiveObject.h"

namespace framework {

class DisplayObjectContainer : public InteractiveObject {
    RUNTIME_CLASS(DisplayObjectContainer)
public:
    static inline runtime::Primitive media_create_display_object_container;
    static inline runtime::Primitive media_doc_add_child;
    static inline runtime::Primitive media_doc_remove_child;
    static inline runtime::Primitive media_doc_set_child_index;
    static inline runtime::Primitive media_doc_swap_children;
    static inline runtime::Primitive media_doc_get_mouse_children;
    static inline runtime::Primitive media_doc_set_mouse_children;
    static void initClass();

    DisplayObjectContainer(const runtime::Value& handle, const runtime::String& type);
    explicit DisplayObjectContainer(runtime::NoInit n) : InteractiveObject(n) {}

    virtual runtime::Ref<DisplayObject> addChild(const runtime::Ref<DisplayObject>& child);
    virtual runtime::Ref<DisplayObject> addChildAt(const runtime::Ref<DisplayObject>& child, int index);
    virtual bool areInaccessibleObjectsUnderPoint(const runtime::Ref<Point>& point) { return false; }
    virtual bool contains(const runtime::Ref<DisplayObject>& child) { return contains_(child.get()); }
    virtual runtime::Ref<DisplayObject> getChildAt(int index);
    virtual runtime::Ref<DisplayObject> getChildByName(const runtime::String& name);
    virtual int getChildIndex(const runtime::Ref<DisplayObject>& child) { return getChildIndex_(child.get()); }
    virtual std::vector<runtime::Ref<DisplayObject>> getObjectsUnderPoint(const runtime::Ref<Point>& point);
    virtual runtime::Ref<DisplayObject> removeChild(const runtime::Ref<DisplayObject>& child);
    virtual runtime::Ref<DisplayObject> removeChildAt(int index);
    virtual void removeChildren(int beginIndex = 0, int endIndex = 0x7FFFFFFF);
    virtual void setChildIndex(const runtime::Ref<DisplayObject>& child, int index);
    virtual void swapChildren(const runtime::Ref<DisplayObject>& child1, const runtime::Ref<DisplayObject>& child2);
    virtual void swapChildrenAt(int index1, int index2);
    virtual void addChild_(const runtime::Ref<DisplayObject>& child) { addChild(child); }
    virtual int getChildIndex_(const DisplayObject* child);
    virtual void removeChildFromArray_(DisplayObject* child);
    virtual void setChildIndex_(const runtime::Ref<DisplayObject>& child, int index) { setChildIndex(child, index); }
    virtual void swapChildrenAt_(int index1, int index2) { swapChildrenAt(index1, index2); }
    virtual bool get_mouseChildren();
    virtual bool set_mouseChildren(bool value);
    virtual int get_numChildren() { return static_cast<int>(children_.size()); }
    virtual bool get_tabChildren() { return false; }
    virtual bool set_tabChildren(bool) { return false; }

    void broadcast_(const runtime::Ref<Event>& event) override;
    bool contains_(const DisplayObject* child) override;
    DisplayObject* findByID_(int id) override;
    void getObjectsUnderPoint_(const runtime::Ref<Point>& point, std::vector<runtime::Ref<DisplayObject>>& result) override;
    void onAdded_(DisplayObject* object, bool onStage) override;
    void onRemoved_(DisplayObject* object, bool wasOnStage) override;

    std::vector<runtime::Ref<DisplayObject>> children_;
};

}  // namespace framework
