#include "explorer/store/FieldType.h"

#include <QHash>
#include <QRegularExpression>

namespace store {

namespace {

const int defaultTextLength = 255;

const QHash<QString, FieldType>& typeNames()
{
    static const QHash<QString, FieldType> names{
        {QStringLiteral("TEXT"), dbText},         {QStringLiteral("VARCHAR"), dbText},
        {QStringLiteral("CHAR"), dbText},         {QStringLiteral("NVARCHAR"), dbText},
        {QStringLiteral("NCHAR"), dbText},        {QStringLiteral("STRING"), dbText},
        {QStringLiteral("ALPHANUMERIC"), dbText}, {QStringLiteral("MEMO"), dbMemo},
        {QStringLiteral("LONGTEXT"), dbMemo},     {QStringLiteral("NOTE"), dbMemo},
        {QStringLiteral("CLOB"), dbMemo},         {QStringLiteral("LONG"), dbLong},
        {QStringLiteral("INTEGER"), dbLong},      {QStringLiteral("INT"), dbLong},
        {QStringLiteral("INTEGER4"), dbLong},     {QStringLiteral("COUNTER"), dbLong},
        {QStringLiteral("AUTOINCREMENT"), dbLong}, {QStringLiteral("SHORT"), dbInteger},
        {QStringLiteral("SMALLINT"), dbInteger},  {QStringLiteral("INTEGER2"), dbInteger},
        {QStringLiteral("BYTE"), dbByte},         {QStringLiteral("TINYINT"), dbByte},
        {QStringLiteral("INTEGER1"), dbByte},     {QStringLiteral("BIT"), dbBoolean},
        {QStringLiteral("YESNO"), dbBoolean},     {QStringLiteral("LOGICAL"), dbBoolean},
        {QStringLiteral("LOGICAL1"), dbBoolean},  {QStringLiteral("BOOLEAN"), dbBoolean},
        {QStringLiteral("DOUBLE"), dbDouble},     {QStringLiteral("FLOAT"), dbDouble},
        {QStringLiteral("FLOAT8"), dbDouble},     {QStringLiteral("NUMBER"), dbDouble},
        {QStringLiteral("NUMERIC"), dbDouble},    {QStringLiteral("SINGLE"), dbSingle},
        {QStringLiteral("REAL"), dbDouble},       {QStringLiteral("FLOAT4"), dbSingle},
        {QStringLiteral("DATETIME"), dbDate},     {QStringLiteral("DATE"), dbDate},
        {QStringLiteral("TIME"), dbDate},         {QStringLiteral("TIMESTAMP"), dbDate},
        {QStringLiteral("CURRENCY"), dbCurrency}, {QStringLiteral("MONEY"), dbCurrency},
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
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([A-Za-z][A-Za-z0-9]*)\s*(?:\(\s*(\d+)\s*(?:,\s*\d+\s*)?\))?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(declaration);
    if (!match.hasMatch())
        return std::nullopt;
    const auto found = typeNames().constFind(match.captured(1).toUpper());
    if (found == typeNames().constEnd())
        return std::nullopt;
    ColumnType column{*found, storageSize(*found)};
    if (column.type == dbText && match.hasCaptured(2)) {
        bool ok = false;
        const int length = match.captured(2).toInt(&ok);
        if (ok && length > 0)
            column.size = length;
    }
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
