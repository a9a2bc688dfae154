#include "ClassInfo.h"

#include <map>
#include <mutex>

namespace runtime {

namespace {
std::map<std::string, const ClassInfo*, std::less<>>& registry() {
    static std::map<std::string, const ClassInfo*, std::less<>> r;
    return r;
}
}  // namespace

ClassInfo::ClassInfo(std::string path, const ClassInfo* base) : path_(std::move(path)), base_(base) {
    if (base_ && base_->dynamic_) dynamic_ = true;
}

std::string ClassInfo::shortName() const {
    auto dot = path_.rfind('.');
    return dot == std::string::npos ? path_ : path_.substr(dot + 1);
}

bool ClassInfo::isSubclassOf(const ClassInfo* other) const {
    for (const ClassInfo* c = this; c; c = c->base_)
        if (c == other) return true;
    return false;
}

int ClassInfo::indexOf(const std::vector<Member>&, const std::unordered_map<std::string, int>& idx,
                       std::string_view name) {
    auto it = idx.find(std::string(name));
    return it == idx.end() ? -1 : it->second;
}

const Member* ClassInfo::findMember(std::string_view name) const {
    for (const ClassInfo* c = this; c; c = c->base_) {
        int i = indexOf(c->members_, c->memberIndex_, name);
        if (i >= 0) return &c->members_[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

const Member* ClassInfo::findStatic(std::string_view name) const {
    int i = indexOf(statics_, staticIndex_, name);
    return i >= 0 ? &statics_[static_cast<std::size_t>(i)] : nullptr;
}

std::vector<std::string> ClassInfo::instanceFieldNames() const {
    std::vector<std::string> out;
    for (const ClassInfo* c = this; c; c = c->base_)
        for (const Member& m : c->members_)
            if (m.listed()) out.push_back(m.name);
    return out;
}

std::vector<std::string> ClassInfo::staticNames() const {
    std::vector<std::string> out;
    for (const Member& m : statics_) out.push_back(m.name);
    return out;
}

void ClassInfo::addMember(Member m) {
    auto it = memberIndex_.find(m.name);
    if (it != memberIndex_.end()) {
        members_[static_cast<std::size_t>(it->second)] = std::move(m);
        return;
    }
    memberIndex_[m.name] = static_cast<int>(members_.size());
    members_.push_back(std::move(m));
}

void ClassInfo::addStatic(Member m) {
    auto it = staticIndex_.find(m.name);
    if (it != staticIndex_.end()) {
        statics_[static_cast<std::size_t>(it->second)] = std::move(m);
        return;
    }
    staticIndex_[m.name] = static_cast<int>(statics_.size());
    statics_.push_back(std::move(m));
}

Ref<Object> ClassInfo::createEmpty() const { return empty_ ? empty_() : Ref<Object>(); }

Ref<Object> ClassInfo::create(const Value* args, int argc) const {
    return factory_ ? factory_(args, argc) : Ref<Object>();
}

void ClassInfo::registerClass(const ClassInfo* ci) { registry()[ci->name()] = ci; }

const ClassInfo* ClassInfo::find(std::string_view path) {
    auto& r = registry();
    auto it = r.find(path);
    return it == r.end() ? nullptr : it->second;
}

}  // namespace runtime
