#pragma once
// The option buttons that share a container window form one group, kept as window properties
// of that container: "efbxp_OptCount" holds the number of members and "efbxp_Obj1",
// "efbxp_Obj2", ... each member, by its window handle, in the order they joined.

#include <vector>

#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl {

namespace platform {
class Window;
}

inline constexpr char kOptCountProperty[] = "efbxp_OptCount";
inline constexpr char kOptMemberPrefix[] = "efbxp_Obj";

// Adds `member` at the end of the container's group (once).
void JoinOptionGroup(platform::Window& container, platform::HWND member);
// Removes `member`; later members move down one place, the count drops (and goes at 0).
void LeaveOptionGroup(platform::Window& container, platform::HWND member);
// The members in their order.
std::vector<platform::HWND> OptionGroupMembers(const platform::Window& container);

}  // namespace qorvexctl
