#include "fuzz/ProfileWriteCheck.h"

#include <optional>

#include "fuzz/FuzzWorld.h"
#include "platform/IniDocument.h"
#include "platform/IniFile.h"
#include "platform/Profile.h"

namespace fuzz {

namespace {

const QString iniFile = QStringLiteral("C:\\Import\\Scritto.ini");
constexpr qsizetype namesLooked = 8;

struct Entry {
    QString section;
    QString key;
    QString value;
};

// The entries a reader finds, section by section as listed.
QList<Entry> entriesOf(const platform::IniDocument& document)
{
    QList<Entry> entries;
    const QStringList sections = document.sectionNames();
    for (const QString& section : sections.first(std::min(sections.size(), namesLooked))) {
        const QStringList keys = document.keyNames(section);
        for (const QString& key : keys.first(std::min(keys.size(), namesLooked)))
            entries.append({section, key, document.value(section, key).value_or(QString())});
    }
    return entries;
}

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

platform::IniDocument onDisk()
{
    const auto file = platform::IniFile::read(FuzzWorld::hostPath(iniFile));
    return file ? file->document() : platform::IniDocument();
}

// One write, then: the key reads what was written, and every other entry reads as before.
QString write(const Entry& written)
{
    const QList<Entry> before = entriesOf(onDisk());
    if (!platform::profile::writePrivateProfileString(written.section, written.key, written.value, iniFile))
        return QStringLiteral("writing [%1] %2 failed").arg(written.section, written.key);
    const platform::IniDocument after = onDisk();
    if (after.value(written.section, written.key) != written.value)
        return QStringLiteral("[%1] %2 does not read what was written").arg(written.section, written.key);
    for (const Entry& entry : before) {
        if (sameName(entry.section, written.section) && sameName(entry.key, written.key))
            continue;
        const std::optional<QString> now = after.value(entry.section, entry.key);
        if (now != entry.value)
            return QStringLiteral("writing [%1] %2 changed [%3] %4 from \"%5\" to \"%6\"")
                .arg(written.section, written.key, entry.section, entry.key, entry.value,
                     now.value_or(QStringLiteral("<missing>")));
    }
    return QString();
}

} // namespace

// Writes into a file as the input has it: a key of a new section, a new key and an existing key
// of the file's first section. Each write touches its own entry and nothing else.
QString checkProfileWrite(const QByteArray& input)
{
    FuzzWorld::instance().writeFile(iniFile, input);
    const QList<Entry> existing = entriesOf(onDisk());
    QList<Entry> writes{{QStringLiteral("Sezione Nuova"), QStringLiteral("Chiave"), QStringLiteral("valore")}};
    if (const QStringList sections = onDisk().sectionNames(); !sections.isEmpty())
        writes.append({sections.first(), QStringLiteral("Aggiunta"), QStringLiteral("1")});
    if (!existing.isEmpty())
        writes.append({existing.first().section, existing.first().key, QStringLiteral("riscritto \u00e8")});
    for (const Entry& entry : writes) {
        if (QString broken = write(entry); !broken.isEmpty())
            return broken;
    }
    return QString();
}

} // namespace fuzz
