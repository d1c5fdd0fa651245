#pragma once

#include "reports/engine/BandedReport.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <memory>

class QPrinter;
class QProgressDialog;
class QWidget;
class DialogRunner;
class Prompt;

// Where "Print" sends a report without asking: the default printer, or the only one there is.
// Tests put a PDF file in its place.
class PrinterSource
{
public:
    virtual ~PrinterSource() = default;
    // A printer ready to print on, or null when none is installed.
    virtual std::unique_ptr<QPrinter> defaultPrinter();
};

// What the report windows share: the prompt and dialog runner of the program, the printers and
// the delayed-print folder.
struct ReportContext {
    Prompt &prompt;
    DialogRunner &dialogs;
    PrinterSource &printers;
    QString delayedPrintFolder;
};

// A progress window for long report work, shown only when the work takes more than a moment;
// its Cancel stops the work. It closes when this object ends.
class ReportProgress
{
public:
    ReportProgress(QWidget *parent, const QString &label);
    ~ReportProgress();
    // The handler to give the report; valid while this object lives.
    BandedReport::Progress callback();
    // Runs `work` on `report` (layout, printing, writing) with a progress window over `parent`,
    // closed again before it returns; the result of the work, false when cancelled.
    static bool run(BandedReport &report, QWidget *parent, const QString &label, const std::function<bool()> &work);

private:
    QWidget *m_parent;
    QString m_label;
    QElapsedTimer m_started;
    std::unique_ptr<QProgressDialog> m_dialog;
};

namespace ReportOutput {

// Prints every page on the default printer without a dialog. Without a printer the user is
// told so and offered a PDF file instead. Where the pages went (a printer's name or a file),
// or empty when nothing was printed or exported.
QString printWithoutDialog(BandedReport &report, const QString &title, const ReportContext &context, QWidget *parent);
// Asks for a PDF file (suggesting the title as its name) and writes every page to it. A file
// that cannot be written is shown with its name and the reason. The file, or empty when
// cancelled or failed.
QString exportPdf(BandedReport &report, const QString &title, Prompt &prompt, QWidget *parent);
// Asks for a CSV file (suggesting the title as its name) and writes the report's rows to it
// (BandedReport::table()). The file, or empty when cancelled or failed (the user is told why).
QString exportCsv(const BandedReport &report, const QString &title, Prompt &prompt);
// Opens the report in a new preview window of its own, owned by `parent` and shown at once.
QWidget *openPreview(std::unique_ptr<BandedReport> report, const QString &title, const ReportContext &context,
                     QWidget *parent);

// The window that owns the previews a report window opens: the window it lives in (the main
// window, or the scheduler), so that previews stay open when the report window closes.
QWidget *previewOwner(QWidget *form);

// A file name made of the title: characters that file systems refuse become "-".
QString fileNameFor(const QString &title);

} // namespace ReportOutput
