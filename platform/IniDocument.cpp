#include "platform/IniDocument.h"

#include <utility>

namespace platform {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isSpace(QChar c)
{
    return c == u' ';
}

QStringView trimmedOf(QStringView text, bool (*cut)(QChar))
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && cut(text[first]))
        ++first;
    while (last > first && cut(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

QStringView trimmed(QStringView text)
{
    return trimmedOf(text, isBlank);
}

// A name a caller gives loses the spaces around it, nothing else.
QStringView withoutSpaces(QStringView text)
{
    return trimmedOf(text, isSpace);
}

QString withoutQuotes(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

const QString lineBreak = QStringLiteral("\r\n");

} // namespace

IniDocument::IniDocument(QString text) : m_text(std::move(text))
{
    parse();
}

void IniDocument::parse()
{
    m_lines.clear();
    m_sections.clear();
    const qsizetype size = m_text.size();
    qsizetype position = 0;
    while (position < size) {
        Line line;
        line.begin = position;
        // Lines end in CR LF, LF or a CR alone.
        qsizetype breakAt = position;
        while (breakAt < size && m_text[breakAt] != u'\n' && m_text[breakAt] != u'\r')
            ++breakAt;
        line.contentEnd = breakAt;
        line.end = breakAt;
        if (breakAt < size)
            line.end = (m_text[breakAt] == u'\r' && breakAt + 1 < size && m_text[breakAt + 1] == u'\n') ? breakAt + 2
                                                                                                        : breakAt + 1;
        const QStringView raw = QStringView(m_text).sliced(line.begin, line.contentEnd - line.begin);
        const QStringView content = trimmed(raw);
        const qsizetype equals = raw.indexOf(u'=');
        if (content.isEmpty()) {
            line.kind = LineKind::Blank;
        } else if (content.front() == u';') {
            line.kind = LineKind::Comment;
        } else if (content.front() == u'[') {
            // The name ends at the first "]", or with the line when there is none.
            const qsizetype opening = raw.indexOf(u'[');
            const qsizetype closing = raw.indexOf(u']', opening);
            line.kind = LineKind::Header;
            setName(line, raw.sliced(opening + 1, (closing < 0 ? raw.size() : closing) - opening - 1));
        } else if (equals >= 0) {
            line.kind = LineKind::Entry;
            setName(line, raw.first(equals));
            line.value = trimmed(raw.sliced(equals + 1)).toString();
        }
        if (line.kind == LineKind::Header) {
            if (!m_sections.isEmpty())
                m_sections.back().end = m_lines.size();
            m_sections.append(Section{m_lines.size(), 0});
        }
        m_lines.append(line);
        position = line.end;
    }
    if (!m_sections.isEmpty())
        m_sections.back().end = m_lines.size();
}

void IniDocument::setName(Line& line, QStringView name)
{
    line.spelling = withoutSpaces(name).toString();
    line.name = trimmed(name).toString();
}

// The file's names lose every blank around them; a caller's lose only spaces, so a caller's
// name with a tab finds the line it wrote itself.
bool IniDocument::named(const Line& line, const QString& wanted)
{
    const QStringView name = withoutSpaces(wanted);
    return line.name.compare(name, Qt::CaseInsensitive) == 0 || line.spelling.compare(name, Qt::CaseInsensitive) == 0;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const Section& section : m_sections) {
        const QString& name = m_lines[section.header].name;
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

bool IniDocument::hasSection(const QString& section) const
{
    return findSection(section).has_value();
}

QStringList IniDocument::keyNames(const QString& section) const
{
    QStringList names;
    if (const auto found = findSection(section)) {
        for (qsizetype i = found->header + 1; i < found->end; ++i) {
            if (m_lines[i].kind == LineKind::Entry && !m_lines[i].name.isEmpty())
                names.append(m_lines[i].name);
        }
    }
    return names;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto line = findKey(*found, key);
    if (!line)
        return std::nullopt;
    return withoutQuotes(m_lines[*line].value);
}

std::optional<IniDocument::Section> IniDocument::findSection(const QString& section) const
{
    for (const Section& candidate : m_sections) {
        if (named(m_lines[candidate.header], section))
            return candidate;
    }
    return std::nullopt;
}

std::optional<qsizetype> IniDocument::findKey(const Section& section, const QString& key) const
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        if (m_lines[i].kind == LineKind::Entry && named(m_lines[i], key))
            return i;
    }
    return std::nullopt;
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const auto found = findSection(section);
    if (!found) {
        QString added;
        if (!m_text.isEmpty() && !m_text.endsWith(u'\n') && !m_text.endsWith(u'\r'))
            added = lineBreak;
        added += u'[' + withoutSpaces(section).toString() + u']' + lineBreak;
        added += withoutSpaces(key).toString() + u'=' + value + lineBreak;
        replaceText(m_text.size(), m_text.size(), added);
        return true;
    }
    if (const auto existing = findKey(*found, key)) {
        // In place, in the file's own spelling; a last line without line break gets one.
        const Line& line = m_lines[*existing];
        const QString content = line.spelling + u'=' + value;
        const bool broken = line.end > line.contentEnd;
        if (broken && QStringView(m_text).sliced(line.begin, line.contentEnd - line.begin) == content)
            return false;
        replaceText(line.begin, line.contentEnd, broken ? content : content + lineBreak);
        return true;
    }
    qsizetype after = found->header;
    for (qsizetype i = found->header + 1; i < found->end; ++i) {
        if (m_lines[i].kind == LineKind::Entry)
            after = i;
    }
    const Line& previous = m_lines[after];
    QString added = previous.end == previous.contentEnd ? lineBreak : QString();
    added += withoutSpaces(key).toString() + u'=' + value + lineBreak;
    replaceText(previous.end, previous.end, added);
    return true;
}

bool IniDocument::removeKey(const QString& section, const QString& key)
{
    const auto found = findSection(section);
    if (!found)
        return false;
    const auto line = findKey(*found, key);
    if (!line)
        return false;
    replaceText(m_lines[*line].begin, m_lines[*line].end, QString());
    return true;
}

bool IniDocument::removeSection(const QString& section)
{
    bool removed = false;
    for (qsizetype i = m_sections.size() - 1; i >= 0; --i) {
        const Section found = m_sections[i];
        if (!named(m_lines[found.header], section))
            continue;
        const qsizetype to = found.end < m_lines.size() ? m_lines[found.end].begin : m_text.size();
        m_text.remove(m_lines[found.header].begin, to - m_lines[found.header].begin);
        removed = true;
    }
    if (removed)
        parse();
    return removed;
}

void IniDocument::replaceText(qsizetype from, qsizetype to, const QString& replacement)
{
    m_text.replace(from, to - from, replacement);
    parse();
}

} // namespace platform
