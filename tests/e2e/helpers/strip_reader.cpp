// Reads the clock's strip from another process as a Windows screen reader does, through
// the window's accessibility objects: a first line "window|DESCRIPTION", then a line
// "ROLE|NAME|STATES" for each child of the client area, roles and states in the words
// the Linux end-to-end reader prints ("status bar", "checked,pressed"), UTF-8.
// "strip_reader count SECONDS": how many notices of a changed name the client area sent
// in that time, as a screen reader's hook hears them.
// Exit status 1 when there is no such window or it answers nothing.
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* text, int length = -1) {
    if (!text) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
    if (length < 0 && !result.empty()) {
        result.pop_back();  // the terminating zero
    }
    return result;
}

// The words of an answer, which is freed.
std::string text(HRESULT asked, BSTR answer) {
    std::string said;
    if (SUCCEEDED(asked) && answer) {
        said = utf8(answer, static_cast<int>(SysStringLen(answer)));
    }
    SysFreeString(answer);
    return said;
}

const char* role(long role) {
    switch (role) {
        case ROLE_SYSTEM_PUSHBUTTON:
            return "push button";
        case ROLE_SYSTEM_CHECKBUTTON:
            return "check box";
        case ROLE_SYSTEM_RADIOBUTTON:
            return "radio button";
        case ROLE_SYSTEM_STATUSBAR:
            return "status bar";
        default:
            return "other";
    }
}

std::string states(long state) {
    const struct {
        long flag;
        const char* word;
    } words[] = {{STATE_SYSTEM_CHECKED, "checked"},
                 {STATE_SYSTEM_PRESSED, "pressed"},
                 {STATE_SYSTEM_UNAVAILABLE, "unavailable"},
                 {STATE_SYSTEM_FOCUSED, "focused"},
                 {STATE_SYSTEM_READONLY, "read only"}};
    std::string said;
    for (const auto& [flag, word] : words) {
        if (state & flag) {
            if (!said.empty()) {
                said += ',';
            }
            said += word;
        }
    }
    return said;
}

int namesChanged = 0;
HWND strip = nullptr;

void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (window == strip && object == OBJID_CLIENT) {
        ++namesChanged;
    }
}

int count(HWND window, int seconds) {
    strip = window;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE,
                                               nullptr, heard, process, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook) {
        return 1;
    }
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
    MSG message{};
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    UnhookWinEvent(hook);
    std::printf("%d\n", namesChanged);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND window = FindWindowW(L"QuendalWindow", nullptr);
    IAccessible* client = nullptr;
    if (!window || FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                     __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&client)))) {
        std::fprintf(stderr, "strip_reader: no accessible window\n");
        return 1;
    }
    if (argc == 3 && std::string(argv[1]) == "count") {
        client->Release();
        return count(window, std::atoi(argv[2]));
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR description = nullptr;
    const HRESULT described = client->get_accDescription(self, &description);
    std::printf("window|%s\n", text(described, description).c_str());
    long count = 0;
    client->get_accChildCount(&count);
    for (long id = 1; id <= count; ++id) {
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = id;
        VARIANT kind{};
        VARIANT state{};
        BSTR name = nullptr;
        client->get_accRole(child, &kind);
        const HRESULT named = client->get_accName(child, &name);
        const std::string said = text(named, name);
        client->get_accState(child, &state);
        std::printf("%s|%s|%s\n", role(kind.lVal), said.c_str(), states(state.lVal).c_str());
    }
    client->Release();
    CoUninitialize();
    return count > 0 ? 0 : 1;
}
