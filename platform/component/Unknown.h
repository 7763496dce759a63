#pragma once

#include "platform/component/Guid.h"
#include "platform/component/HResult.h"

#include <atomic>
#include <cassert>
#include <cstdint>
#include <utility>

namespace quorvex::platform::component {

// The root of every interface: reference counting and interface queries.
// An object answers a query for each interface it implements with a pointer
// to that interface (one reference added), and kNoInterface otherwise. Every
// interface carries its identifier as `kIid`.
class IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{8612AD42-2CFC-46BA-BC3E-A8EC10D53D5E}");

    virtual HResult queryInterface(const Guid& iid, void** out) = 0;
    virtual uint32_t addRef() = 0;
    virtual uint32_t release() = 0;

protected:
    // Objects die through release(), never through a base pointer.
    ~IUnknown() = default;
};

// An owning interface pointer: adds a reference when copied, releases it when
// destroyed. `Ref<T>::adopt(p)` takes over a reference the caller already
// holds (the out-value of a query or a creation).
template<class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) { }
    // Shares p: adds a reference.
    explicit Ref(T* p)
        : m_ptr(p)
    {
        if (m_ptr)
            m_ptr->addRef();
    }
    static Ref adopt(T* p)
    {
        Ref r;
        r.m_ptr = p;
        return r;
    }
    Ref(const Ref& other)
        : Ref(other.m_ptr)
    {
    }
    Ref(Ref&& other) noexcept
        : m_ptr(std::exchange(other.m_ptr, nullptr))
    {
    }
    template<class U>
        requires std::is_convertible_v<U*, T*>
    Ref(Ref<U> other)
        : m_ptr(other.detach())
    {
    }
    ~Ref() { reset(); }
    Ref& operator=(Ref other) noexcept
    {
        std::swap(m_ptr, other.m_ptr);
        return *this;
    }

    void reset()
    {
        if (T* p = std::exchange(m_ptr, nullptr))
            p->release();
    }
    // Gives up ownership without releasing.
    T* detach() { return std::exchange(m_ptr, nullptr); }
    // For out-parameters: releases the current pointer and lets the callee
    // store one that this Ref then owns.
    T** put()
    {
        reset();
        return &m_ptr;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    T* get() const { return m_ptr; }
    T* operator->() const
    {
        assert(m_ptr);
        return m_ptr;
    }
    T& operator*() const { return *m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    friend bool operator==(const Ref& a, const Ref& b) { return a.m_ptr == b.m_ptr; }

private:
    T* m_ptr = nullptr;
};

// Queries `object` for interface I; an empty Ref when it has none.
template<class I, class From>
Ref<I> queryInterface(From* object)
{
    Ref<I> result;
    if (object)
        object->queryInterface(I::kIid, result.putVoid());
    return result;
}
template<class I, class From>
Ref<I> queryInterface(const Ref<From>& object)
{
    return queryInterface<I>(object.get());
}

// A thread-safe reference count starting at one (the creator's reference).
class RefCount {
public:
    uint32_t add() { return m_count.fetch_add(1, std::memory_order_relaxed) + 1; }
    uint32_t drop()
    {
        uint32_t before = m_count.fetch_sub(1, std::memory_order_acq_rel);
        assert(before > 0);
        return before - 1;
    }

private:
    std::atomic<uint32_t> m_count { 1 };
};

// Answers a query on `self` for IUnknown and for each of Interfaces (the
// first one also stands for IUnknown). Use in an object's queryInterface:
//     return answerQuery<IDispatch, IPersistStreamInit>(this, iid, out);
template<class First, class... Rest, class Self>
HResult answerQuery(Self* self, const Guid& iid, void** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    if (iid == IUnknown::kIid) {
        *out = static_cast<IUnknown*>(static_cast<First*>(self));
    } else if (iid == First::kIid) {
        *out = static_cast<First*>(self);
    } else {
        (void)((iid == Rest::kIid ? (*out = static_cast<Rest*>(self), true) : false) || ...);
    }
    if (!*out)
        return kNoInterface;
    static_cast<First*>(self)->addRef();
    return kOk;
}

// Implements addRef/release for a class with a `RefCount m_refs` member that
// is deleted when the last reference goes.
#define QUORVEX_IMPLEMENT_REFCOUNT                                  \
    uint32_t addRef() override { return m_refs.add(); }             \
    uint32_t release() override                                     \
    {                                                               \
        uint32_t left = m_refs.drop();                              \
        if (left == 0)                                              \
            delete this;                                            \
        return left;                                                \
    }

} // namespace quorvex::platform::component
