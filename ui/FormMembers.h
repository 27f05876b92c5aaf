#pragma once

namespace ui {

class MemberTable;

// The members of a form ("Form") and of its controls collection ("Controls"), both over the
// form's widget.
const MemberTable& formMembers();
const MemberTable& controlsMembers();

} // namespace ui
