#pragma once
// Tag texts of a sound, filled by the back end by field name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class ID3Info : public runtime::Object {
    RUNTIME_CLASS(ID3Info)
public:
    ID3Info() = default;
    explicit ID3Info(runtime::NoInit) {}

    runtime::String album;
    runtime::String artist;
    runtime::String comment;
    runtime::String genre;
    runtime::String songName;
    runtime::String track;
    runtime::String year;
};

}  // namespace framework
