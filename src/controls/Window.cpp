#include "controls/Window.h"

#include "controls/Timer.h"

namespace vorda::controls {
namespace {

// The property that holds the object of one of our windows.
constexpr const wchar_t* kSelfProperty = L"Vorda.TWindow";
// The class's own procedure of a system window that we took over. It stays
// while our procedure is in the window's chain, also after the object let go.
constexpr const wchar_t* kClassProcProperty = L"Vorda.ClassProc";

// The child whose notification the parent received, or null.
HWND NotifyingChild(UINT msg, WPARAM wp, LPARAM lp) noexcept {
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lp);
    case WM_NOTIFY:
      return lp ? reinterpret_cast<const NMHDR*>(lp)->hwndFrom : nullptr;
    case WM_DRAWITEM:
      return wp && lp ? reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem : nullptr;
  }
  return nullptr;
}

}  // namespace

TWindow::~TWindow() {
  for (TTimer* timer : timers_) {
    if (hwnd_) ::KillTimer(hwnd_, timer->id_);
    timer->owner_ = nullptr;
  }
  if (hwnd_) {
    // No message may reach the half-destroyed object.
    HWND hwnd = hwnd_;
    Detach();
    ::DestroyWindow(hwnd);
  }
}

TWindow* TWindow::FromHandle(HWND hwnd) noexcept {
  return hwnd ? static_cast<TWindow*>(::GetPropW(hwnd, kSelfProperty)) : nullptr;
}

HFONT TWindow::Font() const noexcept {
  return hwnd_ ? reinterpret_cast<HFONT>(::SendMessageW(hwnd_, WM_GETFONT, 0, 0)) : nullptr;
}

void TWindow::SetFont(HFONT font) noexcept {
  if (hwnd_) ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

UINT TWindow::FocusChangedMessage() noexcept {
  static const UINT msg = ::RegisterWindowMessageW(L"Vorda.FocusChanged");
  return msg;
}

UINT TWindow::DialogCharMessage() noexcept {
  static const UINT msg = ::RegisterWindowMessageW(L"Vorda.DialogChar");
  return msg;
}

bool TWindow::RegisterClassOf(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon) noexcept {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  if (::GetClassInfoExW(instance, className, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  wc.style = classStyle;
  wc.lpfnWndProc = &TWindow::Proc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  return ::RegisterClassExW(&wc) != 0;
}

bool TWindow::CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                             int x, int y, int width, int height, HWND parent, HICON icon, int id) noexcept {
  if (hwnd_) return false;
  if (!RegisterClassOf(className, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon)) return false;
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  if (!::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, menu,
                         ::GetModuleHandleW(nullptr), this))
    return false;
  ArmTimers();
  return hwnd_ != nullptr;
}

bool TWindow::CreateSystemWindow(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle,
                                 int x, int y, int width, int height, HWND parent, int id) noexcept {
  if (hwnd_) return false;
  HWND hwnd = ::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                nullptr);
  if (!hwnd) return false;
  Attach(hwnd);
  systemProc_ =
      reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::Proc)));
  ::SetPropW(hwnd, kClassProcProperty, reinterpret_cast<HANDLE>(systemProc_));
  ArmTimers();
  return true;
}

LRESULT TWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT TWindow::Default(UINT msg, WPARAM wp, LPARAM lp) noexcept {
  return systemProc_ ? ::CallWindowProcW(systemProc_, hwnd_, msg, wp, lp) : ::DefWindowProcW(hwnd_, msg, wp, lp);
}

bool TWindow::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TWindow::Attach(HWND hwnd) noexcept {
  hwnd_ = hwnd;
  ::SetPropW(hwnd, kSelfProperty, this);
}

void TWindow::Detach() noexcept {
  if (!hwnd_) return;
  // When another subclass came after ours, our procedure stays in the chain
  // and passes the messages on to the class's own.
  if (systemProc_ && ::GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TWindow::Proc)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    ::RemovePropW(hwnd_, kClassProcProperty);
  }
  ::RemovePropW(hwnd_, kSelfProperty);
  hwnd_ = nullptr;
  systemProc_ = nullptr;
}

