#include "win/system/TaskbarProgress.h"

#include <shobjidl.h>

#include "win/actions/SystemLibrary.h"
#include "win/system/SystemInfo.h"
#include "win/util/ComPtr.h"

namespace vorda::win {
namespace {

class TTaskbarList final : public actions::ITaskbarProgress {
 public:
  TTaskbarList(ComPtr<ITaskbarList3> list, HWND window) noexcept : list_(std::move(list)), window_(window) {}

  bool SetProgressState(actions::TProgressState state) noexcept override {
    return SUCCEEDED(list_->SetProgressState(window_, static_cast<TBPFLAG>(state)));
  }
  bool SetProgressValue(std::uint64_t completed, std::uint64_t total) noexcept override {
    return SUCCEEDED(list_->SetProgressValue(window_, completed, total));
  }

 private:
  ComPtr<ITaskbarList3> list_;
  HWND window_;
};

}  // namespace

UINT RegisterTaskbarButtonCreated(HWND window) noexcept {
  const UINT message = ::RegisterWindowMessageW(kTaskbarButtonCreatedMessage);
  if (message == 0 || !window) return message;
  // Windows 7 and later: the message filter of an elevated process would
  // otherwise drop the taskbar's message.
  using FilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);
  const UniqueModule user32 = LoadSystemLibrary(L"user32.dll");
  if (const auto filter = GetProc<FilterFn>(user32, "ChangeWindowMessageFilterEx"))
    filter(window, message, MSGFLT_ALLOW, nullptr);
  return message;
}

std::unique_ptr<actions::ITaskbarProgress> CreateTaskbarProgress(HWND window) noexcept {
  if (!IsWin7OrLater()) return nullptr;
  ComPtr<ITaskbarList3> list;
  ::CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_ITaskbarList3,
                     list.PutVoid());
  if (!list) return nullptr;
  list->HrInit();
  return std::unique_ptr<actions::ITaskbarProgress>(new (std::nothrow) TTaskbarList(std::move(list), window));
}

}  // namespace vorda::win
