#pragma once

namespace vorda::advanced {

struct TPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPoint&) const = default;
};

// A window's outer rectangle and the size of its client area.
struct TFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int clientWidth = 0;
  int clientHeight = 0;
};

// Where a dialog opens over its owner: centred across the owner, its top edge
// on the top of the owner's client area, then kept on the screen.
TPoint DialogPlacement(const TFrame& owner, int dialogWidth, int dialogHeight, int screenWidth,
                       int screenHeight) noexcept;

// The screen point of the window's menu: the menu button's top-left corner,
// taking the whole frame to lie at the left and the top.
TPoint MenuPoint(const TFrame& window, int buttonLeft, int buttonTop) noexcept;

}  // namespace vorda::advanced
