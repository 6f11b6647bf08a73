#pragma once

namespace vorda::win {

// Whether the system allows hibernation, asked of the power-profile library
// when it and its function are there; false otherwise.
bool IsHibernationAllowed() noexcept;

}  // namespace vorda::win
