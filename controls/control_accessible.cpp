#include "controls/control_accessible.h"

#include "framework/com_object.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <cwctype>

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return name;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A caption as read aloud: the letter marks gone ("&&" one "&").
std::wstring WithoutMarks(const std::wstring& caption, wchar_t* letter = nullptr)
{
    std::wstring read;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != L'&' && letter)
                *letter = caption[i];
        }
        read += caption[i];
    }
    return read;
}

// The control's hint: the status line, then after a line feed the tip's words.
std::pair<std::wstring, std::wstring> HintOf(HWND control, HINSTANCE module)
{
    const int id = ::GetDlgCtrlID(control);
    wchar_t text[500] = L"";
    if (!module || id <= 0 || ::LoadStringW(module, static_cast<UINT>(id), text, static_cast<int>(std::size(text))) <= 0)
        return {};
    const std::wstring hint(text);
    const std::size_t feed = hint.find(L'\n');
    if (feed == std::wstring::npos)
        return {hint, {}};
    std::wstring tip = hint.substr(feed + 1);
    const std::size_t second = tip.find(L'\n');   // a tip of several lines: its first one
    return {hint.substr(0, feed), second == std::wstring::npos ? tip : tip.substr(0, second)};
}

LONG ButtonKind(HWND control)
{
    return static_cast<LONG>(::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK);
}

bool ShowsItsCaption(HWND control)
{
    const std::wstring kind = ClassOf(control);
    return _wcsicmp(kind.c_str(), L"Button") == 0 || _wcsicmp(kind.c_str(), L"Static") == 0;
}

long RoleOf(HWND control)
{
    const std::wstring kind = ClassOf(control);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        switch (ButtonKind(control)) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return ROLE_SYSTEM_CHECKBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return ROLE_SYSTEM_RADIOBUTTON;
        case BS_GROUPBOX: return ROLE_SYSTEM_GROUPING;
        default: return ROLE_SYSTEM_PUSHBUTTON;
        }
    }
    if (_wcsicmp(kind.c_str(), L"Edit") == 0)
        return ROLE_SYSTEM_TEXT;
    if (_wcsicmp(kind.c_str(), L"ListBox") == 0)
        return ROLE_SYSTEM_LIST;
    if (_wcsicmp(kind.c_str(), L"Static") == 0)
        return ROLE_SYSTEM_STATICTEXT;
    return ROLE_SYSTEM_CLIENT;
}

std::wstring NameOf(HWND control, HINSTANCE module)
{
    // A caption of signs only ("<") says less than the tip's words ("Up").
    if (ShowsItsCaption(control))
        if (std::wstring caption = WithoutMarks(TextOf(control));
            std::any_of(caption.begin(), caption.end(), [](wchar_t c) { return std::iswalnum(c) != 0; }))
            return caption;
    if (std::wstring tip = HintOf(control, module).second; !tip.empty())
        return tip;
    // The label before it: the nearest control before it in the dialog that shows a caption.
    for (HWND before = ::GetWindow(control, GW_HWNDPREV); before; before = ::GetWindow(before, GW_HWNDPREV))
        if (ShowsItsCaption(before) && ButtonKind(before) != BS_GROUPBOX)
            return WithoutMarks(TextOf(before));
    // A field alone in its dialog (the text of the input dialog) is what the dialog's caption
    // says it edits.
    if (_wcsicmp(ClassOf(control).c_str(), L"Edit") == 0)
        if (HWND dialog = ::GetParent(control))
            if (std::wstring caption = WithoutMarks(TextOf(dialog)); !caption.empty())
                return caption;
    // A field the program fills (the counter): what it shows.
    return TextOf(control);
}

