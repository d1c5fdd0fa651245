#include "NeedsCoverageView.h"

#include "planning/Coverage.h"
#include "schedule/clsScheduleData.h"
#include "ui/widgets/CoverageStrip.h"

#include <QLabel>
#include <algorithm>

NeedsCoverageView::NeedsCoverageView(TimeGrid *grid, QWidget *parent)
    : m_strip(new CoverageStrip(parent)), m_unmet(new QLabel(parent))
{
    m_strip->setObjectName(QStringLiteral("coverageStrip"));
    m_strip->followGrid(grid);
    m_strip->hide();
    m_unmet->setObjectName(QStringLiteral("labUnmet"));
    m_unmet->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_unmet->hide();
}

void NeedsCoverageView::readNeeds(const QString &dataPath, const QString &department)
{
    m_needs = StaffingNeeds::read(dataPath).rowsOf(department);
}

void NeedsCoverageView::recount(const clsScheduleData &schedule, int snapMinutes)
{
    // Neither is seen: counting the week can wait until one is.
    if (!m_stripShown && m_needs.isEmpty()) {
        m_unmet->hide();
        return;
    }
    const Coverage coverage(schedule, m_needs);
    if (m_stripShown)
        m_strip->setRows(coverage.stripRows(std::clamp(snapMinutes, 1, 60)));
    const QString unmet = m_needs.isEmpty() ? QString() : CoverageStrip::unmetText(coverage.unmetMinutes());
    m_unmet->setText(unmet);
    m_unmet->setVisible(!unmet.isEmpty());
}

void NeedsCoverageView::setStripShown(bool shown)
{
    m_stripShown = shown;
    m_strip->setVisible(shown);
}
