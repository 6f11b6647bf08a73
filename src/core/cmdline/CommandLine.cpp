#include "core/cmdline/CommandLine.h"

#include <climits>

#include "core/cmdline/CmdLine.h"

namespace vorda::cmdline {
namespace {

constexpr std::wstring_view kErrorPrefix = L"Error command line - ";

// An optional sign and decimal digits within the 32-bit range.
std::optional<int> ParseInteger(std::wstring_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long v = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    v = v * 10 + (c - L'0');
    if (v > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > INT_MAX || v < INT_MIN) return std::nullopt;
  return static_cast<int>(v);
}

bool IsTimeOption(std::wstring_view p) {
  return p.size() > 2 && (p[0] == L'-' || p[0] == L'/') && (p[1] == L'h' || p[1] == L'm' || p[1] == L's');
}

bool IsTriggerParam(std::wstring_view p, std::wstring_view comboText) {
  if (p == L"1" || p == L"2" || p == L"3") return true;
  if (p == L"4") return !comboText.empty() && comboText != L"?";
  return p.size() > 1 && p != L"4?" && p.front() == L'4';
}

bool IsInstanceParam(std::wstring_view p) {
  constexpr std::wstring_view kInstance = L"instance";
  return (p.size() == 9 || p.size() == 10) && p.substr(0, kInstance.size()) == kInstance &&
         p[8] >= L'0' && p[8] <= L'9';
}

class TReader {
 public:
  explicit TReader(std::wstring_view storedProgramName) : FComboText(storedProgramName) {}

  // False once reading has to stop.
  bool Read(const std::wstring& p) {
    if (IsTimeOption(p)) return ReadTimeOption(p);
    if (IsTriggerParam(p, FComboText)) {
      ReadTrigger(p);
      return true;
    }
    if (p == L"4" || p == L"4?") {
      Message(TCmdLineMessage::cmsNoProgramName);
      Log(std::wstring(kErrorPrefix) + L"Uknown program name.");
      return false;
    }
    if (IsInstanceParam(p)) return true;
    Log(std::wstring(kErrorPrefix) + L"Uknown param " + p);
    Message(TCmdLineMessage::cmsUnknownParam);
    return false;
  }

  TCmdLineResult Finish() {
    FResult.start = FResult.mode > 100 && !FResult.failed;
    return std::move(FResult);
  }

 private:
  bool ReadTimeOption(const std::wstring& p) {
    int& mode = FResult.mode;
    if (mode > cmlNothing && mode != cmlTimeOptions && mode != cmlTimedTrigger) {
      Log(std::wstring(kErrorPrefix) + p[1] + L" expect=" + std::to_wstring(mode));
      Message(TCmdLineMessage::cmsMutuallyExclusive);
    } else if (mode != cmlTimedTrigger) {
      mode = cmlTimeOptions;
    }

    const std::wstring valueText = p.substr(2);
    const auto value = ParseInteger(valueText);
    // 24 hours is no time of day, so it is refused like any other hour out of range.
    const int limit = p[1] == L'h' ? 23 : 59;
    if (!value || *value > limit) {
      Log(std::wstring(kErrorPrefix) + L"Uknown param " + valueText + L";");
      Message(TCmdLineMessage::cmsUnknownParam);
      return false;
    }
    // A negative value is accepted and leaves the picker as it is.
    if (*value >= 0) {
      const TPickerPart part = p[1] == L'h'   ? TPickerPart::ppHour
                               : p[1] == L'm' ? TPickerPart::ppMinute
                                              : TPickerPart::ppSecond;
      FResult.steps.emplace_back(TSetPickerPart{part, *value});
    }
    return true;
  }

  void ReadTrigger(const std::wstring& p) {
    int& mode = FResult.mode;
    const bool accepted = mode == cmlNothing || (mode == cmlTimeOptions && p.front() == L'1');
    if (!accepted) {
      Log(std::wstring(kErrorPrefix) + p.front() + L" expect=" + std::to_wstring(mode));
      Message(TCmdLineMessage::cmsMutuallyExclusive);
    }
    // A refused trigger is still chosen; the window is not shown in any case.
    TSelectTrigger select{p.front() - L'0', std::nullopt};
    if (p.size() > 1) {
      FComboText = p.substr(1);
      select.programName = FComboText;
    }
    FResult.steps.emplace_back(std::move(select));
    mode = p.front() - L'0' < 4 ? cmlTimedTrigger : p.front() - L'0' + 100;
  }

  void Log(std::wstring text) { FResult.steps.emplace_back(TLogLine{std::move(text)}); }

  void Message(TCmdLineMessage message) {
    FResult.steps.emplace_back(TShowMessage{message});
    FResult.failed = true;
  }

  std::wstring FComboText;
  TCmdLineResult FResult;
};

}  // namespace

TCmdLineResult ParseCommandLine(const std::vector<std::wstring>& params,
                                std::wstring_view storedProgramName) {
  TReader reader(storedProgramName);
  for (const std::wstring& p : params) {
    if (!reader.Read(p)) break;
  }
  return reader.Finish();
}

TCmdLineResult ParseCommandLine(std::wstring_view commandLine, std::wstring_view storedProgramName) {
  std::vector<std::wstring> params;
  const int count = ParamCount(commandLine);
  params.reserve(static_cast<std::size_t>(count));
  for (int i = 1; i <= count; ++i) params.push_back(ParamAt(commandLine, i));
  return ParseCommandLine(params, storedProgramName);
}

std::wstring CommandLineLogLine(int paramCount, const std::vector<std::wstring>& params) {
  std::wstring line = L"Command line (" + std::to_wstring(paramCount) + L"): ";
  for (const std::wstring& p : params) {
    line += p;
    line += L' ';
  }
  return line;
}

time::TDateTime SetPickerTimePart(time::TDateTime picker, int value, TPickerPart part) noexcept {
  const int limit = part == TPickerPart::ppHour ? 23 : 59;
  if (value < 0 || value > limit) return picker;
  auto parts = time::DecodeDateTime(picker);
  if (!parts) return picker;
  switch (part) {
    case TPickerPart::ppHour: parts->time.hour = value; break;
    case TPickerPart::ppMinute: parts->time.minute = value; break;
    case TPickerPart::ppSecond: parts->time.second = value; break;
  }
  return time::EncodeDateTime(parts->date, parts->time).value_or(picker);
}

}  // namespace vorda::cmdline
