#pragma once

#include "automation/DispatchObject.h"
#include "ui/Picture.h"

namespace ui {

// A picture handed to a component: "Handle" (the default member), "Width" and "Height" in
// HIMETRIC units (hundredths of a millimetre, at 96 pixels per inch) and "Type" (0 none,
// 1 bitmap).
class PictureObject : public automation::DispatchObject {
public:
    explicit PictureObject(Picture picture);

    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;
    const automation::InterfaceInfo* interfaceInfo() const override;

    const Picture& picture() const { return m_picture; }

    // The picture an assigned value stands for: a picture object, or the empty picture for
    // Nothing and Empty; 13 for anything else.
    static Picture pictureOf(const automation::Variant& value);

private:
    Picture m_picture;
};

} // namespace ui
