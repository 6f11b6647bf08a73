#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "controls/Control.h"

namespace vorda::controls {

class TPageStack;

// A page of a page stack: a container whose controls are created with the
// page as their parent. The page object belongs to its owner (a form's
// member); it leaves its stack when it goes.
class TPage : public TControl {
 public:
  ~TPage() override;

  TPageStack* Stack() const noexcept { return stack_; }
  // The place among the stack's pages, -1 outside a stack.
  int PageIndex() const noexcept;

 private:
  friend class TPageStack;
  TPageStack* stack_ = nullptr;
};

// Pages that replace each other in one place, with no tabs to show: only the
// active page is visible, and the program switches pages.
class TPageStack : public TControl {
 public:
  ~TPageStack() override;

  bool Create(TParent parent, const TBounds& bounds, int id = 0) noexcept;

  // Creates page as the next page, filling the stack; the first page becomes
  // the active one, later ones start hidden. caption names the page.
  bool AddPage(TPage& page, std::wstring_view caption = {}) noexcept;

  int PageCount() const noexcept { return static_cast<int>(pages_.size()); }
  TPage* Page(int index) const noexcept;
  int IndexOf(const TPage& page) const noexcept;

  TPage* ActivePage() const noexcept { return active_; }
  int ActivePageIndex() const noexcept { return active_ ? IndexOf(*active_) : -1; }
  // Shows page and hides the one before; the focus leaves a hidden page.
  // onChange follows a change. A page of another stack is refused.
  void SetActivePage(TPage& page);
  void SetActivePageIndex(int index);

  std::function<void()> onChange;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  friend class TPage;
  void Remove(TPage* page) noexcept;
  void FitPages() noexcept;

  std::vector<TPage*> pages_;
  TPage* active_ = nullptr;
};

}  // namespace vorda::controls
