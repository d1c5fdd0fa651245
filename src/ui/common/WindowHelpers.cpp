#include "WindowHelpers.h"

#include "data/Money.h"

#include "data/OleDate.h"
#include "data/CodePage.h"
#include "data/FileError.h"
#include "data/clsEmployeeInfo.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QTabWidget>
#include <QSpinBox>
#include <QToolTip>
#include <QValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimeEdit>
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

namespace {

// Does a form's first-show work once, then removes itself.
class FirstShowFilter : public QObject
{
public:
    FirstShowFilter(QWidget *form, std::function<void()> then) : QObject(form), m_then(std::move(then)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Show) {
            auto *form = static_cast<QWidget *>(parent());
            // A child of the main window's work area was placed when it was opened.
            if (!qobject_cast<QMdiSubWindow *>(form->parentWidget()))
                PlaceFormInMainWindow(form);
            if (m_then)
                QTimer::singleShot(0, form, m_then);
            form->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void OnFirstShow(QWidget *form, std::function<void()> then)
{
    form->installEventFilter(new FirstShowFilter(form, std::move(then)));
}

bool RunShowingFileError(Prompt &prompt, const QString &title, const std::function<void()> &work, Prompt::Icon icon)
{
    try {
        work();
    } catch (const FileError &e) {
        prompt.message(e.userText(), title, icon);
        return false;
    } catch (const CodePage::UnencodableText &e) {
        prompt.message(e.userText(), title, Prompt::Icon::Warning);
        return false;
    }
    return true;
}

void TabOrder(const QList<QWidget *> &chain)
{
    QWidget *previous = nullptr;
    for (QWidget *next : chain) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
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
    const QStringList names = info.DepartmentNames();
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

namespace {

// Closes the form on an Escape that no control inside it took. A drop-down list or calendar
// is a pop-up window of its own: its Escape never reaches the form.
class EscapeFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
            && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
            CloseForm(static_cast<QWidget *>(parent()));
            return true;
        }
        return false;
    }
};

// Refuses characters the data files cannot hold and remembers them for the explanation.
class CodePageValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        m_refused = CodePage::Unencodable(input);
        return m_refused.isEmpty() ? Acceptable : Invalid;
    }
    const QString &refused() const { return m_refused; }

private:
    mutable QString m_refused;
};

} // namespace

void CloseFormOnEscape(QWidget *form)
{
    form->installEventFilter(new EscapeFilter(form));
}

void LimitToField(QLineEdit *box, int width)
{
    box->setMaxLength(width);
    auto *validator = new CodePageValidator(box);
    box->setValidator(validator);
    QObject::connect(box, &QLineEdit::inputRejected, box, [box, validator, width] {
        const QString why = validator->refused().isEmpty()
                                ? QCoreApplication::translate("WindowHelpers", "At most %1 characters fit here.").arg(width)
                                : CodePage::UnencodableMessage(validator->refused());
        box->setProperty("refusalText", why);
        QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), why, box);
    });
}

void SayRangeWhenRefused(QSpinBox *box)
{
    auto *edit = box->findChild<QLineEdit *>();
    QObject::connect(edit, &QLineEdit::inputRejected, box, [box, edit] {
        const QString why = QCoreApplication::translate("WindowHelpers", "Only whole numbers from %1 to %2 fit here.")
                                .arg(box->minimum())
                                .arg(box->maximum());
        box->setProperty("refusalText", why);
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), why, box);
    });
}

std::optional<QString> AskFieldText(Prompt &prompt, const QString &text, const QString &title, int width,
                                    const QString &what)
{
    QString typed;
    for (;;) {
        const std::optional<QString> answer = prompt.input(text, title, typed);
        if (!answer)
            return std::nullopt;
        typed = answer->trimmed();
        if (typed.isEmpty())
            return std::nullopt;
        QString problem;
        if (const QString bad = CodePage::Unencodable(typed); !bad.isEmpty())
            problem = CodePage::UnencodableMessage(bad);
        else if (typed.size() > width)
            problem = QCoreApplication::translate("WindowHelpers", "A %1 can have at most %2 characters; \"%3\" has %4.")
                          .arg(what).arg(width).arg(typed).arg(typed.size());
        if (problem.isEmpty())
            return typed;
        prompt.message(problem, title, Prompt::Icon::Warning);
    }
}

