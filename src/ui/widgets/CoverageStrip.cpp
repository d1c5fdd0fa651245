#include "CoverageStrip.h"

#include "TimeGrid.h"
#include "data/OleDate.h"
#include "grid/TimeGridMapper.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

CoverageStrip::CoverageStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CoverageStrip"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Coverage"));
}

void CoverageStrip::followGrid(TimeGrid *grid)
{
    if (m_grid)
        disconnect(m_grid, nullptr, this, nullptr);
    m_grid = grid;
    if (grid) {
        connect(grid, &TimeGrid::dateShownChanged, this, qOverload<>(&QWidget::update));
        connect(grid, &TimeGrid::visibleSpanChanged, this, qOverload<>(&QWidget::update));
    }
    update();
}

void CoverageStrip::setRows(const QList<CoverageStripRow> &rows)
{
    m_rows = rows;
    updateGeometry();
    update();
}

QString CoverageStrip::unmetText(qint64 minutes)
{
    return minutes <= 0 ? QString() : tr("Unmet staffing need this week: %1 hours").arg(OleDate::hoursTextFromSeconds(minutes * 60));
}

QSize CoverageStrip::sizeHint() const
{
    return QSize(200, std::max(1, CoverageStripPainter(font()).height(int(m_rows.size()))));
}

int CoverageStrip::gridOffset() const
{
    if (!m_grid || !m_grid->viewport())
        return 0;
    return m_grid->viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
}

void CoverageStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!m_grid)
        return;
    const TimeGridMapper m = m_grid->mapper();
    CoverageStripPainter(font()).paint(p, m, QRect(gridOffset(), 0, m.width, height()), m_rows);
}

bool CoverageStrip::cellAt(QPoint point, int *line, int *cell) const
{
    if (!m_grid)
        return false;
    const int h = CoverageStripPainter(font()).lineHeight();
    *line = point.y() / std::max(1, h);
    if (point.y() < 0 || *line >= m_rows.size())
        return false;
    const TimeGridMapper m = m_grid->mapper();
    const int x = point.x() - gridOffset();
    if (x < m.timeLeft())
        return false;
    const double time = m.timeForX(x);
    const QList<CoverageCell> &cells = m_rows[*line].cells;
    for (int i = 0; i < cells.size(); ++i)
        if (cells[i].begin <= time && time < cells[i].end) {
            *cell = i;
            return true;
        }
    return false;
}

bool CoverageStrip::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    int line = 0, index = 0;
    if (!cellAt(help->pos(), &line, &index)) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const CoverageCell &c = m_rows[line].cells[index];
    QString text = tr("%1, %2 %3 - %4: %n on shift", nullptr, c.scheduled)
                       .arg(m_rows[line].position, OleDate::format(c.begin, QStringLiteral("ddd")),
                            OleDate::clockText(OleDate::timeOfDay(c.begin)), OleDate::clockText(OleDate::timeOfDay(c.end)));
    if (c.needed > 0)
        text += u'\n' + tr("%n needed", nullptr, c.needed);
    if (c.isShort())
        text += u'\n' + tr("%n short", nullptr, c.needed - c.scheduled);
    if (c.isAbove())
        text += u'\n' + tr("%n above the most wanted", nullptr, c.scheduled - c.most);
    QToolTip::showText(help->globalPos(), text, this);
    return true;
}
