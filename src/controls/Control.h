#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "controls/Font.h"
#include "controls/Gdi.h"
#include "controls/Window.h"

namespace vorda::controls {

// A control's place in its parent's client area.
struct TBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const TBounds&) const = default;
};

// The parent of a new control: one of our windows or any window handle.
struct TParent {
  TParent(HWND handle) noexcept : hwnd(handle) {}
  TParent(const TWindow& window) noexcept : hwnd(window.Handle()) {}
  HWND hwnd;
};

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };

// Base of the child controls: a child window with an id, a place, a caption,
// a font, a tag, and mouse enter/leave events (through TrackMouseEvent).
// A control takes the font of its parent when it is created (the system's
// message font when the parent has none). Controls created with id 0 get an
// id of their own, unique in the process.
class TControl : public TWindow {
 public:
  static TControl* FromHandle(HWND hwnd) noexcept;

  int Id() const noexcept;
  HWND Parent() const noexcept;
  // Moves the control onto another parent, at the same place in it.
  void SetParent(TParent parent) noexcept;

  TBounds Bounds() const noexcept;
  virtual void SetBounds(const TBounds& bounds) noexcept;
  int Left() const noexcept { return Bounds().left; }
  int Top() const noexcept { return Bounds().top; }
  int Width() const noexcept { return Bounds().width; }
  int Height() const noexcept { return Bounds().height; }
  void SetLeft(int left) noexcept;
  void SetTop(int top) noexcept;
  void SetWidth(int width) noexcept;
  void SetHeight(int height) noexcept;
  void SetPosition(int left, int top) noexcept;
  int ClientWidth() const noexcept;
  int ClientHeight() const noexcept;

  // The control's own visible flag (it may still be unseen on a hidden page).
  bool Visible() const noexcept;
  virtual void SetVisible(bool visible) noexcept;
  // The control's own enabled flag.
  bool Enabled() const noexcept;
  virtual void SetEnabled(bool enabled) noexcept;

  std::wstring Caption() const;
  void SetCaption(std::wstring_view caption);
  std::wstring Text() const { return Caption(); }
  void SetText(std::wstring_view text) { SetCaption(text); }

  // A font the caller keeps alive, or one the control makes and owns.
  using TWindow::Font;
  void SetFont(HFONT font) noexcept;
  void SetFont(const TFontSpec& spec);
  TFontSpec FontSpec() const { return TFontSpec::Of(Font()); }

  bool TabStop() const noexcept;
  void SetTabStop(bool tabStop) noexcept;
  // A number the owner keeps with the control (the trigger number of a
  // radio button, a counter of a label ...).
  std::intptr_t Tag() const noexcept { return tag_; }
  void SetTag(std::intptr_t tag) noexcept { tag_ = tag; }

  bool Focused() const noexcept;
  // Visible and enabled up to the top-level window.
  bool CanFocus() const noexcept;
  void SetFocus() noexcept;

  bool MouseInControl() const noexcept { return mouseInside_; }
  void Invalidate() noexcept;

  std::function<void()> onMouseEnter;
  std::function<void()> onMouseLeave;

 protected:
  // A control of a system or common-controls class. WS_CHILD is added.
  bool CreateControl(const wchar_t* className, TParent parent, const TBounds& bounds, std::wstring_view caption,
                     DWORD style, DWORD exStyle, int id) noexcept;
  // A control of a class of our own (registered on first use).
  bool CreateOwnControl(const wchar_t* className, UINT classStyle, HBRUSH background, TParent parent,
                        const TBounds& bounds, std::wstring_view caption, DWORD style, DWORD exStyle,
                        int id) noexcept;

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  // Mouse tracking: whether the mouse may count as entered or left now.
  virtual bool MayEnter() const noexcept { return true; }
  virtual bool MayLeave() const noexcept { return true; }
  // Sets the inside state; raises onMouseEnter or onMouseLeave when it changed.
  void SetMouseInside(bool inside);

  // After the caption or the font changed.
  virtual void TextChanged() {}
  virtual void FontChanged() {}

  // The paint messages of a control that paints its whole client area through
  // paint(HDC): no background erase, WM_PAINT and WM_PRINTCLIENT. True when
  // msg was one of them, with its result.
  template <typename Paint>
  bool HandleOwnPaint(UINT msg, WPARAM wp, Paint&& paint, LRESULT& result) {
    switch (msg) {
      case WM_ERASEBKGND:
        result = 1;
        return true;
      case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(Handle(), &ps);
        paint(dc);
        ::EndPaint(Handle(), &ps);
        result = 0;
        return true;
      }
      case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wp));
        result = 0;
        return true;
    }
    return false;
  }
  // Whether the mouse position of a button message lies in the client area.
  bool InClientArea(LPARAM lp) const noexcept;

  void ModifyStyle(DWORD remove, DWORD add) noexcept;
  bool HasStyle(DWORD style) const noexcept;

 private:
  void AfterCreate(HWND parent, int id) noexcept;

  UniqueFont ownFont_;
  std::intptr_t tag_ = 0;
  bool mouseInside_ = false;
};

// The top-level window a control lives in.
inline HWND RootOf(HWND hwnd) noexcept { return hwnd ? ::GetAncestor(hwnd, GA_ROOT) : nullptr; }

// Whether a window can take the focus: it and its parents up to the
// top-level window are visible and enabled.
bool CanFocusWindow(HWND hwnd) noexcept;

}  // namespace vorda::controls
