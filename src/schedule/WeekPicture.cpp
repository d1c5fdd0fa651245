#include "WeekPicture.h"

#include "clsScheduleData.h"
#include "data/OleDate.h"
#include "grid/TimeGridModel.h"
#include "grid/TimeGridPainter.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace WeekPicture {

namespace {

constexpr QSize kPictureSize(1600, 900);
constexpr int kTitleHeight = 48;
constexpr int kHeaderAllowance = 64;   // the grid's time axis and a little air below the rows

QString shortTime(double t)
{
    return OleDate::format(t, QStringLiteral("h:mma/p")).replace(QStringLiteral(":00"), QString());
}

// A copy of the schedule's rows, bars and blocks, labelled for the picture.
void copyForPicture(const clsScheduleData &schedule, TimeGridModel &to)
{
    const TimeGridModel &from = *schedule.grid();
    to.beginUpdate();
    for (int f = 0; f < from.FontsMax(); ++f)
        to.AddFont(from.FontName(f));
    for (int n = 0; n < from.BarsMax(); ++n)
        to.SetBarStyle(n, from.BarColor(n), from.BarTextColor(n), from.BarFont(n), from.BarCaption(n));
    to.setAllBarTextModes(TimeGridModel::Text);
    const double first = schedule.FirstDay();
    for (int row = 0; row < from.ResourcesMax(); ++row) {
        to.AddResource(from.ResourceTitle(row), from.ResourceKey(row), from.ResourceFont(row));
        bool over = false;
        to.setResourceInfo(row, schedule.hoursText(row, clsScheduleData::WeekHours, first, &over));
        to.setResourceForeColor(row, over ? 255 : 0);
    }
    to.setColumnCaption(QStringLiteral("Week\nHours"));
    to.setDateScaleFormat(QStringLiteral("%a %d"));
    to.setViewRange(from.ViewBeg(), from.ViewEnd());
    for (int block = 0; block < from.TBMax(); ++block) {
        const int bar = from.TBBar(block);
        const int copy = to.TBAdd(from.TBResource(block), from.TBBeg(block), from.TBEnd(block), bar, from.TBTag(block));
        const bool off = schedule.isTimeOffBlock(block);
        const QString second = off ? from.TBNote(block) : from.BarCaption(bar);
        const QString firstLine = off ? QStringLiteral("Off")
                                      : shortTime(from.TBBeg(block)) + u'-' + shortTime(from.TBEnd(block));
        to.setTBText(copy, second.isEmpty() ? firstLine : firstLine + u'\n' + second);
        to.setTBNote(copy, from.TBNote(block));
    }
    to.endUpdate();
}

} // namespace

bool write(const clsScheduleData &schedule, const QString &file, const QList<CoverageStripRow> &coverage)
{
    TimeGridModel model;
    copyForPicture(schedule, model);

    // Rows grow to fill the picture so that each bar can show its times and its position on two
    // lines; the picture grows taller only when the rows would not fit.
    TimeGridPainter grid(&model);
    grid.setCaptionWidth(200);
    const int rows = std::max(1, model.rowCount());
    const int available = kPictureSize.height() - kTitleHeight - kHeaderAllowance;
    grid.setMinimumRowHeight(std::clamp(available / rows, 0, 64));
    QSize gridSize(kPictureSize.width(), kPictureSize.height() - kTitleHeight);
    gridSize.setHeight(std::max(gridSize.height(), grid.rowHeight() * rows + kHeaderAllowance));
    grid.setVisibleSpan(7);
    model.setScrollTime(schedule.FirstDay());

    const CoverageStripPainter strip(grid.font());
    const int stripHeight = coverage.isEmpty() ? 0 : strip.height(int(coverage.size())) + 8;
    QImage image(gridSize.width(), gridSize.height() + kTitleHeight + stripHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont titleFont = grid.font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    const QString title = schedule.Department() + QStringLiteral("  \u2013  ")
                          + OleDate::format(schedule.FirstDay(), QStringLiteral("dddd, mmmm d, yyyy"))
                          + QStringLiteral(" to ")
                          + OleDate::format(schedule.LastDay(), QStringLiteral("dddd, mmmm d, yyyy"));
    painter.drawText(QRect(16, 0, image.width() - 32, kTitleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.translate(0, kTitleHeight);
    grid.paintTo(painter, gridSize);
    if (!coverage.isEmpty())
        strip.paint(painter, grid.mapper(gridSize), QRect(0, gridSize.height() + 8, gridSize.width(), stripHeight - 8), coverage);
    painter.end();
    return image.save(file, "PNG");
}

} // namespace WeekPicture
