#pragma once
// Reference counting and QueryInterface for the test endpoint's COM classes.
#include <unknwn.h>

#include <atomic>

namespace hx::endpoint {

template <class First, class... Rest> class TComObject : public First, public Rest... {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = riid == __uuidof(IUnknown) ? static_cast<First*>(this) : Find<First, Rest...>(riid);
        if (*out == nullptr) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++FRefs; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = --FRefs;
        if (refs == 0) {
            delete this;
        }
        return refs;
    }

protected:
    TComObject() = default;
    virtual ~TComObject() = default;

private:
    template <class I, class... More> void* Find(REFIID riid) {
        if (riid == __uuidof(I)) {
            return static_cast<I*>(this);
        }
        if constexpr (sizeof...(More) > 0) {
            return Find<More...>(riid);
        } else {
            return nullptr;
        }
    }

    std::atomic<ULONG> FRefs{1};
};

} // namespace hx::endpoint
