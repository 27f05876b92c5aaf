#include "tools/formhost/FormHostProgram.h"

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QWindow>

#include "automation/Components.h"
#include "automation/ControlKind.h"
#include "automation/DefaultMember.h"
#include "automation/TypeInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Workstation.h"
#include "tools/formhost/FrmHost.h"
#include "ui/WidgetBridge.h"
#include "ui/WidgetKinds.h"
#include "utilex/UtilexClass.h"

namespace formhost {

namespace {

using namespace Qt::StringLiterals;
using automation::Variant;

constexpr int automationErrorExit = 1;
constexpr int usageExit = 2;

struct Options {
    QString workstation;
    QString title;
    QStringList settings;
    bool stay = false;
    QString method;
    QStringList arguments;
};

void write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

int usage(const QString& problem)
{
    write(stderr, u"formhost: %1\n"
                  u"usage: formhost [--workstation DIR] [--title TITLE] [--set OBJECT.PROPERTY=VALUE]... [--stay] "
                  u"[METHOD [ARG ...]]\n"_s.arg(problem));
    return usageExit;
}

std::optional<Options> parse(QStringList arguments, QString& problem)
{
    Options options;
    while (!arguments.isEmpty() && arguments.first().startsWith(u"--"_s)) {
        const QString option = arguments.takeFirst();
        if (option == u"--stay"_s) {
            options.stay = true;
            continue;
        }
        if (option != u"--workstation"_s && option != u"--title"_s && option != u"--set"_s) {
            problem = u"unknown option %1"_s.arg(option);
            return std::nullopt;
        }
        if (arguments.isEmpty()) {
            problem = u"%1 needs a value"_s.arg(option);
            return std::nullopt;
        }
        const QString value = arguments.takeFirst();
        if (option == u"--workstation"_s) {
            options.workstation = value;
        } else if (option == u"--title"_s) {
            options.title = value;
        } else if (value.contains(u'=')) {
            options.settings.append(value);
        } else {
            problem = u"--set needs OBJECT.PROPERTY=VALUE, not %1"_s.arg(value);
            return std::nullopt;
        }
    }
    if (!arguments.isEmpty())
        options.method = arguments.takeFirst();
    options.arguments = arguments;
    return options;
}

// Another program's window, known only by its handle.
class WindowHandle : public automation::DispatchObject {
public:
    explicit WindowHandle(std::int32_t handle) : m_handle(handle) {}
    int idOfName(const QString& name) const override
    {
        return name.compare(u"hwnd"_s, Qt::CaseInsensitive) == 0 ? 1 : unknownName;
    }
    Variant invoke(int dispatchId, automation::InvokeKind kind, std::vector<Variant>&) override
    {
        if (dispatchId != 1 || kind == automation::InvokeKind::PropertyPut)
            throw platform::RuntimeError(438);
        return Variant::fromLong(m_handle);
    }

private:
    std::int32_t m_handle;
};

QWidget* controlNamed(const QWidget& form, const QString& name)
{
    for (QWidget* control : ui::widgetKinds::controlsOf(form))
        if (control->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return control;
    return nullptr;
}

// The object an argument names, or none when it names nothing here.
automation::ObjectRef objectNamed(QWidget& form, const QString& name)
{
    if (name.compare(form.objectName(), Qt::CaseInsensitive) == 0)
        return ui::widgetBridge::form(form);
    if (QWidget* control = controlNamed(form, name))
        return ui::widgetBridge::control(*control);
    if (name.startsWith(u"hwnd:"_s, Qt::CaseInsensitive)) {
        bool isNumber = false;
        const std::int32_t handle = name.mid(5).toInt(&isNumber);
        if (isNumber)
            return std::make_shared<WindowHandle>(handle);
    }
    return nullptr;
}

void applySetting(QWidget& form, const QString& setting)
{
    const qsizetype equals = setting.indexOf(u'=');
    const QString target = setting.left(equals);
    const qsizetype dot = target.lastIndexOf(u'.');
    const automation::ObjectRef object = dot > 0 ? objectNamed(form, target.left(dot)) : nullptr;
    if (!object)
        throw platform::RuntimeError(424, u"No object for --set %1"_s.arg(setting));
    object->set(target.mid(dot + 1), Variant(setting.mid(equals + 1)));
}

std::vector<Variant> argumentsFor(const automation::MethodInfo& method, QWidget& form, QStringList texts)
{
    std::vector<Variant> arguments;
    for (const automation::ParameterInfo& parameter : method.parameters) {
        if (parameter.type == automation::VarType::Object) {
            automation::ObjectRef named = texts.isEmpty() ? nullptr : objectNamed(form, texts.first());
            if (named)
                texts.removeFirst();
            arguments.push_back(Variant(named ? named : ui::widgetBridge::form(form)));
        } else {
            arguments.push_back(texts.isEmpty() ? Variant::missing() : Variant(texts.takeFirst()));
        }
    }
    if (!texts.isEmpty())
        throw platform::RuntimeError(450);
    return arguments;
}

QString stateLine(const QString& object, const QString& member, const Variant& value)
{
    return u"%1.%2: %3\n"_s.arg(object, member, value.displayText());
}

// The member that holds a control's value, by its kind; none for a list box.
QString valueMemberOf(automation::ControlKind kind)
{
    switch (kind) {
    case automation::ControlKind::CheckBox:
    case automation::ControlKind::OptionButton:
        return u"Value"_s;
    case automation::ControlKind::TextBox:
    case automation::ControlKind::ComboBox:
        return u"Text"_s;
    case automation::ControlKind::Label:
    case automation::ControlKind::CommandButton:
        return u"Caption"_s;
    case automation::ControlKind::PictureBox:
    case automation::ControlKind::Image:
        return u"Picture"_s;
    default:
        return QString();
    }
}

QString stateOf(QWidget& form)
{
    const automation::ObjectRef window = ui::widgetBridge::form(form);
    QString state;
    for (const QString& member : {u"Left"_s, u"Top"_s, u"Width"_s, u"Height"_s, u"WindowState"_s, u"hwnd"_s})
        state += stateLine(form.objectName(), member, window->get(member));
    for (QWidget* widget : ui::widgetKinds::controlsOf(form)) {
        const automation::ObjectRef control = ui::widgetBridge::control(*widget);
        const QString member = valueMemberOf(automation::controlKindOf(*control));
        if (!member.isEmpty())
            state += stateLine(widget->objectName(), member, automation::defaultValueOf(control->get(member)));
        state += stateLine(widget->objectName(), u"Enabled"_s, control->get(u"Enabled"_s));
    }
    return state;
}

void waitUntilShown(QWidget& form)
{
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired() && !(form.windowHandle() && form.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
}

void call(QWidget& form, const Options& options)
{
    const automation::ObjectRef utilex = automation::createObject(QString::fromUtf16(utilex::UtilexClassId));
    const automation::InterfaceInfo* interface = utilex->interfaceInfo();
    const int index = interface ? interface->indexOf(options.method) : -1;
    if (index < 0)
        throw platform::RuntimeError(438);
    const automation::MethodInfo& method = interface->methods[std::size_t(index)];
    std::vector<Variant> arguments = argumentsFor(method, form, options.arguments);
    const Variant result = utilex->callByRef(method.name, arguments);
    // Queued work of the call (a close posted to this window) runs before the state is shown.
    QCoreApplication::processEvents();
    if (method.result)
        write(stdout, u"result: %1\n"_s.arg(result.displayText()));
}

} // namespace

int run(const QStringList& arguments)
{
    QString problem;
    const std::optional<Options> options = parse(arguments, problem);
    if (!options)
        return usage(problem);
    if (!options->workstation.isEmpty()) {
        if (!QDir(options->workstation).exists())
            return usage(u"no workstation folder %1"_s.arg(options->workstation));
        const QString root = QDir(options->workstation).absolutePath();
        qputenv("TRAMEX_WORKSTATION", QFile::encodeName(root));
        platform::Workstation::use(root);
    }

    FrmHost form;
    if (!options->title.isEmpty())
        form.setWindowTitle(options->title);
    try {
        for (const QString& setting : options->settings)
            applySetting(form, setting);
        form.show();
        waitUntilShown(form);
        if (!options->method.isEmpty())
            call(form, *options);
        write(stdout, stateOf(form));
    } catch (const platform::RuntimeError& error) {
        write(stderr, u"error %1: %2\n"_s.arg(error.number()).arg(error.description()));
        return automationErrorExit;
    }
    if (!options->stay || !form.isVisible())
        return 0;
    return QApplication::exec();
}

} // namespace formhost
