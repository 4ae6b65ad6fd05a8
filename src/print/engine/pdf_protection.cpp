#include "pdf_protection.h"

#include <exception>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace Report {

QByteArray protectedPdf(const QByteArray &plainPdf, const QString &password, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (password.isEmpty())
        return fail(QStringLiteral("A protected PDF needs a password."));
    // qpdf takes the password of this handler as UTF-8.
    const QByteArray secret = password.toUtf8();
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("statement.pdf", plainPdf.constData(), size_t(plainPdf.size()));
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setR6EncryptionParameters(secret.constData(), secret.constData(), true, true, true, true, true, true,
                                         qpdf_r3p_full, true);
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(written->getBuffer()), qsizetype(written->getSize()));
    } catch (const std::exception &e) {
        return fail(QStringLiteral("The PDF could not be protected: %1").arg(QString::fromUtf8(e.what())));
    }
}

} // namespace Report
