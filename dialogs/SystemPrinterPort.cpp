#include "dialogs/PrinterPort.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace dialogs {

namespace {

class SystemPrinterPort : public PrinterPort {
public:
    QPaintDevice* defaultPrinter(const QString& documentName, QString& error) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            error = QCoreApplication::translate("SystemPrinterPort", "There is no default printer currently selected");
            return nullptr;
        }
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        m_printer->setDocName(documentName);
        return m_printer.get();
    }

    bool newPage() override { return m_printer && m_printer->newPage(); }

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace

std::unique_ptr<PrinterPort> PrinterPort::system()
{
    return std::make_unique<SystemPrinterPort>();
}

} // namespace dialogs
