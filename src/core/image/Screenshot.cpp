#include "core/image/Screenshot.h"

#include "core/image/BmpWriter.h"
#include "core/image/JpegWriter.h"

namespace vorda::image {

TScreenshotFormat ScreenshotFormat(std::wstring_view path) noexcept {
  const std::size_t folder = path.find_last_of(L"\\/:");
  const std::wstring_view name = folder == std::wstring_view::npos ? path : path.substr(folder + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot == std::wstring_view::npos) return TScreenshotFormat::sfJpeg;
  const std::wstring_view ext = name.substr(dot);
  constexpr std::wstring_view bmp = L".bmp";
  if (ext.size() != bmp.size()) return TScreenshotFormat::sfJpeg;
  for (std::size_t i = 0; i < bmp.size(); ++i) {
    wchar_t c = ext[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != bmp[i]) return TScreenshotFormat::sfJpeg;
  }
  return TScreenshotFormat::sfBmp;
}

std::vector<std::uint8_t> EncodeScreenshot(std::wstring_view path, const TPixelView& picture) {
  return ScreenshotFormat(path) == TScreenshotFormat::sfBmp ? EncodeBmp(picture) : EncodeJpeg(picture, kJpegQuality);
}

}  // namespace vorda::image
