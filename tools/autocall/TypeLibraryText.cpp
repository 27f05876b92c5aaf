#include "tools/autocall/TypeLibraryText.h"

#include <QStringList>

using automation::VarType;

namespace typeLibraryText {

namespace {

QString guidText(const QUuid& id)
{
    return id.toString(QUuid::WithBraces).toUpper();
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString defaultText(const automation::Variant& value)
{
    if (value.type() == VarType::String)
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return value.displayText();
}

QString parameterText(const automation::ParameterInfo& parameter)
{
    QString text;
    if (parameter.optional)
        text += QStringLiteral("Optional ");
    text += parameter.byRef ? QStringLiteral("ByRef ") : QStringLiteral("ByVal ");
    text += parameter.name + QStringLiteral(" As ") + typeName(parameter.type);
    if (parameter.defaultValue)
        text += QStringLiteral(" = ") + defaultText(*parameter.defaultValue);
    return text;
}

} // namespace

QString typeName(VarType type)
{
    switch (type) {
    case VarType::Empty:
        return QStringLiteral("Empty");
    case VarType::Null:
        return QStringLiteral("Null");
    case VarType::Integer:
        return QStringLiteral("Integer");
    case VarType::Long:
        return QStringLiteral("Long");
    case VarType::Single:
        return QStringLiteral("Single");
    case VarType::Double:
        return QStringLiteral("Double");
    case VarType::Date:
        return QStringLiteral("Date");
    case VarType::String:
        return QStringLiteral("String");
    case VarType::Object:
        return QStringLiteral("Object");
    case VarType::Error:
        return QStringLiteral("Error");
    case VarType::Boolean:
        return QStringLiteral("Boolean");
    case VarType::Variant:
        return QStringLiteral("Variant");
    case VarType::Byte:
        return QStringLiteral("Byte");
    case VarType::Array:
        return QStringLiteral("Variant()");
    }
    return QStringLiteral("Variant");
}

QString methodLine(const automation::MethodInfo& method, int slot)
{
    QStringList parameters;
    for (const auto& parameter : method.parameters)
        parameters.append(parameterText(parameter));
    QString line =
        QStringLiteral("  slot %1  %2(%3)").arg(slot).arg(method.name, parameters.join(QStringLiteral(", ")));
    if (method.result)
        line += QStringLiteral(" As ") + typeName(*method.result);
    return line;
}

QString describe(const automation::LibraryInfo& library)
{
    QString text = QStringLiteral("library %1, version %2.%3, locale %4, id %5, file version %6\n")
                       .arg(library.name)
                       .arg(library.majorVersion)
                       .arg(library.minorVersion)
                       .arg(library.locale)
                       .arg(guidText(library.libid), library.fileVersion);
    for (const auto& info : library.classes) {
        text += QStringLiteral("class %1, id %2, progid %3, creatable %4, application object %5, threading %6\n")
                    .arg(info.name, guidText(info.clsid), info.progId, yesNo(info.creatable), yesNo(info.appObject),
                         info.threading);
        const automation::InterfaceInfo* interface = info.defaultInterface;
        if (!interface)
            continue;
        text += QStringLiteral("interface %1, id %2, %3\n")
                    .arg(interface->name, guidText(interface->iid),
                         interface->dual ? QStringLiteral("dual") : QStringLiteral("dispatch only"));
        for (std::size_t i = 0; i < interface->methods.size(); ++i)
            text += methodLine(interface->methods[i], int(i) + 1) + QLatin1Char('\n');
    }
    return text;
}

} // namespace typeLibraryText
