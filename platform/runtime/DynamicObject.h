#pragma once
// A plain record whose fields are created by writing them (native event records, anonymous
// objects, serialized objects). Fields keep the order of their first write.
#include <string>
#include <utility>
#include <vector>

#include "Value.h"

namespace runtime {

class DynamicObject : public Object {
public:
    DynamicObject() = default;
    DynamicObject(std::initializer_list<std::pair<std::string, Value>> fields);

    bool removeField(std::string_view name);
    std::size_t size() const { return fields_.size(); }
    std::string toString() const override;  // "{ a : 1, b : x }"

protected:
    Value* dynamicSlot(std::string_view name, bool create) override;
    void dynamicNames(std::vector<std::string>& out) const override;

private:
    std::vector<std::pair<std::string, Value>> fields_;
};

}  // namespace runtime
