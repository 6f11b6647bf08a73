#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorda::advanced {

// The width in pixels of a text in the label's font.
using TMeasure = std::function<int(std::wstring_view)>;

inline constexpr int kAboutLabelMaxWidth = 191;
inline constexpr std::wstring_view kEllipsis = L"[...]";

struct TShortened {
  std::wstring caption;
  std::wstring hint;  // the whole text when it had to be shortened, else empty
  bool operator==(const TShortened&) const = default;
};

// Shortens a text to less than 191 pixels: its last quarter goes and "[...]"
// takes its place, again and again (the previous "[...]" going first) while
// it is still too wide and longer than 5 characters.
TShortened ShortenToWidth(std::wstring_view text, const TMeasure& measure);

// A click on the program-name label: from the name (or a shortened address)
// the label shows the site address; from the address it opens the site and
// shows the name again.
struct TProgramNameClick {
  bool openSite = false;
  TShortened shown;
  bool operator==(const TProgramNameClick&) const = default;
};
TProgramNameClick ProgramNameClick(std::wstring_view caption, std::wstring_view hint, std::wstring_view siteAddress,
                                   std::wstring_view programName, const TMeasure& measure);

// A click on the copyright label: its own text turns into the e-mail address;
// the address opens the mail program ("mailto:" + address + "?subject=" +
// title) and the label's own text comes back.
struct TCopyrightClick {
  std::wstring mailTo;  // empty: nothing to open
  std::wstring caption;
  bool operator==(const TCopyrightClick&) const = default;
};
TCopyrightClick CopyrightClick(std::wstring_view caption, std::wstring_view ownText, std::wstring_view mailAddress,
                               std::wstring_view appTitle);

// The help topic for the class of the active window.
inline constexpr std::wstring_view kAdvancedFormClass = L"TAdvencedTeskForm";
inline std::wstring_view HelpTopicFor(std::wstring_view activeWindowClass) noexcept {
  return activeWindowClass.substr(0, 63) == kAdvancedFormClass ? L"Advenced" : L"Tesk";
}

}  // namespace vorda::advanced
