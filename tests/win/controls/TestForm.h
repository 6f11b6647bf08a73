#pragma once

#include <windows.h>

#include <vector>

#include "controls/Window.h"

namespace vorda::controls::test {

// A shown top-level window for the controls under test, with a plain
// background of its own colour.
class TTestForm : public TWindow {
 public:
  bool Create(COLORREF background = RGB(0, 128, 0), int width = 560, int height = 440);

  // Handles the messages waiting in the queue.
  static void Pump();
};

// The form the tests of one process share, with a green background. It is
// never destroyed: a shown top-level window that goes waits for a window
// manager that the virtual display does not have.
TTestForm& SharedForm();
inline constexpr COLORREF kFormBackground = RGB(0, 128, 0);

// The client area of a window as drawn by WM_PRINTCLIENT.
struct TCapture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
TCapture CaptureClient(HWND hwnd);

// Where the pixels of exactly one colour are (right and bottom inclusive).
struct TBox {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
  int count = 0;
};
TBox BoxOf(const TCapture& capture, COLORREF color);

}  // namespace vorda::controls::test
