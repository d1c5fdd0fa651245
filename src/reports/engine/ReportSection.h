#pragma once

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
    // Never cut: a text wider than its rect is drawn smaller, down to the engine's smallest size,
    // and then wrapped onto more lines; the section grows and the controls below move down.
    bool printsWhole = false;
    qreal minPointSize = 7;   // the smallest size such a text shrinks to before it wraps
    // The heading of the column this text fills in the report's rows (BandedReport::table());
    // empty for a text that is no column (captions, titles, totals).
    QString column;

    bool hasText() const { return kind != Kind::Line; }
};

// A band of a report: a fixed height and named controls. Format callbacks change captions,
// texts and visibility through the handles the adders returned; the engine copies them when it
// places the section on a page. Names only tell the controls apart in printed output.
class ReportSection
{
public:
    // A control of one section, as its adder returned it. A handle of another section, or one
    // never returned by an adder, stops the program: it can only be a programming error, and
    // writing through it would change some other control.
    class Control
    {
    public:
        Control() = default;

    private:
        friend class ReportSection;
        Control(const ReportSection *section, int index) : m_section(section), m_index(index) {}

        const ReportSection *m_section = nullptr;
        int m_index = -1;
    };

    ReportSection(const QString &name, qreal height);
    ReportSection(const ReportSection &) = delete;
    ReportSection &operator=(const ReportSection &) = delete;

    const QString &name() const { return m_name; }
    qreal height() const { return m_visible ? m_height : 0; }
    void setHeight(qreal height) { m_height = height; }
    // A section of a fixed height (a label on a sheet) keeps it when its texts wrap.
    void setFixedHeight(bool fixed) { m_fixedHeight = fixed; }
    bool hasFixedHeight() const { return m_fixedHeight; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    Control addLabel(const QString &name, const QRectF &rect, const QString &caption);
    Control addField(const QString &name, const QRectF &rect);
    // Shows the report's total number of pages once the layout is complete.
    Control addPageCount(const QString &name, const QRectF &rect);
    // A horizontal line across the top of `rect`.
    void addLine(const QRectF &rect);

    // The control itself, for adjustments while the layout is defined (alignment, font).
    ReportControl &operator[](Control control) { return m_controls[checked(control)]; }
    // A label's caption or a field's text, and a control's visibility.
    void set(Control control, const QString &text) { m_controls[checked(control)].text = text; }
    const QString &text(Control control) const { return m_controls.at(checked(control)).text; }
    void setVisible(Control control, bool visible) { m_controls[checked(control)].visible = visible; }
    bool isVisible(Control control) const { return m_controls.at(checked(control)).visible; }
    // Makes the control's text a column of the report's rows, under `heading`; returns it.
    Control setColumn(Control control, const QString &heading)
    {
        m_controls[checked(control)].column = heading;
        return control;
    }

    const QList<ReportControl> &controls() const { return m_controls; }
    // True when a control flows or collapses, so that its place depends on the texts.
    bool hasMovingControls() const;
    // True when a control prints whole, so that the section's height depends on the texts.
    bool hasWholeControls() const;

private:
    Control add(ReportControl::Kind kind, const QString &name, const QRectF &rect, const QString &text);
    int checked(Control control) const
    {
        if (control.m_section != this) [[unlikely]]
            wrongControl();
        return control.m_index;
    }
    [[noreturn]] void wrongControl() const;

    QString m_name;
    qreal m_height;
    bool m_visible = true;
    bool m_fixedHeight = false;
    QList<ReportControl> m_controls;
};
