#include "DateBox.h"

#include "ui/common/WindowHelpers.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QVBoxLayout>

DateBox::DateBox(const QString &name, QWidget *parent) : QWidget(parent), m_format(WindowDateFormat())
{
    setObjectName(name);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(name + QStringLiteral("Text"));
    m_edit->setMaxLength(20);
    SelectAllOnFocus(m_edit);
    m_edit->setToolTip(tr("Type the date as %1; F4 opens a calendar.").arg(Text(QDate(1990, 3, 15))));
    auto *drop = new QToolButton(this);
    drop->setObjectName(name + QStringLiteral("Calendar"));
    drop->setArrowType(Qt::DownArrow);
    drop->setFocusPolicy(Qt::NoFocus);
    drop->setToolTip(tr("Calendar (F4)"));
    m_shows = new QLabel(this);
    m_shows->setObjectName(name + QStringLiteral("Shows"));
    QPalette red = m_shows->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_shows->setPalette(red);
    m_shows->setMinimumWidth(m_shows->fontMetrics().horizontalAdvance(tr("not a date")) + 8);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(drop);
    layout->addWidget(m_shows);
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &DateBox::interpret);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (m_valid)
            m_edit->setText(Text(m_date));
    });
    connect(drop, &QToolButton::clicked, this, &DateBox::showCalendar);
    setDate(QDate::currentDate());
}

QString DateBox::Text(QDate date) const
{
    return WindowLocale().toString(date, m_format);
}

std::optional<QDate> DateBox::Parse(const QString &text, const QString &format, QDate today)
{
    // The order of the parts is the order of their first letters in the format.
    QList<std::pair<qsizetype, QChar>> order;
    for (QChar part : {u'd', u'M', u'y'}) {
        const qsizetype at = format.indexOf(part);
        if (at < 0)
            return std::nullopt;
        order.append({at, part});
    }
    std::sort(order.begin(), order.end());
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,4})[/.\\- ]\\s*(\\d{1,2}|\\d{4})[/.\\- ]\\s*(\\d{1,4})\\.?\\s*$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i) {
        const QString part = m.captured(i + 1);
        const int value = part.toInt();
        switch (order[i].second.unicode()) {
        case u'd':
            if (part.size() > 2)
                return std::nullopt;
            day = value;
            break;
        case u'M':
            if (part.size() > 2)
                return std::nullopt;
            month = value;
            break;
        default:
            if (part.size() == 2) {
                // Within 80 years before and 19 after today.
                year = today.year() - today.year() % 100 + value;
                if (year > today.year() + 19)
                    year -= 100;
                else if (year <= today.year() - 81)
                    year += 100;
            } else if (part.size() == 4) {
                year = value;
            } else {
                return std::nullopt;
            }
        }
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100)
        return std::nullopt;
    return date;
}

void DateBox::setDate(QDate date)
{
    m_date = date;
    m_valid = true;
    m_edit->setText(Text(m_date));
    showState();
}

void DateBox::interpret()
{
    const std::optional<QDate> parsed = Parse(m_edit->text(), m_format);
    m_valid = parsed.has_value();
    if (parsed && *parsed != m_date) {
        m_date = *parsed;
        Q_EMIT dateChanged(m_date);
    }
    showState();
}

void DateBox::showState()
{
    m_shows->setText(m_valid ? QString() : tr("not a date"));
    m_edit->setAccessibleDescription(m_shows->text());
}

void DateBox::showCalendar()
{
    auto *popup = new QFrame(this, Qt::Popup);
    popup->setObjectName(objectName() + QStringLiteral("Popup"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setFrameShape(QFrame::StyledPanel);
    auto *calendar = new QCalendarWidget(popup);
    calendar->setLocale(WindowLocale());
    calendar->setSelectedDate(m_date);
    auto *layout = new QVBoxLayout(popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar);
    const auto choose = [this, popup](QDate date) {
        setDate(date);
        Q_EMIT dateChanged(date);
        popup->close();
        m_edit->setFocus();
    };
    connect(calendar, &QCalendarWidget::activated, popup, choose);
    connect(calendar, &QCalendarWidget::clicked, popup, choose);
    popup->move(mapToGlobal(QPoint(0, height())));
    popup->show();
    calendar->setFocus();
}

bool DateBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier)) {
            showCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
