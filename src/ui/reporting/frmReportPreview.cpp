#include "frmReportPreview.h"

#include "ReportPageView.h"
#include "data/FileError.h"
#include "data/Prompt.h"
#include "reports/DelayedPrintStore.h"
#include "reports/engine/BandedReport.h"
#include "ui/common/DialogRunner.h"
#include "ui/widgets/FlowLayout.h"

#include <QAbstractListModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

// The page list: "Page N" under a small picture of each page, drawn when it first scrolls into
// view, so that a report of a thousand pages opens as fast as one of a single page.
class ReportPageList : public QAbstractListModel
{
public:
    explicit ReportPageList(QObject *parent) : QAbstractListModel(parent) {}

    void setReport(const BandedReport *report)
    {
        beginResetModel();
        m_report = report;
        m_thumbnails.clear();
        endResetModel();
    }
    static QSize thumbnailSize() { return {96, 124}; }
    // The pixels per point of the screen the list is on: pictures are drawn that much finer,
    // so that they stay sharp on a high-density screen.
    void setDevicePixelRatio(qreal ratio)
    {
        if (ratio <= 0 || ratio == m_ratio)
            return;
        beginResetModel();
        m_ratio = ratio;
        m_thumbnails.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_report ? 0 : m_report->pageCount();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!m_report || !index.isValid())
            return {};
        const int page = index.row() + 1;
        if (role == Qt::DisplayRole)
            return QObject::tr("Page %1").arg(page);
        if (role == Qt::DecorationRole)
            return thumbnail(page);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignHCenter | Qt::AlignTop);
        return {};
    }

private:
    QPixmap thumbnail(int page) const
    {
        auto found = m_thumbnails.constFind(page);
        if (found != m_thumbnails.cend())
            return *found;
        // Drawn at twice the size and scaled down: legible shapes instead of broken pixels.
        const QSizeF inches = m_report->pageLayout().fullRect(QPageLayout::Inch).size();
        const QSize box = (QSizeF(thumbnailSize()) * m_ratio).toSize();   // in device pixels
        const int dpi = std::max(4, int(2 * std::min(box.width() / inches.width(), box.height() / inches.height())));
        QImage image = m_report->pageImage(page, dpi).scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(m_ratio);
        QPainter frame(&image);
        frame.setPen(Qt::gray);
        frame.drawRect(QRectF(QPointF(0, 0), image.deviceIndependentSize()).adjusted(0, 0, -1, -1));
        frame.end();
        return m_thumbnails.insert(page, QPixmap::fromImage(image)).value();
    }

    const BandedReport *m_report = nullptr;
    qreal m_ratio = 1.0;
    mutable QHash<int, QPixmap> m_thumbnails;
};

namespace {
const QList<int> kZoomSteps{50, 75, 100, 125, 150, 200, 300, 400};
constexpr int kFitWidth = -1;
constexpr int kFitPage = -2;
constexpr int kPageGap = 12;   // grey around the page
}

const QList<int> &frmReportPreview::zoomSteps()
{
    return kZoomSteps;
}

