#pragma once
// The member tables of the platform's own controls, with the classic names: what every window
// has (WindowMembers), what every control adds (its mouse, key and focus events), and each
// intrinsic type's own members on top. Library controls inherit ControlMembers in theirs.

#include "qorvexctl/base/Variant.h"
#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

namespace platform {
class ListItem;

// A list item crosses a member table as its text (ItemClick's Item).
Variant VariantOf(const ListItem& item);
}  // namespace platform

// Left, Top, Width, Height, Visible, Enabled, colours, font, Tag, TabIndex, hWnd ...;
// Move, SetFocus, Refresh, ZOrder.
const MemberTable& WindowMembers();
// WindowMembers and the events Click, DblClick, MouseDown, MouseMove, MouseUp, KeyDown,
// KeyPress, KeyUp, GotFocus, LostFocus.
const MemberTable& ControlMembers();

const MemberTable& FormMembers();
const MemberTable& TextBoxMembers();
const MemberTable& LabelMembers();
const MemberTable& CheckBoxMembers();
const MemberTable& CommandButtonMembers();
const MemberTable& FrameMembers();
const MemberTable& PictureBoxMembers();
const MemberTable& ImageMembers();
const MemberTable& ListViewMembers();
const MemberTable& ScrollBarMembers();

}  // namespace qorvexctl
