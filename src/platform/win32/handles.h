#pragma once

#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>

#include <memory>
#include <system_error>
#include <type_traits>

// Owners of the operating system's handles, one line per kind: the owner frees its handle,
// and members declared in the order they are made are freed in reverse, also when a throw
// stops the making half-way.
namespace quendal::win32 {

template <typename Handle, auto free>
struct Freer {
    void operator()(Handle handle) const noexcept { free(handle); }
};
template <typename Handle, auto free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Freer<Handle, free>>;

// A window the program destroys is first cut off from its procedure: its last messages
// go to nobody who is being taken apart, and its going posts no quit.
inline void destroyQuietly(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

using OwnedWindow = Owned<HWND, destroyQuietly>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBitmap = Owned<HBITMAP, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedDC = Owned<HDC, DeleteDC>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedImageList = Owned<HIMAGELIST, ImageList_Destroy>;
using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedPowerNotification = Owned<HPOWERNOTIFY, UnregisterPowerSettingNotification>;

// The system's timer resolution raised to a millisecond for as long as it is held.
class RaisedTimerPeriod {
  public:
    RaisedTimerPeriod() { timeBeginPeriod(1); }
    ~RaisedTimerPeriod() { timeEndPeriod(1); }
    RaisedTimerPeriod(const RaisedTimerPeriod&) = delete;
    RaisedTimerPeriod& operator=(const RaisedTimerPeriod&) = delete;
};

// A COM object, released by its owner.
struct Releaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <typename Interface>
using ComOwned = std::unique_ptr<Interface, Releaser>;

// COM for the window's thread, for as long as it is held.
class ComApartment {
  public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

// Throws std::system_error with the calling thread's last error.
[[noreturn]] inline void fail(const char* what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// Entry points of newer Windows, looked up rather than linked, so that the program still
// starts on an older one: null where there is none.
template <typename Function>
Function entryPoint(const wchar_t* module, const char* name) {
    const HMODULE handle = GetModuleHandleW(module);
    if (!handle) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

// A system metric (an icon's size, say) at a resolution; the system's own where Windows is
// older than per-monitor resolutions.
inline int metricForDpi(int index, UINT dpi) {
    using ForDpi = int(WINAPI*)(int, UINT);
    if (const auto forDpi = entryPoint<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi")) {
        return forDpi(index, dpi);
    }
    return GetSystemMetrics(index);
}

}  // namespace quendal::win32
