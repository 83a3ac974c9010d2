#include "runtime/Accessible.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "runtime/AccessibleFacts.h"
#include "runtime/SystemLibrary.h"
#include "runtime/WideText.h"

namespace {
// Defined here: the import library's copy of this ID has been seen to read wrong.
constexpr IID AccessibleInterface = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
constexpr IID DispatchInterface = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID UnknownInterface = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

bool SameId(REFIID a, const IID& b) { return memcmp(&a, &b, sizeof b) == 0; }

// A text for the caller, allocated as COM's strings are; null when there is none.
BSTR ScreenReaderText(const std::string& text) {
  static const auto allocate = SystemFunction<decltype(SysAllocString)>("oleaut32.dll", "SysAllocString");
  if (text.empty() || !allocate) return nullptr;
  return allocate(WideFromUtf8(text).c_str());
}

HRESULT TextAnswer(const std::string& text, BSTR* answer) {
  if (!answer) return E_INVALIDARG;
  *answer = ScreenReaderText(text);
  return *answer ? S_OK : S_FALSE;
}

// One control's client area. It keeps only the window: every question goes to the
// control's thread, and a window that has gone answers "disconnected".
class ControlAccessible final : public IAccessible {
 public:
  explicit ControlAccessible(HWND window) : window_(window) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!SameId(id, AccessibleInterface) && !SameId(id, DispatchInterface) && !SameId(id, UnknownInterface))
      return E_NOINTERFACE;
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  // IDispatch: not offered, as Active Accessibility's clients call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible: the control is the only element; its child windows are children.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_INVALIDARG;
    *parent = nullptr;
    HWND above = GetAncestor(window_, GA_PARENT);
    if (!IsWindow(window_)) return RPC_E_DISCONNECTED;
    if (!above || !(GetWindowLongA(window_, GWL_STYLE) & WS_CHILD)) return S_FALSE;
    *parent = new (std::nothrow) ControlAccessible(above);
    return *parent ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count) return E_INVALIDARG;
    *count = 0;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++*count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT which, IDispatch** child) override {
    if (!child) return E_INVALIDARG;
    *child = nullptr;
    if (which.vt != VT_I4 || which.lVal < 1) return E_INVALIDARG;
    HWND found = GetWindow(window_, GW_CHILD);
    for (long n = 1; found && n < which.lVal; ++n) found = GetWindow(found, GW_HWNDNEXT);
    if (!found) return E_INVALIDARG;
    *child = new (std::nothrow) ControlAccessible(found);
    return *child ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT which, BSTR* name) override {
    return TextFact(which, &AccessibleFacts::name, name);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT which, BSTR* value) override {
    return TextFact(which, &AccessibleFacts::value, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
    return TextAnswer({}, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT which, VARIANT* role) override {
    AccessibleFacts facts;
    const HRESULT asked = Ask(which, facts);
    return FAILED(asked) ? asked : NumberAnswer(static_cast<long>(facts.role), role);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT which, VARIANT* state) override {
    AccessibleFacts facts;
    const HRESULT asked = Ask(which, facts);
    return FAILED(asked) ? asked : NumberAnswer(static_cast<long>(AccessibleStateBits(facts)), state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return TextAnswer({}, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (topic) *topic = 0;
    return TextAnswer({}, file);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT which, BSTR* shortcut) override {
    return TextFact(which, &AccessibleFacts::shortcut, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_INVALIDARG;
    focus->vt = VT_EMPTY;
    AccessibleFacts facts;
    const HRESULT asked = Ask(Self(), facts);
    if (FAILED(asked)) return asked;
    return facts.focused ? NumberAnswer(CHILDID_SELF, focus) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection) selection->vt = VT_EMPTY;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT which, BSTR* action) override {
    return TextFact(which, &AccessibleFacts::defaultAction, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT which) override {
    if (!IsSelf(which)) return E_INVALIDARG;
    if (!(flags & SELFLAG_TAKEFOCUS)) return S_FALSE;
    // Focus belongs to the control's thread.
    DWORD_PTR done = 0;
    return SendMessageTimeoutA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window_), TRUE, SMTO_ABORTIFHUNG,
                               AnswerLimitMs, &done)
               ? S_OK
               : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT which) override {
    if (!left || !top || !width || !height) return E_INVALIDARG;
    if (!IsSelf(which)) return E_INVALIDARG;
    RECT r;
    if (!GetWindowRect(window_, &r)) return RPC_E_DISCONNECTED;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end) end->vt = VT_EMPTY;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (!child) return E_INVALIDARG;
    child->vt = VT_EMPTY;
    RECT r;
    if (!GetWindowRect(window_, &r)) return RPC_E_DISCONNECTED;
    const POINT p = {x, y};
    if (!PtInRect(&r, p)) return S_FALSE;
    return NumberAnswer(CHILDID_SELF, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT which) override {
    AccessibleFacts facts;
    const HRESULT asked = Ask(which, facts);
    if (FAILED(asked)) return asked;
    if (facts.defaultAction.empty() || facts.unavailable) return DISP_E_MEMBERNOTFOUND;
    // Posted: the action may open a modal window, which must not hold up the caller.
    return PostMessageA(window_, DoDefaultAction, 0, 0) ? S_OK : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // A control that does not answer within this long is taken as gone.
  static constexpr UINT AnswerLimitMs = 5000;

  static VARIANT Self() {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
  }
  static bool IsSelf(const VARIANT& which) { return which.vt == VT_I4 && which.lVal == CHILDID_SELF; }
  static HRESULT NumberAnswer(long number, VARIANT* answer) {
    if (!answer) return E_INVALIDARG;
    answer->vt = VT_I4;
    answer->lVal = number;
    return S_OK;
  }

  // Answers with one text of the control's facts.
  HRESULT TextFact(const VARIANT& which, std::string AccessibleFacts::*text, BSTR* answer) {
    AccessibleFacts facts;
    const HRESULT asked = Ask(which, facts);
    return FAILED(asked) ? asked : TextAnswer(facts.*text, answer);
  }

  // Asks the control for its facts.
  HRESULT Ask(const VARIANT& which, AccessibleFacts& facts) {
    if (!IsSelf(which)) return E_INVALIDARG;
    DWORD_PTR described = 0;
    if (!SendMessageTimeoutA(window_, DescribeForScreenReader, 0, reinterpret_cast<LPARAM>(&facts), SMTO_ABORTIFHUNG,
                             AnswerLimitMs, &described) ||
        !described)
      return RPC_E_DISCONNECTED;
    return S_OK;
  }

  HWND window_;
  LONG references_ = 1;
};
}  // namespace

LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT) return 0;
  static const auto answer = SystemFunction<decltype(LresultFromObject)>("oleacc.dll", "LresultFromObject");
  if (!answer) return 0;
  ControlAccessible* object = new (std::nothrow) ControlAccessible(window);
  if (!object) return 0;
  const LRESULT result = answer(AccessibleInterface, flags, object);
  object->Release();  // the answer holds its own reference
  return result;
}

void AnnounceToScreenReaders(HWND window, DWORD event) {
  if (window) NotifyWinEvent(event, window, OBJID_CLIENT, CHILDID_SELF);
}
