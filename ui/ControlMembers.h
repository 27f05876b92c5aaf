#pragma once

#include "automation/ControlKind.h"

namespace ui {

class MemberTable;

// The members of each kind of control, all with "Name" and "Enabled":
// check box "Value" (0 unchecked, 1 checked, 2 grayed); text box "Text", "SelStart",
// "SelLength", "BackColor", "Move" (twips); option button "Value" (True/False); label and command button
// "Caption"; combo box "Text", "AddItem", "Clear"; list box "AddItem", "Clear"; picture box
// "Picture", "AutoSize", "ScaleMode", "ScaleWidth", "ScaleHeight"; image "Picture".
const MemberTable& controlMembers(automation::ControlKind kind);

} // namespace ui
