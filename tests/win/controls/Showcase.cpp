// One of each control in a window, for looking at: controls_showcase [seconds]
// (10 seconds by default).
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "TestForm.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/ImageButton.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/NumberBox.h"
#include "controls/PageStack.h"
#include "controls/ProgressBar.h"
#include "controls/RadioButton.h"
#include "controls/ShadowLabel.h"
#include "controls/Timer.h"

using namespace vorda::controls;

namespace {

TDib32 Square(int size, std::uint32_t inner, std::uint32_t outer) {
  TDib32 dib = CreateDib32(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
      dib.At(x, y) = edge ? outer : inner;
    }
  }
  PremultiplyAlpha(dib);
  return dib;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR args, int) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
  ::InitCommonControlsEx(&icc);
  const int seconds = args && *args ? static_cast<int>(std::wcstol(args, nullptr, 10)) : 10;

  vorda::controls::test::TTestForm form;
  if (!form.Create(::GetSysColor(COLOR_BTNFACE), 620, 330)) return 1;

  TImageButton menu;
  TDib32 menu1 = Square(15, 0xFF3060C0, 0xFF102040);
  TDib32 menu2 = Square(15, 0xFFF0C020, 0xFF806000);
  menu.Create(form, {4, 4, 17, 17});
  menu.SetPicture(menu1.bitmap.Get());
  menu.onMouseEnter = [&] { menu.SetPicture(menu2.bitmap.Get()); };
  menu.onMouseLeave = [&] { menu.SetPicture(menu1.bitmap.Get()); };
  TLabel tip;
  tip.Create(form, {26, 5, 0, 0}, L"<< kliknij tutaj");
  TSuperLabel name;
  name.Create(form, {500, 4, 100, 0}, L"Elmqvara");
  name.SetAlignment(TAlignment::taRightJustify);
  name.SetFontColor(clRed);
  name.SetShadowSize(0);

  TPageStack pages;
  pages.Create(form, {0, 30, 300, 250});
  TPage options, time;
  pages.AddPage(options, L"tabOptions");
  pages.AddPage(time, L"tabTime");
  TRadioButton triggers[3];
  const wchar_t* captions[] = {L"Po upływie wskazanego czasu", L"O wyznaczonej godzinie",
                               L"Gdy podany program zostanie zamknięty"};
  for (int i = 0; i < 3; ++i) {
    triggers[i].Create(options, {8, 8 + 20 * i, 260, 17}, captions[i]);
    triggers[i].SetTag(i + 1);
  }
  triggers[0].SetChecked(true);
  TComboBox program;
  program.Create(options, {24, 70, 200, 21});
  program.SetItems({L"Notatnik", L"KO>>Notepad"});
  program.SetText(L"Notatnik");
  program.SetColor(RGB(224, 255, 224));
  TImageList icons;
  icons.Create(16, 16);
  TDib32 refreshPicture = Square(16, 0xFF20A040, 0xFF105020);
  icons.Add(refreshPicture.bitmap.Get());
  TButton refresh;
  refresh.Create(options, {230, 68, 25, 25}, L"");
  refresh.SetImage(icons, 0);
  TGroupBox group;
  group.Create(options, {8, 100, 270, 80}, L"Czas");
  TCheckBox check;
  check.Create(group, {8, 20, 200, 17}, L"Os&trzegaj sygnałami");
  check.SetChecked(true);
  TNumberBox seconds15;
  seconds15.Create(group, {8, 44, 41, 22}, 2, 60, 15);
  TLabel unit;
  unit.Create(group, {54, 48, 0, 0}, L"sekund(y)");
  TEdit path;
  path.Create(options, {8, 190, 200, 21}, L"C:\\Users\\VORDA.jpg");
  TButton start;
  start.Create(options, {200, 218, 90, 25}, L"Rozpocznij");
  start.SetDefault(true);

  TPageStack right;
  right.Create(form, {310, 30, 300, 250});
  TPage countdown;
  right.AddPage(countdown);
  TSuperLabel remainingDesc;
  remainingDesc.Create(countdown, {8, 8, 0, 0}, L"Czas pozostały do wyłączenia komputera:");
  TSuperLabel remaining;
  remaining.Create(countdown, {8, 40, 284, 60}, L"0:00:05");
  TFontSpec big = TFontSpec::Of(nullptr);
  big.height = -40;
  big.bold = true;
  remaining.SetFont(big);
  remaining.SetAutoSize(false);
  remaining.SetBounds({8, 40, 284, 60});
  remaining.SetAlignment(TAlignment::taCenter);
  remaining.SetShadowSize(2);
  remaining.SetShadowPos(TShadowPosition::spRightBottom);
  remaining.SetShadowColor(clBtnShadow);
  TSuperLabel title;
  title.Create(countdown, {8, 110, 0, 0}, L"Uruchomiłeś program instalacyjny.");
  TFontSpec maroon = TFontSpec::Of(nullptr);
  maroon.height = -13;
  maroon.bold = true;
  title.SetFont(maroon);
  title.SetFontColor(clMaroon);
  title.SetShadowColor(clWhite);
  TSuperLabel disabled;
  disabled.Create(countdown, {8, 140, 0, 0}, L"Wyłączona etykieta");
  disabled.SetShadowSize(0);
  disabled.SetEnabled(false);
  TSuperLabel wrapped;
  wrapped.Create(countdown, {8, 165, 280, 50},
                 L"Instalator pomyślnie zainstalował program. Gratuluję trafnego wyboru.");
  wrapped.SetAutoSize(false);
  wrapped.SetWordWrap(true);
  wrapped.SetAlignment(TAlignment::taCenter);
  wrapped.SetLayout(TTextLayout::tlCenter);
  wrapped.SetBounds({8, 165, 280, 50});
  TProgressBar progress;
  progress.Create(countdown, {8, 222, 284, 16});
  progress.SetRange(0, 3);
  progress.SetPosition(2);

  TTimer end(form, 1, static_cast<UINT>(seconds) * 1000);
  end.onTimer = [] { ::PostQuitMessage(0); };
  end.SetEnabled(true);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (::IsDialogMessageW(form.Handle(), &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
