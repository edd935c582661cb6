#pragma once

#include <QByteArray>
#include <QImage>

namespace dialogs {

// Decodes a JPEG held in memory with libjpeg; a null image when the data is no JPEG or is
// damaged. Grey and colour pictures both come back as RGB32.
QImage decodeJpeg(const QByteArray& data);

} // namespace dialogs
