#include "qorvexctl/controls/button/OptionGroup.h"

#include <algorithm>
#include <string>

#include "qorvexctl/platform/desktop/Window.h"

namespace qorvexctl {

namespace {

std::string MemberKey(std::size_t position) { return kOptMemberPrefix + std::to_string(position); }

}  // namespace

std::vector<platform::HWND> OptionGroupMembers(const platform::Window& container) {
  const auto count =
      static_cast<std::size_t>(std::max<std::intptr_t>(container.GetProp(kOptCountProperty), 0));
  std::vector<platform::HWND> members;
  for (std::size_t position = 1; position <= count; ++position) {
    members.push_back(static_cast<platform::HWND>(container.GetProp(MemberKey(position))));
  }
  return members;
}

void JoinOptionGroup(platform::Window& container, platform::HWND member) {
  const std::vector<platform::HWND> members = OptionGroupMembers(container);
  if (std::ranges::find(members, member) != members.end()) return;
  const std::size_t count = members.size() + 1;
  container.SetProp(kOptCountProperty, static_cast<std::intptr_t>(count));
  container.SetProp(MemberKey(count), static_cast<std::intptr_t>(member));
}

void LeaveOptionGroup(platform::Window& container, platform::HWND member) {
  std::vector<platform::HWND> members = OptionGroupMembers(container);
  const auto found = std::ranges::find(members, member);
  if (found == members.end()) return;
  const std::size_t count = members.size();
  members.erase(found);
  for (std::size_t position = 1; position < count; ++position) {
    container.SetProp(MemberKey(position), static_cast<std::intptr_t>(members[position - 1]));
  }
  container.RemoveProp(MemberKey(count));
  if (count == 1) {
    container.RemoveProp(kOptCountProperty);
  } else {
    container.SetProp(kOptCountProperty, static_cast<std::intptr_t>(count - 1));
  }
}

}  // namespace qorvexctl
