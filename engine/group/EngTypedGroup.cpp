#include "EngTypedGroup.h"

#include <algorithm>
#include <cstdlib>

#include "engine/util/EngArrayUtil.h"
#include "engine/util/EngRandom.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Function.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

EngTypedGroup::EngTypedGroup(int size) {
    set_maxSize(std::abs(size));
    collisionType = EngCollisionType::GROUP;
}

bool EngTypedGroup::isInstance(const EngBasic* member, const runtime::ClassInfo* cls) {
    const runtime::ClassInfo* ci = member->classInfo();
    return ci && ci->isSubclassOf(cls);
}

void EngTypedGroup::storeAt(int i, const Member& member) {
    if (i >= static_cast<int>(members.size())) members.resize(i + 1);
    members[i] = member;
}

EngTypedGroup::Member EngTypedGroup::add(const Member& member) {
    if (!member) return nullptr;
    if (std::find(members.begin(), members.end(), member) != members.end()) return member;
    int i = getFirstNull();
    if (i != -1) {
        storeAt(i, member);
        if (i >= length) length = i + 1;
        return member;
    }
    if (maxSize == 0 || length < maxSize) {
        members.push_back(member);
        ++length;
    }
    return member;
}

EngTypedGroup::Member EngTypedGroup::recycle(const runtime::ClassInfo* cls, const Ref<runtime::Array>& arguments,
                                             bool force, bool revive) {
    auto create = [&]() -> Member {
        if (!cls) return nullptr;
        const Value* args = arguments ? arguments->items.data() : nullptr;
        int argc = arguments ? arguments->length() : 0;
        Ref<EngBasic> made(dynamic_cast<EngBasic*>(cls->create(args, argc).get()));
        return add(made);
    };
    if (maxSize == 0) {
        Member m = getFirstAvailable(cls, force);
        if (m) {
            if (revive) m->revive();
            return m;
        }
        return create();
    }
    if (length >= maxSize) {
        Member m(memberAt(_marker));
        if (++_marker >= maxSize) _marker = 0;
        // An empty position at the marker hands out nothing rather than failing.
        if (m && revive) m->revive();
        return m;
    }
    return create();
}

EngTypedGroup::Member EngTypedGroup::remove(const Member& member, bool splice) {
    if (membersEnded_) return nullptr;
    auto it = std::find(members.begin(), members.end(), member);
    if (!member || it == members.end()) return nullptr;
    if (splice) members.erase(it);
    else *it = nullptr;
    return member;
}

EngTypedGroup::Member EngTypedGroup::replace(const Member& oldMember, const Member& newMember) {
    auto it = std::find(members.begin(), members.end(), oldMember);
    if (!oldMember || it == members.end()) return nullptr;
    *it = newMember;
    return newMember;
}

void EngTypedGroup::sort(const Compare& compare, int order) {
    std::stable_sort(members.begin(), members.end(),
                     [&](const Member& a, const Member& b) { return compare(order, a.get(), b.get()) < 0; });
}

void EngTypedGroup::setAll(const std::string& name, const Value& value, bool recurse) {
    for (int i = 0; i < length; ++i) {
        Ref<EngBasic> m(memberAt(i));
        if (!m) continue;
        if (recurse && m->collisionType == EngCollisionType::GROUP)
            static_cast<EngTypedGroup*>(m.get())->setAll(name, value, true);
        else
            m->setField(name, value);
    }
}

void EngTypedGroup::callAll(const std::string& name, const Ref<runtime::Array>& arguments, bool recurse) {
    for (int i = 0; i < length; ++i) {
        Ref<EngBasic> m(memberAt(i));
        if (!m) continue;
        if (recurse && m->collisionType == EngCollisionType::GROUP) {
            static_cast<EngTypedGroup*>(m.get())->callAll(name, arguments, true);
            continue;
        }
        Value f = m->getField(name);
        if (!f.function()) runtime::Thrown::text(runtime::Thrown::NULL_FUNCTION);
        f.function()->callArgs(arguments ? arguments->items.data() : nullptr, arguments ? arguments->length() : 0);
    }
}

