#pragma once

#include <functional>
#include <string_view>

#include "controls/Color.h"
#include "controls/Control.h"

namespace vorda::controls {

// A static text. It sizes itself to its text by default (an empty caption
// keeps one line; right alignment keeps the right edge); "&" marks an
// accelerator that moves the focus to the next control.
class TLabel : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id = 0) noexcept;

  TAlignment Alignment() const noexcept { return alignment_; }
  void SetAlignment(TAlignment alignment) noexcept;
  bool WordWrap() const noexcept { return wordWrap_; }
  void SetWordWrap(bool wordWrap) noexcept;
  bool ShowAccelChar() const noexcept { return showAccelChar_; }
  void SetShowAccelChar(bool show) noexcept;
  bool AutoSize() const noexcept { return autoSize_; }
  void SetAutoSize(bool autoSize) noexcept;

  TColor FontColor() const noexcept { return fontColor_; }
  void SetFontColor(TColor color) noexcept;
  TColor Color() const noexcept { return background_.Color(); }
  void SetColor(TColor color);

  // Sizes the label to its text now (only with AutoSize).
  void FitToText() noexcept;

  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void TextChanged() override { FitToText(); }
  void FontChanged() override { FitToText(); }

 private:
  void ApplyStyle() noexcept;
  UINT DrawFlags() const noexcept;

  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool autoSize_ = true;
  TColor fontColor_ = clBtnText;
  TSolidBrush background_{clBtnFace};
};

}  // namespace vorda::controls
