#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

// Where a block lies: its row and its begin and end date-times.
struct BlockPlace {
    int row = -1;
    double begin = 0;
    double end = 0;
};

// The content of a time-bar grid: rows (resources), bar styles, fonts, time blocks and the
// visible time range. It holds no painting code; the TimeGrid widget draws a model and edits it
// with the mouse, and the schedule engine fills and reads it without any widget.
//
// Rows and blocks are numbered from 0. Date-times are OLE Automation dates (days since
// 30 December 1899, time of day as the fraction). Colours are 0x00BBGGRR values (255 = red).
//
// Block numbers are dense: adding appends, removing renumbers every later block down by one.
// Each row keeps an ascending list of its block numbers, so walking one row never scans the
// whole grid. Besides its number every block has an id that never changes and is never given to
// another block, so that selections and undo commands can hold on to a block across edits.
class TimeGridModel : public QObject
{
    Q_OBJECT

public:
    // What the blocks of a bar style show. The values are the classic control's numbers, so a
    // caller that stores them as integers keeps its meaning.
    enum TextMode {
        Nothing = 0,  // no text
        Text = 10,    // the block's label (TBText)
        Note = 13,    // the block's note (TBNote)
        Caption = 14, // the bar style's caption
    };
    Q_ENUM(TextMode)

    explicit TimeGridModel(QObject *parent = nullptr);
    ~TimeGridModel() override;

    // Batching: between beginUpdate() and the matching endUpdate() no per-item signal is sent;
    // endUpdate() sends one reset signal for each kind of content that changed. Calls nest.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

    // ---- Fonts: a list of family names referred to by index. The same name (compared without
    // regard to case) always gives the same index.
    int AddFont(const QString &name);
    int FontsMax() const { return int(m_fonts.size()); }
    QString FontName(int index) const; // empty for an unknown index

    // ---- Rows (resources).
    int AddResource(const QString &caption, const QString &key = QString(), int fontIndex = 0);
    int ResourcesMax() const { return int(m_rows.size()); }
    void ClearResources();
    QString ResourceTitle(int row) const;
    void setResourceTitle(int row, const QString &title);
    QString ResourceKey(int row) const;
    void setResourceKey(int row, const QString &key);
    QString ResourceInfo(int row) const; // text of the hours column
    void setResourceInfo(int row, const QString &info);
    QString ResourceCost(int row) const; // text of the cost column
    void setResourceCost(int row, const QString &cost);
    // Red (true) for a cost to look at (a shift without a rate), black otherwise.
    bool ResourceCostMarked(int row) const;
    void setResourceCostMarked(int row, bool marked);
    // Tooltip of the hours column of a row (empty: none).
    QString ResourceInfoTip(int row) const;
    void setResourceInfoTip(int row, const QString &tip);
    qint32 ResourceForeColor(int row) const; // colour of the hours-column text; 0 = black
    void setResourceForeColor(int row, qint32 color);
    int ResourceFont(int row) const;
    void setResourceFont(int row, int fontIndex);

    // Rows the grid shows: the resources, or more when blocks were placed on rows beyond them
    // (a single-employee view may hold blocks on row 0 without adding a resource).
    int rowCount() const;

    // ---- Bar styles, numbered 0 to BarsMax() - 1. New styles are green with black text,
    // without caption, showing their caption.
    void setBarsMax(int count);
    int BarsMax() const { return int(m_bars.size()); }
    // Defines style n; a style number at or beyond BarsMax() grows the list to hold it.
    void SetBarStyle(int n, qint32 backColor, qint32 textColor, int fontIndex,
                     const QString &caption);
    QString BarCaption(int n) const;
    qint32 BarColor(int n) const; // fill colour
    qint32 BarTextColor(int n) const;
    int BarFont(int n) const;
    TextMode BarTextMode(int n) const;
    void setBarTextMode(int n, TextMode mode);
    void setAllBarTextModes(TextMode mode);

    // ---- Blocks.
    // Adds a block at the end and returns its number; -1 (nothing added) for a negative row.
    int TBAdd(int row, double begin, double end, int bar, const QString &tag = QString());
    // The same with a chosen id (an undone removal brings its block back under the old id);
    // an id of 0 or one in use gets a fresh id.
    int TBAddWithId(int id, int row, double begin, double end, int bar, const QString &tag = QString());
    // Makes room for this many blocks in all, so that adding up to them never moves the others.
    void reserveBlocks(int count);

    // The block's stable id (0 for an unknown block), and the current number of an id (-1 when
    // no block has it).
    int TBId(int block) const;
    int TBFromId(int id) const;
    int TBMax() const { return int(m_blocks.size()); }
    // Keeps the first `count` blocks; 0 removes all of them (as ClearBlocks()).
    void setTBMax(int count);
    void ClearBlocks();
    // Removes block i; every later block's number drops by one.
    void TBRemove(int block);

