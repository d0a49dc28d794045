// Reads the clock's strip from another process as a Windows screen reader does, through
// the window's accessibility objects: a first line "window|DESCRIPTION", then a line
// "ROLE|NAME|STATES" for each child of the client area, roles and states in the words
// the Linux end-to-end reader prints ("status bar", "checked,pressed"), UTF-8.
// Exit status 1 when there is no such window or it answers nothing.
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
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

}  // namespace

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWND window = FindWindowW(L"QuendalWindow", nullptr);
    IAccessible* client = nullptr;
    if (!window || FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                     __uuidof(IAccessible),
                                                     reinterpret_cast<void**>(&client)))) {
        std::fprintf(stderr, "strip_reader: no accessible window\n");
        return 1;
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
