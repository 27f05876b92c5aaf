#include "explorer/store/engine/TranslatedStatements.h"

#include <charconv>
#include <iterator>
#include <optional>

#include <QStringList>

#include "platform/RuntimeError.h"

namespace store {

namespace {

// What stands in a statement's shape for the value of its index-th text.
const QChar markerStart = QChar(1);

// Appends the marker of the index-th text, as a text of the dialect. The space before it keeps
// it apart from a text just before, which may have been written between the other quotes.
void appendMarker(QString& marked, qsizetype index)
{
    char digits[24];
    const char* const end = std::to_chars(std::begin(digits), std::end(digits), index).ptr;
    char16_t text[std::size(digits) + 4] = {u' ', u'\'', markerStart.unicode()};
    qsizetype length = 3;
    for (const char* digit = digits; digit != end; ++digit)
        text[length++] = char16_t(*digit);
    text[length++] = u'\'';
    marked.append(QStringView(text, length));
}

// A statement with each text written as a marker of its place, and the texts' values in order.
struct Shape {
    QString marked;
    QStringList values;
};

// The shape of a statement, read as the dialect reads it: texts between ' or " (a quote doubled
// inside), names between [] or `` and dates between ## kept as written; none when a text, name or
// date does not end, which the dialect refuses anyway.
std::optional<Shape> shapeOf(const QString& statement)
{
    const QStringView source(statement);
    Shape shape;
    shape.marked.reserve(statement.size());
    qsizetype plainFrom = 0;
    for (qsizetype at = 0; at < source.size();) {
        const QChar c = source.at(at);
        if (c == u'[' || c == u'`' || c == u'#') {
            const qsizetype end = source.indexOf(c == u'[' ? QChar(u']') : c, at + 1);
            if (end < 0)
                return std::nullopt;
            at = end + 1;
            continue;
        }
        if (c != u'\'' && c != u'"') {
            ++at;
            continue;
        }
        shape.marked.append(source.sliced(plainFrom, at - plainFrom));
        QString value;
        for (qsizetype from = at + 1;;) {
            const qsizetype end = source.indexOf(c, from);
            if (end < 0)
                return std::nullopt;
            value.append(source.sliced(from, end - from));
            if (end + 1 < source.size() && source.at(end + 1) == c) {
                value.append(c);
                from = end + 2;
                continue;
            }
            at = end + 1;
            break;
        }
        appendMarker(shape.marked, shape.values.size());
        shape.values.append(value);
        plainFrom = at;
    }
    shape.marked.append(source.sliced(plainFrom));
    return shape;
}

// The value a marker stands for; the text itself when it is no marker.
QString valueFor(const QString& text, const QStringList& values)
{
    if (!text.startsWith(markerStart))
        return text;
    bool number = false;
    const qsizetype index = QStringView(text).sliced(1).toLongLong(&number);
    return number && index >= 0 && index < values.size() ? values.at(index) : text;
}

TranslatedStatement withValues(TranslatedStatement translated, const QStringList& values)
{
    for (QString& parameter : translated.parameters)
        parameter = valueFor(parameter, values);
    translated.targetFile = valueFor(translated.targetFile, values);
    return translated;
}

} // namespace

TranslatedStatements& TranslatedStatements::instance()
{
    // Never destroyed: statements run while the process ends still find it.
    static TranslatedStatements* const statements = new TranslatedStatements;
    return *statements;
}

TranslatedStatement TranslatedStatements::statement(const QString& text)
{
    return translated(text, SqlDialect::translateStatement);
}

TranslatedStatement TranslatedStatements::select(const QString& text)
{
    return translated(text, SqlDialect::translateSelect);
}

TranslatedStatement TranslatedStatements::translated(const QString& text, Translate translate)
{
    const std::optional<Shape> shape = shapeOf(text);
    if (!shape)
        return translate(text);
    {
        std::lock_guard guard(m_mutex);
        for (auto remembered = m_remembered.begin(); remembered != m_remembered.end(); ++remembered) {
            if (remembered->translate == translate && remembered->shape == shape->marked) {
                m_remembered.splice(m_remembered.begin(), m_remembered, remembered);
                return withValues(remembered->translated, shape->values);
            }
        }
    }
    TranslatedStatement marked;
    try {
        marked = translate(shape->marked);
    } catch (const platform::RuntimeError&) {
        // Refused with the caller's own text in the message.
        return translate(text);
    }
    std::lock_guard guard(m_mutex);
    m_remembered.push_front(Remembered{translate, shape->marked, marked});
    if (m_remembered.size() > bound)
        m_remembered.pop_back();
    return withValues(std::move(marked), shape->values);
}

} // namespace store
