#include "controls/ProgressBar.h"

#include <commctrl.h>

namespace vorda::controls {

bool TProgressBar::Create(TParent parent, const TBounds& bounds, int id) noexcept {
  return CreateControl(PROGRESS_CLASSW, parent, bounds, {}, WS_VISIBLE | PBS_SMOOTH, 0, id);
}

int TProgressBar::Min() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0)) : 0;
}

int TProgressBar::Max() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0)) : 0;
}

void TProgressBar::SetRange(int min, int max) noexcept {
  if (Handle()) ::SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
}

int TProgressBar::Position() const noexcept {
  return Handle() ? static_cast<int>(::SendMessageW(Handle(), PBM_GETPOS, 0, 0)) : 0;
}

void TProgressBar::SetPosition(int position) noexcept {
  if (Handle()) ::SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void TProgressBar::StepBy(int delta) noexcept {
  if (Handle()) ::SendMessageW(Handle(), PBM_DELTAPOS, static_cast<WPARAM>(delta), 0);
}

}  // namespace vorda::controls
