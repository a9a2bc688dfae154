#pragma once
// Sandbox settings. There is no sandbox here: the values are plain variables nothing reads and
// the functions do nothing.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class Security : public runtime::Object {
    RUNTIME_CLASS(Security)
public:
    static inline runtime::String LOCAL_TRUSTED;
    static inline runtime::String LOCAL_WITH_FILE;
    static inline runtime::String LOCAL_WITH_NETWORK;
    static inline runtime::String REMOTE;
    static inline bool disableAVM1Loading = false;
    static inline bool exactSettings = false;
    static inline runtime::String sandboxType;

    static void allowDomain(const runtime::Value& = {}, const runtime::Value& = {}, const runtime::Value& = {},
                            const runtime::Value& = {}, const runtime::Value& = {}) {}
    static void allowInsecureDomain(const runtime::Value& = {}, const runtime::Value& = {},
                                    const runtime::Value& = {}, const runtime::Value& = {},
                                    const runtime::Value& = {}) {}
    static void loadPolicyFile(const runtime::String& url) {}
};

}  // namespace framework