BSTR MakeBstr(const std::wstring& text)
{
    return ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

// The client object of one control. Only CHILDID_SELF: the control is read as one whole.
class TControlAccessible final : public TComObject<IAccessible> {
public:
    TControlAccessible(HWND control, HINSTANCE module) : Control(control), Module(module) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        return Answer(id, id == IID_IDispatch || id == __uuidof(IAccessible), object);
    }

    // No type information: screen readers call the IAccessible methods themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count)
            *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (!parent)
            return E_POINTER;
        return ::AccessibleObjectFromWindow(Control, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                            reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override
    {
        if (child)
            *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return Text(child, name, NameOf(Control, Module));
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        const long role = RoleOf(Control);
        if (role == ROLE_SYSTEM_TEXT)
            return Text(child, value, TextOf(Control));
        if (role == ROLE_SYSTEM_LIST) {
            const LRESULT selected = ::SendMessageW(Control, LB_GETCURSEL, 0, 0);
            std::wstring entry;
            if (selected >= 0) {
                entry.resize(static_cast<std::size_t>(::SendMessageW(Control, LB_GETTEXTLEN, selected, 0)) + 1);
                entry.resize(static_cast<std::size_t>(
                    ::SendMessageW(Control, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(entry.data()))));
            }
            return Text(child, value, entry);
        }
        if (value)
            *value = nullptr;
        return Self(child) ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return Text(child, description, HintOf(Control, Module).first);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        if (!role)
            return E_POINTER;
        if (!Self(child))
            return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = RoleOf(Control);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        if (!state)
            return E_POINTER;
        if (!Self(child))
            return E_INVALIDARG;
        long flags = 0;
        if (!::IsWindowVisible(Control))
            flags |= STATE_SYSTEM_INVISIBLE;
        if (!::IsWindowEnabled(Control))
            flags |= STATE_SYSTEM_UNAVAILABLE;
        else
            flags |= STATE_SYSTEM_FOCUSABLE;
        if (::GetFocus() == Control)
            flags |= STATE_SYSTEM_FOCUSED;
        const long role = RoleOf(Control);
        if ((role == ROLE_SYSTEM_CHECKBUTTON || role == ROLE_SYSTEM_RADIOBUTTON) &&
            ::SendMessageW(Control, BM_GETCHECK, 0, 0) == BST_CHECKED)
            flags |= STATE_SYSTEM_CHECKED;
        if (role == ROLE_SYSTEM_TEXT && (::GetWindowLongPtrW(Control, GWL_STYLE) & ES_READONLY))
            flags |= STATE_SYSTEM_READONLY;
        state->vt = VT_I4;
        state->lVal = flags;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override
    {
        if (help)
            *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        wchar_t letter = 0;
        if (ShowsItsCaption(Control))
            WithoutMarks(TextOf(Control), &letter);
        return Text(child, shortcut, letter ? std::wstring(L"Alt+") + static_cast<wchar_t>(std::towupper(letter)) : L"");
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        if (!focus)
            return E_POINTER;
        focus->vt = VT_EMPTY;
        if (::GetFocus() != Control)
            return S_FALSE;
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        if (selection)
            selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        const long role = RoleOf(Control);
        const wchar_t* what = role == ROLE_SYSTEM_PUSHBUTTON    ? L"Press"
                              : role == ROLE_SYSTEM_CHECKBUTTON ? L"Check"
                              : role == ROLE_SYSTEM_RADIOBUTTON ? L"Select"
                                                                : L"";
        return Text(child, action, what);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT child) override
    {
        if (!Self(child))
            return E_INVALIDARG;
        ::SetFocus(Control);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        if (!left || !top || !width || !height)
            return E_POINTER;
        if (!Self(child))
            return E_INVALIDARG;
        RECT place{};
        ::GetWindowRect(Control, &place);
        *left = place.left;
        *top = place.top;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override
    {
        if (end)
            end->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        if (!child)
            return E_POINTER;
        RECT place{};
        ::GetWindowRect(Control, &place);
        child->vt = VT_EMPTY;
        if (!::PtInRect(&place, POINT{x, y}))
            return S_FALSE;
        child->vt = VT_I4;
        child->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (!Self(child))
            return E_INVALIDARG;
        if (RoleOf(Control) == ROLE_SYSTEM_TEXT || RoleOf(Control) == ROLE_SYSTEM_LIST)
            return DISP_E_MEMBERNOTFOUND;
        ::PostMessageW(Control, BM_CLICK, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~TControlAccessible() = default;

    static bool Self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    static HRESULT Text(const VARIANT& child, BSTR* out, const std::wstring& text)
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (!Self(child))
            return E_INVALIDARG;
        if (text.empty())
            return S_FALSE;
        *out = MakeBstr(text);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    HWND Control;
    HINSTANCE Module;
};

// The system's object for the control, when it gives the control a name and the program has no
// hint to add as its description.
IAccessible* NamedStandardObject(HWND control, HINSTANCE module)
{
    if (!HintOf(control, module).first.empty())
        return nullptr;
    IAccessible* standard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
        !standard)
        return nullptr;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT role{};
    // A system without the control's own object answers with a plain client: no role to read.
    const bool named = SUCCEEDED(standard->get_accName(self, &name)) && name && ::SysStringLen(name) > 0 &&
                       SUCCEEDED(standard->get_accRole(self, &role)) && role.vt == VT_I4 &&
                       role.lVal != ROLE_SYSTEM_CLIENT;
    ::SysFreeString(name);
    if (!named) {
        standard->Release();
        return nullptr;
    }
    return standard;
}

} // namespace

LRESULT AnswerGetObject(HWND control, HINSTANCE module, WPARAM flags, LPARAM objectId)
{
    if (static_cast<LONG>(objectId) != static_cast<LONG>(OBJID_CLIENT))
        return 0;
    IAccessible* object = NamedStandardObject(control, module);
    if (!object)
        object = new TControlAccessible(control, module);
    const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();   // the result holds its own reference
    return result > 0 ? result : 0;
}

namespace {

constexpr UINT_PTR AccessibleSubclass = 0x3300;

LRESULT CALLBACK ExposedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR module)
{
    if (message == WM_GETOBJECT)
        if (const LRESULT answer = AnswerGetObject(control, reinterpret_cast<HINSTANCE>(module), wParam, lParam))
            return answer;
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(control, ExposedControlProc, AccessibleSubclass);
    return ::DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void ExposeControls(HWND dialog, HINSTANCE module)
{
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        // A page within a sheet is a dialog of its own, and the tab strip's pages are its children.
        const std::wstring kind = ClassOf(child);
        if (kind == L"#32770" || _wcsicmp(kind.c_str(), WC_TABCONTROLW) == 0)
            continue;
        ::SetWindowSubclass(child, ExposedControlProc, AccessibleSubclass, reinterpret_cast<DWORD_PTR>(module));
    }
}

std::string AccessibleNameOf(HWND control, HINSTANCE module)
{
    return Narrow(NameOf(control, module));
}

std::string AccessibleDescriptionOf(HWND control, HINSTANCE module)
{
    return Narrow(HintOf(control, module).first);
}

void AnnounceNameChange(HWND control)
{
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}
