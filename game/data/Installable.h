#pragma once
// The one installed instance of a hook interface T; a default-made T (the silent stand-in)
// until something installs its own, and again after installing null.
#include <memory>

namespace game {

template <class T>
class Installable {
public:
    static T& get() { return *slot(); }
    static void install(std::shared_ptr<T> instance) { slot() = instance ? std::move(instance) : std::make_shared<T>(); }

private:
    static std::shared_ptr<T>& slot() {
        static std::shared_ptr<T> instance = std::make_shared<T>();
        return instance;
    }
};

}  // namespace game
