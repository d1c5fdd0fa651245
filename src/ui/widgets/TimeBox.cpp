#include "TimeBox.h"

#include "ui/common/WindowHelpers.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

TimeBox::TimeBox(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(name + QStringLiteral("Text"));
    m_edit->setMaxLength(16);
    // Typing replaces the shown time, however the box got the focus.
    SelectAllOnFocus(m_edit);
    m_edit->setPlaceholderText(tr("e.g. 9a, 5:30p, 22:00"));
    m_shows = new QLabel(this);
    m_shows->setObjectName(name + QStringLiteral("Shows"));
    // Room for the longest thing it says, so the dialog does not move while typing.
    m_shows->setMinimumWidth(m_shows->fontMetrics().horizontalAdvance(tr("not a time")) + 8);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_shows);
    setFocusProxy(m_edit);
    setFocusPolicy(Qt::StrongFocus);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textEdited, this, &TimeBox::interpret);
    connect(m_edit, &QLineEdit::editingFinished, this, [this] {
        if (m_valid)
            m_edit->setText(Text(m_time));
    });
    setTime(QTime(0, 0));
}

QString TimeBox::Text(QTime time)
{
    // In the user's own form ("10:00 PM", "22:00"); any of them reads back.
    QString text = WindowLocale().toString(time, WindowTimeFormat());
    text.replace(QChar(0x202F), u' ');
    return text;
}

std::optional<QTime> TimeBox::Parse(const QString &text, QTime current)
{
    QString s = text.toLower();
    s.removeIf([](QChar c) { return c.isSpace() || c == u'.'; });
    QChar half;
    if (s.endsWith(QLatin1String("am")) || s.endsWith(QLatin1String("pm"))) {
        half = s.at(s.size() - 2);
        s.chop(2);
    } else if (s.endsWith(u'a') || s.endsWith(u'p')) {
        half = s.back();
        s.chop(1);
    }
    if (s.isEmpty()) {
        if (half.isNull())
            return std::nullopt;
        const int hour = current.hour() % 12 + (half == u'p' ? 12 : 0);
        return QTime(hour, current.minute());
    }
    static const QRegularExpression withColon(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    static const QRegularExpression digits(QStringLiteral("^\\d{1,4}$"));
    int hour = 0;
    int minute = 0;
    if (const auto m = withColon.match(s); m.hasMatch()) {
        hour = m.captured(1).toInt();
        minute = m.captured(2).toInt();
    } else if (digits.match(s).hasMatch()) {
        // "9" and "21" are hours; "930" and "2130" hours and minutes.
        const int n = s.toInt();
        if (s.size() <= 2) {
            hour = n;
        } else {
            hour = n / 100;
            minute = n % 100;
        }
    } else {
        return std::nullopt;
    }
    if (minute > 59)
        return std::nullopt;
    if (half.isNull()) {
        if (hour > 23)
            return std::nullopt;
        return QTime(hour, minute);
    }
    if (hour < 1 || hour > 12)
        return std::nullopt;
    return QTime(hour % 12 + (half == u'p' ? 12 : 0), minute);
}

void TimeBox::setTime(QTime time)
{
    m_time = time.isValid() ? QTime(time.hour(), time.minute()) : QTime(0, 0);
    m_valid = true;
    m_edit->setText(Text(m_time));
    showStored();
}

void TimeBox::interpret()
{
    const std::optional<QTime> parsed = Parse(m_edit->text(), m_time);
    m_valid = parsed.has_value();
    if (parsed && *parsed != m_time) {
        m_time = *parsed;
        Q_EMIT timeChanged(m_time);
    }
    showStored();
}

void TimeBox::showStored()
{
    m_shows->setText(m_valid ? QStringLiteral("= ") + Text(m_time) : tr("not a time"));
    QPalette palette = m_shows->palette();
    palette.setColor(QPalette::WindowText, m_valid ? this->palette().color(QPalette::WindowText) : QColor(Qt::red));
    m_shows->setPalette(palette);
    m_edit->setAccessibleDescription(m_shows->text());
}

bool TimeBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // A quarter of an hour on, from the last good time; the day wraps round.
            const int step = key == Qt::Key_Up ? 15 : -15;
            const int minutes = ((m_time.hour() * 60 + m_time.minute()) / 15 * 15 + step + 1440) % 1440;
            setTime(QTime(minutes / 60, minutes % 60));
            Q_EMIT timeChanged(m_time);
            m_edit->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
