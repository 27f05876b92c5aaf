#include "automation/ControlKind.h"

#include <array>

#include "automation/DispatchObject.h"
#include "automation/TypeInfo.h"

namespace automation {

namespace {

struct KindName {
    ControlKind kind;
    const char16_t* name;
};

constexpr std::array<KindName, 9> kindNames{{
    {ControlKind::CheckBox, u"CheckBox"},
    {ControlKind::TextBox, u"TextBox"},
    {ControlKind::OptionButton, u"OptionButton"},
    {ControlKind::Label, u"Label"},
    {ControlKind::ComboBox, u"ComboBox"},
    {ControlKind::PictureBox, u"PictureBox"},
    {ControlKind::CommandButton, u"CommandButton"},
    {ControlKind::Image, u"Image"},
    {ControlKind::ListBox, u"ListBox"},
}};

} // namespace

QString interfaceNameOf(ControlKind kind)
{
    for (const KindName& entry : kindNames)
        if (entry.kind == kind)
            return QString::fromUtf16(entry.name);
    return QString();
}

ControlKind controlKindOf(const DispatchObject& object)
{
    const InterfaceInfo* interface = object.interfaceInfo();
    if (!interface)
        return ControlKind::Other;
    for (const KindName& entry : kindNames)
        if (interface->name.compare(QString::fromUtf16(entry.name), Qt::CaseInsensitive) == 0)
            return entry.kind;
    return ControlKind::Other;
}

} // namespace automation
