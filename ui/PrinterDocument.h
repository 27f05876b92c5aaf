#pragma once

#include <memory>

#include <QString>

class QPainter;
class QPrinter;

namespace ui {

// The runtime's Printer object over Qt's print support (CUPS on the desktop): text printed at a
// position goes into an open document, which goes to the printer when it ends.
class PrinterDocument {
public:
    // The default printer, or the first one when none is marked default; empty when there is none.
    static QString defaultPrinterName();

    // On the default printer, or into that PDF file when one is named.
    explicit PrinterDocument(QString outputFile = QString());
    ~PrinterDocument();
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;

    // Prints the text with its top left corner at (x, y), in twips from the printable area's
    // corner, opening the document when none is open. 484 without a printer, 482 when the
    // printer takes no document.
    void printAt(const QString& text, double x, double y);
    // Sends the open document, if any; the next text opens a new one.
    void end();
    bool isOpen() const { return m_painter != nullptr; }

private:
    QString m_outputFile;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace ui
