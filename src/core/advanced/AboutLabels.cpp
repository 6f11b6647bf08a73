#include "core/advanced/AboutLabels.h"

#include <algorithm>
#include <vector>

namespace vorda::advanced {

TShortened ShortenToWidth(std::wstring_view text, const TMeasure& measure) {
  TShortened out{std::wstring(text), {}};
  std::wstring& t = out.caption;
  // Short texts in a wide font would turn round in a circle ("abc[...]"
  // gives itself again): the shortening stops at the first text seen before.
  std::vector<std::wstring> seen{t};
  while (measure && measure(t) >= kAboutLabelMaxWidth && t.size() > kEllipsis.size()) {
    std::wstring next = t;
    if (next.back() == L']')
      next.resize(next.size() - kEllipsis.size());
    else
      out.hint = t;
    next.resize(next.size() - next.size() / 4);
    next += kEllipsis;
    if (std::find(seen.begin(), seen.end(), next) != seen.end()) break;
    seen.push_back(next);
    t = std::move(next);
  }
  return out;
}

TProgramNameClick ProgramNameClick(std::wstring_view caption, std::wstring_view hint, std::wstring_view siteAddress,
                                   std::wstring_view programName, const TMeasure& measure) {
  TProgramNameClick click;
  click.openSite = caption == siteAddress || hint == siteAddress;
  click.shown = ShortenToWidth(click.openSite ? programName : siteAddress, measure);
  return click;
}

TCopyrightClick CopyrightClick(std::wstring_view caption, std::wstring_view ownText, std::wstring_view mailAddress,
                               std::wstring_view appTitle) {
  if (caption == ownText) return {{}, std::wstring(mailAddress)};
  return {L"mailto:" + std::wstring(mailAddress) + L"?subject=" + std::wstring(appTitle), std::wstring(ownText)};
}

}  // namespace vorda::advanced
