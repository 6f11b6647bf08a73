#pragma once

#include "controls/Window.h"

namespace vorda::app {

// The main window. Its client area is 339 x 257; it mediates between the
// units that hold the program's rules and the controls that show them.
class TVordaForm : public controls::TWindow {
 public:
  static constexpr int kClientWidth = 339;
  static constexpr int kClientHeight = 257;
  static constexpr const wchar_t* kClassName = L"TVordaForm";

  bool Create();
  void Show(int showCommand);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace vorda::app
