#include "core/advanced/ScreenshotPath.h"

#include <cwctype>

namespace vorda::advanced {

namespace {

std::wstring Lower(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return out;
}

std::size_t NameStart(std::wstring_view path) noexcept {
  const auto sep = path.find_last_of(L"\\/:");
  return sep == std::wstring_view::npos ? 0 : sep + 1;
}

}  // namespace

std::wstring_view ExtensionOf(int pictureType) noexcept {
  switch (pictureType) {
    case ptJpeg:
      return L".jpeg";
    case ptBmp:
      return L".bmp";
    default:
      return L".jpg";
  }
}

int PictureTypeOf(std::wstring_view extension) noexcept {
  const std::wstring ext = Lower(extension);
  if (ext == L".bmp") return ptBmp;
  if (ext == L".jpeg") return ptJpeg;
  return ptJpg;
}

std::wstring FreeFileName(std::wstring_view folder, std::wstring_view name, std::wstring_view extension,
                          const std::function<bool(const std::wstring&)>& fileExists) {
  const std::wstring base = std::wstring(folder) + std::wstring(name);
  std::wstring path = base + std::wstring(extension);
  // The counter stops somewhere: a folder cannot hold that many pictures.
  for (unsigned counter = 1; fileExists && fileExists(path) && counter < 1000000; ++counter)
    path = base + std::to_wstring(counter) + std::wstring(extension);
  return path;
}

std::wstring_view FolderPart(std::wstring_view path) noexcept { return path.substr(0, NameStart(path)); }

std::wstring_view ExtensionPart(std::wstring_view path) noexcept {
  const std::size_t start = NameStart(path);
  const auto dot = path.find_last_of(L'.');
  return dot == std::wstring_view::npos || dot < start ? std::wstring_view{} : path.substr(dot);
}

std::wstring WithPictureExtension(std::wstring_view path, int pictureType) {
  const std::wstring_view ext = ExtensionPart(path);
  std::wstring out(path.substr(0, path.size() - ext.size()));
  out += ExtensionOf(pictureType);
  return out;
}

}  // namespace vorda::advanced
