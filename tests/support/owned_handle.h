#pragma once
// A handle freed with its own function when its owner goes.
#include <memory>
#include <type_traits>

template <auto Free>
struct TFreeWith {
    template <typename T>
    void operator()(T* handle) const { Free(handle); }
};

// TOwned<HMENU, &DestroyMenu> menu(LoadMenuW(...)); menu.get() is the handle.
template <typename THandle, auto Free>
using TOwned = std::unique_ptr<std::remove_pointer_t<THandle>, TFreeWith<Free>>;
