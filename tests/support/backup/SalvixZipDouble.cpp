// A stand-in for the compression component "SalvixZip.dll", registered under its class ids and
// programmatic names, so that Salvix's tests run without it. Its archive is no zip: a plain
// container of the files as they are (so sizes are predictable), each with its path below the
// drive root and a checksum. Like the component it checks every entry before it replaces a file,
// extracts through a temporary name, and refuses entries that would climb out of the base folder.

#include <cstdint>

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "automation/ComponentServer.h"
#include "automation/TypedDispatch.h"
#include "platform/RuntimeError.h"
#include "platform/WindowsPath.h"

using automation::ParameterInfo;
using automation::Variant;
using automation::VarType;

namespace {

const QByteArray magic = QByteArrayLiteral("SALVIX-DOUBLE-1");

ParameterInfo byRef(const char16_t* name, VarType type)
{
    return ParameterInfo{QString::fromUtf16(name), type, true, false, std::nullopt};
}

const automation::InterfaceInfo& compressorInterface()
{
    static const automation::InterfaceInfo interface {
        QStringLiteral("_Compressor"), QUuid(QStringLiteral("{5A1F0001-0000-4000-8000-00000000D0B1}")), true,
        {
            {QStringLiteral("SetArchive"), {byRef(u"Path", VarType::String)}, std::nullopt},
                {QStringLiteral("SetSpanning"), {byRef(u"Value", VarType::Long)}, std::nullopt},
                {QStringLiteral("AddFile"), {byRef(u"Path", VarType::String)}, std::nullopt},
                {QStringLiteral("Finish"), {}, VarType::Long},
            {
                QStringLiteral("ErrorText"), {}, VarType::String
            }
        }
    };
    return interface;
}

const automation::InterfaceInfo& decompressorInterface()
{
    static const automation::InterfaceInfo interface {
        QStringLiteral("_Decompressor"), QUuid(QStringLiteral("{5A1F0002-0000-4000-8000-00000000D0B1}")), true,
        {
            {QStringLiteral("SetArchive"), {byRef(u"Path", VarType::String)}, std::nullopt},
                {QStringLiteral("SetOverwrite"), {byRef(u"Value", VarType::Boolean)}, std::nullopt},
                {QStringLiteral("SetRestoreFolders"), {byRef(u"Value", VarType::Boolean)}, std::nullopt},
                {QStringLiteral("SetBaseFolder"), {byRef(u"Path", VarType::String)}, std::nullopt},
                {QStringLiteral("Extract"),
                 {byRef(u"Include", VarType::String), byRef(u"Exclude", VarType::String)},
                 VarType::Long},
            {
                QStringLiteral("ErrorText"), {}, VarType::String
            }
        }
    };
    return interface;
}

const automation::LibraryInfo& typeLibrary()
{
    static const automation::LibraryInfo library{
        QStringLiteral("SalvixZip"),
        1,
        0,
        0,
        QUuid(QStringLiteral("{5A1F0000-0000-4000-8000-00000000D0B1}")),
        QStringLiteral("1.0.0.0"),
        {{QStringLiteral("Compressor"), QUuid(QStringLiteral("{43387DB6-DDAE-11D3-97EC-0000E8740307}")),
          QStringLiteral("SalvixZip.Compressor"), true, false, QStringLiteral("Apartment"), &compressorInterface()},
         {QStringLiteral("Decompressor"), QUuid(QStringLiteral("{43387DB1-DDAE-11D3-97EC-0000E8740307}")),
          QStringLiteral("SalvixZip.Decompressor"), true, false, QStringLiteral("Apartment"),
          &decompressorInterface()}}};
    return library;
}

automation::ComponentServer& server();

quint64 checksum(const QByteArray& bytes)
{
    quint64 hash = 14695981039346656037ull; // FNV-1a
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ull;
    }
    return hash;
}

QString hostOf(const QString& windowsPath)
{
    return platform::windowsPath::toHost(platform::windowsPath::fullPath(windowsPath));
}

class Counted : public automation::TypedDispatch {
public:
    explicit Counted(const automation::InterfaceInfo& interface) : TypedDispatch(interface)
    {
        server().objectCreated();
    }
    ~Counted() override { server().objectDestroyed(); }

protected:
    std::int32_t fail(const QString& text)
    {
        m_errorText = text;
        return 1;
    }
    QString m_errorText;
};

