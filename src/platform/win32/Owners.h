// Owners for what Windows hands out: handles, find handles, registry keys, COM objects and
// COM task memory. Each is released exactly once and never copied.
#pragma once

#include <windows.h>
// CoTaskMemFree and IUnknown need the definitions of windows.h
#include <objbase.h>

#include <memory>
#include <type_traits>

namespace velmora::win32 {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct FindCloser {
    void operator()(HANDLE handle) const {
        if (handle != INVALID_HANDLE_VALUE) FindClose(handle);
    }
};
using UniqueFind = std::unique_ptr<void, FindCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

struct TaskMemoryFreer {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <typename T>
using UniqueTaskMemory = std::unique_ptr<T, TaskMemoryFreer>;

inline UniqueHandle OwnFileHandle(HANDLE handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Creates a COM object of the class and asks it for Interface; empty when either fails.
template <typename Interface>
ComPtr<Interface> CreateComObject(REFCLSID objectClass, REFIID interfaceId) {
    void* object = nullptr;
    if (FAILED(CoCreateInstance(objectClass, nullptr, CLSCTX_INPROC_SERVER, interfaceId, &object)))
        return nullptr;
    return ComPtr<Interface>(static_cast<Interface*>(object));
}

// Asks a COM object for another of its interfaces; empty when it has none.
template <typename Interface>
ComPtr<Interface> QueryComInterface(IUnknown& object, REFIID interfaceId) {
    void* other = nullptr;
    if (FAILED(object.QueryInterface(interfaceId, &other))) return nullptr;
    return ComPtr<Interface>(static_cast<Interface*>(other));
}

}  // namespace velmora::win32
