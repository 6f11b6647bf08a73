#include "support/Driver.h"

#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>

#include <fstream>
#include <iterator>
#include <memory>
#include <type_traits>

namespace vorda::test {

TProcess::~TProcess() { Kill(); }

bool TProcess::Start(const std::wstring& exe, const std::wstring& arguments) {
  Kill();
  std::wstring line = L"\"" + exe + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  ::CloseHandle(pi.hThread);
  process_.Attach(pi.hProcess);
  id_ = pi.dwProcessId;
  return true;
}

bool TProcess::Running() const noexcept {
  return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TProcess::WaitForExit(std::chrono::milliseconds timeout) const {
  if (!process_) return std::nullopt;
  if (::WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.Get(), &code);
  return code;
}

void TProcess::Kill() noexcept {
  if (Running()) {
    ::TerminateProcess(process_.Get(), 99);
    ::WaitForSingleObject(process_.Get(), 5000);
  }
}

namespace {

struct EnumData {
  DWORD pid;
  std::wstring className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
  auto* data = reinterpret_cast<EnumData*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == data->pid && ::IsWindowVisible(hwnd) &&
      (data->className.empty() || ClassOf(hwnd) == data->className))
    data->found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> TProcess::Windows() const {
  EnumData data{id_, L"", {}};
  ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

HWND TProcess::WaitForWindow(const std::wstring& className, std::chrono::milliseconds timeout) const {
  HWND result = nullptr;
  WaitUntil(
      [&] {
        EnumData data{id_, className, {}};
        ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&data));
        if (!data.found.empty()) result = data.found.front();
        return result != nullptr;
      },
      timeout);
  return result;
}

std::wstring WindowText(HWND hwnd) {
  const int n = static_cast<int>(::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  const int got = static_cast<int>(::SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
  return text;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[256] = {};
  ::GetClassNameW(hwnd, name, 256);
  return name;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> out;
  ::EnumChildWindows(
      parent,
      [](HWND hwnd, LPARAM lp) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&out));
  return out;
}

HWND FindChild(HWND parent, const std::wstring& className, int id) {
  for (HWND child : Children(parent)) {
    if (!className.empty() && _wcsicmp(ClassOf(child).c_str(), className.c_str()) != 0) continue;
    if (id >= 0 && ::GetDlgCtrlID(child) != id) continue;
    return child;
  }
  return nullptr;
}

HWND VisibleChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : Children(parent))
    if (::IsWindowVisible(child) && _wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 &&
        (text.empty() || WindowText(child) == text))
      return child;
  return nullptr;
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  ::GetClientRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void Click(HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); }

HWND WaitForMessageBox(DWORD processId, const std::wstring& caption, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        EnumData data{processId, L"#32770", {}};
        ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&data));
        for (HWND hwnd : data.found)
          if (WindowText(hwnd) == caption) box = hwnd;
        return box != nullptr;
      },
      timeout);
  return box;
}

std::wstring MessageBoxText(HWND box) {
  // The message is the static control with the id 0xFFFF.
  for (HWND child : Children(box))
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") == 0 && ::GetDlgCtrlID(child) == 0xFFFF) return WindowText(child);
  return {};
}

bool SetRegDword(HKEY root, const std::wstring& key, const std::wstring& name, DWORD value) {
  return ::RegSetKeyValueW(root, key.c_str(), name.c_str(), REG_DWORD, &value, sizeof(value)) == ERROR_SUCCESS;
}

bool SetRegString(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  return ::RegSetKeyValueW(root, key.c_str(), name.c_str(), REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::optional<DWORD> GetRegDword(HKEY root, const std::wstring& key, const std::wstring& name) {
  DWORD value = 0, size = sizeof(value);
  if (::RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

std::optional<std::wstring> GetRegString(HKEY root, const std::wstring& key, const std::wstring& name) {
  DWORD size = 0;
  if (::RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  std::wstring value(size / sizeof(wchar_t), L'\0');
  if (::RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(wcslen(value.c_str()));
  return value;
}

void DeleteRegValue(HKEY root, const std::wstring& key, const std::wstring& name) {
  ::RegDeleteKeyValueW(root, key.c_str(), name.c_str());
}

void DeleteRegTree(HKEY root, const std::wstring& key) { ::RegDeleteTreeW(root, key.c_str()); }

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring AppDataFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, path))) return {};
  std::wstring s = path;
  if (!s.empty() && s.back() != L'\\') s += L'\\';
  return s;
}

std::wstring MakeTempFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH + 1] = {};
  ::GetTempPathW(MAX_PATH + 1, temp);
  std::wstring folder = std::wstring(temp) + L"vorda-tests\\" + name + L"\\";
  std::wstring doubleNul = folder.substr(0, folder.size() - 1) + L'\0' + L'\0';
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = doubleNul.c_str();
  op.fFlags = FOF_NO_UI;
  if (FileExists(folder)) ::SHFileOperationW(&op);
  ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  return folder;
}

namespace {
struct ScreenDcDeleter {
  void operator()(HDC dc) const noexcept { ::ReleaseDC(nullptr, dc); }
};
struct MemoryDcDeleter {
  void operator()(HDC dc) const noexcept { ::DeleteDC(dc); }
};
}  // namespace

bool CaptureScreen(const std::wstring& bmpPath) {
  const int w = ::GetSystemMetrics(SM_CXSCREEN), h = ::GetSystemMetrics(SM_CYSCREEN);
  std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcDeleter> screen(::GetDC(nullptr));
  if (!screen) return false;
  std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter> mem(::CreateCompatibleDC(screen.get()));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up, as a bitmap file stores it
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win::UniqueGdiObject bmp(::CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  bool ok = false;
  if (mem && bmp) {
    HGDIOBJ old = ::SelectObject(mem.get(), bmp.Get());
    ok = ::BitBlt(mem.get(), 0, 0, w, h, screen.get(), 0, 0, SRCCOPY) != 0;
    ::SelectObject(mem.get(), old);
  }
  if (ok) {
    const DWORD stride = ((static_cast<DWORD>(w) * 3 + 3) & ~3u);
    const DWORD imageSize = stride * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
    fh.bfSize = fh.bfOffBits + imageSize;
    std::ofstream out(std::filesystem::path(bmpPath), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fh), sizeof(fh));
    out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof(bi.bmiHeader));
    out.write(static_cast<const char*>(bits), imageSize);
    ok = static_cast<bool>(out);
  }
  return ok;
}

std::wstring TestExeFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s = path;
  return s.substr(0, s.find_last_of(L'\\') + 1);
}

}  // namespace vorda::test
