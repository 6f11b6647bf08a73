#include "TestForm.h"

#include <string>

#include "controls/Gdi.h"

namespace vorda::controls::test {

bool TTestForm::Create(COLORREF background, int width, int height) {
  const std::wstring className = L"VordaTestForm" + std::to_wstring(background);
  if (!RegisterClassOf(className.c_str(), CS_DBLCLKS, ::CreateSolidBrush(background), nullptr)) return false;
  if (!CreateWindowOf(className.c_str(), L"Vorda controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 40, 40, width,
                      height, nullptr))
    return false;
  ::ShowWindow(Handle(), SW_SHOWNORMAL);
  ::SetForegroundWindow(Handle());
  ::SetActiveWindow(Handle());
  ::UpdateWindow(Handle());
  Pump();
  return true;
}

void TTestForm::Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

TTestForm& SharedForm() {
  static TTestForm* form = [] {
    auto* created = new TTestForm;
    created->Create(kFormBackground);
    return created;
  }();
  ::SetActiveWindow(form->Handle());
  return *form;
}

TCapture CaptureClient(HWND hwnd) {
  TCapture capture;
  RECT client{};
  ::GetClientRect(hwnd, &client);
  TDib32 dib = CreateDib32(client.right, client.bottom);
  if (!dib) return capture;
  UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
  {
    TSelectObject select(dc.Get(), dib.bitmap.Get());
    ::SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
    ::GdiFlush();
  }
  capture.width = dib.width;
  capture.height = dib.height;
  capture.pixels.reserve(static_cast<size_t>(dib.width) * dib.height);
  for (int y = 0; y < dib.height; ++y) {
    for (int x = 0; x < dib.width; ++x) {
      const std::uint32_t p = dib.At(x, y);
      capture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
  }
  return capture;
}

TBox BoxOf(const TCapture& capture, COLORREF color) {
  TBox box{capture.width, capture.height, -1, -1, 0};
  for (int y = 0; y < capture.height; ++y) {
    for (int x = 0; x < capture.width; ++x) {
      if (capture.At(x, y) != color) continue;
      ++box.count;
      if (x < box.left) box.left = x;
      if (y < box.top) box.top = y;
      if (x > box.right) box.right = x;
      if (y > box.bottom) box.bottom = y;
    }
  }
  return box;
}

}  // namespace vorda::controls::test
