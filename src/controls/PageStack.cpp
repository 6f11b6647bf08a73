#include "controls/PageStack.h"

#include <algorithm>

namespace vorda::controls {
namespace {

constexpr const wchar_t* kPageClass = L"VordaPage";
constexpr const wchar_t* kStackClass = L"VordaPageStack";

}  // namespace

TPage::~TPage() {
  if (stack_) stack_->Remove(this);
}

int TPage::PageIndex() const noexcept { return stack_ ? stack_->IndexOf(*this) : -1; }

TPageStack::~TPageStack() {
  for (TPage* page : pages_) page->stack_ = nullptr;
}

bool TPageStack::Create(TParent parent, const TBounds& bounds, int id) noexcept {
  return CreateOwnControl(kStackClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), parent, bounds, {},
                          WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, id);
}

bool TPageStack::AddPage(TPage& page, std::wstring_view caption) noexcept {
  if (!Handle() || page.Handle() || page.stack_) return false;
  RECT client{};
  ::GetClientRect(Handle(), &client);
  const bool first = pages_.empty();
  // Background of its own: transparent controls on the page draw over it.
  if (!page.CreateOwnControl(kPageClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), *this,
                             {0, 0, client.right, client.bottom}, caption,
                             WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (first ? WS_VISIBLE : 0), WS_EX_CONTROLPARENT, 0))
    return false;
  page.stack_ = this;
  pages_.push_back(&page);
  if (first) active_ = &page;
  return true;
}

TPage* TPageStack::Page(int index) const noexcept {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

int TPageStack::IndexOf(const TPage& page) const noexcept {
  const auto it = std::find(pages_.begin(), pages_.end(), &page);
  return it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin());
}

void TPageStack::SetActivePage(TPage& page) {
  if (page.stack_ != this || &page == active_) return;
  TPage* previous = active_;
  active_ = &page;
  page.SetVisible(true);
  if (previous) {
    HWND focus = ::GetFocus();
    const bool focusInside = focus && (focus == previous->Handle() || ::IsChild(previous->Handle(), focus));
    previous->SetVisible(false);
    // Keys must not go to a control nobody sees.
    if (focusInside) ::SetFocus(RootOf(Handle()));
  }
  if (onChange) onChange();
}

void TPageStack::SetActivePageIndex(int index) {
  if (TPage* page = Page(index)) SetActivePage(*page);
}

void TPageStack::Remove(TPage* page) noexcept {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (active_ == page) active_ = nullptr;
}

void TPageStack::FitPages() noexcept {
  RECT client{};
  ::GetClientRect(Handle(), &client);
  for (TPage* page : pages_) page->SetBounds({0, 0, client.right, client.bottom});
}

LRESULT TPageStack::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE) FitPages();
  return TControl::HandleMessage(msg, wp, lp);
}

}  // namespace vorda::controls
