#include "automation/ControlKind.h"
#include "automation/DefaultMember.h"
#include "common/Val.h"
#include "utilex/CallerObjects.h"
#include "utilex/UtilexClassObject.h"

namespace utilex {

namespace {

using namespace Qt::StringLiterals;
using automation::ControlKind;
using automation::DispatchObject;
using callerObjects::isSet;
using callerObjects::readIni;
using callerObjects::required;
using callerObjects::writeIni;

// Which kinds a walk over all the controls takes (labels and command buttons only when asked),
// and which a single control may be.
struct Scope {
    bool labels;
    bool commandButtons;
    bool pictures;
};

constexpr Scope oneControl{true, true, false};

QString sectionOf(DispatchObject& form)
{
    return u"Dati Form: "_s + form.get(u"Name"_s).toString();
}

// The value of one control into the INI file by its kind; other kinds write nothing.
void saveControlValue(_UtilexClass& utilex, DispatchObject& control, const QString& section, const QString& file,
                      Scope scope)
{
    const auto save = [&](const QString& value) {
        writeIni(utilex, section, control.get(u"Name"_s).toString(), value, file);
    };
    switch (automation::controlKindOf(control)) {
    case ControlKind::CheckBox:
        save(control.get(u"Value"_s).toString());
        break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        save(control.get(u"Text"_s).toString());
        break;
    case ControlKind::OptionButton:
        save(control.get(u"Value"_s).toBoolean() ? u"1"_s : u"0"_s);
        break;
    case ControlKind::Label:
        if (scope.labels)
            save(control.get(u"Caption"_s).toString());
        break;
    case ControlKind::CommandButton:
        if (scope.commandButtons)
            save(control.get(u"Caption"_s).toString());
        break;
    case ControlKind::PictureBox:
    case ControlKind::Image:
        if (scope.pictures)
            save(automation::defaultValueOf(control.get(u"Picture"_s)).toString());
        break;
    default:
        break;
    }
}

// The stored value back into one control by its kind; pictures and other kinds are left alone.
void loadControlValue(_UtilexClass& utilex, DispatchObject& control, const QString& section, const QString& file,
                      Scope scope)
{
    const auto stored = [&](const QString& defaultValue) {
        return readIni(utilex, section, control.get(u"Name"_s).toString(), defaultValue, file);
    };
    switch (automation::controlKindOf(control)) {
    case ControlKind::CheckBox:
        control.set(u"Value"_s, Variant(stored(u"0"_s)));
        break;
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
        control.set(u"Text"_s, Variant(stored(QString())));
        break;
    case ControlKind::OptionButton:
        control.set(u"Value"_s, Variant::fromBoolean(common::Val(stored(u"0"_s)) != 0));
        break;
    case ControlKind::Label:
        if (scope.labels)
            control.set(u"Caption"_s, Variant(stored(QString())));
        break;
    case ControlKind::CommandButton:
        if (scope.commandButtons)
            control.set(u"Caption"_s, Variant(stored(QString())));
        break;
    default:
        break;
    }
}

using ControlStep = void (*)(_UtilexClass&, DispatchObject&, const QString&, const QString&, Scope);

// Every control of the form from index 0 to Count - 1 (counted once), each to the step.
void eachControl(_UtilexClass& utilex, const ObjectRef& form, const QString& file, Scope scope, ControlStep step)
{
    DispatchObject& target = required(form);
    const QString section = sectionOf(target);
    const ObjectRef controls = target.get(u"Controls"_s).toObject();
    const std::int32_t count = required(controls).get(u"Count"_s).toLong();
    for (std::int32_t i = 0; i < count; ++i) {
        std::vector<Variant> index{Variant::fromLong(i)};
        const Variant control =
            controls->invoke(automation::defaultMemberId, automation::InvokeKind::PropertyGet, index);
        step(utilex, required(control.toObject()), section, file, scope);
    }
}

} // namespace

void UtilexClassObject::SaveAllFormValueControlToIni(ObjectRef FormToSave, QString IniName, Boolean& SaveCMD,
                                                     Boolean& SaveLBL)
{
    eachControl(*this, FormToSave, IniName, {isSet(SaveLBL), isSet(SaveCMD), true}, &saveControlValue);
}

void UtilexClassObject::LoadAllFormValueControlFromIni(ObjectRef FormToLoad, QString IniName, Boolean& LoadCMD,
                                                       Boolean& LoadLBL)
{
    eachControl(*this, FormToLoad, IniName, {isSet(LoadLBL), isSet(LoadCMD), false}, &loadControlValue);
}

void UtilexClassObject::SaveOneControlValue2Ini(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName)
{
    saveControlValue(*this, required(ObjName), sectionOf(required(FormName)), IniName, oneControl);
}

void UtilexClassObject::LoadOneControlValueFromIni(ObjectRef& FormName, ObjectRef& ObjName, QString& IniName)
{
    loadControlValue(*this, required(ObjName), sectionOf(required(FormName)), IniName, oneControl);
}

} // namespace utilex
