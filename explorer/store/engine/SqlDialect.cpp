#include "explorer/store/engine/SqlDialect.h"

#include <initializer_list>

#include <QDateTime>
#include <QList>

#include "explorer/store/engine/EngineError.h"

namespace store {

namespace {

struct Token {
    enum class Kind { Word, Name, Text, Number, Date, Symbol };
    Kind kind;
    QString text; // Word as written; Name unquoted; Text and Date their value; Number and Symbol as written

    bool isWord(const char* word) const
    {
        return kind == Kind::Word && text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    bool isSymbol(const char* symbol) const { return kind == Kind::Symbol && text == QLatin1String(symbol); }
};

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

QString parseDate(const QString& literal)
{
    static const QStringList formats{
        QStringLiteral("M/d/yyyy H:mm:ss"), QStringLiteral("M/d/yyyy H:mm"), QStringLiteral("M/d/yyyy"),
        QStringLiteral("yyyy-M-d H:mm:ss"), QStringLiteral("yyyy-M-d H:mm"), QStringLiteral("yyyy-M-d"),
        QStringLiteral("yyyy/M/d H:mm:ss"), QStringLiteral("yyyy/M/d"),
    };
    const QString trimmed = literal.simplified();
    for (const QString& format : formats) {
        const QDateTime value = QDateTime::fromString(trimmed, format);
        if (value.isValid())
            return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    const QTime time = QTime::fromString(trimmed, QStringLiteral("H:mm:ss"));
    if (time.isValid())
        return QStringLiteral("1899-12-30 ") + time.toString(QStringLiteral("HH:mm:ss"));
    return {};
}

class Tokenizer {
public:
    explicit Tokenizer(const QString& source) : m_source(source) {}

    QList<Token> tokens()
    {
        QList<Token> result;
        while (true) {
            while (m_at < m_source.size() && m_source.at(m_at).isSpace())
                ++m_at;
            if (m_at >= m_source.size())
                return result;
            result.append(next());
        }
    }

private:
    QChar peek(qsizetype offset = 0) const
    {
        return m_at + offset < m_source.size() ? m_source.at(m_at + offset) : QChar();
    }

    Token next()
    {
        const QChar c = peek();
        if (isWordStart(c)) {
            const qsizetype start = m_at;
            while (m_at < m_source.size() && isWordPart(m_source.at(m_at)))
                ++m_at;
            return {Token::Kind::Word, m_source.mid(start, m_at - start)};
        }
        if (c == QLatin1Char('[') || c == QLatin1Char('`'))
            return delimited(c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('`'), Token::Kind::Name);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            return text(c);
        if (c.isDigit() || (c == QLatin1Char('.') && peek(1).isDigit()))
            return number();
        if (c == QLatin1Char('#')) {
            Token date = delimited(QLatin1Char('#'), Token::Kind::Date);
            date.text = parseDate(date.text);
            if (date.text.isEmpty())
                throw engineError::dateSyntaxError(m_source);
            return date;
        }
        static const QStringList twoCharacterSymbols{QStringLiteral("<>"), QStringLiteral("<="), QStringLiteral(">=")};
        const QString pair = m_source.mid(m_at, 2);
        if (twoCharacterSymbols.contains(pair)) {
            m_at += 2;
            return {Token::Kind::Symbol, pair};
        }
        static const QString symbols = QStringLiteral("(),;*=<>+-/&.!\\^");
        if (symbols.contains(c)) {
            ++m_at;
            return {Token::Kind::Symbol, QString(c)};
        }
        throw engineError::syntaxError(m_source);
    }

    Token delimited(QChar close, Token::Kind kind)
    {
        const qsizetype end = m_source.indexOf(close, m_at + 1);
        if (end < 0)
            throw engineError::syntaxError(m_source);
        Token token{kind, m_source.mid(m_at + 1, end - m_at - 1)};
        m_at = end + 1;
        return token;
    }

    Token text(QChar quote)
    {
        QString value;
        ++m_at;
        while (true) {
            if (m_at >= m_source.size())
                throw engineError::stringSyntaxError(m_source);
            const QChar c = m_source.at(m_at++);
            if (c != quote) {
                value.append(c);
                continue;
            }
            if (peek() != quote)
                return {Token::Kind::Text, value};
            value.append(quote);
            ++m_at;
        }
    }

    Token number()
    {
        const qsizetype start = m_at;
        while (peek().isDigit())
            ++m_at;
        if (peek() == QLatin1Char('.')) {
            ++m_at;
            while (peek().isDigit())
                ++m_at;
        }
        if ((peek() == QLatin1Char('e') || peek() == QLatin1Char('E')) &&
            (peek(1).isDigit() ||
             ((peek(1) == QLatin1Char('+') || peek(1) == QLatin1Char('-')) && peek(2).isDigit()))) {
            m_at += 2;
            while (peek().isDigit())
                ++m_at;
        }
        if (isWordPart(peek()))
            throw engineError::syntaxError(m_source);
        return {Token::Kind::Number, m_source.mid(start, m_at - start)};
    }

    const QString& m_source;
    qsizetype m_at = 0;
};

bool isPlainWord(const QString& word)
{
    for (const QChar c : word) {
        if (c.unicode() > 127 || !isWordPart(c))
            return false;
    }
    return true;
}

// Writes tokens as SQLite text, moving literals into parameters.
class Writer {
public:
    void write(const Token& token)
    {
        switch (token.kind) {
        case Token::Kind::Word:
            writeWord(token);
            return;
        case Token::Kind::Name:
            writeRaw(SqlDialect::quoteIdentifier(token.text));
            return;
        case Token::Kind::Text:
        case Token::Kind::Date:
            writeRaw(QStringLiteral("?"));
            m_parameters.append(token.text);
            return;
        case Token::Kind::Number:
            writeRaw(token.text);
            return;
        case Token::Kind::Symbol:
            if (token.text == QLatin1String("&"))
                writeRaw(QStringLiteral("||"));
            else if (token.text == QLatin1String("!"))
                writeRaw(QStringLiteral("."));
            else
                writeRaw(token.text);
            return;
        }
    }

    void writeRaw(const QString& text)
    {
        if (!m_sql.isEmpty())
            m_sql.append(QLatin1Char(' '));
        m_sql.append(text);
    }

    QString sql() const { return m_sql; }
    QStringList parameters() const { return m_parameters; }

private:
    void writeWord(const Token& word)
    {
        if (word.isWord("TRUE"))
            writeRaw(QStringLiteral("-1"));
        else if (word.isWord("FALSE"))
            writeRaw(QStringLiteral("0"));
        else if (word.isWord("MOD"))
            writeRaw(QStringLiteral("%"));
        else if (isPlainWord(word.text))
            writeRaw(word.text);
        else
            writeRaw(SqlDialect::quoteIdentifier(word.text));
    }

    QString m_sql;
    QStringList m_parameters;
};

// Index of the first token at parenthesis depth 0, from start on, that satisfies the test; -1 if none.
template <typename Test> qsizetype findTopLevel(const QList<Token>& tokens, qsizetype start, Test test)
{
    int depth = 0;
    for (qsizetype i = start; i < tokens.size(); ++i) {
        if (tokens.at(i).isSymbol("("))
            ++depth;
        else if (tokens.at(i).isSymbol(")"))
            --depth;
        else if (depth == 0 && test(tokens.at(i)))
            return i;
    }
    return -1;
}

bool isNameToken(const Token& token)
{
    return token.kind == Token::Kind::Word || token.kind == Token::Kind::Name;
}

QList<Token> tokensOf(const QString& statement)
{
    QList<Token> tokens = Tokenizer(statement).tokens();
    while (!tokens.isEmpty() && tokens.last().isSymbol(";"))
        tokens.removeLast();
    if (findTopLevel(tokens, 0, [](const Token& t) { return t.isSymbol(";"); }) >= 0)
        throw engineError::make(engineError::CharactersAfterEnd);
    return tokens;
}

// The one table a select reads when it reads exactly one, plainly; empty otherwise.
QString singleTable(const QList<Token>& tokens)
{
    const auto isAny = [](const Token& token, std::initializer_list<const char*> words) {
        for (const char* word : words) {
            if (token.isWord(word))
                return true;
        }
        return false;
    };
    if (findTopLevel(tokens, 0, [&](const Token& t) {
            return isAny(t, {"DISTINCT", "GROUP", "HAVING", "UNION", "JOIN", "INTERSECT", "EXCEPT"});
        }) >= 0)
        return {};
    const qsizetype from = findTopLevel(tokens, 0, [](const Token& t) { return t.isWord("FROM"); });
    if (from < 0 || from + 1 >= tokens.size() || !isNameToken(tokens.at(from + 1)))
        return {};
    qsizetype next = from + 2;
    if (next < tokens.size() && tokens.at(next).isWord("AS"))
        ++next;
    if (next < tokens.size() && isNameToken(tokens.at(next)) && !isAny(tokens.at(next), {"WHERE", "ORDER", "LIMIT"}))
        ++next;
    if (next < tokens.size() && !isAny(tokens.at(next), {"WHERE", "ORDER", "LIMIT"}))
        return {};
    return tokens.at(from + 1).text;
}

TranslatedStatement translateSelectTokens(QList<Token> tokens, const QString& statement)
{
    TranslatedStatement result;
    result.kind = TranslatedStatement::Kind::Select;
    QString limit;
    if (tokens.size() > 2 && tokens.at(1).isWord("TOP")) {
        if (tokens.at(2).kind != Token::Kind::Number || tokens.at(2).text.contains(QLatin1Char('.')))
            throw engineError::syntaxError(statement);
        limit = tokens.at(2).text;
        tokens.remove(1, 2);
    }
    if (tokens.size() > 1 && tokens.at(1).isWord("DISTINCTROW"))
        tokens.remove(1);
    if (findTopLevel(tokens, 0, [](const Token& t) { return t.isWord("FROM"); }) < 0)
        throw engineError::make(engineError::FromClauseError);

    Writer plain;
    Writer withRowid;
    const QString table = singleTable(tokens);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        plain.write(tokens.at(i));
        withRowid.write(tokens.at(i));
        if (i == 0)
            withRowid.writeRaw(QStringLiteral("rowid ,"));
    }
    if (!limit.isEmpty()) {
        plain.writeRaw(QStringLiteral("LIMIT ") + limit);
        withRowid.writeRaw(QStringLiteral("LIMIT ") + limit);
    }
    result.sql = plain.sql();
    result.parameters = plain.parameters();
    if (!table.isEmpty()) {
        result.table = table;
        result.rowidSql = withRowid.sql();
    }
    return result;
}

TranslatedStatement translateDelete(QList<Token> tokens, const QString& statement)
{
    const qsizetype from = findTopLevel(tokens, 0, [](const Token& t) { return t.isWord("FROM"); });
    if (from < 0)
        throw engineError::make(engineError::FromClauseError);
    for (qsizetype i = 1; i < from; ++i) {
        const Token& token = tokens.at(i);
        if (!isNameToken(token) && !token.isSymbol("*") && !token.isSymbol(".") && !token.isSymbol("!"))
            throw engineError::syntaxError(statement);
    }
    tokens.remove(1, from - 1);
    if (tokens.size() < 3 || !isNameToken(tokens.at(2)))
        throw engineError::make(engineError::FromClauseError);
    Writer writer;
    for (const Token& token : tokens)
        writer.write(token);
    return {TranslatedStatement::Kind::Delete, writer.sql(), writer.parameters(), {}, {}, {}};
}

TranslatedStatement translateInsert(const QList<Token>& tokens, const QString& statement)
{
    const bool intoTable = tokens.size() > 3 && tokens.at(1).isWord("INTO") && isNameToken(tokens.at(2));
    if (intoTable && tokens.at(3).isWord("SELECT")) {
        TranslatedStatement result = translateSelectTokens(tokens.mid(3), statement);
        result.kind = TranslatedStatement::Kind::InsertSelect;
        result.table = tokens.at(2).text;
        result.rowidSql.clear();
        return result;
    }
    const bool crossFile =
        intoTable && tokens.size() > 5 && tokens.at(3).isWord("IN") && tokens.at(4).kind == Token::Kind::Text;
    if (!crossFile) {
        Writer writer;
        for (const Token& token : tokens)
            writer.write(token);
        return {TranslatedStatement::Kind::Insert, writer.sql(), writer.parameters(), {}, {}, {}};
    }
    if (!tokens.at(5).isWord("SELECT"))
        throw engineError::syntaxError(statement);
    TranslatedStatement result = translateSelectTokens(tokens.mid(5), statement);
    result.kind = TranslatedStatement::Kind::CrossFileInsert;
    result.table = tokens.at(2).text;
    result.rowidSql.clear();
    result.targetFile = tokens.at(4).text;
    return result;
}

} // namespace

QString SqlDialect::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

TranslatedStatement SqlDialect::translateStatement(const QString& statement)
{
    const QList<Token> tokens = tokensOf(statement);
    if (tokens.isEmpty())
        throw engineError::make(engineError::InvalidStatement);
    const Token& verb = tokens.first();
    if (verb.isWord("SELECT"))
        return translateSelectTokens(tokens, statement);
    if (verb.isWord("DELETE"))
        return translateDelete(tokens, statement);
    if (verb.isWord("INSERT"))
        return translateInsert(tokens, statement);
    if (verb.isWord("UPDATE")) {
        Writer writer;
        for (const Token& token : tokens)
            writer.write(token);
        return {TranslatedStatement::Kind::Update, writer.sql(), writer.parameters(), {}, {}, {}};
    }
    throw engineError::make(engineError::InvalidStatement);
}

TranslatedStatement SqlDialect::translateSelect(const QString& statementOrTable)
{
    const QList<Token> tokens = tokensOf(statementOrTable);
    if (tokens.size() == 1 && isNameToken(tokens.first())) {
        const QList<Token> wholeTable{{Token::Kind::Word, QStringLiteral("SELECT")},
                                      {Token::Kind::Symbol, QStringLiteral("*")},
                                      {Token::Kind::Word, QStringLiteral("FROM")},
                                      {Token::Kind::Name, tokens.first().text}};
        return translateSelectTokens(wholeTable, statementOrTable);
    }
    const TranslatedStatement translated = translateStatement(statementOrTable);
    if (translated.kind != TranslatedStatement::Kind::Select)
        throw engineError::make(engineError::InvalidOperation);
    return translated;
}

TranslatedExpression SqlDialect::translateCriteria(const QString& criteria)
{
    const QList<Token> tokens = tokensOf(criteria);
    if (tokens.isEmpty())
        throw engineError::syntaxError(criteria);
    Writer writer;
    for (const Token& token : tokens)
        writer.write(token);
    return {writer.sql(), writer.parameters()};
}

} // namespace store