frmReportPreview::frmReportPreview(const ReportContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setWindowTitle(tr("Report Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent)
        setWindowIcon(parent->window()->windowIcon());

    // Two bars, the report's commands and the page's, side by side where the window is wide
    // enough and one above the other where it is not: no tool ever hides behind a bar's
    // overflow button.
    auto *tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("fraTools"));
    auto *flow = new FlowLayout(tools, 0);
    ReportViewer1 = new QToolBar(tools);
    ReportViewer1->setObjectName(QStringLiteral("ReportViewer1"));
    ReportViewer1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ReportPages = new QToolBar(tools);
    ReportPages->setObjectName(QStringLiteral("ReportPages"));
    ReportPages->setToolButtonStyle(Qt::ToolButtonIconOnly);
    flow->addWidget(ReportViewer1);
    flow->addWidget(ReportPages);
    QToolBar *bar = ReportViewer1;
    auto action = [this, &bar](const QString &text, const QString &name, QStyle::StandardPixmap icon, const QKeySequence &keys,
                               const QString &tip) {
        QAction *a = bar->addAction(style()->standardIcon(icon), text);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setToolTip(keys.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, keys.toString(QKeySequence::NativeText)));
        return a;
    };
    toolClose = action(tr("Close"), QStringLiteral("toolClose"), QStyle::SP_DialogCloseButton, QKeySequence(Qt::Key_Escape),
                       tr("Closes this preview"));
    ReportViewer1->addSeparator();
    toolPrint = action(tr("Print..."), QStringLiteral("toolPrint"), QStyle::SP_DialogOkButton, QKeySequence::Print,
                       tr("Chooses a printer and the pages, then prints"));
    toolExport = action(tr("Export PDF..."), QStringLiteral("toolExport"), QStyle::SP_DialogSaveButton,
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), tr("Saves every page as a PDF file"));
    toolExportCsv = action(tr("Export CSV..."), QStringLiteral("toolExportCsv"), QStyle::SP_FileDialogDetailedView,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), tr("Saves the report's rows as a CSV file for a spreadsheet"));
    toolPrintLater = action(tr("Print Later"), QStringLiteral("toolPrintLater"), QStyle::SP_FileDialogNewFolder,
                            QKeySequence(Qt::CTRL | Qt::Key_L), tr("Keeps the report in the Delayed Print folder for printing later"));
    bar = ReportPages;
    toolFirst = action(tr("First"), QStringLiteral("toolFirst"), QStyle::SP_MediaSkipBackward,
                       QKeySequence(Qt::CTRL | Qt::Key_Home), tr("First page"));
    toolPrevious = action(tr("Previous"), QStringLiteral("toolPrevious"), QStyle::SP_MediaSeekBackward,
                          QKeySequence(Qt::Key_PageUp), tr("Previous page"));
    spnPage = new QSpinBox(ReportPages);
    spnPage->setObjectName(QStringLiteral("spnPage"));
    spnPage->setAccessibleName(tr("Page"));
    spnPage->setPrefix(tr("Page "));
    spnPage->setKeyboardTracking(false);
    ReportPages->addWidget(spnPage);
    labPageCount = new QLabel(ReportPages);
    labPageCount->setObjectName(QStringLiteral("labPageCount"));
    ReportPages->addWidget(labPageCount);
    toolNext = action(tr("Next"), QStringLiteral("toolNext"), QStyle::SP_MediaSeekForward, QKeySequence(Qt::Key_PageDown),
                      tr("Next page"));
    toolLast = action(tr("Last"), QStringLiteral("toolLast"), QStyle::SP_MediaSkipForward, QKeySequence(Qt::CTRL | Qt::Key_End),
                      tr("Last page"));
    ReportPages->addSeparator();
    toolZoomOut = action(tr("Zoom Out"), QStringLiteral("toolZoomOut"), QStyle::SP_ArrowDown, QKeySequence::ZoomOut, tr("Smaller"));
    comZoom = new QComboBox(ReportPages);
    comZoom->setObjectName(QStringLiteral("comZoom"));
    comZoom->setAccessibleName(tr("Zoom"));
    comZoom->addItem(tr("Fit Width"), kFitWidth);
    comZoom->addItem(tr("Fit Page"), kFitPage);
    for (int percent : kZoomSteps)
        comZoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    ReportPages->addWidget(comZoom);
    toolZoomIn = action(tr("Zoom In"), QStringLiteral("toolZoomIn"), QStyle::SP_ArrowUp, QKeySequence::ZoomIn, tr("Larger"));
    // Ctrl+= as well: on many keyboards "+" needs Shift.
    auto *zoomInToo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), this);
    connect(zoomInToo, &QShortcut::activated, toolZoomIn, &QAction::trigger);

    m_pages = new ReportPageList(this);
    lisPages = new QListView(this);
    lisPages->setObjectName(QStringLiteral("lisPages"));
    lisPages->setAccessibleName(tr("Pages"));
    lisPages->setModel(m_pages);
    // One column of thumbnails, each with its page number below.
    lisPages->setViewMode(QListView::IconMode);
    lisPages->setFlow(QListView::TopToBottom);
    lisPages->setWrapping(false);
    lisPages->setMovement(QListView::Static);
    lisPages->setIconSize(ReportPageList::thumbnailSize());
    lisPages->setUniformItemSizes(true);
    lisPages->setSpacing(6);
    lisPages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lisPages->setFixedWidth(ReportPageList::thumbnailSize().width() + 24
                            + lisPages->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    pageView = new ReportPageView;
    scrPage = new QScrollArea(this);
    scrPage->setObjectName(QStringLiteral("scrPage"));
    scrPage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scrPage->setBackgroundRole(QPalette::Dark);
    scrPage->setWidget(pageView);
    scrPage->setWidgetResizable(false);
    scrPage->setFocusProxy(pageView);
    // The page's own menu holds what the report can be turned into.
    pageView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pageView, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("mnuPage"));
        menu.addActions({toolPrint, toolExport, toolExportCsv, toolPrintLater});
        menu.exec(pageView->mapToGlobal(at));
    });

    auto *pages = new QHBoxLayout;
    pages->setSpacing(0);
    pages->addWidget(lisPages);
    pages->addWidget(scrPage, 1);

    labStatus = new QLabel(this);
    labStatus->setObjectName(QStringLiteral("labStatus"));
    labStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(0, 0, 0, 4);
    main->addWidget(tools);
    main->addLayout(pages, 1);
    auto *status = new QHBoxLayout;
    status->setContentsMargins(6, 0, 6, 0);
    status->addWidget(labStatus, 1);
    main->addLayout(status);

    connect(toolClose, &QAction::triggered, this, &QWidget::close);
    connect(toolPrint, &QAction::triggered, this, &frmReportPreview::printWithDialog);
    connect(toolExport, &QAction::triggered, this, &frmReportPreview::exportPdf);
    connect(toolExportCsv, &QAction::triggered, this, &frmReportPreview::exportCsv);
    connect(toolPrintLater, &QAction::triggered, this, &frmReportPreview::storeinprintlater);
    connect(toolFirst, &QAction::triggered, this, [this] { setPage(1); });
    connect(toolPrevious, &QAction::triggered, this, [this] { setPage(currentPage() - 1); });
    connect(toolNext, &QAction::triggered, this, [this] { setPage(currentPage() + 1); });
    connect(toolLast, &QAction::triggered, this, [this] { setPage(m_report ? m_report->pageCount() : 1); });
    connect(spnPage, &QSpinBox::valueChanged, this, &frmReportPreview::setPage);
    connect(lisPages->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    setPage(current.row() + 1);
            });
    connect(comZoom, &QComboBox::activated, this, [this](int index) {
        const int value = comZoom->itemData(index).toInt();
        if (value == kFitWidth)
            setFit(Fit::Width);
        else if (value == kFitPage)
            setFit(Fit::Page);
        else
            setZoomPercent(value);
    });
    connect(toolZoomIn, &QAction::triggered, this, [this] { stepZoom(+1); });
    connect(toolZoomOut, &QAction::triggered, this, [this] { stepZoom(-1); });
    // A fitted zoom follows the room the page has.
    scrPage->viewport()->installEventFilter(this);

    // Wide enough for a whole page at its real size beside the page list, where the screen allows.
    const QRect screen = (parent ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
    resize(std::min(1100, screen.width() * 9 / 10), std::min(900, screen.height() * 9 / 10));
    setMinimumSize(480, 320);
    updateNavigation();
}

