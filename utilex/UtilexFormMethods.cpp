#include "automation/ControlKind.h"
#include "automation/Screen.h"
#include "automation/WindowSystem.h"
#include "platform/RuntimeError.h"
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

constexpr std::int16_t normalState = 0;
constexpr std::int16_t maximisedState = 2;
constexpr std::int16_t sizable = 2;
constexpr std::int16_t sizableToolWindow = 5;
constexpr std::int16_t pixelScale = 3;
constexpr std::int32_t white = 0xFFFFFF;
constexpr std::int32_t lightGrey = 0xC0C0C0;

// (screen - size) \ 2: the operand rounded to a whole number, the quotient truncated. Mended:
// kept in 32 bits, where 16 would overflow on screens wider than about 4400 pixels.
std::int32_t centred(int screen, const Variant& size)
{
    return Variant::fromDouble(screen - size.toDouble()).toLong() / 2;
}

// The runtime's For loop: bounds and step are taken once. A step of 0 would never end; mended,
// it raises 5 (Invalid procedure call or argument) instead.
template <class Body> void forLoop(double from, double to, double step, Body body)
{
    if (step == 0)
        throw platform::RuntimeError(5);
    for (double value = from; step > 0 ? value <= to : value >= to; value += step)
        body(value);
}

} // namespace

void UtilexClassObject::CenterForm(ObjectRef& frmIN)
{
    DispatchObject& form = required(frmIN);
    if (form.get(u"WindowState"_s).toInteger() != normalState)
        return;
    const std::int32_t left = centred(automation::Screen::width(), form.get(u"Width"_s));
    const std::int32_t top = centred(automation::Screen::height(), form.get(u"Height"_s));
    form.call(u"Move"_s, {Variant::fromLong(left), Variant::fromLong(top)});
}

void UtilexClassObject::AlwaysOnTop(ObjectRef& x, Boolean& Y)
{
    if (Y != automation::True && Y != automation::False)
        return;
    automation::WindowSystem::setTopmost(required(x).get(u"hwnd"_s).toLong(), Y == automation::True);
}

void UtilexClassObject::TileBkgd(ObjectRef& Frm, ObjectRef& picholder, QString& bkgdfile)
{
    if (bkgdfile.isEmpty())
        return;
    DispatchObject& form = required(Frm);
    DispatchObject& holder = required(picholder);
    // Utilex leaves the form in its own units.
    const bool inPixels = m_library == Library::Utilex4;
    const Variant savedScale = inPixels ? form.get(u"ScaleMode"_s) : Variant();
    holder.set(u"ScaleMode"_s, Variant::fromInteger(pixelScale));
    if (inPixels)
        form.set(u"ScaleMode"_s, Variant::fromInteger(pixelScale));
    holder.set(u"Picture"_s, Variant(automation::WindowSystem::loadPicture(bkgdfile)));
    forLoop(0, form.get(u"Height"_s).toDouble(), holder.get(u"ScaleHeight"_s).toDouble(), [&](double y) {
        forLoop(0, form.get(u"Width"_s).toDouble(), holder.get(u"ScaleWidth"_s).toDouble(), [&](double x) {
            form.call(u"PaintPicture"_s,
                      {holder.get(u"Picture"_s), Variant::fromSingle(float(x)), Variant::fromSingle(float(y))});
        });
    });
    if (inPixels)
        form.set(u"ScaleMode"_s, savedScale);
    holder.set(u"Picture"_s, Variant(automation::WindowSystem::loadPicture(QString())));
}

void UtilexClassObject::SaveFormPosition(ObjectRef& FormToSave, QString& IniFile)
{
    DispatchObject& form = required(FormToSave);
    const QString section = form.get(u"Name"_s).toString();
    // Utilex keeps no window state: the position is written whatever the state.
    const bool keepsState = m_library == Library::Utilex4;
    if (keepsState && form.get(u"WindowState"_s).toInteger() != normalState) {
        writeIni(*this, section, u"WindowState"_s, u"2"_s, IniFile);
        return;
    }
    writeIni(*this, section, u"Left"_s, form.get(u"Left"_s).toString(), IniFile);
    writeIni(*this, section, u"Top"_s, form.get(u"Top"_s).toString(), IniFile);
    writeIni(*this, section, u"Larghezza"_s, form.get(u"Width"_s).toString(), IniFile);
    writeIni(*this, section, u"Altezza"_s, form.get(u"Height"_s).toString(), IniFile);
    if (keepsState)
        writeIni(*this, section, u"WindowState"_s, u"0"_s, IniFile);
}

