#pragma once
// The member table of StdPNG. The picture class sits below the member tables, so its table is
// declared here rather than beside the class.

#include "qorvexctl/frame/Members.h"

namespace qorvexctl {

const MemberTable& StdPNGMembers();

}  // namespace qorvexctl