frmReportPreview::~frmReportPreview() = default;

void frmReportPreview::SetupReportInfo(const QStringList &info)
{
    m_info = info;
    setWindowTitle(tr("%1 Preview").arg(info.value(0).trimmed()));
}

QString frmReportPreview::title() const
{
    return m_info.value(0).trimmed();
}

void frmReportPreview::RunReport(std::unique_ptr<BandedReport> report)
{
    m_report = std::move(report);
    showPages();
}

void frmReportPreview::showPages()
{
    pageView->setReport(m_report.get());
    m_pages->setDevicePixelRatio(lisPages->devicePixelRatioF());
    m_pages->setReport(m_report.get());
    spnPage->setRange(1, std::max(1, m_report ? m_report->pageCount() : 1));
    labPageCount->setText(tr(" of %1 ").arg(m_report ? m_report->pageCount() : 0));
    lisPages->setCurrentIndex(m_pages->index(0));
    applyZoom();
    updateNavigation();
    // The keys turn pages and scroll from the start (the page box would take Page Up and Down).
    pageView->setFocus();
}

int frmReportPreview::currentPage() const
{
    return pageView->page();
}

void frmReportPreview::setPage(int page)
{
    if (!m_report || m_report->pageCount() == 0)
        return;
    page = std::clamp(page, 1, m_report->pageCount());
    pageView->setPage(page);
    scrPage->verticalScrollBar()->setValue(0);
    if (spnPage->value() != page) {
        const QSignalBlocker block(spnPage);
        spnPage->setValue(page);
    }
    if (lisPages->currentIndex().row() != page - 1)
        lisPages->setCurrentIndex(m_pages->index(page - 1));
    updateNavigation();
}

