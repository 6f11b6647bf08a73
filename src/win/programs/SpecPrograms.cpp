#include "win/programs/SpecPrograms.h"

#include "lang/StringIds.h"
#include "win/app/Strings.h"
#include "win/registry/Win32Registry.h"

namespace vorda::win {

std::vector<programs::TSpecPrgRow> BuiltInSpecPrograms() {
  constexpr const wchar_t* kWatched = L"ActiveMovie Window";
  return {
      {L"PIXELFMCLASS", LoadStr(IDS_SPECPRG_PIXELVIEW_FMTV), L"", kWatched},
      {L"PIXELTVCLASS", LoadStr(IDS_SPECPRG_PIXELVIEW_TVFM), L"", kWatched},
      {L"IVCAP", LoadStr(IDS_SPECPRG_PIXELVIEW_TVFM), L"", kWatched},
      {L"PV878FMCLASS", LoadStr(IDS_SPECPRG_PIXELVIEW_FM), L"", kWatched},
      {L"PV878TVCLASS", LoadStr(IDS_SPECPRG_PIXELVIEW_TV), L"", kWatched},
  };
}

bool WriteBuiltInSpecPrograms(registry::TRootKey root) {
  return programs::WriteSpecPrograms(Win32Registry(), root, BuiltInSpecPrograms());
}

}  // namespace vorda::win
