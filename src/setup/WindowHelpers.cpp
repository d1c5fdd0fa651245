#include "WindowHelpers.h"

#include "data/clsEmployeeInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <cmath>

QPoint PlacementInMainWindow(QSize child, QSize mainArea, int firstBandHeight)
{
    const double mainH = mainArea.height();
    const double childH = child.height();
    int top = int(RoundHalfEven(mainH / 2.5 - childH / 2.0));
    if (top < 0) {
        top = int(RoundHalfEven(mainH / 2.0 - childH / 2.0));
        if (top < 0)
            top = 0;
    }
    if (child.height() + top > mainArea.height() - firstBandHeight)
        top = 0;
    int left = int(RoundHalfEven(mainArea.width() / 2.0 - child.width() / 2.0));
    if (left < 0)
        left = 0;
    return {left, top};
}

void PlaceFormInMainWindow(QWidget *child, QSize mainArea, int firstBandHeight)
{
    if (!child)
        return;
    child->move(PlacementInMainWindow(child->frameGeometry().size(), mainArea, firstBandHeight));
}

void PlaceFormInMainWindow(QWidget *child)
{
    if (!child)
        return;
    for (QWidget *w = child; w; w = w->parentWidget()) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(w)) {
            if (QMdiArea *area = sub->mdiArea())
                PlaceFormInMainWindow(sub, area->viewport()->size(), 0);
            return;
        }
        if (w->isWindow())
            break;
    }
    QWidget *window = child->window();
    QRect outer;
    if (QWidget *owner = window->parentWidget())
        outer = owner->window()->geometry();
    else if (QScreen *screen = window->screen())
        outer = screen->availableGeometry();
    else
        return;
    const QPoint at = PlacementInMainWindow(window->frameGeometry().size(), outer.size(), 0);
    window->move(outer.topLeft() + at);
}

void SelectAllText(QLineEdit *box)
{
    if (box)
        box->setSelection(0, int(box->text().size()));
}

namespace {

// Selects a box's text when it gains the focus. The selection is made after the event that
// gave the focus, so that the mouse press which follows a click cannot clear it again.
class SelectAllFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            if (auto *box = qobject_cast<QLineEdit *>(watched)) {
                QPointer<QLineEdit> guard(box);
                QTimer::singleShot(0, box, [guard] {
                    if (guard && guard->hasFocus())
                        SelectAllText(guard);
                });
            }
        }
        return false;
    }
};

} // namespace

void SelectAllOnFocus(QLineEdit *box)
{
    if (!box || box->property("selectAllOnFocus").toBool())
        return;
    box->setProperty("selectAllOnFocus", true);
    box->installEventFilter(new SelectAllFilter(box));
}

void SelectAllOnFocusIn(QWidget *container)
{
    for (QLineEdit *box : container->findChildren<QLineEdit *>()) {
        // The spin boxes and date pickers have line edits of their own; leave them alone.
        if (box->objectName().startsWith(QLatin1String("txt")))
            SelectAllOnFocus(box);
    }
}

void FillDepartmentList(QComboBox *box, clsEmployeeInfo &info)
{
    const QStringList names = info.GetDepartmentList();
    box->clear();
    box->addItems(names);
    if (!names.isEmpty())
        box->setCurrentIndex(0);
}

void CloseForm(QWidget *form)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget()))
        sub->close();
    else
        form->close();
}

void CloseFormOnEscape(QWidget *form)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), form);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(escape, &QShortcut::activated, form, [form] { CloseForm(form); });
}

QPushButton *NamedButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

double LeadingNumber(const QString &text)
{
    QByteArray digits;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r'))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        digits += char(text[i].unicode());
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n)
            break;
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits += char(c.unicode());
            anyDigit = true;
        } else if (c == u'.' && !point) {
            digits += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        auto skip = [&] {
            while (j < n && (text[j] == u' ' || text[j] == u'\t'))
                ++j;
        };
        skip();
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            exponent += char(text[j++].unicode());
        bool expDigit = false;
        for (;; ++j) {
            skip();
            if (j >= n || text[j] < u'0' || text[j] > u'9')
                break;
            exponent += char(text[j].unicode());
            expDigit = true;
        }
        if (expDigit)
            digits += exponent;
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value);   // the default rounding mode rounds halves to even
}

QString GeneralNumberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    if (e >= 0)
        text[e] = u'E';
    return text;
}
