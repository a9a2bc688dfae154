#pragma once
// A group of engine objects: member positions that may be empty, an optional size limit and a
// recycling position. Updating or drawing the group updates or draws its members.
#include <functional>
#include <vector>

#include "engine/EngBasic.h"
#include "engine/group/EngTypedGroupIterator.h"
#include "engine/util/EngSort.h"
#include "platform/runtime/Array.h"

namespace engine {

class EngTypedGroup : public EngBasic {
    RUNTIME_CLASS(EngTypedGroup)
public:
    using Member = runtime::Ref<EngBasic>;
    using Compare = std::function<int(int order, EngBasic* a, EngBasic* b)>;
    using Visitor = std::function<void(EngBasic*)>;

    explicit EngTypedGroup(int maxSize = 0);
    explicit EngTypedGroup(runtime::NoInit n) : EngBasic(n) {}

    // The member at a position; null for an empty position or one at or past the end of members.
    EngBasic* memberAt(int i) const {
        return i >= 0 && i < static_cast<int>(members.size()) ? members[i].get() : nullptr;
    }
    // False once destroy has ended the member array.
    bool hasMembers() const { return !membersEnded_; }

    virtual Member add(const Member& member);
    // A dead member revived, or a new one of the class made with the arguments (see the .cpp).
    virtual Member recycle(const runtime::ClassInfo* memberClass = nullptr,
                           const runtime::Ref<runtime::Array>& arguments = nullptr, bool force = false,
                           bool revive = true);
    virtual Member remove(const Member& member, bool splice = false);
    virtual Member replace(const Member& oldMember, const Member& newMember);
    // Sorts every entry, empty ones included, by compare(order, a, b) < 0.
    virtual void sort(const Compare& compare, int order = EngSort::ASCENDING);
    virtual void setAll(const std::string& name, const runtime::Value& value, bool recurse = true);
    virtual void callAll(const std::string& name, const runtime::Ref<runtime::Array>& arguments = nullptr,
                         bool recurse = true);
    virtual Member getFirstAvailable(const runtime::ClassInfo* memberClass = nullptr, bool force = false);
    virtual int getFirstNull();
    virtual Member getFirstExisting();
    virtual Member getFirstAlive();
    virtual Member getFirstDead();
    // -1 when no position holds a member.
    virtual int countLiving();
    virtual int countDead();
    virtual Member getRandom(int startIndex = 0, int endIndex = 0);
    // Empties the group without destroying or killing the members.
    virtual void clear();
    virtual runtime::Ref<EngTypedGroupIterator> iterator(EngTypedGroupIterator::Filter filter = nullptr);
    virtual void forEach(const Visitor& function);
    virtual void forEachAlive(const Visitor& function);
    virtual void forEachDead(const Visitor& function);
    virtual void forEachExists(const Visitor& function);
    virtual void forEachOfType(const runtime::ClassInfo* memberClass, const Visitor& function);
    virtual int set_maxSize(int size);
    int get_maxSize() const { return maxSize; }

    void destroy() override;
    void kill() override;
    void update() override;
    void draw() override;

    std::vector<Member> members;
    int maxSize = 0;
    // Positions in use: every loop visits 0 to length - 1.
    int length = 0;
    int _marker = 0;

protected:
    static bool isInstance(const EngBasic* member, const runtime::ClassInfo* cls);
    void storeAt(int i, const Member& member);

private:
    bool membersEnded_ = false;
};

}  // namespace engine
