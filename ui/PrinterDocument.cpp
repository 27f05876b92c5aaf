#include "ui/PrinterDocument.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/ErrorNumber.h"
#include "platform/RuntimeError.h"

namespace ui {

namespace {

constexpr double twipsPerInch = 1440;

} // namespace

QString PrinterDocument::defaultPrinterName()
{
    const QString marked = QPrinterInfo::defaultPrinterName();
    if (!marked.isEmpty())
        return marked;
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    return printers.isEmpty() ? QString() : printers.first();
}

PrinterDocument::PrinterDocument(QString outputFile) : m_outputFile(std::move(outputFile)) {}

PrinterDocument::~PrinterDocument()
{
    end();
}

void PrinterDocument::printAt(const QString& text, double x, double y)
{
    if (!m_painter) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_outputFile.isEmpty()) {
            const QString name = defaultPrinterName();
            if (name.isEmpty())
                throw platform::RuntimeError(platform::PrinterInformationError);
            printer->setPrinterName(name);
        } else {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(m_outputFile);
        }
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(printer.get()))
            throw platform::RuntimeError(platform::PrinterError);
        m_printer = std::move(printer);
        m_painter = std::move(painter);
    }
    const double left = x * m_printer->logicalDpiX() / twipsPerInch;
    const double top = y * m_printer->logicalDpiY() / twipsPerInch;
    m_painter->drawText(QPointF(left, top + QFontMetricsF(m_painter->font(), m_printer.get()).ascent()), text);
}

void PrinterDocument::end()
{
    if (m_painter)
        m_painter->end();
    m_painter.reset();
    m_printer.reset();
}

} // namespace ui
