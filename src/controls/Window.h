#pragma once

#include <windows.h>

#include <vector>

namespace vorda::controls {

class TTimer;

// Base of the program's windows and controls: one window procedure that finds
// the object through the pointer stored at WM_NCCREATE (or when a window of a
// system class is taken over) and hands every message to HandleMessage.
// Exceptions never leave the procedure.
//
// A window passes the notifications of its children (WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL, WM_DRAWITEM) back to the child's
// object first, so that a control turns them into its own events and the form
// only binds callbacks. WM_TIMER goes to the window's TTimer of that id. A
// top-level window also acts for its default and cancel buttons: Enter and
// Escape (through IsDialogMessage) press the visible, enabled one.
class TWindow {
 public:
  TWindow() = default;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  virtual ~TWindow();

  HWND Handle() const noexcept { return hwnd_; }

  // The object of one of our windows; null for any other window.
  static TWindow* FromHandle(HWND hwnd) noexcept;

  // The font the window draws with (not owned; null: the system font).
  HFONT Font() const noexcept;
  void SetFont(HFONT font) noexcept;

  // Sent to every window of a form when the focus moved; wParam is the
  // window that has it now (may be null).
  static UINT FocusChangedMessage() noexcept;
  // Sent to the windows of a form for Alt and a character; wParam is the
  // character. A window that acts on it answers nonzero.
  static UINT DialogCharMessage() noexcept;

 protected:
  // Registers a class of our own once per process; false when that fails.
  static bool RegisterClassOf(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon) noexcept;

  // Creates a window of our own class (registered on first use with the
  // button-face background). id is the child-window id.
  bool CreateWindowOf(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x,
                      int y, int width, int height, HWND parent, HICON icon = nullptr, int id = 0) noexcept;

  // Creates a window of a system or common-controls class and takes it over:
  // its messages pass HandleMessage first, Default then runs the class's own.
  bool CreateSystemWindow(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x,
                          int y, int width, int height, HWND parent, int id) noexcept;

  // The default is Default.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // DefWindowProc, or the class's own procedure for a system window.
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) noexcept;

  // A notification the parent received from this window, handed back. True
  // when handled; result is then what the parent answers.
  virtual bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // The role of a push button in its form: the one Enter or Escape presses.
  enum TDialogRole : unsigned { drNone = 0, drDefault = 1, drCancel = 2 };
  virtual unsigned DialogRole() const noexcept { return drNone; }

  // Called after the window is gone (WM_NCDESTROY).
  virtual void OnDestroyed() noexcept {}

 private:
  friend class TTimer;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  void Attach(HWND hwnd) noexcept;
  void Detach() noexcept;
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
  bool DispatchAsForm(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  HWND FindDialogButton(unsigned role) const noexcept;
  void ArmTimers() noexcept;

  HWND hwnd_ = nullptr;
  WNDPROC systemProc_ = nullptr;  // the class's own procedure of a system window
  HFONT font_ = nullptr;          // WM_SETFONT of a window of our own class
  std::vector<TTimer*> timers_;
};

// Sends msg to every descendant of root; stops at the first that answers
// nonzero when untilTaken is set. True when one answered nonzero.
bool SendToDescendants(HWND root, UINT msg, WPARAM wp, LPARAM lp, bool untilTaken) noexcept;

}  // namespace vorda::controls
