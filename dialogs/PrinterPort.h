#pragma once

#include <QString>
#include <memory>

class QPaintDevice;

namespace dialogs {

// Where a print job goes: the system's default printer in the program, a picture in tests.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // A paint device for one job on the default printer: painting on it starts the job and
    // ending the painter sends it. nullptr with `error` set when no printer can be used.
    virtual QPaintDevice* defaultPrinter(const QString& documentName, QString& error) = 0;

    static std::unique_ptr<PrinterPort> system();
};

} // namespace dialogs
