#include "interaction/ScriptedSystemServices.h"

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace interaction {

namespace {

using namespace Qt::StringLiterals;
using automation::SystemServices;

QString nameOf(SystemServices::SessionEnd end)
{
    switch (end) {
    case SystemServices::SessionEnd::LogOff:
        return u"LogOff"_s;
    case SystemServices::SessionEnd::ShutDown:
        return u"ShutDown"_s;
    case SystemServices::SessionEnd::Reboot:
        return u"Reboot"_s;
    }
    return QString();
}

} // namespace

ScriptedSystemServices::ScriptedSystemServices()
{
    SystemServices::Backend backend;
    backend.playSound = [this](const QString& hostPath) { m_calls.append(u"PlaySound "_s + hostPath); };
    backend.showPanels = [this](bool shown) { m_calls.append(shown ? u"ShowPanels shown"_s : u"ShowPanels hidden"_s); };
    backend.endSession = [this](SystemServices::SessionEnd end, bool force) {
        m_calls.append(u"EndSession "_s + nameOf(end) + (force ? u" forced"_s : QString()));
    };
    backend.setWallpaper = [this](const QString& hostPath) { m_calls.append(u"SetWallpaper "_s + hostPath); };
    backend.hasPrinter = [this] { return m_printer; };
    backend.printAt = [this](const QString& text, double x, double y) {
        if (!m_printer)
            throw platform::RuntimeError(platform::PrinterInformationError);
        m_calls.append(u"PrintAt %1 %2 %3"_s.arg(text).arg(x).arg(y));
    };
    backend.endDocument = [this] { m_calls.append(u"EndDocument"_s); };
    backend.keyboardState = [this] { return m_keyboard; };
    backend.setKeyboardState = [this](const KeyboardState& state) {
        m_calls.append(u"SetKeyboardState"_s);
        m_keyboard = state;
    };
    backend.mouseButtons = [this] { return m_mouseButtons; };
    SystemServices::install(std::move(backend));
}

ScriptedSystemServices::~ScriptedSystemServices()
{
    SystemServices::install({});
}

} // namespace interaction