void UtilexClassObject::LoadFormPosition(ObjectRef& FormToLoad, QString& IniFile, Boolean& NoPosition,
                                         Boolean& NoDimension)
{
    DispatchObject& form = required(FormToLoad);
    const QString section = form.get(u"Name"_s).toString();
    const auto stored = [&](const QString& key) { return Variant(readIni(*this, section, key, u"0"_s, IniFile)); };
    if (m_library == Library::Utilex4 && stored(u"WindowState"_s).toByte() == maximisedState) {
        form.set(u"WindowState"_s, Variant::fromInteger(maximisedState));
        return;
    }
    const float left = stored(u"Left"_s).toSingle();
    const float top = stored(u"Top"_s).toSingle();
    const float width = stored(u"Larghezza"_s).toSingle();
    const float height = stored(u"Altezza"_s).toSingle();
    if (!isSet(NoPosition)) {
        form.set(u"Left"_s, Variant::fromSingle(left));
        form.set(u"Top"_s, Variant::fromSingle(top));
    }
    const std::int16_t border = form.get(u"BorderStyle"_s).toInteger();
    if ((border != sizable && border != sizableToolWindow) || isSet(NoDimension))
        return;
    if (width > 0)
        form.set(u"Width"_s, Variant::fromSingle(width));
    if (height > 0)
        form.set(u"Height"_s, Variant::fromSingle(height));
}

void UtilexClassObject::SelText(ObjectRef& TextB)
{
    DispatchObject& box = required(TextB);
    box.set(u"SelStart"_s, Variant::fromLong(0));
    box.set(u"SelLength"_s, Variant::fromLong(std::int32_t(box.get(u"Text"_s).toString().size())));
}

Boolean UtilexClassObject::DisableControl(ObjectRef& ControlName, Boolean& Enable, Variant& Clean_Value)
{
    DispatchObject& control = required(ControlName);
    const ControlKind kind = automation::controlKindOf(control);
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::CheckBox:
    case ControlKind::CommandButton:
    case ControlKind::ListBox:
        break;
    default:
        return automation::False;
    }
    // Clean_Value is read only by the kinds that have a value to clean.
    const auto clean = [&Clean_Value] { return Clean_Value.isMissing() || Clean_Value.toBoolean(); };
    control.set(u"Enabled"_s, Variant::fromBoolean(isSet(Enable)));
    switch (kind) {
    case ControlKind::TextBox:
        control.set(u"BackColor"_s, Variant::fromLong(isSet(Enable) ? white : lightGrey));
        if (clean())
            control.set(u"Text"_s, Variant(QString()));
        return automation::True;
    case ControlKind::CheckBox:
        if (clean())
            control.set(u"Value"_s, Variant::fromInteger(0));
        return automation::True;
    case ControlKind::ListBox:
        if (clean())
            control.call(u"Clear"_s);
        return automation::True;
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
        return automation::True;
    default:
        return automation::False;
    }
}

Boolean UtilexClassObject::AppClose(QString& Title)
{
    // Mended: an empty title would name whichever untitled window came first.
    if (Title.isEmpty())
        return automation::False;
    return automation::toBoolean(automation::WindowSystem::closeWindowTitled(Title));
}

std::int16_t UtilexClassObject::GetMDIChildCount()
{
    std::int16_t count = 0;
    try {
        for (const ObjectRef& form : automation::WindowSystem::forms()) {
            try {
                if (form && form->get(u"MDIChild"_s).toBoolean() && form->get(u"Visible"_s).toBoolean())
                    ++count;
            } catch (const platform::RuntimeError&) {
                // An MDI form has no MDIChild: it is not counted.
            }
        }
    } catch (const platform::RuntimeError&) {
    }
    return count;
}

} // namespace utilex
