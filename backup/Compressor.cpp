#include "backup/Compressor.h"

#include "automation/Components.h"

namespace backup {

namespace {

const QString compressorClassId = QStringLiteral("{43387DB6-DDAE-11D3-97EC-0000E8740307}");

} // namespace

Compressor::Compressor() : m_object(automation::createObject(compressorClassId)) {}

void Compressor::SetArchive(const QString& path)
{
    m_object->call(QStringLiteral("SetArchive"), {automation::Variant(path)});
}

void Compressor::SetSpanning(std::int32_t value)
{
    m_object->call(QStringLiteral("SetSpanning"), {automation::Variant::fromLong(value)});
}

void Compressor::AddFile(const QString& path)
{
    m_object->call(QStringLiteral("AddFile"), {automation::Variant(path)});
}

std::int32_t Compressor::Finish()
{
    return m_object->call(QStringLiteral("Finish")).toLong();
}

QString Compressor::ErrorText()
{
    return m_object->call(QStringLiteral("ErrorText")).toString();
}

} // namespace backup
