#include "explorer/store/engine/FieldType.h"

#include <QHash>
#include <QList>
#include <QStringView>

namespace store {

namespace {

const int defaultTextLength = 255;

const QHash<QString, FieldType>& typeNames()
{
    static const QHash<QString, FieldType> names{
        {QStringLiteral("TEXT"), dbText},          {QStringLiteral("VARCHAR"), dbText},
        {QStringLiteral("CHAR"), dbText},          {QStringLiteral("NVARCHAR"), dbText},
        {QStringLiteral("NCHAR"), dbText},         {QStringLiteral("STRING"), dbText},
        {QStringLiteral("ALPHANUMERIC"), dbText},  {QStringLiteral("MEMO"), dbMemo},
        {QStringLiteral("LONGTEXT"), dbMemo},      {QStringLiteral("NOTE"), dbMemo},
        {QStringLiteral("CLOB"), dbMemo},          {QStringLiteral("LONG"), dbLong},
        {QStringLiteral("INTEGER"), dbLong},       {QStringLiteral("INT"), dbLong},
        {QStringLiteral("INTEGER4"), dbLong},      {QStringLiteral("COUNTER"), dbLong},
        {QStringLiteral("AUTOINCREMENT"), dbLong}, {QStringLiteral("SHORT"), dbInteger},
        {QStringLiteral("SMALLINT"), dbInteger},   {QStringLiteral("INTEGER2"), dbInteger},
        {QStringLiteral("BYTE"), dbByte},          {QStringLiteral("TINYINT"), dbByte},
        {QStringLiteral("INTEGER1"), dbByte},      {QStringLiteral("BIT"), dbBoolean},
        {QStringLiteral("YESNO"), dbBoolean},      {QStringLiteral("LOGICAL"), dbBoolean},
        {QStringLiteral("LOGICAL1"), dbBoolean},   {QStringLiteral("BOOLEAN"), dbBoolean},
        {QStringLiteral("DOUBLE"), dbDouble},      {QStringLiteral("FLOAT"), dbDouble},
        {QStringLiteral("FLOAT8"), dbDouble},      {QStringLiteral("NUMBER"), dbDouble},
        {QStringLiteral("NUMERIC"), dbDouble},     {QStringLiteral("SINGLE"), dbSingle},
        {QStringLiteral("REAL"), dbDouble},        {QStringLiteral("FLOAT4"), dbSingle},
        {QStringLiteral("DATETIME"), dbDate},      {QStringLiteral("DATE"), dbDate},
        {QStringLiteral("TIME"), dbDate},          {QStringLiteral("TIMESTAMP"), dbDate},
        {QStringLiteral("CURRENCY"), dbCurrency},  {QStringLiteral("MONEY"), dbCurrency},
    };
    return names;
}

} // namespace

int storageSize(FieldType type)
{
    switch (type) {
    case dbBoolean:
    case dbByte:
        return 1;
    case dbInteger:
        return 2;
    case dbLong:
    case dbSingle:
        return 4;
    case dbCurrency:
    case dbDouble:
    case dbDate:
        return 8;
    case dbText:
        return defaultTextLength;
    case dbMemo:
        return 0;
    }
    return 0;
}

std::optional<ColumnType> columnTypeFromDeclaration(const QString& declaration)
{
    // NAME, NAME(n) or NAME(n, m), blanks allowed around the parts.
    const QStringView text = QStringView(declaration).trimmed();
    qsizetype end = 0;
    while (end < text.size() && text.at(end).isLetterOrNumber())
        ++end;
    if (end == 0 || !text.at(0).isLetter())
        return std::nullopt;
    const auto found = typeNames().constFind(text.left(end).toString().toUpper());
    if (found == typeNames().constEnd())
        return std::nullopt;
    ColumnType column{*found, storageSize(*found)};
    const QStringView rest = text.mid(end).trimmed();
    if (rest.isEmpty())
        return column;
    if (!rest.startsWith(QLatin1Char('(')) || !rest.endsWith(QLatin1Char(')')))
        return std::nullopt;
    const QList<QStringView> numbers = rest.mid(1, rest.size() - 2).split(QLatin1Char(','));
    if (numbers.size() > 2)
        return std::nullopt;
    bool ok = false;
    const int length = numbers.first().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (column.type == dbText && length > 0)
        column.size = length;
    return column;
}

QString declarationOf(FieldType type, int textLength)
{
    switch (type) {
    case dbBoolean:
        return QStringLiteral("YESNO");
    case dbByte:
        return QStringLiteral("BYTE");
    case dbInteger:
        return QStringLiteral("SHORT");
    case dbLong:
        return QStringLiteral("LONG");
    case dbCurrency:
        return QStringLiteral("CURRENCY");
    case dbSingle:
        return QStringLiteral("SINGLE");
    case dbDouble:
        return QStringLiteral("DOUBLE");
    case dbDate:
        return QStringLiteral("DATETIME");
    case dbText:
        return QStringLiteral("TEXT(%1)").arg(textLength > 0 ? textLength : defaultTextLength);
    case dbMemo:
        return QStringLiteral("MEMO");
    }
    return QStringLiteral("TEXT");
}

} // namespace store
