#pragma once

#include <cstdint>

#include <QString>

namespace transfer {

// Reads a sequential text file the way the runtime's Input # and Line Input # statements do.
// A field: blanks before it are skipped; a field starting with a double quote runs to the next
// double quote and whatever follows up to the next comma or line end is dropped; any other field
// runs to the next comma or line end. Line ends are CR LF, CR or LF.
class InputFieldReader {
public:
    explicit InputFieldReader(QString text = QString());

    // The file's text, decoded from the workstation's code page. Raises the runtime's file errors.
    static InputFieldReader open(const QString& windowsPath);

    // EOF: nothing left to read.
    bool atEnd() const { return m_position >= m_text.size(); }

    // Input #: raises 62 (Input past end of file) when nothing is left.
    QString readField();
    // A field read into a 16-bit Integer: 13 when it is no number, 6 when it does not fit.
    std::int16_t readInteger();
    // Line Input #: the text up to the line end; 62 when nothing is left.
    QString readLine();

private:
    bool atLineEnd() const;
    void skipDelimiter();

    QString m_text;
    qsizetype m_position = 0;
};

} // namespace transfer
