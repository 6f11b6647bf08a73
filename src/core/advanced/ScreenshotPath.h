#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorda::advanced {

// File types of the save-picture dialog, as its filter lists them.
enum TPictureType : int { ptJpg = 1, ptJpeg = 2, ptBmp = 3 };

// ".jpg", ".jpeg" or ".bmp" for a file type (".jpg" for any other number).
std::wstring_view ExtensionOf(int pictureType) noexcept;
// The file type a dialog starts with for an extension (any case): 3 for
// ".bmp", 2 for ".jpeg", 1 for anything else.
int PictureTypeOf(std::wstring_view extension) noexcept;

// folder (with its trailing separator) + name + extension; while that file
// exists, a counter 1, 2, 3 ... is appended to the name.
std::wstring FreeFileName(std::wstring_view folder, std::wstring_view name, std::wstring_view extension,
                          const std::function<bool(const std::wstring&)>& fileExists);

// The screenshot path offered while none is set: the documents folder, the
// executable's name in upper case and ".jpg", made unique.
inline std::wstring ProposedScreenshotPath(std::wstring_view documents, std::wstring_view exeBaseUpper,
                                           const std::function<bool(const std::wstring&)>& fileExists) {
  return FreeFileName(documents, exeBaseUpper, L".jpg", fileExists);
}

// The parts of a path: folder (with its separator), name, extension (with its dot).
std::wstring_view FolderPart(std::wstring_view path) noexcept;
std::wstring_view ExtensionPart(std::wstring_view path) noexcept;

// The chosen path with the extension of the chosen file type.
std::wstring WithPictureExtension(std::wstring_view path, int pictureType);

}  // namespace vorda::advanced