namespace {

QString plainText(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return text.simplified();
}

QString kindOf(const QWidget *w)
{
    if (qobject_cast<const QComboBox *>(w))
        return QCoreApplication::translate("WindowHelpers", "Drop-down list");
    if (qobject_cast<const QLineEdit *>(w))
        return QCoreApplication::translate("WindowHelpers", "Text box");
    if (qobject_cast<const QAbstractSpinBox *>(w))
        return QCoreApplication::translate("WindowHelpers", "Entry box");
    if (qobject_cast<const QAbstractItemView *>(w))
        return QCoreApplication::translate("WindowHelpers", "List");
    if (qobject_cast<const QAbstractButton *>(w))
        return QCoreApplication::translate("WindowHelpers", "Button");
    if (qobject_cast<const QTabWidget *>(w))
        return QCoreApplication::translate("WindowHelpers", "Pages");
    return QCoreApplication::translate("WindowHelpers", "Control");
}

} // namespace

void DescribeForAccessibility(QWidget *root)
{
    QHash<const QWidget *, QString> labelled;
    for (const QLabel *label : root->findChildren<QLabel *>())
        if (label->buddy() && !label->text().isEmpty())
            labelled.insert(label->buddy(), plainText(label->text()));
    const QString window = plainText(root->window()->windowTitle().isEmpty() ? root->windowTitle()
                                                                             : root->window()->windowTitle());
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QGroupBox *>(w))
            continue;
        if (w->window() != root->window())
            continue;   // a drop-down's pop-up list speaks through the drop-down
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            continue;   // the text part of a spin box or picker speaks through the box itself
        if (qobject_cast<QLineEdit *>(w) && qobject_cast<QComboBox *>(w->parentWidget()))
            continue;
        QString name = w->accessibleName();
        if (name.isEmpty())
            name = labelled.value(w);
        if (name.isEmpty()) {
            if (const auto *button = qobject_cast<QAbstractButton *>(w))
                name = plainText(button->text());
            else if (const auto *group = qobject_cast<QGroupBox *>(w))
                name = plainText(group->title());
        }
        if (name.isEmpty())
            name = w->objectName();
        w->setAccessibleName(name);
        if (w->accessibleDescription().isEmpty()) {
            const QString tip = w->toolTip();
            w->setAccessibleDescription(!tip.isEmpty() ? tip
                                        : window.isEmpty() ? QStringLiteral("%1: %2").arg(kindOf(w), name)
                                        : QStringLiteral("%1 %2 in %3").arg(kindOf(w), name, window));
        }
    }
}

QLabel *BuddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLocale WindowLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : user;
}

QString MoneyText(qint64 cents)
{
    // Without group separators, so that a box shows an amount the way it takes it back.
    QLocale locale = WindowLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(cents) / 100.0, 'f', 2);
}

std::optional<qint64> MoneyFromTyped(const QString &typed)
{
    QString text = typed.trimmed();
    text.replace(WindowLocale().decimalPoint(), QStringLiteral("."));
    return Money::centsFromText(text);
}

QString WindowDateFormat()
{
    QString format = WindowLocale().dateFormat(QLocale::ShortFormat);
    // A birth date needs its century: "yy" becomes "yyyy", a "yyyy" stays.
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(shortYear, QStringLiteral("yyyy"));
}

QString WindowTimeFormat()
{
    return WindowLocale().timeFormat(QLocale::ShortFormat);
}

QString WindowDayText(double day)
{
    return WindowLocale().toString(OleDate::toDate(day), QStringLiteral("ddd ") + WindowDateFormat());
}

QDateEdit *CalendarDatePicker(const QString &name, QWidget *parent, const QString &format)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setLocale(WindowLocale());
    picker->setDisplayFormat(format);
    picker->setCalendarPopup(true);
    return picker;
}

QTimeEdit *TimePicker(const QString &name, QWidget *parent, const QString &format)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(name);
    picker->setLocale(WindowLocale());
    picker->setDisplayFormat(format);
    return picker;
}

QPushButton *NamedButton(const QString &text, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
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
