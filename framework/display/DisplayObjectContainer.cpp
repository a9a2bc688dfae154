#include "DisplayObjectContainer.h"

#include "Stage.h"
#include "framework/Lib.h"
#include "framework/errors/ArgumentError.h"
#include "framework/errors/RangeError.h"

namespace framework {

using runtime::Ref;

namespace {
[[noreturn]] void raise(const Ref<Error>& error) { throw runtime::Thrown(runtime::Value(error)); }
}  // namespace

void DisplayObjectContainer::initClass() {
    static const bool done = [] {
        media_create_display_object_container = MEDIA_LOAD(media_native_create_display_object_container);
        media_doc_add_child = MEDIA_LOAD(media_native_doc_add_child);
        media_doc_remove_child = MEDIA_LOAD(media_native_doc_remove_child);
        media_doc_set_child_index = MEDIA_LOAD(media_native_doc_set_child_index);
        media_doc_swap_children = MEDIA_LOAD(media_native_doc_swap_children);
        media_doc_get_mouse_children = MEDIA_LOAD(media_native_doc_get_mouse_children);
        media_doc_set_mouse_children = MEDIA_LOAD(media_native_doc_set_mouse_children);
        return true;
    }();
    (void)done;
}

DisplayObjectContainer::DisplayObjectContainer(const runtime::Value& handle, const runtime::String& type)
    : InteractiveObject(handle, type) {
    initClass();
}

Ref<DisplayObject> DisplayObjectContainer::addChild(const Ref<DisplayObject>& child) {
    if (!child) runtime::Thrown::text("Cannot add a null child");
    if (child.get() == static_cast<DisplayObject*>(this)) runtime::Thrown::text("Adding to self");
    Ref<DisplayObject> keepThis(this);
    if (child->parent_.get() == this) {
        setChildIndex(child, get_numChildren() - 1);
        return child;
    }
    child->setParent_(this);
    children_.push_back(child);
    media_doc_add_child(handle_, child->handle_);
    return child;
}

Ref<DisplayObject> DisplayObjectContainer::addChildAt(const Ref<DisplayObject>& child, int index) {
    addChild(child);
    setChildIndex(child, index);
    return child;
}

void DisplayObjectContainer::setChildIndex(const Ref<DisplayObject>& child, int index) {
    if (index < 0 || index >= get_numChildren()) runtime::Thrown::text("Invalid index position " + std::to_string(index));
    if (!child) runtime::Thrown::text("setChildIndex : object null not found.");
    int s = getChildIndex_(child.get());
    if (s == -1) {
        std::string msg = "setChildIndex : object " + child->toString() + " not found.";
        if (child->parent_.get() == this) msg += "Internal error: Child was not in __children array!";
        runtime::Thrown::text(msg);
    }
    media_doc_set_child_index(handle_, child->handle_, index);
    Ref<DisplayObject> moving = children_[static_cast<std::size_t>(s)];
    if (index < s) {
        for (int i = s; i > index; --i) children_[static_cast<std::size_t>(i)] = children_[static_cast<std::size_t>(i - 1)];
    } else {
        for (int i = s; i < index; ++i) children_[static_cast<std::size_t>(i)] = children_[static_cast<std::size_t>(i + 1)];
    }
    children_[static_cast<std::size_t>(index)] = moving;
}

void DisplayObjectContainer::swapChildren(const Ref<DisplayObject>& child1, const Ref<DisplayObject>& child2) {
    int i1 = getChildIndex_(child1.get());
    int i2 = getChildIndex_(child2.get());
    if (i1 == -1 || i2 == -1) runtime::Thrown::text("swapChildren:Could not find children");
    swapChildrenAt(i1, i2);
}

void DisplayObjectContainer::swapChildrenAt(int index1, int index2) {
    int n = get_numChildren();
    if (index1 < 0 || index2 < 0 || index1 >= n || index2 >= n)
        raise(runtime::make<RangeError>("swapChildrenAt : index out of bounds"));
    if (index1 == index2) return;
    std::swap(children_[static_cast<std::size_t>(index1)], children_[static_cast<std::size_t>(index2)]);
    media_doc_swap_children(handle_, index1, index2);
}

Ref<DisplayObject> DisplayObjectContainer::removeChild(const Ref<DisplayObject>& child) {
    if (getChildIndex_(child.get()) == -1) return nullptr;
    Ref<DisplayObject> keep = child;
    child->setParent_(nullptr);
    return keep;
}

Ref<DisplayObject> DisplayObjectContainer::removeChildAt(int index) {
    if (index < 0 || index >= get_numChildren())
        raise(runtime::make<ArgumentError>("The supplied DisplayObject must be a child of the caller."));
    Ref<DisplayObject> child = children_[static_cast<std::size_t>(index)];
    child->setParent_(nullptr);
    return child;
}

void DisplayObjectContainer::removeChildren(int beginIndex, int endIndex) {
    if (endIndex == 0x7FFFFFFF) {
        endIndex = get_numChildren() - 1;
        if (endIndex < 0) return;
    }
    if (beginIndex > get_numChildren() - 1) return;
    if (endIndex < beginIndex || beginIndex < 0 || endIndex > get_numChildren() - 1)
        raise(runtime::make<RangeError>("The supplied index is out of bounds."));
    for (int i = 0, n = endIndex - beginIndex + 1; i < n; ++i) removeChildAt(beginIndex);
}

void DisplayObjectContainer::removeChildFromArray_(DisplayObject* child) {
    int i = getChildIndex_(child);
    if (i == -1) return;
    media_doc_remove_child(handle_, i);
    children_.erase(children_.begin() + i);
}

Ref<DisplayObject> DisplayObjectContainer::getChildAt(int index) {
    if (index >= 0 && index < get_numChildren()) return children_[static_cast<std::size_t>(index)];
    raise(runtime::make<RangeError>("getChildAt : index out of bounds " + std::to_string(index) + "/" +
                                    std::to_string(get_numChildren())));
}

Ref<DisplayObject> DisplayObjectContainer::getChildByName(const runtime::String& name) {
    for (std::size_t i = 0; i < children_.size(); ++i) {
        Ref<DisplayObject> c = children_[i];
        if (c->get_name() == name) return c;
    }
    return nullptr;
}

int DisplayObjectContainer::getChildIndex_(const DisplayObject* child) {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == child) return static_cast<int>(i);
    return -1;
}

