#pragma once

namespace vorda::win {

// Enables SeShutdownPrivilege in the token of the process. False when opening
// the token, looking the privilege up or adjusting the token failed; the
// last error code is that of the failed step. A token that lacks the
// privilege altogether still counts as adjusted.
bool SetPrivileges() noexcept;

}  // namespace vorda::win
