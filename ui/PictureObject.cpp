#include "ui/PictureObject.h"

#include <array>

#include "automation/DefaultMember.h"
#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"

namespace ui {

namespace {

using automation::Variant;

enum Member { Handle, Width, Height, Type };

constexpr std::array<const char16_t*, 4> memberNames{u"Handle", u"Width", u"Height", u"Type"};

const automation::InterfaceInfo& pictureInterface()
{
    static const automation::InterfaceInfo info = [] {
        automation::InterfaceInfo interface;
        interface.name = QStringLiteral("Picture");
        interface.dual = false;
        for (const char16_t* name : memberNames)
            interface.methods.push_back({QString::fromUtf16(name), {}, automation::VarType::Long});
        return interface;
    }();
    return info;
}

std::int32_t himetric(int pixels)
{
    return std::int32_t((std::int64_t(pixels) * 2540 + 48) / 96);
}

} // namespace

PictureObject::PictureObject(Picture picture) : m_picture(std::move(picture)) {}

int PictureObject::idOfName(const QString& name) const
{
    const int index = pictureInterface().indexOf(name);
    return index < 0 ? unknownName : pictureInterface().dispatchIdOf(index);
}

Variant PictureObject::invoke(int dispatchId, automation::InvokeKind kind, std::vector<Variant>& arguments)
{
    const int member =
        dispatchId == automation::defaultMemberId ? Handle : dispatchId - automation::InterfaceInfo::firstDispatchId;
    if (member < Handle || member > Type)
        throw platform::RuntimeError(438);
    if (kind == automation::InvokeKind::PropertyPut)
        throw platform::RuntimeError(383);
    if (!arguments.empty())
        throw platform::RuntimeError(450);
    switch (member) {
    case Handle:
        return Variant::fromLong(m_picture.handle());
    case Width:
        return Variant::fromLong(himetric(m_picture.pixmap().width()));
    case Height:
        return Variant::fromLong(himetric(m_picture.pixmap().height()));
    default:
        return Variant::fromInteger(m_picture.isEmpty() ? 0 : 1);
    }
}

const automation::InterfaceInfo* PictureObject::interfaceInfo() const
{
    return &pictureInterface();
}

Picture PictureObject::pictureOf(const Variant& value)
{
    if (value.isEmpty())
        return Picture();
    if (!value.isObject())
        throw platform::RuntimeError(13);
    const automation::ObjectRef object = value.toObject();
    if (!object)
        return Picture();
    const auto picture = std::dynamic_pointer_cast<PictureObject>(object);
    if (!picture)
        throw platform::RuntimeError(13);
    return picture->picture();
}

} // namespace ui
