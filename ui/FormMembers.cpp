#include "ui/FormMembers.h"

#include <algorithm>
#include <cmath>

#include <QWidget>

#include "interaction/Twips.h"
#include "platform/RuntimeError.h"
#include "ui/FormCanvas.h"
#include "ui/FormGeometry.h"
#include "ui/MemberTable.h"
#include "ui/PictureObject.h"
#include "ui/ScaleUnits.h"
#include "ui/WidgetBridge.h"
#include "ui/WidgetKinds.h"
#include "ui/WidgetObject.h"

namespace ui {

namespace {

using automation::Variant;
using scaleUnits::Axis;

constexpr int subscriptOutOfRange = 9;
constexpr int invalidPropertyValue = 380;
constexpr int memberNotFound = 438;
constexpr int argumentNotOptional = 449;
constexpr int wrongNumberOfArguments = 450;
constexpr int invalidPicture = 481;

bool given(const std::vector<Variant>& arguments, std::size_t index)
{
    return index < arguments.size() && !arguments[index].isMissing();
}

Variant twipsOf(int pixels)
{
    return Variant::fromSingle(float(interaction::twips::fromPixels(pixels)));
}

// Far beyond any screen, and safely inside an int of pixels.
int pixelsOf(const Variant& twips)
{
    constexpr double limit = 1.0e8;
    return interaction::twips::toPixels(int(std::lround(std::clamp(double(twips.toSingle()), -limit, limit))));
}

int sizeInPixels(const Variant& twips)
{
    const int pixels = pixelsOf(twips);
    if (pixels < 0)
        throw platform::RuntimeError(invalidPropertyValue);
    return pixels;
}

template <class Change> MemberTable::Setter frameSetter(Change change)
{
    return [change](QWidget& form, const Variant& value) {
        QRect frame = formGeometry::frame(form);
        change(frame, value);
        formGeometry::setFrame(form, frame);
    };
}

Variant move(QWidget& form, std::vector<Variant>& arguments)
{
    if (!given(arguments, 0))
        throw platform::RuntimeError(argumentNotOptional);
    if (arguments.size() > 4)
        throw platform::RuntimeError(wrongNumberOfArguments);
    QRect frame = formGeometry::frame(form);
    frame.moveLeft(pixelsOf(arguments[0]));
    if (given(arguments, 1))
        frame.moveTop(pixelsOf(arguments[1]));
    if (given(arguments, 2))
        frame.setWidth(sizeInPixels(arguments[2]));
    if (given(arguments, 3))
        frame.setHeight(sizeInPixels(arguments[3]));
    formGeometry::setFrame(form, frame);
    return Variant();
}

// PaintPicture Picture, X1, Y1[, Width1[, Height1]] in the form's scale units.
Variant paintPicture(QWidget& form, std::vector<Variant>& arguments)
{
    if (!given(arguments, 0) || !given(arguments, 1) || !given(arguments, 2))
        throw platform::RuntimeError(argumentNotOptional);
    if (arguments.size() > 5)
        throw platform::RuntimeError(wrongNumberOfArguments);
    const Picture picture = PictureObject::pictureOf(arguments[0]);
    if (picture.isEmpty())
        throw platform::RuntimeError(invalidPicture);
    const auto pixels = [&form](const Variant& units, Axis axis) {
        return double(std::lround(std::clamp(scaleUnits::toPixels(form, units.toDouble(), axis), -1.0e8, 1.0e8)));
    };
    const double x = pixels(arguments[1], Axis::Horizontal);
    const double y = pixels(arguments[2], Axis::Vertical);
    const double width = given(arguments, 3) ? pixels(arguments[3], Axis::Horizontal) : picture.pixmap().width();
    const double height = given(arguments, 4) ? pixels(arguments[4], Axis::Vertical) : picture.pixmap().height();
    FormCanvas::of(form).paint(picture.pixmap(), QRect(int(x), int(y), int(width), int(height)));
    return Variant();
}

// The MDI child's handle is its MDI parent's: its widgets are not native windows of their own.
Variant windowHandle(QWidget& form)
{
    QWidget* window = widgetKinds::isMdiChild(form) ? form.nativeParentWidget() : form.window();
    return Variant::fromLong(std::int32_t(std::uint32_t(window ? window->winId() : 0)));
}

Variant controlAt(QWidget& form, std::vector<Variant>& arguments)
{
    if (arguments.size() != 1)
        throw platform::RuntimeError(arguments.empty() ? argumentNotOptional : wrongNumberOfArguments);
    const QList<QWidget*> controls = widgetKinds::controlsOf(form);
    const Variant& index = arguments.front();
    if (index.type() == automation::VarType::String && !index.isNumeric()) {
        const QString name = index.toString();
        for (QWidget* control : controls)
            if (control->objectName().compare(name, Qt::CaseInsensitive) == 0)
                return Variant(widgetBridge::control(*control));
        throw platform::RuntimeError(subscriptOutOfRange);
    }
    const std::int32_t position = index.toLong();
    if (position < 0 || position >= controls.size())
        throw platform::RuntimeError(subscriptOutOfRange);
    return Variant(widgetBridge::control(*controls[position]));
}

MemberTable makeFormMembers()
{
    MemberTable table(QStringLiteral("Form"));
    table.property(u"Name", [](QWidget& form) { return Variant(form.objectName()); })
        .property(
            u"Caption", [](QWidget& form) { return Variant(form.windowTitle()); },
            [](QWidget& form, const Variant& value) { form.setWindowTitle(value.toString()); })
        .property(
            u"Left", [](QWidget& form) { return twipsOf(formGeometry::frame(form).x()); },
            frameSetter([](QRect& frame, const Variant& value) { frame.moveLeft(pixelsOf(value)); }))
        .property(
            u"Top", [](QWidget& form) { return twipsOf(formGeometry::frame(form).y()); },
            frameSetter([](QRect& frame, const Variant& value) { frame.moveTop(pixelsOf(value)); }))
        .property(
            u"Width", [](QWidget& form) { return twipsOf(formGeometry::frame(form).width()); },
            frameSetter([](QRect& frame, const Variant& value) { frame.setWidth(sizeInPixels(value)); }))
        .property(
            u"Height", [](QWidget& form) { return twipsOf(formGeometry::frame(form).height()); },
            frameSetter([](QRect& frame, const Variant& value) { frame.setHeight(sizeInPixels(value)); }))
        .property(
            u"WindowState",
            [](QWidget& form) { return Variant::fromInteger(std::int16_t(formGeometry::windowState(form))); },
            [](QWidget& form, const Variant& value) { formGeometry::setWindowState(form, value.toInteger()); })
        .property(u"BorderStyle",
                  [](QWidget& form) { return Variant::fromInteger(std::int16_t(formGeometry::borderStyle(form))); })
        .property(
            u"ScaleMode", [](QWidget& form) { return Variant::fromInteger(std::int16_t(scaleUnits::scaleMode(form))); },
            [](QWidget& form, const Variant& value) { scaleUnits::setScaleMode(form, value.toInteger()); })
        .property(u"ScaleWidth",
                  [](QWidget& form) {
                      return Variant::fromSingle(float(scaleUnits::fromPixels(form, form.width(), Axis::Horizontal)));
                  })
        .property(u"ScaleHeight",
                  [](QWidget& form) {
                      return Variant::fromSingle(float(scaleUnits::fromPixels(form, form.height(), Axis::Vertical)));
                  })
        .property(u"Controls",
                  [](QWidget& form) {
                      return Variant(automation::ObjectRef(std::make_shared<WidgetObject>(form, controlsMembers())));
                  })
        .method(u"Move", &move)
        .method(u"PaintPicture", &paintPicture)
        .property(u"hwnd", &windowHandle)
        .property(u"MDIChild",
                  [](QWidget& form) {
                      if (widgetKinds::isMdiChild(form))
                          return Variant::fromBoolean(true);
                      if (widgetKinds::isMdiParent(form))
                          throw platform::RuntimeError(memberNotFound);
                      return Variant::fromBoolean(false);
                  })
        .property(
            u"Visible", [](QWidget& form) { return Variant::fromBoolean(!formGeometry::outer(form).isHidden()); },
            [](QWidget& form, const Variant& value) { formGeometry::outer(form).setVisible(value.toBoolean()); })
        .property(
            u"Enabled", [](QWidget& form) { return Variant::fromBoolean(!form.testAttribute(Qt::WA_ForceDisabled)); },
            [](QWidget& form, const Variant& value) { form.setEnabled(value.toBoolean()); });
    return table;
}

MemberTable makeControlsMembers()
{
    MemberTable table(QStringLiteral("Controls"));
    table
        .property(u"Count",
                  [](QWidget& form) { return Variant::fromLong(std::int32_t(widgetKinds::controlsOf(form).size())); })
        .method(u"Item", &controlAt)
        .asDefault();
    return table;
}

} // namespace

const MemberTable& formMembers()
{
    static const MemberTable table = makeFormMembers();
    return table;
}

const MemberTable& controlsMembers()
{
    static const MemberTable table = makeControlsMembers();
    return table;
}

} // namespace ui