class Compressor : public Counted {
public:
    Compressor() : Counted(compressorInterface())
    {
        setThunks({
            [this](std::vector<Variant>& a) {
                m_archive = a[0].toString();
                return Variant();
            },
            [this](std::vector<Variant>& a) {
                m_spanning = a[0].toLong();
                return Variant();
            },
            [this](std::vector<Variant>& a) {
                if (!a[0].toString().isEmpty())
                    m_files.append(a[0].toString());
                return Variant();
            },
            [this](std::vector<Variant>&) { return Variant::fromLong(finish()); },
            [this](std::vector<Variant>&) { return Variant(m_errorText); },
        });
    }

private:
    std::int32_t finish()
    {
        if (m_spanning != 0)
            return fail(QStringLiteral("Spanning not supported"));
        QByteArray contents = magic;
        QDataStream out(&contents, QIODevice::Append);
        out << qint32(m_files.size());
        for (const QString& path : m_files) {
            const QString full = platform::windowsPath::fullPath(path);
            QFile file(hostOf(full));
            if (!file.open(QIODevice::ReadOnly))
                return fail(QStringLiteral("Cannot read ") + path);
            const QByteArray bytes = file.readAll();
            out << full.mid(3).replace(u'\\', u'/') << bytes << checksum(bytes);
        }
        QFile archive(hostOf(m_archive));
        if (!archive.open(QIODevice::WriteOnly) || archive.write(contents) != contents.size())
            return fail(QStringLiteral("Cannot write ") + m_archive);
        return 0;
    }

    QString m_archive;
    std::int32_t m_spanning = -1;
    QStringList m_files;
};

class Decompressor : public Counted {
public:
    Decompressor() : Counted(decompressorInterface())
    {
        setThunks({
            [this](std::vector<Variant>& a) {
                m_archive = a[0].toString();
                return Variant();
            },
            [](std::vector<Variant>&) { return Variant(); },
            [](std::vector<Variant>&) { return Variant(); },
            [this](std::vector<Variant>& a) {
                m_base = a[0].toString();
                return Variant();
            },
            [this](std::vector<Variant>&) { return Variant::fromLong(extract()); },
            [this](std::vector<Variant>&) { return Variant(m_errorText); },
        });
    }

private:
    struct Entry {
        QString name;
        QByteArray bytes;
    };

    std::int32_t extract()
    {
        QFile archive(hostOf(m_archive));
        if (!archive.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("Cannot open ") + m_archive);
        const QByteArray contents = archive.readAll();
        if (!contents.startsWith(magic))
            return fail(QStringLiteral("Not an archive"));
        QDataStream in(contents.mid(magic.size()));
        qint32 count = 0;
        in >> count;
        QList<Entry> entries;
        for (qint32 index = 0; index < count && in.status() == QDataStream::Ok; ++index) {
            Entry entry;
            quint64 sum = 0;
            in >> entry.name >> entry.bytes >> sum;
            if (in.status() != QDataStream::Ok || checksum(entry.bytes) != sum)
                return fail(QStringLiteral("Damaged entry"));
            if (entry.name.startsWith(u'/') || entry.name.contains(u':') || entry.name.split(u'/').contains(u".."))
                return fail(QStringLiteral("Refused entry ") + entry.name);
            entries.append(entry);
        }
        if (in.status() != QDataStream::Ok || !in.atEnd())
            return fail(QStringLiteral("Damaged archive"));
        const QString base = hostOf(m_base);
        for (const Entry& entry : entries) {
            const QString target = QDir(base).filePath(entry.name);
            QDir().mkpath(QFileInfo(target).absolutePath());
            QFile temporary(target + QStringLiteral(".salvix-tmp"));
            if (!temporary.open(QIODevice::WriteOnly) || temporary.write(entry.bytes) != entry.bytes.size())
                return fail(QStringLiteral("Cannot write ") + entry.name);
            temporary.close();
            QFile::remove(target);
            if (!temporary.rename(target))
                return fail(QStringLiteral("Cannot replace ") + entry.name);
        }
        return 0;
    }

    QString m_archive;
    QString m_base;
};

automation::ComponentServer& server()
{
    static automation::ComponentServer instance(
        typeLibrary(),
        {{typeLibrary().classes[0].clsid, [] { return automation::ObjectRef(std::make_shared<Compressor>()); }},
         {typeLibrary().classes[1].clsid, [] { return automation::ObjectRef(std::make_shared<Decompressor>()); }}});
    return instance;
}

} // namespace

AUTOMATION_COMPONENT_ENTRY_POINTS(server())
