#pragma once

#include <QWidget>

class BandedReport;

// One page of a laid-out report, drawn white at a zoom factor (1.0: the page's real size on
// this screen). It sizes itself to the page, for a scroll area to hold.
class ReportPageView : public QWidget
{
    Q_OBJECT

public:
    explicit ReportPageView(QWidget *parent = nullptr);

    void setReport(const BandedReport *report);
    void setPage(int page);
    int page() const { return m_page; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // The whole page, margins included, at zoom 1.0 in pixels of this screen.
    QSizeF pageSizeAtFullSize() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const BandedReport *m_report = nullptr;
    int m_page = 1;
    double m_zoom = 1.0;
};
