#pragma once

#include <QString>
#include <memory>

class QPaintDevice;

namespace dialogs {

// Where a print job goes: the system's default printer in the program, a picture or a PDF
// file in tests.
class PrinterPort {
public:
    virtual ~PrinterPort() = default;

    // A paint device for one job on the default printer, the job named `documentName`:
    // painting on it starts the job and ending the painter sends it. nullptr with `error`
    // set when no printer can be used.
    virtual QPaintDevice* defaultPrinter(const QString& documentName, QString& error) = 0;

    // Starts the next page of the job on the device last handed out; a device of one page
    // (a picture) cannot.
    virtual bool newPage() { return false; }

    static std::unique_ptr<PrinterPort> system();
};

} // namespace dialogs