    int TBResource(int block) const;
    void setTBResource(int block, int row);
    double TBBeg(int block) const;
    void setTBBeg(int block, double begin);
    double TBEnd(int block) const;
    void setTBEnd(int block, double end);
    // Row, begin and end together (row -1 for an unknown block).
    BlockPlace TBPlace(int block) const;
    // Sets row, begin and end at once with one change signal (used by drags).
    void setTBPlace(int block, int row, double begin, double end);
    int TBBar(int block) const;
    void setTBBar(int block, int bar);
    QString TBText(int block) const; // label drawn on the block
    void setTBText(int block, const QString &text);
    QString TBTag(int block) const; // name given when the block was added
    void setTBTag(int block, const QString &tag);
    QString TBNote(int block) const;
    void setTBNote(int block, const QString &note);
    // A warning about the block (a shift that overlaps the employee's shift in another
    // department): a marked block, whose tooltip gives the text. Empty: no mark.
    QString TBWarning(int block) const;
    void setTBWarning(int block, const QString &warning);

    // End minus begin in whole minutes, rounded to the nearest minute.
    qint64 TBDurMinutes(int block) const;
    // The duration as hours (no limit at 24), a colon and two-digit minutes: "8:00", "26:15".
    QString TBDur(int block) const;

    // The next block of the row whose number is greater than `after` (start with -1);
    // -1 when there is none.
    int TBNextInResource(int row, int after) const;
    // All block numbers of the row, ascending.
    QList<int> blocksInResource(int row) const;

    bool isValidBlock(int block) const { return block >= 0 && size_t(block) < m_blocks.size(); }
    bool isValidRow(int row) const { return row >= 0 && size_t(row) < m_rows.size(); }

    // ---- Time axis and view.
    double ViewBeg() const { return m_viewBeg; }
    double ViewEnd() const { return m_viewEnd; }
    // The scrollable range; a reversed pair is swapped.
    void setViewRange(double begin, double end);
    void setViewBeg(double begin);
    void setViewEnd(double end);
    // Time shown at the left edge of the time area.
    double ScrollTime() const { return m_scrollTime; }
    void setScrollTime(double time);

    // Caption of the hours column; a "\n" separates its two lines.
    QString ColumnCaption() const { return m_columnCaption; }
    void setColumnCaption(const QString &caption);
    // Format of the day labels on the time axis, percent style ("%a %d").
    QString DateScaleFormat() const { return m_dateScaleFormat; }
    void setDateScaleFormat(const QString &format);
    // The day label of a date-time in DateScaleFormat.
    QString dayLabel(double day) const;
    // The hour label of the time axis: "6:00a", or the scale locale's short time ("06:00").
    QString hourLabel(double time) const;
    // Labels the axis in a language's own way ("Mo 07", "Mo., 07.12.26", "06:00") instead of
    // the stored English formats; the default C locale keeps those.
    void setScaleLocale(const QLocale &locale);

    // Snap step as text: "15 Minutes", "1 Hour". Unreadable or zero steps count as 1 minute.
    QString SnapMinutes() const { return m_snapText; }
    void setSnapMinutes(const QString &text);
    int snapStep() const { return m_snapStep; }
    // The date-time rounded to the nearest multiple of the snap step counted from midnight.
    double snapToStep(double time) const;

    // 0x00BBGGRR <-> QColor.
    static QColor toColor(qint32 bgr);
    static qint32 fromColor(const QColor &color);

Q_SIGNALS:
    void rowsReset();
    void rowAdded(int row);
    void rowChanged(int row);
    void barsChanged();
    void fontsChanged();
    void blocksReset();
    void blockAdded(int block);
    // Row, times, bar or texts of a block changed; `oldRow` is its row before the change.
    void blockChanged(int block, int oldRow);
    // Block `block` was removed from `row`; later blocks have been renumbered.
    void blockRemoved(int block, int row);
    // The scrollable range or the day label format changed.
    void viewChanged();
    void scrollTimeChanged(double time);
    void columnCaptionChanged();
    void snapChanged();

private:
    struct Row {
        QString title;
        QString key;
        QString info;
        QString infoTip;
        QString cost;
        bool costMarked = false;
        qint32 foreColor = 0;
        int font = 0;
    };
    struct Bar {
        QString caption;
        qint32 backColor = 65280;
        qint32 textColor = 0;
        int font = 0;
        TextMode mode = Caption;
    };
    struct Block {
        int id = 0;
        int row = 0;
        double begin = 0;
        double end = 0;
        int bar = 0;
        QString text;
        QString tag;
        QString note;
        QString warning;
    };

    enum Dirty { DirtyRows = 1, DirtyBars = 2, DirtyBlocks = 4, DirtyView = 8, DirtyFonts = 16 };
    bool markDirty(int what); // true when the caller should emit its own signal now
    void indexInsert(int row, int block);
    void indexErase(int row, int block);
    void trimIndex();
    void blockEdited(int block, int oldRow);

    QStringList m_fonts;
    // std::vector moves its elements when it grows; large reloads add tens of thousands.
    std::vector<Row> m_rows;
    QList<Bar> m_bars;
    std::vector<Block> m_blocks;
    QList<QList<int>> m_rowBlocks; // per row: its block numbers, ascending
    QHash<int, int> m_blockOfId;   // id -> current block number
    int m_lastId = 0;

    double m_viewBeg = 0;
    double m_viewEnd = 1;
    double m_scrollTime = 0;
    QString m_columnCaption;
    QString m_dateScaleFormat = QStringLiteral("%a %d");
    QLocale m_scaleLocale = QLocale::c();
    QString m_snapText = QStringLiteral("15 Minutes");
    int m_snapStep = 15;

    int m_updateDepth = 0;
    int m_dirty = 0;
};
