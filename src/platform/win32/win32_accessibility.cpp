#include "platform/win32/win32_accessibility.h"

#include <algorithm>
#include <utility>

#include "platform/win32/text.h"

namespace quendal::win32 {
namespace {

constexpr UINT_PTR kSpeechTimer = 2;

// The strip's children: a button, or the labels read as one status bar.
struct Child {
    const ControlDesign* design;  // the button's, or the first label's
    std::vector<HWND> windows;    // one for a button, the four labels for the status bar
    bool statusBar() const { return design->kind == ControlKind::Label; }
};

std::vector<Child> childrenOf(std::vector<ScreenReaderView::Control> controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](const auto& a, const auto& b) { return a.design->left < b.design->left; });
    std::vector<Child> children;
    for (const auto& [design, hwnd] : controls) {
        if (design->kind == ControlKind::Label && !children.empty() &&
            children.back().statusBar()) {
            children.back().windows.push_back(hwnd);
        } else {
            children.push_back({design, {hwnd}});
        }
    }
    return children;
}

HRESULT answer(BSTR* out, const std::string& text) {
    if (text.empty()) {
        *out = nullptr;
        return S_FALSE;
    }
    const std::wstring wideText = wide(text);
    *out = SysAllocStringLen(wideText.data(), static_cast<UINT>(wideText.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

// COM's interfaces have no virtual destructor: the object deletes itself, as its own
// class, when its last reference goes.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// The client area's accessible object. Its children are simple elements, numbered from 1
// in the order they stand; what it does not know of itself (its parent, its own place,
// name and state) its standard object answers.
class StripAccessible final : public IAccessible {
  public:
    StripAccessible(HWND window, std::vector<Child> children, ModelHost& host, Speech& speech)
        : window_(window), children_(std::move(children)), host_(host), speech_(speech) {
        CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                  reinterpret_cast<void**>(&standard_));
    }

    // The window is going: every later question is answered as of an object gone.
    void disconnect() {
        gone_ = true;
        if (standard_) {
            standard_->Release();
            standard_ = nullptr;
        }
    }
    long childCount() const { return static_cast<long>(children_.size()); }
    long statusBarId() const {
        const auto bar = std::find_if(children_.begin(), children_.end(),
                                      [](const Child& child) { return child.statusBar(); });
        return static_cast<long>(bar - children_.begin()) + 1;
    }
    // What a reader is told changed: a child's name and state, and the window's words.
    std::string said(long child) {
        return child == CHILDID_SELF ? speech_.windowDescription()
                                     : name(children_[static_cast<std::size_t>(child - 1)]) + "|" +
                                           std::to_string(state(child));
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: the readers ask through IAccessible; scripting is not offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return gone_ ? RPC_E_DISCONNECTED : standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = childCount();
        return gone_ ? RPC_E_DISCONNECTED : S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        *object = nullptr;
        return gone_ ? RPC_E_DISCONNECTED : find(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return ask(
            child, [&](const Child& c) { return answer(name, this->name(c)); },
            [&] { return standard_->get_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        *value = nullptr;
        return ask(
            child, [](const Child&) { return S_FALSE; },
            [&] { return standard_->get_accValue(child, value); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return ask(
            child,
            [&](const Child& c) {
                return answer(description,
                              c.statusBar() ? std::string() : speech_.description(*c.design));
            },
            [&] { return answer(description, speech_.windowDescription()); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return ask(
            child,
            [&](const Child& c) {
                role->vt = VT_I4;
                role->lVal = roleOf(*c.design);
                return S_OK;
            },
            [&] { return standard_->get_accRole(child, role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return ask(
            child,
            [&](const Child&) {
                state->vt = VT_I4;
                state->lVal = this->state(child.lVal);
                return S_OK;
            },
            [&] { return standard_->get_accState(child, state); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        *help = nullptr;
        return gone_ ? RPC_E_DISCONNECTED : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
        *file = nullptr;
        *topic = 0;
        return gone_ ? RPC_E_DISCONNECTED : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        *shortcut = nullptr;
        return gone_ ? RPC_E_DISCONNECTED : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (gone_) {
            return RPC_E_DISCONNECTED;
        }
        const HWND focused = GetFocus();
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (!children_[i].statusBar() && children_[i].windows.front() == focused) {
                focus->vt = VT_I4;
                focus->lVal = static_cast<long>(i + 1);
                return S_OK;
            }
        }
        return standard_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        selection->vt = VT_EMPTY;
        return gone_ ? RPC_E_DISCONNECTED : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
        *action = nullptr;
        return gone_ ? RPC_E_DISCONNECTED : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return ask(
            child,
            [&](const Child& c) {
                if (c.statusBar() || !(flags & SELFLAG_TAKEFOCUS)) {
                    return S_FALSE;
                }
                SetFocus(c.windows.front());
                return S_OK;
            },
            [&] { return standard_->accSelect(flags, child); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return ask(
            child,
            [&](const Child& c) {
                RECT all = area(c);
                *left = all.left;
                *top = all.top;
                *width = all.right - all.left;
                *height = all.bottom - all.top;
                return S_OK;
            },
            [&] { return standard_->accLocation(left, top, width, height, child); });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        end->vt = VT_EMPTY;
        return ask(
            start,
            [&](const Child&) {
                const long next = direction == NAVDIR_NEXT       ? start.lVal + 1
                                  : direction == NAVDIR_PREVIOUS ? start.lVal - 1
                                                                 : 0;
                if (next < 1 || next > childCount()) {
                    return S_FALSE;
                }
                end->vt = VT_I4;
                end->lVal = next;
                return S_OK;
            },
            [&] {
                if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
                    end->vt = VT_I4;
                    end->lVal = direction == NAVDIR_FIRSTCHILD ? 1 : childCount();
                    return S_OK;
                }
                return standard_->accNavigate(direction, start, end);
            });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        if (gone_) {
            return RPC_E_DISCONNECTED;
        }
        for (std::size_t i = 0; i < children_.size(); ++i) {
            const RECT all = area(children_[i]);
            if (PtInRect(&all, POINT{x, y})) {
                child->vt = VT_I4;
                child->lVal = static_cast<long>(i + 1);
                return S_OK;
            }
        }
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return ask(
            child,
            [&](const Child& c) {
                if (c.statusBar() || !IsWindowEnabled(c.windows.front())) {
                    return S_FALSE;
                }
                // As a click: the button's own notice carries it to its handler.
                PostMessageW(c.windows.front(), BM_CLICK, 0, 0);
                return S_OK;
            },
            [&] { return standard_->accDoDefaultAction(child); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    const Child* find(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > childCount()) {
            return nullptr;
        }
        return &children_[static_cast<std::size_t>(child.lVal - 1)];
    }

    // A question of a child to `ofChild`, of the client area itself to `ofSelf`.
    template <typename OfChild, typename OfSelf>
    HRESULT ask(const VARIANT& child, OfChild ofChild, OfSelf ofSelf) {
        if (gone_) {
            return RPC_E_DISCONNECTED;
        }
        if (child.vt == VT_I4 && child.lVal == CHILDID_SELF) {
            return standard_ ? ofSelf() : E_FAIL;
        }
        const Child* found = find(child);
        return found ? ofChild(*found) : E_INVALIDARG;
    }

    std::string name(const Child& child) {
        return child.statusBar() ? speech_.reading() : speech_.name(*child.design);
    }

    static long roleOf(const ControlDesign& design) {
        switch (design.kind) {
            case ControlKind::Label:
                return ROLE_SYSTEM_STATUSBAR;
            case ControlKind::CheckBox:
                return ROLE_SYSTEM_CHECKBUTTON;
            case ControlKind::OptionButton:
                return ROLE_SYSTEM_RADIOBUTTON;
            case ControlKind::CommandButton:
                break;
        }
        return ROLE_SYSTEM_PUSHBUTTON;
    }

    // The states the models know; the focus as Windows has it.
    long state(long id) {
        const Child& child = children_[static_cast<std::size_t>(id - 1)];
        if (child.statusBar()) {
            return STATE_SYSTEM_READONLY;
        }
        const ControlDesign& design = *child.design;
        long state = STATE_SYSTEM_FOCUSABLE;
        const bool on =
            (design.kind == ControlKind::CheckBox && host_.checkBox(design.name).value() == 1) ||
            (design.kind == ControlKind::OptionButton &&
             host_.optionButton(design.name).selected());
        if (on) {
            // Drawn pressed, as a checked push-like button is.
            state |= STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED;
        }
        if (!host_.enabled(design.name)) {
            state = (state & ~STATE_SYSTEM_FOCUSABLE) | STATE_SYSTEM_UNAVAILABLE;
        }
        if (GetFocus() == child.windows.front()) {
            state |= STATE_SYSTEM_FOCUSED;
        }
        return state;
    }

    static RECT area(const Child& child) {
        RECT all{};
        for (const HWND hwnd : child.windows) {
            RECT one{};
            GetWindowRect(hwnd, &one);
            if (IsRectEmpty(&all)) {
                all = one;
            } else {
                UnionRect(&all, &all, &one);
            }
        }
        return all;
    }

    HWND window_;
    std::vector<Child> children_;
    ModelHost& host_;
    Speech& speech_;
    IAccessible* standard_ = nullptr;
    ULONG references_ = 1;
    bool gone_ = false;
};
#pragma GCC diagnostic pop

// Out of the class: 32-bit GCC puts an inline one in a section of two kinds at once.
ULONG STDMETHODCALLTYPE StripAccessible::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        disconnect();
        delete this;
    }
    return left;
}

ScreenReaderView::ScreenReaderView(HWND window, std::vector<Control> controls, ModelHost& host,
                                   Speech& speech, MonoClock now)
    : window_(window),
      strip_(new StripAccessible(window, childrenOf(controls), host, speech)),
      pacer_(std::move(now),
             [this](std::chrono::nanoseconds delay) {
                 const auto ms = std::chrono::ceil<std::chrono::milliseconds>(delay).count();
                 SetTimer(window_, kSpeechTimer, static_cast<UINT>(std::max<long long>(ms, 1)),
                          nullptr);
             }),
      reading_(
          pacer_, [this] { return strip_->said(strip_->statusBarId()); },
          [this](std::string_view) {
              NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, strip_->statusBarId());
          }) {
    pacer_.setFrameRate(kSpokenChangesPerSecond);
    changes_ = host.changes().listen([this] { changed(); });
    pace_ = host.audience().listen([this](Pace pace) { pacer_.hold(pace == Pace::Unseen); });
    pacer_.hold(host.audience().pace() == Pace::Unseen);
}

ScreenReaderView::~ScreenReaderView() {
    KillTimer(window_, kSpeechTimer);
    strip_->disconnect();
    strip_->Release();
}

std::optional<LRESULT> ScreenReaderView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (!asked_) {
            asked_ = true;
            changed();
        }
        return LresultFromObject(__uuidof(IAccessible), wParam, strip_);
    }
    if (message == WM_TIMER && wParam == kSpeechTimer) {
        KillTimer(window_, kSpeechTimer);
        pacer_.frameDue();
        return 0;
    }
    return std::nullopt;
}

void ScreenReaderView::readingChanged() {
    if (asked_) {
        reading_.changed();
    }
}

// A button's name or state, or the window's words, told at once where they changed.
void ScreenReaderView::changed() {
    if (!asked_) {
        return;
    }
    told_.resize(static_cast<std::size_t>(strip_->childCount()) + 1);
    for (long id = 0; id <= strip_->childCount(); ++id) {
        std::optional<std::string>& told = told_[static_cast<std::size_t>(id)];
        if (id == strip_->statusBarId()) {
            continue;
        }
        std::string said = strip_->said(id);
        if (told == said) {
            continue;
        }
        // The first look is what the reader found when it asked: nothing to tell.
        const bool first = !told;
        told = std::move(said);
        if (first) {
            continue;
        }
        if (id == CHILDID_SELF) {
            NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, id);
        } else {
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window_, OBJID_CLIENT, id);
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, id);
        }
    }
}

}  // namespace quendal::win32