void frmReportPreview::updateNavigation()
{
    const int count = m_report ? m_report->pageCount() : 0;
    const int page = currentPage();
    toolFirst->setEnabled(page > 1);
    toolPrevious->setEnabled(page > 1);
    toolNext->setEnabled(page < count);
    toolLast->setEnabled(page < count);
    for (QAction *a : {toolPrint, toolExport, toolExportCsv, toolPrintLater})
        a->setEnabled(count > 0);
    const int zoomIndex = kZoomSteps.indexOf(m_percent);
    toolZoomIn->setEnabled(m_fit != Fit::None || zoomIndex < kZoomSteps.size() - 1);
    toolZoomOut->setEnabled(m_fit != Fit::None || zoomIndex > 0);
    const int shown = m_fit == Fit::Width ? kFitWidth : m_fit == Fit::Page ? kFitPage : m_percent;
    const int index = comZoom->findData(shown);
    if (index >= 0)
        comZoom->setCurrentIndex(index);
}

double frmReportPreview::zoom() const
{
    return pageView->zoom();
}

void frmReportPreview::setZoomPercent(int percent)
{
    m_fit = Fit::None;
    m_percent = std::clamp(percent, kZoomSteps.first(), kZoomSteps.last());
    applyZoom();
}

void frmReportPreview::setFit(Fit fit)
{
    m_fit = fit;
    applyZoom();
}

void frmReportPreview::stepZoom(int direction)
{
    // From a fitted zoom, the step starts at the nearest percentage.
    const int current = qRound(zoom() * 100);
    int next = direction > 0 ? kZoomSteps.last() : kZoomSteps.first();
    for (int percent : kZoomSteps) {
        if (direction > 0 && percent > current + 1) {
            next = percent;
            break;
        }
        if (direction < 0 && percent < current - 1)
            next = percent;
    }
    setZoomPercent(next);
}

void frmReportPreview::applyZoom()
{
    const QSizeF full = pageView->pageSizeAtFullSize();
    double zoom = m_percent / 100.0;
    if (m_fit != Fit::None && !full.isEmpty()) {
        const QSize room = scrPage->viewport()->size() - QSize(2 * kPageGap, 2 * kPageGap);
        const int scrollBar = scrPage->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const double byWidth = (room.width() - (m_fit == Fit::Width ? scrollBar : 0)) / full.width();
        zoom = m_fit == Fit::Width ? byWidth : std::min(byWidth, room.height() / full.height());
        zoom = std::clamp(zoom, 0.1, 4.0);
    }
    pageView->setZoom(zoom);
    updateNavigation();
}

