#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controls/Color.h"
#include "controls/Control.h"

namespace vorda::controls {

// Where the shadow falls: shifted by (-s,-s), (-s,+s), (+s,+s) or (+s,-s).
enum class TShadowPosition : std::uint8_t { spLeftTop, spLeftBottom, spRightBottom, spRightTop };

POINT ShadowOffset(TShadowPosition position, int size) noexcept;

// Draws text once in the shadow colour, shifted towards the shadow position,
// and once in the DC's text colour at its place, with the same DrawText
// flags. rect becomes the union of both rectangles (with DT_CALCRECT nothing
// is drawn and it is the room text and shadow need). The result is the
// shadow's height, plus the shadow size when that height is positive.
int DrawTextWithShadow(HDC dc, std::wstring_view text, TShadowPosition position, COLORREF shadowColor,
                       int shadowSize, UINT flags, RECT& rect) noexcept;

// The accelerator of a caption: the character after a single "&" ("&&" is an
// ampersand); 0 when there is none.
wchar_t AccelCharOf(std::wstring_view caption) noexcept;

// A label that draws its caption with a drop shadow over its parent's
// background, double-buffered. Apart from the shadow it behaves as a plain
// label: alignment, vertical layout, sizing to its text (an empty caption
// keeps one line; right alignment keeps the right edge), word wrap,
// accelerator characters that focus FocusControl, an optional focus
// rectangle, transparency, and mouse enter/leave events. Disabled, it is
// drawn engraved: grey text over a highlight shadow (1 pixel to the bottom
// right when it has no shadow of its own).
class TSuperLabel : public TControl {
 public:
  // Width 65 and height 17 when bounds leaves them 0; sized to the caption
  // right away (AutoSize is on).
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption = {}, int id = 0) noexcept;

  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment) noexcept;
  TTextLayout Layout() const noexcept { return layout_; }
  void SetLayout(TTextLayout layout) noexcept;
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize) noexcept;
  bool WordWrap() const noexcept { return wordWrap_; }
  void SetWordWrap(bool wordWrap) noexcept;
  bool ShowAccelChar() const noexcept { return showAccelChar_; }
  void SetShowAccelChar(bool show) noexcept;
  bool ShowFocus() const noexcept { return showFocus_; }
  void SetShowFocus(bool show) noexcept;
  // Transparent: the parent's background shows through. Opaque: the label
  // fills itself with Color, or with the parent's background while no
  // colour is set.
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool transparent) noexcept;

  TColor Color() const noexcept { return color_.value_or(clBtnFace); }
  void SetColor(TColor color) noexcept;
  TColor FontColor() const noexcept { return fontColor_; }
  void SetFontColor(TColor color) noexcept;
  TColor ShadowColor() const noexcept { return shadowColor_; }
  void SetShadowColor(TColor color) noexcept;
  std::uint8_t ShadowSize() const noexcept { return shadowSize_; }
  void SetShadowSize(std::uint8_t size) noexcept;
  TShadowPosition ShadowPos() const noexcept { return shadowPos_; }
  void SetShadowPos(TShadowPosition position) noexcept;

  // The control its accelerator focuses (any window; null for none). A
  // window that is gone counts as none.
  HWND FocusControl() const noexcept;
  void SetFocusControl(HWND control) noexcept;
  void SetFocusControl(const TWindow& control) noexcept { SetFocusControl(control.Handle()); }
  // Whether the focus control has the focus.
  bool FocusControlFocused() const noexcept { return focused_; }

  // Sizes the label to its text now (only with AutoSize).
  void FitToText() noexcept;
  // Draws the client area into dc, double-buffered.
  void PaintTo(HDC dc) noexcept;

  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  virtual TColor GetDisplayColor() const { return fontColor_; }
  virtual std::wstring GetDisplayText() const { return Caption(); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool MayEnter() const noexcept override;
  bool MayLeave() const noexcept override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  int DrawCaption(HDC dc, RECT& rect, UINT flags);
  void Paint(HDC dc);
  void UpdateMouseInside();
  bool DialogChar(wchar_t ch);

  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool showFocus_ = false;
  bool transparent_ = false;
  bool focused_ = false;
  bool dragging_ = false;
  std::optional<TColor> color_;
  TColor fontColor_ = clBtnText;
  TColor shadowColor_ = clBtnHighlight;
  std::uint8_t shadowSize_ = 1;
  TShadowPosition shadowPos_ = TShadowPosition::spLeftTop;
  HWND focusControl_ = nullptr;
};

}  // namespace vorda::controls
