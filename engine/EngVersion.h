#pragma once
// The engine's version: major, minor, patch and an optional patch label.
#include "platform/runtime/Object.h"
#include "platform/runtime/String.h"

namespace engine {

class EngVersion : public runtime::Object {
public:
    EngVersion(int major, int minor, int patch, const runtime::String& patchVersion = "")
        : major(major), minor(minor), patch(patch), patchVersion(patchVersion.isNull() ? runtime::String("") : patchVersion) {}

    // "Glint 3.3.8", with "-" and the label when there is one.
    std::string toString() const override;

    int major;
    int minor;
    int patch;
    runtime::String patchVersion;
};

}  // namespace engine