bool DisplayObjectContainer::contains_(const DisplayObject* child) {
    if (!child) return false;
    if (child == this) return true;
    for (std::size_t i = 0; i < children_.size(); ++i) {
        Ref<DisplayObject> c = children_[i];
        if (c.get() == child || c->contains_(child)) return true;
    }
    return false;
}

bool DisplayObjectContainer::get_mouseChildren() { return media_doc_get_mouse_children(handle_).toBool(); }

bool DisplayObjectContainer::set_mouseChildren(bool value) {
    media_doc_set_mouse_children(handle_, value);
    return value;
}

void DisplayObjectContainer::broadcast_(const Ref<Event>& event) {
    Ref<DisplayObject> keep(this);
    std::size_t i = 0;
    while (i < children_.size()) {
        Ref<DisplayObject> child = children_[i];
        child->broadcast_(event);
        if (i >= children_.size()) break;
        if (children_[i].get() == child.get()) ++i;
    }
    dispatchEvent_(event);
}

DisplayObject* DisplayObjectContainer::findByID_(int id) {
    if (id == id_) return this;
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (DisplayObject* found = children_[i]->findByID_(id)) return found;
    return nullptr;
}

void DisplayObjectContainer::getObjectsUnderPoint_(const Ref<Point>& point, std::vector<Ref<DisplayObject>>& result) {
    DisplayObject::getObjectsUnderPoint_(point, result);
    for (std::size_t i = 0; i < children_.size(); ++i) {
        Ref<DisplayObject> c = children_[i];
        c->getObjectsUnderPoint_(point, result);
    }
}

std::vector<Ref<DisplayObject>> DisplayObjectContainer::getObjectsUnderPoint(const Ref<Point>& point) {
    Ref<DisplayObject> keep(this);
    bool onStage = static_cast<bool>(get_stage());
    bool wasVisible = get_visible();
    if (!onStage) {
        set_visible(false);
        Lib::get_stage()->addChild(keep);
    }
    std::vector<Ref<DisplayObject>> result;
    getObjectsUnderPoint_(point, result);
    if (!onStage) {
        Lib::get_stage()->removeChild(keep);
        set_visible(wasVisible);
    }
    return result;
}

void DisplayObjectContainer::onAdded_(DisplayObject* object, bool onStage) {
    DisplayObject::onAdded_(object, onStage);
    for (std::size_t i = 0; i < children_.size(); ++i) {
        Ref<DisplayObject> c = children_[i];
        c->onAdded_(object, onStage);
    }
}

void DisplayObjectContainer::onRemoved_(DisplayObject* object, bool wasOnStage) {
    DisplayObject::onRemoved_(object, wasOnStage);
    for (std::size_t i = 0; i < children_.size(); ++i) {
        Ref<DisplayObject> c = children_[i];
        c->onRemoved_(object, wasOnStage);
    }
}

RUNTIME_DEFINE_CLASS(DisplayObjectContainer, "framework._native.display.DisplayObjectContainer", InteractiveObject,
                     (auto& b) {
    using C = DisplayObjectContainer;
    b.template property<&C::get_mouseChildren, &C::set_mouseChildren>("mouseChildren")
        .template readOnlyProperty<&C::get_numChildren>("numChildren")
        .template property<&C::get_tabChildren, &C::set_tabChildren>("tabChildren")
        .template method<&C::addChild>("addChild")
        .template method<&C::addChildAt>("addChildAt")
        .template method<&C::contains>("contains")
        .template method<&C::getChildAt>("getChildAt")
        .template method<&C::getChildByName>("getChildByName")
        .template method<&C::getChildIndex>("getChildIndex")
        .template method<&C::removeChild>("removeChild")
        .template method<&C::removeChildAt>("removeChildAt")
        .template method<&C::setChildIndex>("setChildIndex")
        .template method<&C::swapChildren>("swapChildren")
        .template method<&C::swapChildrenAt>("swapChildrenAt")
        .template staticField<&C::media_create_display_object_container>("media_create_display_object_container")
        .template staticField<&C::media_doc_add_child>("media_doc_add_child")
        .template staticField<&C::media_doc_remove_child>("media_doc_remove_child")
        .template staticField<&C::media_doc_set_child_index>("media_doc_set_child_index")
        .template staticField<&C::media_doc_swap_children>("media_doc_swap_children")
        .template staticField<&C::media_doc_get_mouse_children>("media_doc_get_mouse_children")
        .template staticField<&C::media_doc_set_mouse_children>("media_doc_set_mouse_children");
    // numChildren without property access: a storage slot of its own, 0 until written.
    runtime::Member m = *b.info().findMember("numChildren");
    m.rawGet = [](runtime::Object* o) -> runtime::Value {
        runtime::Value* slot = o->shadowSlot("numChildren", false);
        return slot ? *slot : runtime::Value(0);
    };
    b.info().addMember(std::move(m));
})

}  // namespace framework
