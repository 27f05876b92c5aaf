#include "fuzz/SalvixDescriptionCheck.h"

#include <QScopeGuard>

#include "backup/SalvixIni.h"
#include "common/ProgramIdentity.h"
#include "common/Settings.h"
#include "fuzz/FuzzWorld.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"

namespace fuzz {

namespace {

const QString setFolder = QStringLiteral("C:\\Salvataggio\\");
constexpr int disksLooked = 8;

// What a key of the description must read: its value in the file as parsed, else its default.
QString readsAsParsed(const platform::IniDocument& document, const common::IniKey& key)
{
    const QString read = common::settings::read(key);
    const QString expected = document.value(key.section, key.name).value_or(key.defaultValue);
    if (read != expected)
        return QStringLiteral("%1 read \"%2\" where the file says \"%3\"").arg(key.name, read, expected);
    return QString();
}

} // namespace

// Reads a backup set's description as the restore does, through the utility component: every key
// it reads gives the value the file holds as the INI parser sees it, or the key's default.
QString checkSalvixDescription(const QByteArray& input)
{
    FuzzWorld& world = FuzzWorld::instance();
    const QString programName = common::program::name();
    common::program::setName(QStringLiteral("Salvix"));
    const auto restoreName = qScopeGuard([&] { common::program::setName(programName); });

    const QString description = backup::salvixIni::descriptionFile(setFolder);
    world.writeFile(description, input);
    const auto file = platform::IniFile::read(FuzzWorld::hostPath(description));
    if (!file)
        return QStringLiteral("the description written cannot be read");
    const platform::IniDocument& document = file->document();

    for (const common::IniKey& key :
         {backup::salvixIni::DataOraSalvataggio(setFolder), backup::salvixIni::TotaleFile(setFolder)}) {
        if (QString broken = readsAsParsed(document, key); !broken.isEmpty())
            return broken;
    }
    for (int disk = 1; disk <= disksLooked; ++disk) {
        if (QString broken = readsAsParsed(document, backup::salvixIni::File(setFolder, disk)); !broken.isEmpty())
            return broken;
    }
    return QString();
}

} // namespace fuzz
