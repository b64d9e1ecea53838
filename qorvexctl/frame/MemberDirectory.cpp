#include "qorvexctl/frame/MemberDirectory.h"

#include <algorithm>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/frame/IntrinsicMembers.h"
#include "qorvexctl/platform/widgets/CheckBox.h"
#include "qorvexctl/platform/widgets/CommandButton.h"
#include "qorvexctl/platform/widgets/Form.h"
#include "qorvexctl/platform/widgets/Frame.h"
#include "qorvexctl/platform/widgets/Image.h"
#include "qorvexctl/platform/widgets/Label.h"
#include "qorvexctl/platform/widgets/ListView.h"
#include "qorvexctl/platform/widgets/PictureBox.h"
#include "qorvexctl/platform/widgets/ScrollBar.h"
#include "qorvexctl/platform/widgets/TextBox.h"

namespace qorvexctl {

MemberDirectory MemberDirectory::Standard() {
  using namespace platform;
  MemberDirectory directory;
  directory.Add<Window>(WindowMembers());
  directory.Add<Control>(ControlMembers());
  directory.Add<Form>(FormMembers());
  directory.Add<TextBox>(TextBoxMembers());
  directory.Add<Label>(LabelMembers());
  directory.Add<CheckBox>(CheckBoxMembers());
  directory.Add<CommandButton>(CommandButtonMembers());
  directory.Add<Frame>(FrameMembers());
  directory.Add<PictureBox>(PictureBoxMembers());
  directory.Add<Image>(ImageMembers());
  directory.Add<ListView>(ListViewMembers());
  directory.Add<ScrollBar>(ScrollBarMembers());
  directory.Add<ScrollBar>("VScrollBar", ScrollBarMembers());
  directory.Add<ScrollBar>("HScrollBar", ScrollBarMembers());
  return directory;
}

bool MemberDirectory::Add(MemberType type) {
  if (type.name.empty() || !type.table || Find(type.name)) return false;
  m_types.push_back(std::move(type));
  return true;
}

const MemberType* MemberDirectory::Find(std::string_view name) const {
  const auto found = std::find_if(m_types.begin(), m_types.end(),
                                  [&](const MemberType& t) { return EqualsNoCase(t.name, name); });
  return found == m_types.end() ? nullptr : &*found;
}

std::vector<std::string> MemberDirectory::Names() const {
  std::vector<std::string> names;
  for (const MemberType& type : m_types) names.push_back(type.name);
  return names;
}

ObjectRef MemberDirectory::Of(platform::Window& window) const {
  for (const char* name : {"", "Form", "Control", "Window"}) {
    const MemberType* type = Find(*name ? std::string(name) : window.TypeName());
    if (!type || !type->fromWindow) continue;
    if (void* object = type->fromWindow(window)) return ObjectRef{object, type->table};
  }
  return ObjectRef{&window, &WindowMembers()};
}

ObjectRef MemberDirectory::Of(Component& component) const {
  const MemberType* type = Find(component.ClassName());
  if (!type || !type->fromComponent) return {};
  return ObjectRef{type->fromComponent(component), type->table};
}

}  // namespace qorvexctl
