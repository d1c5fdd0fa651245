#pragma once

#include "Availability.h"
#include "BlockPictureCache.h"
#include "TextLayoutCache.h"
#include "TimeGridMapper.h"
#include "TimeGridModel.h"

#include <QFont>
#include <QHash>
#include <QSize>

#include <algorithm>

class QPainter;

// A block the user is dragging: painted faded at its own place and again, outlined, at `place`.
struct LiftedBlock {
    int block = -1; // -1: nothing lifted
    BlockPlace place;
};

// The keyboard's place in the grid: one snap step of a row, drawn as a frame (bold while the
// grid has the keyboard, thin and dashed otherwise).
struct GridCursor {
    int row = -1; // -1: not drawn
    double time = 0;
    double length = 0;
    bool focused = false;
};

// Paints a TimeGridModel (row captions, hours column, time axis, one rounded bar per block) onto
// any QPainter, and lays it out for a given size: row and header heights follow its base font,
// the rest follows the settings below. The widget paints through it; so do pictures made without
// any widget. The model must outlive the painter or be replaced first. The base font is the
// application's unless another is given.
class TimeGridPainter
{
public:
    explicit TimeGridPainter(const TimeGridModel *model = nullptr, const QFont &font = QFont());

    const TimeGridModel *model() const { return m_model; }
    void setModel(const TimeGridModel *model);
    QFont font() const { return m_font; }
    void setFont(const QFont &font);
    // Forgets the fonts resolved for the model's font names (after they changed).
    void clearFontCache();

    int captionWidth() const { return m_captionWidth; }
    void setCaptionWidth(int pixels) { m_captionWidth = std::max(0, pixels); }
    int infoWidth() const { return m_infoWidth; }
    void setInfoWidth(int pixels) { m_infoWidth = std::max(0, pixels); }
    // The cost column beside the hours column, with its caption; 0 hides it.
    int costWidth() const { return m_costWidth; }
    const QString &costCaption() const { return m_costCaption; }
    void setCostColumn(int pixels, const QString &caption) { m_costWidth = std::max(0, pixels); m_costCaption = caption; }
    // Rows at least this tall (0: as tall as the font needs). Taller rows let bar labels wrap
    // onto more lines.
    void setMinimumRowHeight(int pixels) { m_minimumRowHeight = std::max(0, pixels); }
    int rowHeight() const;
    int headerHeight() const;
    // Days shown across the time area, from half a day to seven days.
    double visibleSpan() const { return m_visibleDays; }
    void setVisibleSpan(double days);
    // Pixels of rows wanted scrolled off the top; each mapper limits it to what its height needs.
    int rowOffset() const { return m_rowOffset; }
    void setRowOffset(int pixels) { m_rowOffset = std::max(0, pixels); }
    // The block drawn as selected (a stable id; 0 for none).
    int selectedId() const { return m_selectedId; }
    void setSelectedId(int id) { m_selectedId = id; }
    const GridCursor &cursor() const { return m_cursor; }
    void setCursor(const GridCursor &cursor) { m_cursor = cursor; }
    // Where the cursor is drawn, in the mapper's coordinates (empty when not drawn).
    QRect cursorRect(const TimeGridMapper &m) const;
    // Each row's available hours, drawn as a light band behind its blocks; a block outside them
    // gets a warning edge, except blocks of `exemptBar` (time off). An empty list draws none.
    void setAvailability(const QList<WeekAvailability> &rows, int exemptBar);
    const QList<WeekAvailability> &availability() const { return m_availability; }
    // True when the block lies outside its row's available hours (false without availability).
    bool isOutsideAvailability(int block) const;

    // The model's scroll time, kept inside its view range so that the visible span fits.
    double shownScrollTime() const;

    // The geometry of the grid painted at `size`.
    TimeGridMapper mapper(QSize size) const;
    // The block painted on top at a point of the time area, or -1.
    int blockAt(const TimeGridMapper &m, QPoint point) const;

    // Paints the part of the grid inside `clip`, with a lifted block if any.
    void paint(QPainter &p, const TimeGridMapper &m, const QRect &clip,
               const LiftedBlock &lifted = LiftedBlock()) const;
    // Paints the whole grid at `size`, leaving the painter's state as it was.
    void paintTo(QPainter &p, QSize size) const;

    // Screen fonts for the model's font names; names missing on this system map to similar ones.
    static QFont resolveFont(const QString &family, const QFont &base);

private:
    QFont fontFor(int index) const;
    void paintHeader(QPainter &p, const TimeGridMapper &m) const;
    void paintRows(QPainter &p, const TimeGridMapper &m, int first, int last,
                   const LiftedBlock &lifted) const;
    void paintBlock(QPainter &p, const TimeGridMapper &m, int block, const BlockPlace &place,
                    bool lifted) const;
    void drawBlock(QPainter &p, const TimeGridMapper &m, int block, int bar, const QRectF &rect,
                   const QString &label, bool lifted) const;
    QString blockLabel(int block, int bar) const;
    void paintAvailability(QPainter &p, const TimeGridMapper &m, int first, int last) const;
    void paintCursor(QPainter &p, const TimeGridMapper &m) const;
    void paintDayLines(QPainter &p, const TimeGridMapper &m, int top, int bottom) const;

    const TimeGridModel *m_model = nullptr;
    QFont m_font;
    int m_captionWidth = 235;
    int m_infoWidth = 64;
    int m_costWidth = 0;
    QString m_costCaption;
    int m_minimumRowHeight = 0;
    double m_visibleDays = 1.0;
    int m_rowOffset = 0;
    int m_selectedId = 0;
    GridCursor m_cursor;
    QList<WeekAvailability> m_availability;
    int m_exemptBar = -1;
    mutable QHash<int, QFont> m_fontCache;
    // How each block label was fitted: many blocks share their text and size (the same shift
    // times on every row), and measuring text is the dearest part of a paint. Kept from paint to
    // paint for the same device resolution; emptied with the font cache.
    struct LabelKey {
        QString text;
        int font;
        double width, height;
        QSize box;
        int dpiX, dpiY;
        qreal pixelRatio;
        bool operator==(const LabelKey &) const = default;
    };
    friend size_t qHash(const LabelKey &key, size_t seed)
    {
        return qHashMulti(seed, key.text, key.font, key.width, key.height, key.box.width(), key.box.height(),
                          key.dpiX, key.dpiY, key.pixelRatio);
    }
    struct LabelFit {
        int attempt;     // the wrapping attempt that fits, or -1 for one line
        QString shown;   // that one line, cut with an ellipsis where needed
    };
    mutable QHash<LabelKey, LabelFit> m_labelFits;
    // The texts of the grid (names, hours, labels, axis), each laid out once.
    mutable TextLayoutCache m_texts;
    // Pictures of the blocks, copied where the same block shows again.
    mutable BlockPictureCache m_pictures;
};
