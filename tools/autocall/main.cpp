// autocall: calls a registered component late-bound from the shell.
//   autocall [--workstation DIR] PROGID-OR-CLSID METHOD [ARG ...]
//   autocall [--workstation DIR] --typelib PROGID-OR-CLSID

#include <cstdio>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "automation/Components.h"
#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"
#include "tools/autocall/TypeLibraryText.h"

using automation::Variant;

namespace {

constexpr int automationErrorExit = 1;
constexpr int usageExit = 2;

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
}

int usage(const QString& problem)
{
    write(stderr, QStringLiteral("autocall: %1\n"
                                 "usage: autocall [--workstation DIR] PROGID-OR-CLSID METHOD [ARG ...]\n"
                                 "       autocall [--workstation DIR] --typelib PROGID-OR-CLSID\n"
                                 "ARG is text converted to the parameter's type; @missing leaves it out, @null passes "
                                 "Null, @empty passes Empty, @nothing passes Nothing.\n")
                      .arg(problem));
    return usageExit;
}

Variant argumentOf(const QString& text)
{
    if (text == QLatin1String("@missing"))
        return Variant::missing();
    if (text == QLatin1String("@null"))
        return Variant::null();
    if (text == QLatin1String("@empty"))
        return Variant();
    if (text == QLatin1String("@nothing"))
        return Variant(automation::ObjectRef());
    return Variant(text);
}

// An argument left out prints as empty text.
QString valueText(const Variant& value)
{
    return value.isMissing() ? QString() : value.displayText();
}

QString valueLines(const QString& label, const Variant& value)
{
    if (!value.isArray())
        return label + QStringLiteral(": ") + valueText(value) + QLatin1Char('\n');
    if (value.upperBound() < value.lowerBound())
        return label + QStringLiteral(": (no elements)\n");
    QString lines;
    for (int i = value.lowerBound(); i <= value.upperBound(); ++i)
        lines += QStringLiteral("%1(%2): %3\n").arg(label).arg(i).arg(valueText(value.at(i)));
    return lines;
}

// The result of a function, then every by-reference parameter in table order as it is after the
// call. Without type information the result alone.
QString callMethod(const QString& progIdOrClsid, const QString& methodName, const QStringList& texts)
{
    auto object = automation::createObject(progIdOrClsid);
    const int dispatchId = object->idOfName(methodName);
    if (dispatchId == automation::DispatchObject::unknownName)
        throw platform::RuntimeError(438);
    std::vector<Variant> arguments;
    for (const QString& text : texts)
        arguments.push_back(argumentOf(text));
    const Variant result = object->invoke(dispatchId, automation::InvokeKind::Method, arguments);

    const automation::InterfaceInfo* interface = object->interfaceInfo();
    const int index = interface ? interface->indexOf(methodName) : -1;
    if (index < 0)
        return valueLines(QStringLiteral("result"), result);
    const automation::MethodInfo& method = interface->methods[std::size_t(index)];
    QString output;
    if (method.result)
        output += valueLines(QStringLiteral("result"), result);
    for (std::size_t i = 0; i < method.parameters.size(); ++i)
        if (method.parameters[i].byRef)
            output += valueLines(method.parameters[i].name, i < arguments.size() ? arguments[i] : Variant::missing());
    return output;
}

QString describeTypeLibrary(const QString& progIdOrClsid)
{
    const auto library = automation::loadTypeLibrary(progIdOrClsid);
    return typeLibraryText::describe(*library);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromUtf8(argv[i]));

    QString workstation;
    bool typeLibrary = false;
    while (!arguments.isEmpty() && arguments.first().startsWith(QLatin1String("--"))) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--typelib")) {
            typeLibrary = true;
        } else if (option == QLatin1String("--workstation") && !arguments.isEmpty()) {
            workstation = arguments.takeFirst();
        } else {
            return usage(QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (typeLibrary ? arguments.size() != 1 : arguments.size() < 2)
        return usage(QStringLiteral("wrong number of arguments"));

    if (!workstation.isEmpty()) {
        if (!QDir(workstation).exists())
            return usage(QStringLiteral("no workstation folder %1").arg(workstation));
        const QString root = QDir(workstation).absolutePath();
        qputenv("TRAMEX_WORKSTATION", QFile::encodeName(root));
        platform::Workstation::use(root);
    }

    try {
        const QString output =
            typeLibrary ? describeTypeLibrary(arguments[0]) : callMethod(arguments[0], arguments[1], arguments.mid(2));
        write(stdout, output);
        return 0;
    } catch (const platform::RuntimeError& error) {
        write(stderr, QStringLiteral("error %1: %2\n").arg(error.number()).arg(error.description()));
        return automationErrorExit;
    }
}