void TWindow::ArmTimers() noexcept {
  for (TTimer* timer : timers_) timer->Arm();
}

LRESULT TWindow::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HWND child = NotifyingChild(msg, wp, lp); child && child != hwnd_) {
    if (TWindow* control = FromHandle(child); control && control->HandleReflected(msg, wp, lp, result))
      return result;
  }
  if (msg == WM_TIMER) {
    for (TTimer* timer : timers_) {
      if (timer->id_ == wp) {
        timer->Fire();
        return 0;
      }
    }
  }
  if (!systemProc_) {
    if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
    if (msg == WM_SETFONT) {
      font_ = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp)) ::InvalidateRect(hwnd_, nullptr, TRUE);
    }
    if (!(::GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) && DispatchAsForm(msg, wp, lp, result)) return result;
  }
  return HandleMessage(msg, wp, lp);
}

bool TWindow::DispatchAsForm(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case DM_GETDEFID:
      if (HWND button = FindDialogButton(drDefault)) {
        result = MAKELRESULT(::GetDlgCtrlID(button), DC_HASDEFID);
        return true;
      }
      break;
    case WM_COMMAND:
      // Enter without a default button, or Escape: from IsDialogMessage,
      // without a control behind it.
      if (lp == 0 && HIWORD(wp) == BN_CLICKED && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        if (HWND button = FindDialogButton(LOWORD(wp) == IDOK ? drDefault : drCancel)) {
          ::SendMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
          result = 0;
          return true;
        }
      }
      break;
    case WM_NEXTDLGCTL: {
      HWND next = LOWORD(lp) ? reinterpret_cast<HWND>(wp) : ::GetNextDlgTabItem(hwnd_, ::GetFocus(), wp != 0);
      if (next) ::SetFocus(next);
      result = 0;
      return true;
    }
    case WM_SYSCHAR:
      if (SendToDescendants(hwnd_, DialogCharMessage(), wp, 0, true)) {
        result = 0;
        return true;
      }
      break;
  }
  return false;
}

HWND TWindow::FindDialogButton(unsigned role) const noexcept {
  struct Search {
    unsigned role;
    HWND found;
  } search{role, nullptr};
  ::EnumChildWindows(
      hwnd_,
      [](HWND child, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        const TWindow* window = FromHandle(child);
        if (window && (window->DialogRole() & s->role) && ::IsWindowVisible(child) && ::IsWindowEnabled(child)) {
          s->found = child;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LRESULT CALLBACK TWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  TWindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (self) self->Attach(hwnd);
  } else {
    self = FromHandle(hwnd);
  }
  if (!self) {
    const auto classProc = reinterpret_cast<WNDPROC>(::GetPropW(hwnd, kClassProcProperty));
    if (!classProc) return ::DefWindowProcW(hwnd, msg, wp, lp);
    const LRESULT result = ::CallWindowProcW(classProc, hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) ::RemovePropW(hwnd, kClassProcProperty);
    return result;
  }

  LRESULT result = 0;
  try {
    result = self->Dispatch(msg, wp, lp);
  } catch (...) {
    result = self->Default(msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    self->Detach();
    ::RemovePropW(hwnd, kClassProcProperty);
    self->OnDestroyed();
  }
  return result;
}

bool SendToDescendants(HWND root, UINT msg, WPARAM wp, LPARAM lp, bool untilTaken) noexcept {
  struct Broadcast {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    bool untilTaken;
    bool taken;
  } b{msg, wp, lp, untilTaken, false};
  ::EnumChildWindows(
      root,
      [](HWND child, LPARAM param) -> BOOL {
        auto* b = reinterpret_cast<Broadcast*>(param);
        if (::SendMessageW(child, b->msg, b->wp, b->lp) != 0) {
          b->taken = true;
          if (b->untilTaken) return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&b));
  return b.taken;
}

}  // namespace vorda::controls
