#include "backup/Decompressor.h"

#include "automation/Components.h"

namespace backup {

namespace {

const QString decompressorClassId = QStringLiteral("{43387DB1-DDAE-11D3-97EC-0000E8740307}");

} // namespace

Decompressor::Decompressor() : m_object(automation::createObject(decompressorClassId)) {}

void Decompressor::SetArchive(const QString& path)
{
    m_object->call(QStringLiteral("SetArchive"), {automation::Variant(path)});
}

void Decompressor::SetOverwrite(bool value)
{
    m_object->call(QStringLiteral("SetOverwrite"), {automation::Variant::fromBoolean(value)});
}

void Decompressor::SetRestoreFolders(bool value)
{
    m_object->call(QStringLiteral("SetRestoreFolders"), {automation::Variant::fromBoolean(value)});
}

void Decompressor::SetBaseFolder(const QString& path)
{
    m_object->call(QStringLiteral("SetBaseFolder"), {automation::Variant(path)});
}

std::int32_t Decompressor::Extract(const QString& include, const QString& exclude)
{
    return m_object->call(QStringLiteral("Extract"), {automation::Variant(include), automation::Variant(exclude)})
        .toLong();
}

QString Decompressor::ErrorText()
{
    return m_object->call(QStringLiteral("ErrorText")).toString();
}

} // namespace backup
