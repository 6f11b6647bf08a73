#include "core/advanced/Placement.h"

namespace vorda::advanced {

TPoint DialogPlacement(const TFrame& owner, int dialogWidth, int dialogHeight, int screenWidth,
                       int screenHeight) noexcept {
  TPoint p{owner.left + owner.width / 2 - dialogWidth / 2, owner.top + (owner.height - owner.clientHeight)};
  if (p.x + dialogWidth > screenWidth) p.x = screenWidth - dialogWidth;
  if (p.y + dialogHeight > screenHeight) p.y = screenHeight - dialogHeight;
  if (p.x < 0) p.x = 0;
  if (p.y < 0) p.y = 0;
  return p;
}

TPoint MenuPoint(const TFrame& window, int buttonLeft, int buttonTop) noexcept {
  return {window.left + window.width - window.clientWidth + buttonLeft,
          window.top + window.height - window.clientHeight + buttonTop};
}

}  // namespace vorda::advanced
