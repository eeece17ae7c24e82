#pragma once
// What every COM object of the program shares: it lives while someone holds a reference, and
// answers QueryInterface for IUnknown and the interfaces it is.
#include <objbase.h>

#include <atomic>

template <class TInterface>
class TComObject : public TInterface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --References;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~TComObject() = default;

    // QueryInterface's answer: this object for IUnknown and for an interface it is (isOurs).
    HRESULT Answer(REFIID id, bool isOurs, void** object)
    {
        if (!object)
            return E_POINTER;
        if (id == IID_IUnknown || isOurs) {
            *object = static_cast<TInterface*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

private:
    std::atomic<ULONG> References{1};
};
