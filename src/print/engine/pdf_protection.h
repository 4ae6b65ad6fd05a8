#pragma once

#include <QByteArray>
#include <QString>

namespace Report {

// A PDF made to open only with a password: the same file encrypted with AES-256 (the PDF's
// revision 6 security handler, through qpdf), the password opening it with every permission,
// since the password is what keeps the copy private and the one who has it may print it.
// Empty when it cannot be done, with *error saying why. An empty password is refused.
QByteArray protectedPdf(const QByteArray &plainPdf, const QString &password, QString *error = nullptr);

} // namespace Report