EngTypedGroup::Member EngTypedGroup::getFirstAvailable(const runtime::ClassInfo* cls, bool force) {
    for (int i = 0; i < length; ++i) {
        EngBasic* m = memberAt(i);
        if (!m || m->exists) continue;
        if (cls && !isInstance(m, cls)) continue;
        if (cls && force && m->classInfo()->name() != cls->name()) continue;
        return Member(m);
    }
    return nullptr;
}

int EngTypedGroup::getFirstNull() {
    for (int i = 0; i < length; ++i)
        if (!memberAt(i)) return i;
    return -1;
}

EngTypedGroup::Member EngTypedGroup::getFirstExisting() {
    for (int i = 0; i < length; ++i)
        if (EngBasic* m = memberAt(i); m && m->exists) return Member(m);
    return nullptr;
}

EngTypedGroup::Member EngTypedGroup::getFirstAlive() {
    for (int i = 0; i < length; ++i)
        if (EngBasic* m = memberAt(i); m && m->exists && m->alive) return Member(m);
    return nullptr;
}

EngTypedGroup::Member EngTypedGroup::getFirstDead() {
    for (int i = 0; i < length; ++i)
        if (EngBasic* m = memberAt(i); m && !m->alive) return Member(m);
    return nullptr;
}

int EngTypedGroup::countLiving() {
    int count = -1;
    for (int i = 0; i < length; ++i) {
        EngBasic* m = memberAt(i);
        if (!m) continue;
        if (count < 0) count = 0;
        if (m->exists && m->alive) ++count;
    }
    return count;
}

int EngTypedGroup::countDead() {
    int count = -1;
    for (int i = 0; i < length; ++i) {
        EngBasic* m = memberAt(i);
        if (!m) continue;
        if (count < 0) count = 0;
        if (!m->alive) ++count;
    }
    return count;
}

EngTypedGroup::Member EngTypedGroup::getRandom(int startIndex, int endIndex) {
    if (startIndex < 0) startIndex = 0;
    if (endIndex <= 0) endIndex = length;
    return EngRandom::getObject(members, startIndex, endIndex);
}

void EngTypedGroup::clear() {
    length = 0;
    EngArrayUtil::clearArray(members);
}

Ref<EngTypedGroupIterator> EngTypedGroup::iterator(EngTypedGroupIterator::Filter filter) {
    return runtime::make<EngTypedGroupIterator>(Ref<runtime::Object>(this), &members, std::move(filter));
}

void EngTypedGroup::forEach(const Visitor& fn) {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}) fn(m.get());
}

void EngTypedGroup::forEachAlive(const Visitor& fn) {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && m->exists && m->alive) fn(m.get());
}

void EngTypedGroup::forEachDead(const Visitor& fn) {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && !m->alive) fn(m.get());
}

void EngTypedGroup::forEachExists(const Visitor& fn) {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && m->exists) fn(m.get());
}

void EngTypedGroup::forEachOfType(const runtime::ClassInfo* cls, const Visitor& fn) {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && isInstance(m.get(), cls)) fn(m.get());
}

int EngTypedGroup::set_maxSize(int size) {
    maxSize = std::abs(size);
    if (_marker >= maxSize) _marker = 0;
    if (maxSize == 0 || membersEnded_ || maxSize >= length) return maxSize;
    for (int i = maxSize; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}) m->destroy();
    EngArrayUtil::setLength(members, maxSize);
    length = static_cast<int>(members.size());
    return maxSize;
}

void EngTypedGroup::destroy() {
    EngBasic::destroy();
    if (membersEnded_) return;
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}) m->destroy();
    members.clear();
    membersEnded_ = true;
}

void EngTypedGroup::kill() {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && m->exists) m->kill();
    EngBasic::kill();
}

void EngTypedGroup::update() {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && m->exists && m->active) m->update();
}

void EngTypedGroup::draw() {
    for (int i = 0; i < length; ++i)
        if (Ref<EngBasic> m{memberAt(i)}; m && m->exists && m->visible) m->draw();
}

}  // namespace engine

using engine::EngTypedGroup;

RUNTIME_DEFINE_CLASS(EngTypedGroup, "engine.group.EngTypedGroup", engine::EngBasic, (auto& b) {
    b.template field<&EngTypedGroup::length>("length")
        .template property<&EngTypedGroup::get_maxSize, &EngTypedGroup::set_maxSize>("maxSize")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<EngTypedGroup>(runtime::Args(args, argc).integer(0));
        });
})
