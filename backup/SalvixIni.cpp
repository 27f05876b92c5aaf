#include "backup/SalvixIni.h"

#include "common/ProgramIdentity.h"

namespace backup::salvixIni {

namespace {

common::IniKey own(const QString& key, const QString& defaultValue)
{
    return {fileName(), common::program::name(), key, defaultValue};
}

common::IniKey described(const QString& folder, const QString& key, const QString& defaultValue)
{
    return {descriptionFile(folder), common::program::name(), key, defaultValue};
}

} // namespace

QString fileName()
{
    return common::program::name() + QStringLiteral(".ini");
}

common::IniKey SorgenteDestin()
{
    return own(QStringLiteral("SorgenteDestin"), QStringLiteral("A:\\"));
}

common::IniKey IncludiDatabase()
{
    return own(QStringLiteral("IncludiDatabase"), QStringLiteral("1"));
}

common::IniKey IncludiImpostazioni()
{
    return own(QStringLiteral("IncludiImpostazioni"), QStringLiteral("1"));
}

common::IniKey EliminaFile()
{
    return own(QStringLiteral("EliminaFile"), QStringLiteral("0"));
}

common::IniKey FormattaDisco()
{
    return own(QStringLiteral("FormattaDisco"), QStringLiteral("0"));
}

common::IniKey DatabaseDaSalvare(const QString& listEntry)
{
    return {fileName(), QStringLiteral("Database da salvare"), listEntry, QStringLiteral("1")};
}

QString descriptionFile(const QString& folder)
{
    return folder + fileName();
}

common::IniKey File(const QString& folder, int disk)
{
    return described(folder, QStringLiteral("File") + QString::number(disk), {});
}

common::IniKey DataOraSalvataggio(const QString& folder)
{
    return described(folder, QStringLiteral("DataOraSalvataggio"), QStringLiteral("*Sconosciuta*"));
}

common::IniKey TotaleFile(const QString& folder)
{
    return described(folder, QStringLiteral("TotaleFile"), QStringLiteral("1"));
}

} // namespace backup::salvixIni
