#pragma once

#include <QString>

namespace automation {

class DispatchObject;

// The runtime's intrinsic controls as TypeOf tells them apart: by the interface an object
// describes itself with, never by its name.
enum class ControlKind {
    Other,
    CheckBox,
    TextBox,
    OptionButton,
    Label,
    ComboBox,
    PictureBox,
    CommandButton,
    Image,
    ListBox,
};

// "CheckBox", "TextBox", ...; empty for Other.
QString interfaceNameOf(ControlKind kind);
// Other for an object without type information or of any other interface.
ControlKind controlKindOf(const DispatchObject& object);

} // namespace automation
