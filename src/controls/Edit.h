#pragma once

#include <functional>
#include <string_view>

#include "controls/Color.h"
#include "controls/Control.h"

namespace vorda::controls {

// A single-line edit box. onChange follows every change of the text, also by
// SetText; onEnter and onExit follow the focus.
class TEdit : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view text = {}, int id = 0) noexcept;

  bool ReadOnly() const noexcept { return HasStyle(ES_READONLY); }
  void SetReadOnly(bool readOnly) noexcept;
  // 0: the control's own limit.
  void SetMaxLength(int length) noexcept;
  void SelectAll() noexcept;

  // The background; until it is set the system's colours are used (a
  // read-only box then looks grey).
  TColor Color() const noexcept { return background_.Color(); }
  void SetColor(TColor color);

  std::function<void()> onChange;
  std::function<void()> onEnter;
  std::function<void()> onExit;
  std::function<void()> onDblClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  bool CreateEdit(TParent parent, const TBounds& bounds, std::wstring_view text, DWORD style, int id) noexcept;

  virtual void Changed() {
    if (onChange) onChange();
  }
  virtual void Exited() {
    if (onExit) onExit();
  }

 private:
  TSolidBrush background_{clWindow};
  bool colorSet_ = false;
};

}  // namespace vorda::controls
