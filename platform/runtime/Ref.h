#pragma once
// Intrusive reference-counted pointer for runtime::Object and its subclasses.
#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace runtime {

template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    // Shares ownership of p (its count is raised).
    Ref(T* p) : p_(p) { if (p_) p_->retainRef(); }
    Ref(const Ref& o) : p_(o.p_) { if (p_) p_->retainRef(); }
    Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& o) : p_(o.get()) { if (p_) p_->retainRef(); }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(Ref<U>&& o) noexcept : p_(o.leak()) {}
    ~Ref() { if (p_) p_->releaseRef(); }

    Ref& operator=(Ref o) noexcept { std::swap(p_, o.p_); return *this; }

    // Takes over the count a new object starts with (see make()).
    static Ref adopt(T* p) { Ref r; r.p_ = p; return r; }
    T* leak() noexcept { T* p = p_; p_ = nullptr; return p; }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }

    template <class U>
    Ref<U> cast() const { return Ref<U>(dynamic_cast<U*>(p_)); }

    friend bool operator==(const Ref& a, const Ref& b) { return a.p_ == b.p_; }
    friend bool operator==(const Ref& a, std::nullptr_t) { return a.p_ == nullptr; }

private:
    T* p_ = nullptr;
};

// Every runtime object is created through make(): objects start with a count of one,
// which the returned Ref adopts, so a constructor may safely hand out Ref(this).
template <class T, class... A>
Ref<T> make(A&&... args) {
    return Ref<T>::adopt(new T(std::forward<A>(args)...));
}

}  // namespace runtime

template <class T>
struct std::hash<runtime::Ref<T>> {
    std::size_t operator()(const runtime::Ref<T>& r) const noexcept { return std::hash<T*>()(r.get()); }
};
