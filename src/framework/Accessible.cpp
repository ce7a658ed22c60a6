#include "framework/Accessible.h"

#include <ole2.h>
#include <oleacc.h>

#include <atomic>
#include <vector>

#include "framework/LateLibrary.h"

namespace {
// The interfaces' published ids. The program names them itself: the import libraries are not
// linked (oleacc comes late) and one of them was found to carry a wrong value for IAccessible.
constexpr GUID AccessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr GUID DispatchIid = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID UnknownIid = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using SysAllocStringLenFunction = BSTR(WINAPI*)(const OLECHAR*, UINT);
using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeFunction = void(WINAPI*)();

// COM on the program's one thread, started when a reader first asks (handing an object across
// needs it) and ended when the program ends.
class ComApartment {
public:
    ComApartment() {
        auto initialize = Ole32().function<CoInitializeExFunction>("CoInitializeEx");
        started = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        auto uninitialize = Ole32().function<CoUninitializeFunction>("CoUninitialize");
        if (started && uninitialize) uninitialize();
    }

private:
    bool started = false;
};

void StartComApartment() { static ComApartment apartment; }

// A code page 1252 text as a BSTR the caller frees; null when oleaut32 cannot be had.
BSTR ToBstr(const std::string& text) {
    auto alloc = Oleaut32().function<SysAllocStringLenFunction>("SysAllocStringLen");
    if (!alloc) return nullptr;
    std::vector<wchar_t> wide(text.size() + 1);
    const int length = text.empty() ? 0
                                     : ::MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()),
                                                             wide.data(), static_cast<int>(wide.size()));
    return alloc(wide.data(), static_cast<UINT>(length));
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The window's own object answers what its facts say; everything else (place, state, parent,
// children, focus) is the standard object's.
class WindowAccessible final : public IAccessible {
public:
    WindowAccessible(HWND window, AccessibleDescriber describer, IAccessible* standard)
        : window(window), describer(describer), standard(standard) {}
    WindowAccessible(const WindowAccessible&) = delete;
    WindowAccessible& operator=(const WindowAccessible&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualGUID(iid, UnknownIid) || IsEqualGUID(iid, DispatchIid) || IsEqualGUID(iid, AccessibleIid)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // IOleWindow, IEnumVARIANT and the like: the standard object's.
        return standard->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: the standard object's type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        return standard->Invoke(id, iid, locale, flags, params, result, exception, argumentError);
    }

    // IAccessible: what differs from the standard object.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* text) override {
        return answer(child, text, &AccessibleFacts::name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* text) override {
        return answer(child, text, &AccessibleFacts::value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return answer(child, text, &AccessibleFacts::description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        return answer(child, text, &AccessibleFacts::shortcut, &IAccessible::get_accKeyboardShortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* text) override {
        return answer(child, text, &AccessibleFacts::defaultAction, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        AccessibleFacts facts;
        if (!role || !IsSelf(child) || !describe(facts) || facts.role == 0) return standard->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = facts.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        AccessibleFacts facts;
        if (!IsSelf(child) || !describe(facts) || facts.defaultAction.empty()) return standard->accDoDefaultAction(child);
        ::PostMessageA(window, BM_CLICK, 0, 0);  // posted: the reader is not kept waiting for a dialog
        return S_OK;
    }

    // IAccessible: the standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return standard->get_accHelp(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~WindowAccessible() { standard->Release(); }

    // The window's facts now; false once the window is gone or says nothing.
    bool describe(AccessibleFacts& facts) const { return describer(window, facts); }

    using StandardText = HRESULT(STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
    HRESULT answer(VARIANT child, BSTR* text, std::string AccessibleFacts::*field, StandardText standardText) {
        AccessibleFacts facts;
        if (!text || !IsSelf(child) || !describe(facts) || (facts.*field).empty())
            return (standard->*standardText)(child, text);
        *text = ToBstr(facts.*field);
        return *text ? S_OK : E_OUTOFMEMORY;
    }

    HWND window;
    AccessibleDescriber describer;
    IAccessible* standard;  // owned: one reference
    std::atomic<ULONG> references{1};
};
}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, AccessibleDescriber describe) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    AccessibleFacts facts;
    if (!describe(window, facts)) return 0;
    auto createStandard = Oleacc().function<CreateStdAccessibleObjectFunction>("CreateStdAccessibleObject");
    auto resultFromObject = Oleacc().function<LresultFromObjectFunction>("LresultFromObject");
    if (!createStandard || !resultFromObject) return 0;
    StartComApartment();
    IAccessible* standard = nullptr;
    if (FAILED(createStandard(window, OBJID_CLIENT, AccessibleIid, reinterpret_cast<void**>(&standard))) || !standard)
        return 0;
    auto* accessible = new WindowAccessible(window, describe, standard);
    const LRESULT result = resultFromObject(AccessibleIid, wParam, accessible);
    accessible->Release();  // LresultFromObject holds its own reference while the answer travels
    return result < 0 ? 0 : result;
}

void NotifyValueChanged(HWND window) {
    if (window) ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}
