#pragma once

#include <functional>
#include <string_view>

#include "controls/Control.h"
#include "controls/Gdi.h"

namespace vorda::controls {

class TImageList;

// A push button. The visible, enabled default button of a form is pressed by
// Enter and its cancel button by Escape (the message loop's IsDialogMessage
// asks the form); a form may have several of each, of which one is shown.
class TButton : public TControl {
 public:
  bool Create(TParent parent, const TBounds& bounds, std::wstring_view caption, int id = 0) noexcept;

  bool Default() const noexcept { return default_; }
  void SetDefault(bool isDefault) noexcept;
  bool Cancel() const noexcept { return cancel_; }
  void SetCancel(bool isCancel) noexcept { cancel_ = isCancel; }

  // Shows a picture of the image list on the button (a copy the button owns).
  bool SetImage(const TImageList& images, int index) noexcept;
  HICON Image() const noexcept { return image_.Get(); }

  // Raises onClick as a press of the button does.
  void Click();

  std::function<void()> onClick;

 protected:
  bool HandleReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  unsigned DialogRole() const noexcept override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  UniqueIcon image_;
};

}  // namespace vorda::controls
