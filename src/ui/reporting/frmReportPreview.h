#pragma once

#include "ReportOutput.h"

#include <QStringList>
#include <QWidget>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QListView;
class QScrollArea;
class QSpinBox;
class QToolBar;
class BandedReport;
class ReportPageView;
class ReportPageList;

// "Report Preview": one laid-out report, page by page, with a page list of thumbnails, zoom,
// printing through the print dialog, PDF export and "Print Later". A window of its own, so that
// several previews can be open at once beside the other windows; Escape or Close closes it.
class frmReportPreview : public QWidget
{
    Q_OBJECT

public:
    explicit frmReportPreview(const ReportContext &context, QWidget *parent = nullptr);
    ~frmReportPreview() override;

    // Entry 0 is the report's name: the caption becomes it followed by " Preview", and "Print
    // Later" records it.
    void SetupReportInfo(const QStringList &info);
    // Shows the laid-out report, from its first page; the window owns it from now on.
    void RunReport(std::unique_ptr<BandedReport> report);
    const BandedReport *report() const { return m_report.get(); }

    // Keeps the report in the delayed-print folder; the path of its .WHA file, or empty when it
    // could not be written (the user is told why).
    QString storeinprintlater();
    // The print dialog, then the pages it chose.
    void printWithDialog();
    void exportPdf();
    // The report's rows as a CSV file.
    void exportCsv();

    int currentPage() const;
    void setPage(int page);
    // Zoom as a percentage of the real size, or fitted to the width or the whole page.
    enum class Fit { None, Width, Page };
    void setZoomPercent(int percent);
    void setFit(Fit fit);
    double zoom() const;
    static const QList<int> &zoomSteps();

    QToolBar *ReportViewer1 = nullptr;   // the report's commands: close, print, export, keep
    QToolBar *ReportPages = nullptr;     // turning pages and zooming, icons only
    QAction *toolClose = nullptr;
    QAction *toolPrint = nullptr;
    QAction *toolExport = nullptr;
    QAction *toolExportCsv = nullptr;
    QAction *toolPrintLater = nullptr;
    QAction *toolFirst = nullptr;
    QAction *toolPrevious = nullptr;
    QAction *toolNext = nullptr;
    QAction *toolLast = nullptr;
    QAction *toolZoomIn = nullptr;
    QAction *toolZoomOut = nullptr;
    QSpinBox *spnPage = nullptr;
    QLabel *labPageCount = nullptr;
    QComboBox *comZoom = nullptr;
    QListView *lisPages = nullptr;
    QScrollArea *scrPage = nullptr;
    ReportPageView *pageView = nullptr;
    QLabel *labStatus = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString title() const;
    // Shows the report's pages from the first, after it was laid out anew.
    void showPages();
    void applyZoom();
    void stepZoom(int direction);
    void updateNavigation();

    ReportContext m_context;
    std::unique_ptr<BandedReport> m_report;
    ReportPageList *m_pages = nullptr;
    QStringList m_info;
    Fit m_fit = Fit::Width;
    int m_percent = 100;
};
