#pragma once

#include "ReportSection.h"

#include <QImage>
#include <QList>
#include <QLocale>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// A group of rows sharing a break value, with its header and footer.
struct ReportGroup {
    ReportGroup(const QString &headerName, qreal headerHeight, const QString &footerName, qreal footerHeight)
        : header(headerName, headerHeight), footer(footerName, footerHeight) {}

    ReportSection header;
    ReportSection footer;
    // Prints the header again at the top of a page on which the group continues.
    bool repeatHeader = false;
    // The header's text that says "(continued)" after it when the header is repeated.
    std::optional<ReportSection::Control> continuedMark;
    // Each group begins on a page of its own.
    bool startsPage = false;
};

// One field of a printed section as it came out on a page: text and box in points from the
// page's top-left corner (margins included).
struct PrintedField {
    QString name;
    QString text;
    QRectF box;
};

// A report's rows as plain text: one per detail line, each with the column texts of the group
// headers above it and of the line itself.
struct ReportTable {
    QStringList header;
    QList<QStringList> rows;
};

struct PrintedSection {
    QString name;
    QRectF box;
    QList<PrintedField> fields;   // visible labels, fields and page counts, in definition order
};

// A banded report: a page header, groups (outermost first) with headers and footers, one detail
// line per row, and a page footer. A subclass defines the sections in its constructor and fills
// them in the format callbacks; the engine decides the pages.
//
// run() lays out every page (so "Page N of M" knows M), then paintPage() paints any page, the
// same way for the screen, a printer and a PDF file. Layout time grows linearly with the rows.
// A group header never stays at the foot of a page with fewer than two of its lines, nor does a
// group's footer start a page with fewer than two lines above it: a group of up to three lines
// stays together; a longer one moves its header with its first two lines and its last two lines
// with its footers. A repeated header says "(continued)".
class BandedReport
{
public:
    BandedReport();
    virtual ~BandedReport();
    BandedReport(const BandedReport &) = delete;
    BandedReport &operator=(const BandedReport &) = delete;

    // Letter in the United States and the other countries that use it, A4 elsewhere; half-inch
    // margins.
    static QPageLayout defaultPageLayout(const QLocale &locale = QLocale());
    // A report drawn for one orientation keeps it whatever layout it is given.
    void setPageLayout(const QPageLayout &layout);
    void keepOrientation(QPageLayout::Orientation orientation)
    {
        m_orientation = orientation;
        setPageLayout(m_layout);
    }
    const QPageLayout &pageLayout() const { return m_layout; }
    // The width and height inside the margins, in points: the room the sections have.
    QSizeF contentSize() const;

    // Told how far long work has come (rows laid out, or pages painted, of a total) every few
    // hundred steps and at the end; returning false stops the work. A window keeps itself
    // responsive and offers cancelling through it.
    using Progress = std::function<bool(int done, int total)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Lays out every page; call again after the data or the page layout changed. False when the
    // progress handler stopped it (the pages are then incomplete).
    bool run();
    int pageCount() const { return int(m_pages.size()); }

    // Paints page `page` (1 to pageCount()) with (0, 0) at the top-left corner inside the
    // margins, which is where QPrinter and QPdfWriter put the origin. Sizes follow the painter's
    // device resolution; the painter's own transformation (a preview's zoom) is respected.
    void paintPage(int page, QPainter &painter) const;
    // A whole page with its margins on white, at `dpi` dots per inch.
    QImage pageImage(int page, int dpi) const;
    // Pages `firstPage` to `lastPage` (0: the last) on a printer or PDF writer, which takes the
    // report's page layout. False when the device cannot be painted on or the progress handler
    // stopped it.
    bool print(QPagedPaintDevice &device, int firstPage = 1, int lastPage = 0) const;
    // Every page as a PDF document; empty when the progress handler stopped it.
    QByteArray pdfBytes(const QString &title) const;
    // Writes every page to a PDF file; false with the reason when the file cannot be written.
    bool writePdf(const QString &file, const QString &title, QString *error = nullptr) const;

    // What a page holds: the printed sections in order, each with its visible texts and boxes.
    QList<PrintedSection> printedSections(int page) const;
    // Every page as text: one line per printed section (its name, then its texts, tab-separated),
    // a form feed line between pages.
    QString pagesText() const;
    // The rows as printed, for a spreadsheet: the controls given a column (ReportSection::
    // setColumn) in group headers, outermost first, then in the detail. A text hidden on a line
    // (a date shown once per day) is still its row's; a column hidden on every line is left out.
    ReportTable table() const;

