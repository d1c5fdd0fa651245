#include "ReportOutput.h"

#include "frmReportPreview.h"
#include "data/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QStandardPaths>

std::unique_ptr<QPrinter> PrinterSource::defaultPrinter()
{
    QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
    if (chosen.isNull()) {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        if (printers.isEmpty())
            return nullptr;
        chosen = printers.first();
    }
    return std::make_unique<QPrinter>(chosen, QPrinter::HighResolution);
}

ReportProgress::ReportProgress(QWidget *parent, const QString &label)
    : m_dialog(std::make_unique<QProgressDialog>(label, QObject::tr("Cancel"), 0, 100, parent))
{
    m_dialog->setObjectName(QStringLiteral("reportProgress"));
    m_dialog->setWindowTitle(QObject::tr("Reports"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(400);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

ReportProgress::~ReportProgress() = default;

BandedReport::Progress ReportProgress::callback()
{
    QProgressDialog *dialog = m_dialog.get();
    return [dialog](int done, int total) {
        dialog->setMaximum(std::max(total, 1));
        dialog->setValue(std::min(done, std::max(total, 1)));
        QApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

namespace ReportOutput {

QString fileNameFor(const QString &title)
{
    QString name = title.trimmed();
    for (QChar &c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20)
            c = u'-';
    return name.isEmpty() ? QStringLiteral("Report") : name;
}

QString exportPdf(BandedReport &report, const QString &title, Prompt &prompt, QWidget *parent)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const auto chosen = prompt.saveFileName(QObject::tr("Export PDF"), QDir(folder).filePath(fileNameFor(title) + QStringLiteral(".pdf")),
                                            QObject::tr("PDF files (*.pdf)"));
    if (!chosen || chosen->isEmpty())
        return {};
    QString file = *chosen;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    ReportProgress progress(parent, QObject::tr("Writing %1...").arg(QDir::toNativeSeparators(file)));
    QString error;
    report.setProgress(progress.callback());
    const bool written = report.writePdf(file, title, &error);
    report.setProgress({});
    if (!written) {
        prompt.message(QObject::tr("The report was not exported.\n%1").arg(error), QObject::tr("Export PDF"),
                       Prompt::Icon::Critical);
        return {};
    }
    return QDir::toNativeSeparators(file);
}

QString printWithoutDialog(BandedReport &report, const QString &title, const ReportContext &context, QWidget *parent)
{
    std::unique_ptr<QPrinter> printer = context.printers.defaultPrinter();
    if (!printer) {
        if (!context.prompt.askYesNo(QObject::tr("No printer is installed, so \"%1\" cannot be printed.\n\n"
                                                 "Export it as a PDF file instead?").arg(title),
                                     QObject::tr("Print")))
            return {};
        return exportPdf(report, title, context.prompt, parent);
    }
    printer->setDocName(title);
    ReportProgress progress(parent, QObject::tr("Printing \"%1\"...").arg(title));
    report.setProgress(progress.callback());
    const bool printed = report.print(*printer);
    report.setProgress({});
    const QString where = printer->outputFileName().isEmpty() ? printer->printerName()
                                                              : QDir::toNativeSeparators(printer->outputFileName());
    if (!printed) {
        context.prompt.message(QObject::tr("\"%1\" could not be printed on %2.").arg(title, where), QObject::tr("Print"),
                               Prompt::Icon::Critical);
        return {};
    }
    return where;
}

QWidget *previewOwner(QWidget *form)
{
    QWidget *top = form->window();
    if (top == form && form->parentWidget())
        top = form->parentWidget()->window();
    return top;
}

QWidget *openPreview(std::unique_ptr<BandedReport> report, const QString &title, const ReportContext &context,
                     QWidget *parent)
{
    auto *window = new frmReportPreview(context, parent);
    window->SetupReportInfo({title});
    window->RunReport(std::move(report));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace ReportOutput
