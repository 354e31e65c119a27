// Reference counting and exception containment shared by the parser's
// objects. Counts are atomic, so references may be taken and dropped on any
// thread; the objects themselves are used by one thread at a time.
#pragma once

#include <atomic>
#include <new>
#include <unknwn.h>

namespace Xml {

template <class Interface>
class ComObject : public Interface {
public:
    STDMETHODIMP_(ULONG) AddRef() override {
        return references_.fetch_add(1, std::memory_order_relaxed) + 1;
    }

    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = references_.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0) {
            delete this;
        }
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
};

// Runs the body of an interface method: no exception crosses the interface.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// Hands out `object` as `iid` if it is one of `Interfaces`, adding a reference.
template <class... Interfaces, class Object>
HRESULT QueryAmong(Object* object, REFIID iid, void** result) {
    if (result == nullptr) {
        return E_POINTER;
    }
    *result = nullptr;
    const bool found =
        ((IsEqualIID(iid, UuidOf<Interfaces>()) ? (*result = static_cast<Interfaces*>(object), true)
                                                : false) ||
         ...);
    if (!found) {
        return E_NOINTERFACE;
    }
    object->AddRef();
    return S_OK;
}

} // namespace Xml