    // The width of a text in points, for every device.
    static qreal textWidth(const QString &text, qreal pointSize, bool bold = false);

    // Sections, for subclasses and for tests that inspect a layout.
    ReportSection &pageHeader() { return m_pageHeader; }
    ReportSection &detail() { return m_detail; }
    ReportSection &pageFooter() { return m_pageFooter; }
    ReportGroup &addGroup(const QString &headerName, qreal headerHeight, const QString &footerName,
                          qreal footerHeight);
    ReportGroup &group(int i) { return *m_groups[size_t(i)]; }
    // Detail lines side by side in `columns` equal columns across the page, filled left to right
    // and then down (labels); any other section starts a new row.
    void setDetailColumns(int columns) { m_columns = std::max(1, columns); }
    int detailColumns() const { return m_columns; }
    qreal columnWidth() const { return contentSize().width() / m_columns; }
    int groupCount() const { return int(m_groups.size()); }

protected:
    // The rows the detail prints, 0 to rowCount() - 1.
    virtual int rowCount() const = 0;
    // The value on which group `group` breaks for a row; a new group starts where it changes.
    virtual QString breakValue(int group, int row) const;

    // Called once at the start of run().
    virtual void reportStart() {}
    virtual void formatPageHeader(ReportSection &section, int page);
    // `row` is the group's first row, or the row with which the group continues on a new page.
    virtual void formatGroupHeader(int group, ReportSection &section, int row);
    virtual void formatDetail(ReportSection &section, int row);
    // `row` is the group's last row.
    virtual void formatGroupFooter(int group, ReportSection &section, int row);
    virtual void formatPageFooter(ReportSection &section, int page);

    // "(continued)" in the user's language, as a repeated group header says it.
    static QString continuedText();

    // During formatDetail: true when the line is the first detail line of its page.
    bool detailStartsPage() const { return m_detailStartsPage; }

private:
    struct Placed {
        const ReportSection *section;
        qreal y;
        qreal x;                // the column's left edge; 0 but for detail columns
        QStringList texts;      // one per control
        QList<bool> visible;    // one per control
        qreal height = 0;
        // Only for sections with controls that print whole, one per control: the size a
        // shrunk text is drawn at (0: its own), the lines of a wrapped one, and every rect.
        QList<qreal> sizes;
        QList<QStringList> lines;
        QList<QRectF> rects;
    };
    using Page = QList<Placed>;

    // Where each control of a placed section goes, in points relative to the section: its own
    // rect, unless it flows after its neighbour or a control above it collapsed. Empty when the
    // section has no such controls (every control is then at its own rect).
    QList<QRectF> controlRects(const Placed &placed) const;
    // The header of group `g` again at the top of a page on which it continues with `row`.
    void placeContinued(int g, int row);
    // The section with its current texts as it would be placed at (x, y).
    Placed measure(const ReportSection &section, qreal x, qreal y) const;
    // Shrinks and wraps the texts that print whole, moving what is below them.
    void fitWhole(Placed &placed) const;
    qreal heightOf(const ReportSection &section) const;
    void startPage();
    void finishPage();
    void place(const ReportSection &section);
    bool fits(qreal height) const;
    bool pageHasBody() const;

    QPageLayout m_layout;
    std::optional<QPageLayout::Orientation> m_orientation;
    Progress m_progress;
    ReportSection m_pageHeader{QStringLiteral("PageHeader"), 40};
    ReportSection m_detail{QStringLiteral("Detail"), 14};
    ReportSection m_pageFooter{QStringLiteral("PageFooter"), 0};
    std::vector<std::unique_ptr<ReportGroup>> m_groups;

    QList<Page> m_pages;
    struct TextCache;
    std::unique_ptr<TextCache> m_textCache;   // shaped texts, kept between pages
    qreal m_y = 0;
    qreal m_bodyTop = 0;
    bool m_detailStartsPage = false;
    int m_columns = 1;
    int m_column = 0;           // the next detail's column in the current row
    qreal m_rowTop = 0;         // where the current row of detail columns starts
};
