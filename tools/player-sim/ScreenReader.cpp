#include "tools/player-sim/ScreenReader.h"

#include <oleacc.h>

#include <stdexcept>

#include "runtime/WideText.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
// The interface's ID from its public value: the import library's copy can read wrong.
constexpr IID AccessibleInterface = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct Released {
  void operator()(IUnknown* object) const {
    if (object) object->Release();
  }
};

VARIANT Self() {
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::string TextOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), IAccessible& object) {
  BSTR text = nullptr;
  if ((object.*get)(Self(), &text) != S_OK || !text) return {};
  const std::string utf8 = Utf8FromWide(text);
  SysFreeString(text);
  return utf8;
}

std::string RoleOf(IAccessible& object) {
  VARIANT role;
  VariantInit(&role);
  if (object.get_accRole(Self(), &role) != S_OK || role.vt != VT_I4) return "no role";
  char text[100] = {};
  GetRoleTextA(static_cast<DWORD>(role.lVal), text, sizeof text);
  return text;
}

std::string StatesOf(IAccessible& object) {
  VARIANT state;
  VariantInit(&state);
  if (object.get_accState(Self(), &state) != S_OK || state.vt != VT_I4) return "no state";
  std::string states;
  for (DWORD bit = 1; bit != 0; bit <<= 1) {
    if (!(static_cast<DWORD>(state.lVal) & bit)) continue;
    char text[100] = {};
    GetStateTextA(bit, text, sizeof text);
    states += (states.empty() ? "" : ", ") + std::string(text);
  }
  return states.empty() ? "normal" : states;
}

// "<role> '<name>'", then whatever else the object tells.
std::string Description(IAccessible& object) {
  std::string line = RoleOf(object) + " " + Quoted(TextOf(&IAccessible::get_accName, object));
  const std::string value = TextOf(&IAccessible::get_accValue, object);
  if (!value.empty()) line += " value " + Quoted(value);
  line += " [" + StatesOf(object) + "]";
  const std::string action = TextOf(&IAccessible::get_accDefaultAction, object);
  if (!action.empty()) line += " action " + Quoted(action);
  const std::string shortcut = TextOf(&IAccessible::get_accKeyboardShortcut, object);
  if (!shortcut.empty()) line += " key " + Quoted(shortcut);
  return line;
}

IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), AccessibleInterface,
                                        reinterpret_cast<void**>(&object))))
    return nullptr;
  return object;
}

void LogObject(SimLog& log, IAccessible& object, const std::string& indent) {
  log.Line("ui: accessible " + indent + Description(object));
  long count = 0;
  if (object.get_accChildCount(&count) != S_OK) return;
  for (long n = 1; n <= count; ++n) {
    VARIANT which;
    VariantInit(&which);
    which.vt = VT_I4;
    which.lVal = n;
    IDispatch* dispatch = nullptr;
    if (object.get_accChild(which, &dispatch) != S_OK || !dispatch) continue;
    IAccessible* child = nullptr;
    const HRESULT asked = dispatch->QueryInterface(AccessibleInterface, reinterpret_cast<void**>(&child));
    dispatch->Release();
    if (FAILED(asked) || !child) continue;
    LogObject(log, *child, indent + "  ");
    child->Release();
  }
}

SimLog* eventLog = nullptr;

const char* EventName(DWORD event) {
  switch (event) {
    case EVENT_OBJECT_FOCUS:
      return "focus";
    case EVENT_OBJECT_STATECHANGE:
      return "state";
    case EVENT_OBJECT_VALUECHANGE:
      return "value";
    case EVENT_OBJECT_NAMECHANGE:
      return "name";
    case EVENT_OBJECT_SHOW:
      return "show";
    default:
      return nullptr;
  }
}

void CALLBACK HeardEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
  const char* name = EventName(event);
  if (!name || !eventLog || !window || objectId != OBJID_CLIENT) return;
  IAccessible* object = nullptr;
  VARIANT child;
  VariantInit(&child);
  if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(objectId), static_cast<DWORD>(childId), &object,
                                       &child)) ||
      !object)
    return;
  const std::unique_ptr<IAccessible, Released> held(object);
  eventLog->Line(std::string("screen reader: ") + name + " " + Description(*object));
}
}  // namespace

void LogAccessibleTree(SimLog& log, HWND window) {
  const std::unique_ptr<IAccessible, Released> object(ClientObject(window));
  if (!object) throw std::runtime_error("the window gives no accessible object");
  LogObject(log, *object, "");
}

std::string AccessibleSummary(HWND control) {
  const std::unique_ptr<IAccessible, Released> object(ClientObject(control));
  if (!object) throw std::runtime_error("the focused window gives no accessible object");
  return RoleOf(*object) + " " + Quoted(TextOf(&IAccessible::get_accName, *object));
}

std::string AccessibleName(HWND control) {
  const std::unique_ptr<IAccessible, Released> object(ClientObject(control));
  return object ? TextOf(&IAccessible::get_accName, *object) : std::string();
}

ScreenReaderEvents::ScreenReaderEvents(SimLog& log)
    : hook_(SetWinEventHook(EVENT_OBJECT_SHOW, EVENT_OBJECT_VALUECHANGE, GetModuleHandleA(nullptr), &HeardEvent,
                            GetCurrentProcessId(), 0, WINEVENT_INCONTEXT)) {
  if (!hook_) throw std::runtime_error("cannot listen to the accessibility events");
  eventLog = &log;
}

ScreenReaderEvents::~ScreenReaderEvents() {
  UnhookWinEvent(hook_);
  eventLog = nullptr;
}
