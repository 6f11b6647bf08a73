#pragma once

#include <string>
#include <string_view>

namespace vorda::text {

// UTF-8 of a wide text (UTF-16 on Windows, UTF-32 elsewhere); a lone
// surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

// The wide text of UTF-8 bytes; malformed sequences become U+FFFD.
std::wstring FromUtf8(std::string_view bytes);

}  // namespace vorda::text
