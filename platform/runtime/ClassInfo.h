#pragma once
// A registered class: its full class path, base class, member table and factories.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Member.h"

namespace runtime {

class ClassInfo {
public:
    using Factory = std::function<Ref<Object>(const Value* args, int argc)>;

    ClassInfo(std::string path, const ClassInfo* base);
    ClassInfo(const ClassInfo&) = delete;

    const std::string& name() const { return path_; }
    // The last component of the class path ("Sprite" for "framework.display.Sprite").
    std::string shortName() const;
    const ClassInfo* base() const { return base_; }
    bool isSubclassOf(const ClassInfo* other) const;
    // Accepts fields that no class declares.
    bool isDynamic() const { return dynamic_; }
    void setDynamic(bool d) { dynamic_ = d; }

    // Instance members, searched in this class, then its bases.
    const Member* findMember(std::string_view name) const;
    // Static members of this class only.
    const Member* findStatic(std::string_view name) const;
    // Listed instance fields: this class's in declaration order, then its bases'.
    std::vector<std::string> instanceFieldNames() const;
    std::vector<std::string> staticNames() const;

    void addMember(Member m);
    void addStatic(Member m);

    // Instance made without running the class's constructor (fields zero or empty); null when
    // the class has no such factory.
    Ref<Object> createEmpty() const;
    // Instance made by reflection with constructor arguments; null without a constructor factory.
    Ref<Object> create(const Value* args, int argc) const;
    void setEmptyFactory(std::function<Ref<Object>()> f) { empty_ = std::move(f); }
    void setFactory(Factory f) { factory_ = std::move(f); }

    // The registry by full class path.
    static void registerClass(const ClassInfo* ci);
    static const ClassInfo* find(std::string_view path);

private:
    static int indexOf(const std::vector<Member>& list, const std::unordered_map<std::string, int>& idx,
                       std::string_view name);

    std::string path_;
    const ClassInfo* base_;
    bool dynamic_ = false;
    std::vector<Member> members_;
    std::unordered_map<std::string, int> memberIndex_;
    std::vector<Member> statics_;
    std::unordered_map<std::string, int> staticIndex_;
    std::function<Ref<Object>()> empty_;
    Factory factory_;
};

}  // namespace runtime
