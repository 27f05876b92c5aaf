#include "ui/ControlMembers.h"

#include <map>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "platform/RuntimeError.h"
#include "ui/MemberTable.h"
#include "ui/PictureControl.h"
#include "ui/PictureObject.h"
#include "ui/ScaleUnits.h"
#include "ui/TextBoxAccess.h"
#include "ui/WidgetTwips.h"

namespace ui {

namespace {

using automation::ControlKind;
using automation::Variant;
using scaleUnits::Axis;

constexpr int invalidProcedureCall = 5;
constexpr int readOnlyProperty = 383;
constexpr int invalidPropertyValue = 380;
constexpr int argumentNotOptional = 449;
constexpr int wrongNumberOfArguments = 450;

template <class Widget> Widget& as(QWidget& widget)
{
    return *static_cast<Widget*>(&widget);
}

MemberTable& addCommon(MemberTable& table)
{
    return table.property(u"Name", [](QWidget& control) { return Variant(control.objectName()); })
        .property(
            u"Enabled",
            [](QWidget& control) { return Variant::fromBoolean(!control.testAttribute(Qt::WA_ForceDisabled)); },
            [](QWidget& control, const Variant& value) { control.setEnabled(value.toBoolean()); });
}

MemberTable::Getter caption()
{
    return [](QWidget& control) {
        if (auto* label = qobject_cast<QLabel*>(&control))
            return Variant(label->text());
        return Variant(as<QAbstractButton>(control).text());
    };
}

MemberTable::Setter setCaption()
{
    return [](QWidget& control, const Variant& value) {
        if (auto* label = qobject_cast<QLabel*>(&control))
            label->setText(value.toString());
        else
            as<QAbstractButton>(control).setText(value.toString());
    };
}

// AddItem Item[, Index], for combo and list boxes.
template <class Box> Variant addItem(QWidget& control, std::vector<Variant>& arguments)
{
    if (arguments.empty() || arguments.front().isMissing())
        throw platform::RuntimeError(argumentNotOptional);
    if (arguments.size() > 2)
        throw platform::RuntimeError(wrongNumberOfArguments);
    Box& box = as<Box>(control);
    const QString item = arguments.front().toString();
    if (arguments.size() < 2 || arguments[1].isMissing()) {
        box.addItem(item);
        return Variant();
    }
    const std::int32_t index = arguments[1].toLong();
    if (index < 0 || index > box.count())
        throw platform::RuntimeError(invalidProcedureCall);
    box.insertItem(index, item);
    return Variant();
}

// Move Left[, Top[, Width[, Height]]] in twips; what is left out stays.
Variant moveControl(QWidget& control, std::vector<Variant>& arguments)
{
    if (arguments.empty() || arguments.front().isMissing())
        throw platform::RuntimeError(argumentNotOptional);
    if (arguments.size() > 4)
        throw platform::RuntimeError(wrongNumberOfArguments);
    const auto given = [&](std::size_t i) { return i < arguments.size() && !arguments[i].isMissing(); };
    widgetTwips::setLeft(control, arguments[0].toLong());
    if (given(1))
        widgetTwips::setTop(control, arguments[1].toLong());
    if (given(2) && !widgetTwips::setWidth(control, arguments[2].toLong()))
        throw platform::RuntimeError(invalidPropertyValue);
    if (given(3) && !widgetTwips::setHeight(control, arguments[3].toLong()))
        throw platform::RuntimeError(invalidPropertyValue);
    return Variant();
}

template <class Box> Variant clear(QWidget& control, std::vector<Variant>& arguments)
{
    if (!arguments.empty())
        throw platform::RuntimeError(wrongNumberOfArguments);
    as<Box>(control).clear();
    return Variant();
}

Variant checkBoxValue(QWidget& control)
{
    switch (as<QCheckBox>(control).checkState()) {
    case Qt::Checked:
        return Variant::fromInteger(1);
    case Qt::PartiallyChecked:
        return Variant::fromInteger(2);
    default:
        return Variant::fromInteger(0);
    }
}

void setCheckBoxValue(QWidget& control, const Variant& value)
{
    auto& box = as<QCheckBox>(control);
    switch (value.toInteger()) {
    case 0:
        box.setCheckState(Qt::Unchecked);
        break;
    case 1:
        box.setCheckState(Qt::Checked);
        break;
    case 2:
        box.setTristate(true);
        box.setCheckState(Qt::PartiallyChecked);
        break;
    default:
        throw platform::RuntimeError(invalidPropertyValue);
    }
}

// The runtime lets a program clear every option of a group; Qt's exclusive buttons refuse to
// uncheck the checked one, so exclusivity is lifted for the moment.
void setOptionValue(QWidget& control, const Variant& value)
{
    auto& button = as<QRadioButton>(control);
    if (value.toBoolean()) {
        button.setChecked(true);
        return;
    }
    QButtonGroup* group = button.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button.autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

// A combo box that cannot be edited takes only the text of one of its items, or none.
void setComboText(QWidget& control, const Variant& value)
{
    auto& box = as<QComboBox>(control);
    const QString text = value.toString();
    if (box.isEditable()) {
        box.setEditText(text);
        return;
    }
    if (text.isEmpty()) {
        box.setCurrentIndex(-1);
        return;
    }
    const int index = box.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw platform::RuntimeError(readOnlyProperty);
    box.setCurrentIndex(index);
}

MemberTable& addPicture(MemberTable& table)
{
    return table.property(
        u"Picture",
        [](QWidget& control) {
            return Variant(
                automation::ObjectRef(std::make_shared<PictureObject>(as<PictureControl>(control).picture())));
        },
        [](QWidget& control, const Variant& value) {
            as<PictureControl>(control).setPicture(PictureObject::pictureOf(value));
        });
}

MemberTable makeMembers(ControlKind kind)
{
    MemberTable table(kind == ControlKind::Other ? QStringLiteral("Control") : automation::interfaceNameOf(kind));
    addCommon(table);
    switch (kind) {
    case ControlKind::CheckBox:
        table.property(u"Value", &checkBoxValue, &setCheckBoxValue).asDefault();
        break;
    case ControlKind::TextBox:
        table
            .property(
                u"Text", [](QWidget& box) { return Variant(textBoxAccess::text(box)); },
                [](QWidget& box, const Variant& value) { textBoxAccess::setText(box, value.toString()); })
            .asDefault()
            .property(
                u"SelStart", [](QWidget& box) { return Variant::fromLong(textBoxAccess::selStart(box)); },
                [](QWidget& box, const Variant& value) { textBoxAccess::setSelStart(box, value.toLong()); })
            .property(
                u"SelLength", [](QWidget& box) { return Variant::fromLong(textBoxAccess::selLength(box)); },
                [](QWidget& box, const Variant& value) { textBoxAccess::setSelLength(box, value.toLong()); })
            .property(
                u"BackColor", [](QWidget& box) { return Variant::fromLong(textBoxAccess::backColor(box)); },
                [](QWidget& box, const Variant& value) { textBoxAccess::setBackColor(box, value.toLong()); })
            .method(u"Move", &moveControl);
        break;
    case ControlKind::OptionButton:
        table
            .property(
                u"Value", [](QWidget& button) { return Variant::fromBoolean(as<QRadioButton>(button).isChecked()); },
                &setOptionValue)
            .asDefault();
        break;
    case ControlKind::Label:
    case ControlKind::CommandButton:
        table.property(u"Caption", caption(), setCaption()).asDefault();
        break;
    case ControlKind::ComboBox:
        table
            .property(
                u"Text", [](QWidget& box) { return Variant(as<QComboBox>(box).currentText()); }, &setComboText)
            .asDefault()
            .method(u"AddItem", &addItem<QComboBox>)
            .method(u"Clear", &clear<QComboBox>);
        break;
    case ControlKind::ListBox:
        table.method(u"AddItem", &addItem<QListWidget>).method(u"Clear", &clear<QListWidget>);
        break;
    case ControlKind::PictureBox:
        addPicture(table)
            .asDefault()
            .property(
                u"AutoSize", [](QWidget& box) { return Variant::fromBoolean(as<PictureControl>(box).autoSize()); },
                [](QWidget& box, const Variant& value) { as<PictureControl>(box).setAutoSize(value.toBoolean()); })
            .property(
                u"ScaleMode",
                [](QWidget& box) { return Variant::fromInteger(std::int16_t(scaleUnits::scaleMode(box))); },
                [](QWidget& box, const Variant& value) { scaleUnits::setScaleMode(box, value.toInteger()); })
            .property(u"ScaleWidth",
                      [](QWidget& box) {
                          return Variant::fromSingle(
                              float(scaleUnits::fromPixels(box, box.contentsRect().width(), Axis::Horizontal)));
                      })
            .property(u"ScaleHeight", [](QWidget& box) {
                return Variant::fromSingle(
                    float(scaleUnits::fromPixels(box, box.contentsRect().height(), Axis::Vertical)));
            });
        break;
    case ControlKind::Image:
        addPicture(table).asDefault();
        break;
    case ControlKind::Other:
        break;
    }
    return table;
}

} // namespace

const MemberTable& controlMembers(ControlKind kind)
{
    static const std::map<ControlKind, MemberTable> tables = [] {
        std::map<ControlKind, MemberTable> made;
        for (ControlKind each :
             {ControlKind::Other, ControlKind::CheckBox, ControlKind::TextBox, ControlKind::OptionButton,
              ControlKind::Label, ControlKind::ComboBox, ControlKind::PictureBox, ControlKind::CommandButton,
              ControlKind::Image, ControlKind::ListBox})
            made.emplace(each, makeMembers(each));
        return made;
    }();
    return tables.at(kind);
}

} // namespace ui
