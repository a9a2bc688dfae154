#pragma once
// An engine input device, reset, updated and told of focus changes by the input front end.

namespace engine {

class IEngInput {
public:
    virtual ~IEngInput() = default;
    virtual void reset() = 0;
    virtual void update() = 0;
    virtual void onFocus() = 0;
    virtual void onFocusLost() = 0;
    virtual void destroy() = 0;
};

}  // namespace engine
