#pragma once

#include "data/Prompt.h"

#include <QLocale>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>
#include <QList>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QWidget;
class clsEmployeeInfo;

// Small routines that every setup window shares.

// Where a child window of the given size goes inside a main area: horizontally centred, its
// centre at 40% of the area's height, moved to the top when it would reach below the area
// minus the first band (menu and tool bar) height. Never negative.
QPoint PlacementInMainWindow(QSize child, QSize mainArea, int firstBandHeight);

// Moves `child` to its place inside a main area of the given size, keeping its size.
void PlaceFormInMainWindow(QWidget *child, QSize mainArea, int firstBandHeight);

// Places a window where it belongs: an MDI child (its sub-window) inside the MDI area, a
// dialog over its parent's window, anything else on its screen.
void PlaceFormInMainWindow(QWidget *child);

// The first time `form` shows: places it with PlaceFormInMainWindow (unless it is a child of
// the main window's work area, which the main window places) and, once the show is complete,
// runs `then` (for example to ask for a first record when the list is empty).
void OnFirstShow(QWidget *form, std::function<void()> then = {});

// Runs `work`. When a data file cannot be read or written, tells the user which file and why,
// titled `title`, and returns false; whatever the window shows stays as it is. Text the data
// files cannot hold is refused the same way, naming the characters.
bool RunShowingFileError(Prompt &prompt, const QString &title, const std::function<void()> &work,
                         Prompt::Icon icon = Prompt::Icon::Critical);

// Sets the Tab key order of the widgets, first to last. Listing every control of a window
// makes Tab run once through all of them and come back to the first.
void TabOrder(const QList<QWidget *> &chain);

// Selects the whole text of the box.
void SelectAllText(QLineEdit *box);

// Makes the box select its whole text whenever it receives the focus, also by a mouse click.
void SelectAllOnFocus(QLineEdit *box);
// The same for every text box inside `container`.
void SelectAllOnFocusIn(QWidget *container);

// Fills the box with the department names in stored order and selects the first. Writes the
// department file (as listing does); throws FileError when that fails.
void FillDepartmentList(QComboBox *box, clsEmployeeInfo &info);

// Closes a setup window: its MDI sub-window when it has one (so no empty frame stays
// behind), otherwise the window itself.
void CloseForm(QWidget *form);
// Escape inside the window closes it with CloseForm, unless a control used the key first: an
// open drop-down list or calendar closes only itself.
void CloseFormOnEscape(QWidget *form);

// Limits a text box to a stored field of `width` characters and to the characters the data
// files can hold. A refused keystroke or paste is explained beside the box.
void LimitToField(QLineEdit *box, int width);

// A digit that a number box refuses (its value would leave the box's range) is explained
// beside the box, naming the range.
void SayRangeWhenRefused(QSpinBox *box);

// Asks for a name with an input box until it fits a stored field of `width` characters and
// holds only characters the data files can hold; each refusal says why and offers the typed
// text again. The answer trimmed, or nothing when cancelled or left empty.
std::optional<QString> AskFieldText(Prompt &prompt, const QString &text, const QString &title, int width,
                                    const QString &what);

// Gives every control inside `root` an accessible name (from its label, caption or title) and
// an accessible description (its tooltip, or what kind of control it is and what it is for),
// keeping any that were set by hand.
void DescribeForAccessibility(QWidget *root);

// A label for `buddy`: its mnemonic moves the focus there.
QLabel *BuddyLabel(const QString &text, QWidget *buddy, QWidget *parent);

// The locale the windows show dates and times in: the user's, or US English when the system
// names none (the C locale).
QLocale WindowLocale();
// An amount of money in cents as the windows show it: two decimals with the user's decimal
// point ("12.50", "12,50"), no group separators, no currency sign.
QString MoneyText(qint64 cents);
// A typed amount: digits with up to two decimals after the user's decimal point or a "."; blanks
// around are ignored. No value for anything else (an empty text included).
std::optional<qint64> MoneyFromTyped(const QString &typed);
// The user's short date with the year in full ("M/d/yyyy", "dd.MM.yyyy") and short time of day
// ("h:mm AP", "HH:mm").
QString WindowDateFormat();
QString WindowTimeFormat();
// A stored day as the windows write it with its weekday: "Mon 12/7/2026", "Mo. 07.12.2026".
QString WindowDayText(double day);

// A date box with a calendar pop-up in the windows' locale, in `format` (default: the short date).
QDateEdit *CalendarDatePicker(const QString &name, QWidget *parent, const QString &format = WindowDateFormat());
// A time picker named `name` in the windows' locale, in `format` (default: the short time).
QTimeEdit *TimePicker(const QString &name, QWidget *parent, const QString &format = WindowTimeFormat());

// A push button carrying its control name as object name.
QPushButton *NamedButton(const QString &text, const QString &name, QWidget *parent);

// Rounds to the nearest whole number, a half to the even neighbour.
double RoundHalfEven(double value);

// A number in the general text form: whole numbers without a decimal point, at most 15
// significant digits, larger numbers in exponent form ("1.23456789012346E+16").
QString GeneralNumberText(double value);
