#include "rptEmployeeAddress.h"

#include "ReportCatalog.h"
#include "ReportStyle.h"

using namespace ReportStyle;

namespace {

// A sheet of address labels: its page margins, the size of one label and the gap between two
// labels side by side (labels above each other touch).
struct LabelSheet {
    QPageSize::PageSizeId paper;
    qreal left, top;   // points
    QSizeF label;
    qreal gap;
    int down;
};

constexpr qreal kMm = 72 / 25.4;
// Three across and ten down on Letter (2 5/8" by 1"), three across and eight down on A4
// (63.5 by 33.9 mm).
const LabelSheet kLetterSheet{QPageSize::Letter, 13.5, 36, QSizeF(189, 72), 9, 10};
const LabelSheet kA4Sheet{QPageSize::A4, 7.25 * kMm, 12.9 * kMm, QSizeF(63.5 * kMm, 33.9 * kMm), 2.5 * kMm, 8};
constexpr int kAcross = 3;
constexpr qreal kInset = 5;          // between a label's edge and its text
constexpr qreal kTopInset = 5;       // above the first line
constexpr qreal kPitch = 10.5;       // from one line to the next
// Long addresses shrink to this size before they wrap: the longest a record holds in wide
// letters then still fits a 1" label.
constexpr qreal kSmallest = 5;

const LabelSheet &sheetFor(const QPageSize &paper)
{
    return paper.id() == QPageSize::A4 ? kA4Sheet : kLetterSheet;
}

} // namespace

rptEmployeeAddress::rptEmployeeAddress(const clsEmployeeInfo &info)
    : EmployeeListLayout(info, ReportCatalog::title(ReportId::MailingList))
{
    // Address labels three across, each as on an envelope: the name, the address lines (the
    // second only when there is one), then city, state and postal code on one line.
    setDetailColumns(kAcross);
    // A label sheet has no room for a page header.
    pageHeader().setVisible(false);
    ReportSection &block = detail();
    block.setFixedHeight(true);
    m_firstName = block.addField(QStringLiteral("fldFirstName"), QRectF());
    block[m_firstName].bold = true;
    m_lastName = block.addField(QStringLiteral("fldLastName"), QRectF());
    block[m_lastName].bold = true;
    block[m_lastName].followsPrevious = true;
    m_address1 = block.addField(QStringLiteral("fldAddressLine1"), QRectF());
    m_address2 = block.addField(QStringLiteral("fldAddressLine2"), QRectF());
    block[m_address2].collapsesWhenEmpty = true;
    m_city = block.addField(QStringLiteral("fldCity"), QRectF());
    m_state = block.addField(QStringLiteral("fldState"), QRectF());
    block[m_state].followsPrevious = true;
    m_postal = block.addField(QStringLiteral("fldPostal"), QRectF());
    block[m_postal].followsPrevious = true;
    for (auto field : {m_firstName, m_lastName, m_address1, m_address2, m_city, m_state, m_postal}) {
        block[field].printsWhole = true;
        block[field].minPointSize = kSmallest;
    }
    block.setColumn(m_firstName, QStringLiteral("First"));
    block.setColumn(m_lastName, QStringLiteral("Last"));
    block.setColumn(m_address1, QStringLiteral("Address"));
    block.setColumn(m_address2, QStringLiteral("Address 2"));
    block.setColumn(m_city, QStringLiteral("City"));
    block.setColumn(m_state, QStringLiteral("State"));
    block.setColumn(m_postal, QStringLiteral("Postal"));
}

void rptEmployeeAddress::reportStart()
{
    // The page takes the margins of the label sheet of its paper size; the columns are a label
    // and the gap after it wide, so the page's right margin gives up one gap.
    const LabelSheet &sheet = sheetFor(pageLayout().pageSize());
    const QSizeF paper = pageLayout().pageSize().size(QPageSize::Point);
    const qreal right = paper.width() - sheet.left - kAcross * (sheet.label.width() + sheet.gap);
    const qreal bottom = paper.height() - sheet.top - sheet.down * sheet.label.height() - 0.01;
    setPageLayout(QPageLayout(pageLayout().pageSize(), QPageLayout::Portrait,
                              QMarginsF(sheet.left, sheet.top, std::max<qreal>(0, right), std::max<qreal>(0, bottom)),
                              QPageLayout::Point));
    ReportSection &block = detail();
    block.setHeight(sheet.label.height());
    m_textWidth = sheet.label.width() - 2 * kInset;
    const qreal top = kTopInset;
    const qreal w = m_textWidth;
    block[m_firstName].rect = QRectF(kInset, top, w, kPitch);
    block[m_lastName].rect = QRectF(kInset, top, w, kPitch);
    block[m_address1].rect = QRectF(kInset, top + kPitch, w, kPitch);
    block[m_address2].rect = QRectF(kInset, top + 2 * kPitch, w, kPitch);
    for (auto field : {m_city, m_state, m_postal})
        block[field].rect = QRectF(kInset, top + 3 * kPitch, w, kPitch);
    EmployeeListLayout::reportStart();
}

void rptEmployeeAddress::formatDetail(ReportSection &section, int row)
{
    const EmployeeFields &e = record(row);
    // Texts that share a line go into its first field when they do not fit side by side at
    // their size: that field then shrinks or wraps them whole.
    auto fitsLine = [this, &section](const QString &text, ReportSection::Control first) {
        return textWidth(text, section[first].pointSize, section[first].bold) <= m_textWidth * 0.97;
    };
    const QString name = QStringList{e.firstName, e.lastName}.join(u' ').trimmed();
    const bool nameFits = fitsLine(name, m_firstName);
    section.set(m_firstName, nameFits ? e.firstName : name);
    section.set(m_lastName, nameFits ? e.lastName : QString());
    section.set(m_address1, e.address1);
    section.set(m_address2, e.address2);
    QStringList place;
    for (const QString &part : {e.city, e.state, e.postalCode})
        if (!part.isEmpty())
            place << part;
    const bool placeFits = fitsLine(place.join(u' '), m_city);
    section.set(m_city, placeFits ? e.city : place.join(u' '));
    section.set(m_state, placeFits ? e.state : QString());
    section.set(m_postal, placeFits ? e.postalCode : QString());
}
