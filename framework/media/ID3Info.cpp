#include "ID3Info.h"

using framework::ID3Info;

RUNTIME_DEFINE_CLASS(ID3Info, "framework.media.ID3Info", runtime::Object, (auto& b) {
    b.template field<&ID3Info::album>("album")
        .template field<&ID3Info::artist>("artist")
        .template field<&ID3Info::comment>("comment")
        .template field<&ID3Info::genre>("genre")
        .template field<&ID3Info::songName>("songName")
        .template field<&ID3Info::track>("track")
        .template field<&ID3Info::year>("year")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<ID3Info>(); });
})
