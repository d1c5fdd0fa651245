#pragma once

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>

// One printed element of a section: a label (fixed caption), a field (text set while the
// section is formatted), the total page count, or a horizontal line along the top of its rect.
struct ReportControl {
    enum class Kind { Label, Field, PageCount, Line };

    Kind kind = Kind::Label;
    QString name;
    QRectF rect;   // points, relative to the section's top-left corner inside the margins
    QString text;
    bool visible = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    qreal pointSize = 9;
    bool bold = false;
    // Starts a space after the text of the control before it (at that control's place when it
    // is hidden or empty), for texts that belong together: "Rosa Silva", "Springfield IL 62701".
    bool followsPrevious = false;
    // When its text is empty or it is hidden, the controls below it move up by its height: an
    // address without a second line prints no blank line.
    bool collapsesWhenEmpty = false;

    bool hasText() const { return kind != Kind::Line; }
};

// A band of a report: a fixed height and named controls. Format callbacks change captions,
// texts and visibility; the engine copies them when it places the section on a page.
class ReportSection
{
public:
    ReportSection(const QString &name, qreal height);

    const QString &name() const { return m_name; }
    qreal height() const { return m_visible ? m_height : 0; }
    void setHeight(qreal height) { m_height = height; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    // Adders return the new control for small adjustments (alignment, font); the reference is
    // valid until the next control is added.
    ReportControl &addLabel(const QString &name, const QRectF &rect, const QString &caption);
    ReportControl &addField(const QString &name, const QRectF &rect);
    // Shows the report's total number of pages once the layout is complete.
    ReportControl &addPageCount(const QString &name, const QRectF &rect);
    // A horizontal line across the top of `rect`.
    void addLine(const QRectF &rect);

    // A label's caption or a field's text, and a control's visibility, by name. An unknown name
    // is a programming error and asserts.
    void setText(const QString &name, const QString &text);
    QString text(const QString &name) const;
    void setControlVisible(const QString &name, bool visible);
    bool isControlVisible(const QString &name) const;

    const QList<ReportControl> &controls() const { return m_controls; }
    // True when a control flows or collapses, so that its place depends on the texts.
    bool hasMovingControls() const;

private:
    ReportControl &add(ReportControl::Kind kind, const QString &name, const QRectF &rect, const QString &text);
    int indexOf(const QString &name) const;

    QString m_name;
    qreal m_height;
    bool m_visible = true;
    QList<ReportControl> m_controls;
    QHash<QString, int> m_index;
    mutable QHash<const QChar *, int> m_byAddress;
};
