#include "ReportOutput.h"

#include "frmReportPreview.h"
#include "data/FileError.h"
#include "data/Prompt.h"
#include "data/ScheduleHelper.h"
#include "exchange/ReportCsv.h"

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

ReportProgress::ReportProgress(QWidget *parent, const QString &label) : m_parent(parent), m_label(label)
{
    m_started.start();
}

ReportProgress::~ReportProgress() = default;

BandedReport::Progress ReportProgress::callback()
{
    return [this](int done, int total) {
        // Made only once the work has taken a moment, and only here: a message shown during
        // the work never finds a progress window popping up over it.
        if (!m_dialog && m_started.elapsed() >= 400 && done < total) {
            m_dialog = std::make_unique<QProgressDialog>(m_label, QObject::tr("Cancel"), 0, std::max(total, 1), m_parent);
            m_dialog->setObjectName(QStringLiteral("reportProgress"));
            m_dialog->setWindowTitle(QObject::tr("Reports"));
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(0);
            m_dialog->setAutoClose(false);
            m_dialog->setAutoReset(false);
            m_dialog->show();
        }
        if (!m_dialog)
            return true;
        m_dialog->setMaximum(std::max(total, 1));
        m_dialog->setValue(std::min(done, std::max(total, 1)));
        QApplication::processEvents();
        return !m_dialog->wasCanceled();
    };
}

bool ReportProgress::run(BandedReport &report, QWidget *parent, const QString &label, const std::function<bool()> &work)
{
    ReportProgress progress(parent, label);
    report.setProgress(progress.callback());
    const bool done = work();
    report.setProgress({});
    return done;
}

namespace {

// The title as a file name in the user's documents folder (the home folder without one).
QString suggestedFile(const QString &title, const QString &extension)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(ReportOutput::fileNameFor(title) + extension);
}

} // namespace

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
    const auto chosen = prompt.saveFileName(QObject::tr("Export PDF"), suggestedFile(title, QStringLiteral(".pdf")),
                                            QObject::tr("PDF files (*.pdf)"));
    if (!chosen || chosen->isEmpty())
        return {};
    QString file = *chosen;
    if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        file += QStringLiteral(".pdf");
    QString error;
    const bool written = ReportProgress::run(report, parent, QObject::tr("Writing %1...").arg(QDir::toNativeSeparators(file)),
                                             [&] { return report.writePdf(file, title, &error); });
    if (!written) {
        prompt.message(QObject::tr("The report was not exported.\n%1").arg(error), QObject::tr("Export PDF"),
                       Prompt::Icon::Critical);
        return {};
    }
    return QDir::toNativeSeparators(file);
}

QString exportCsv(const BandedReport &report, const QString &title, Prompt &prompt)
{
    const auto chosen = prompt.saveFileName(QObject::tr("Export CSV"), suggestedFile(title, QStringLiteral(".csv")),
                                            QObject::tr("CSV files (*.csv)"));
    if (!chosen || chosen->isEmpty())
        return {};
    QString file = *chosen;
    if (!file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        file += QStringLiteral(".csv");
    const ReportTable table = report.table();
    try {
        ScheduleHelper::WriteFileBytes(file, ReportCsv::text(table.header, table.rows).toUtf8());
    } catch (const FileError &error) {
        prompt.message(QObject::tr("The report's rows were not exported.\n%1").arg(error.userText()), QObject::tr("Export CSV"),
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
    const bool printed = ReportProgress::run(report, parent, QObject::tr("Printing \"%1\"...").arg(title),
                                             [&] { return report.print(*printer); });
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
