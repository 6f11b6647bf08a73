#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorda::install {

// The message pattern with its printf-style directives (%s, %f, %d, with or
// without flags and precision) replaced in order by the given texts; "%%"
// gives "%". A directive without a text left is dropped.
std::wstring FillPlaceholders(std::wstring_view pattern, const std::vector<std::wstring>& texts);

}  // namespace vorda::install