bool frmReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == scrPage->viewport() && m_fit != Fit::None)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

void frmReportPreview::exportPdf()
{
    if (!m_report)
        return;
    const QString file = ReportOutput::exportPdf(*m_report, title(), m_context.prompt, this);
    if (!file.isEmpty())
        labStatus->setText(tr("Exported to %1.").arg(file));
}

void frmReportPreview::exportCsv()
{
    if (!m_report)
        return;
    const QString file = ReportOutput::exportCsv(*m_report, title(), m_context.prompt);
    if (!file.isEmpty())
        labStatus->setText(tr("Rows exported to %1.").arg(file));
}

void frmReportPreview::printWithDialog()
{
    if (!m_report || m_report->pageCount() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title());
    printer.setPageLayout(m_report->pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(tr("Print %1").arg(title()));
    dialog.setMinMax(1, m_report->pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    // Qt 6.4's "Pages" box refuses every entry ("Invalid Pages Definition"): the range is taken
    // from the From and To boxes only.
    for (const char *name : {"pagesRadioButton", "pagesLineEdit"})
        if (auto *pages = dialog.findChild<QWidget *>(QLatin1String(name)))
            pages->hide();
    if (m_context.dialogs.exec(dialog) != QDialog::Accepted)
        return;
    // Another paper or orientation chosen in the dialog: the pages are laid out for it, and the
    // preview shows them as they are printed.
    const QPageLayout chosen = printer.pageLayout();
    const QPageLayout original = m_report->pageLayout();
    if (!chosen.pageSize().isEquivalentTo(original.pageSize()) || chosen.orientation() != original.orientation()) {
        QPageLayout layout = original;
        layout.setPageSize(chosen.pageSize());
        layout.setOrientation(chosen.orientation());
        m_report->setPageLayout(layout);
        const bool laidOut = ReportProgress::run(*m_report, this, tr("Laying out \"%1\"...").arg(title()),
                                                 [this] { return m_report->run(); });
        if (!laidOut) {
            // Cancelled: nothing is printed and the preview keeps its pages.
            m_report->setPageLayout(original);
            m_report->run();
        }
        showPages();
        if (!laidOut)
            return;
    }
    int first = 1, last = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = currentPage();
    }
    const bool printed = ReportProgress::run(*m_report, this, tr("Printing \"%1\"...").arg(title()),
                                             [&] { return m_report->print(printer, first, last); });
    if (!printed)
        m_context.prompt.message(tr("\"%1\" could not be printed on %2.").arg(title(), printer.printerName()), tr("Print"),
                                 Prompt::Icon::Critical);
    else
        labStatus->setText(tr("Sent to %1.").arg(printer.outputFileName().isEmpty()
                                                     ? printer.printerName()
                                                     : QDir::toNativeSeparators(printer.outputFileName())));
}

QString frmReportPreview::storeinprintlater()
{
    if (!m_report)
        return {};
    QString stored;
    try {
        DelayedPrintStore store(m_context.delayedPrintFolder);
        QStringList info = m_info;
        if (info.isEmpty())
            info << title();
        ReportProgress::run(*m_report, this, tr("Keeping \"%1\" for later...").arg(title()), [&] {
            stored = store.store(*m_report, info);
            return true;
        });
    } catch (const FileError &error) {
        m_context.prompt.message(tr("The report was not kept for printing later.\n%1").arg(error.userText()),
                                 tr("Print Later"), Prompt::Icon::Critical);
        return {};
    }
    const QFileInfo file(stored);
    labStatus->setText(tr("Kept for printing later as %1 in %2.")
                           .arg(file.completeBaseName() + QStringLiteral(".RDF"), QDir::toNativeSeparators(file.absolutePath())));
    return stored;
}
