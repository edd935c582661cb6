#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace import {

// The parts of an RFC 822 message file that a note keeps.
struct MailNote {
    QString subject;
    QString body; // the first text part, decoded, rich text reduced to plain text
    QDateTime date;
};

// Reads a message: headers unfolded, encoded words of the subject decoded (Base64 and
// quoted-printable, any charset Qt knows), the body's transfer encoding and charset undone,
// a multipart body's first text part taken. Nothing when the bytes hold no header at all.
std::optional<MailNote> readMailMessage(const QByteArray& bytes);

} // namespace import
