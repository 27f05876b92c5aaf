#pragma once

#include <optional>

#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// The text of an INI file and the platform's private-profile rules for finding and changing its
// entries: sections and keys match ignoring case, the file's names without the blanks around
// them and a caller's without the spaces around them; the first match wins; a header's name ends
// at its first "]" or with the line; a line without "=" or starting with ";" is no key; values
// lose their blanks and one pair of matching quotes; lines end in CR LF, LF or a lone CR. Edits
// touch only the lines they concern; new lines end with CR LF.
class IniDocument {
public:
    explicit IniDocument(QString text = {});

    const QString& text() const { return m_text; }

    // Every section header's name in file order, nameless ones left out.
    QStringList sectionNames() const;
    bool hasSection(const QString& section) const;
    // The keys of the first section of that name, in file order.
    QStringList keyNames(const QString& section) const;
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Each returns whether the text changed.
    bool setValue(const QString& section, const QString& key, const QString& value);
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);

private:
    enum class LineKind { Blank, Comment, Header, Entry, Other };
    struct Line {
        qsizetype begin = 0;
        qsizetype contentEnd = 0; // before the line break
        qsizetype end = 0;        // after the line break
        LineKind kind = LineKind::Other;
        QString name;     // section or key, without blanks around it
        QString spelling; // section or key, without spaces around it
        QString value;    // trimmed, quotes kept
    };
    struct Section {
        qsizetype header = 0; // line index of "[name]"
        qsizetype end = 0;    // line index after its last line
    };

    void parse();
    static void setName(Line& line, QStringView name);
    static bool named(const Line& line, const QString& wanted);
    std::optional<Section> findSection(const QString& section) const;
    std::optional<qsizetype> findKey(const Section& section, const QString& key) const;
    void replaceText(qsizetype from, qsizetype to, const QString& replacement);

    QString m_text;
    QList<Line> m_lines;
    QList<Section> m_sections;
};

} // namespace platform
