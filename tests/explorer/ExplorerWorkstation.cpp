#include "ExplorerWorkstation.h"

#include "automation/Components.h"
#include "common/ProgramIdentity.h"
#include "common/Utility.h"
#include "explorer/store/ExplorerState.h"
#include "platform/Profile.h"
#include "platform/Workstation.h"

#include <QTest>
#include <stdexcept>

namespace {

void failTest(const QString& failure)
{
    QTest::qFail(qPrintable(failure), __FILE__, __LINE__);
}

} // namespace

ExplorerWorkstation::ExplorerWorkstation() : prompter(&failTest)
{
    if (!m_root.isValid())
        throw std::runtime_error("no temporary folder");
    platform::Workstation::layOutDefault(m_root.path());
    platform::Workstation::use(m_root.path());
    automation::registerLibrary(qEnvironmentVariable("TRAMEX_BIN_DIR") + QStringLiteral("/Utilex4.dll"));
    common::program::setName(QStringLiteral("Schedex"));
    store::explorerState() = store::ExplorerState();
    m_seams.setPrompter(prompter).setKeyState(keys).setPendingEvents(events).setProgramTitle(QStringLiteral("Schedex"));
}

ExplorerWorkstation::~ExplorerWorkstation()
{
    prompter.verifyDone();
    common::releaseUtility();
}

void ExplorerWorkstation::writeIni(const QString& file, const QString& section, const QString& key,
                                   const QString& value) const
{
    // A null value would delete the key; the tests write empty values as "key=".
    const QString text = value.isNull() ? QStringLiteral("") : value;
    if (!platform::profile::writePrivateProfileString(section, key, text, file))
        throw std::runtime_error("cannot write the test's INI file");
}

std::optional<QString> ExplorerWorkstation::readIni(const QString& file, const QString& section,
                                                    const QString& key) const
{
    const QString absent = QStringLiteral("\x01absent");
    const QString value = platform::profile::readString(section, key, absent, file);
    if (value == absent)
        return std::nullopt;
    return value;
}
