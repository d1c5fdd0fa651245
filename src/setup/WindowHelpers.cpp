#include "WindowHelpers.h"

#include "data/FileError.h"
#include "data/clsEmployeeInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
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
    }
    return true;
}

void TabOrder(std::initializer_list<QWidget *> chain)
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

QLabel *BuddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QTimeEdit *TimePicker(const QString &name, QWidget *parent, const QString &format)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(name);
    picker->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
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
