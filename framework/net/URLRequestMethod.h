#pragma once
// Request method names.
#include "platform/runtime/String.h"

namespace framework {

class URLRequestMethod {
public:
    static inline const runtime::String DELETE = "DELETE";
    static inline const runtime::String GET = "GET";
    static inline const runtime::String HEAD = "HEAD";
    static inline const runtime::String OPTIONS = "OPTIONS";
    static inline const runtime::String POST = "POST";
    static inline const runtime::String PUT = "PUT";
};

}  // namespace framework
