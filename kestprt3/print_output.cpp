#include "kestprt3/print_output.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include "kestprt3/kestprt3.h"
#include "kestprt3/windows1252.h"

namespace kesto::prt3 {

namespace {

QString OutputFolder(const PrinterSettings& settings) {
    const QString fromEnvironment = qEnvironmentVariable("KESTO_PDF_FOLDER");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    if (settings.pdfFolder && !settings.pdfFolder->empty()) {
        // The name's bytes, UTF-8; an earlier program stored it in Windows-1252.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString folder = utf8(QByteArrayView(*settings.pdfFolder));
        return utf8.hasError() ? FromWindows1252(*settings.pdfFolder) : folder;
    }
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::homePath();
    }
    return QDir(documents).filePath(QStringLiteral("Kesto printouts"));
}

// Creates the file only if no file of that name exists, so nothing is ever overwritten, even
// when two printouts start in the same second.
bool ReserveNewFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

QPageSize LocalePageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

}  // namespace

std::int32_t OpenOutput(const QString& title, const PrinterSettings& settings, Output& output) {
    const bool pdfForced = !qEnvironmentVariable("KESTO_PDF_FOLDER").isEmpty();
    const QString printerName = FromWindows1252(settings.printerName).trimmed();
    if (!pdfForced && !printerName.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
        if (!info.isNull()) {
            output.printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            output.printer->setDocName(title);
            output.printer->setPageSize(LocalePageSize());
            return kKestPrt3Ok;
        }
        // The chosen printer is gone: a PDF is better than nothing.
    }

    const QString folder = OutputFolder(settings);
    if (!QDir().mkpath(folder)) {
        return kKestPrt3NoOutputFolder;
    }
    const QString stem =
        title + u' ' + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    const QDir dir(folder);
    QString path;
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString name = attempt == 1 ? stem + QStringLiteral(".pdf")
                                          : stem + QStringLiteral(" (%1).pdf").arg(attempt);
        const QString candidate = dir.filePath(name);
        if (!QFile::exists(candidate) && ReserveNewFile(candidate)) {
            path = candidate;
            break;
        }
        if (attempt == 1 && !QFileInfo(folder).isWritable()) {
            return kKestPrt3CannotOpen;
        }
    }
    if (path.isEmpty()) {
        return kKestPrt3CannotOpen;
    }
    output.pdfPath = path;
    output.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    output.printer->setOutputFormat(QPrinter::PdfFormat);
    output.printer->setOutputFileName(path);
    output.printer->setDocName(title);
    output.printer->setCreator(QStringLiteral("Kesto"));
    output.printer->setPageSize(LocalePageSize());
    return kKestPrt3Ok;
}

void DiscardOutput(Output& output) {
    output.printer.reset();
    if (!output.pdfPath.isEmpty()) {
        QFile::remove(output.pdfPath);
        output.pdfPath.clear();
    }
}

}  // namespace kesto::prt3
