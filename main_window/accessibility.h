#pragma once

#include <QAccessible>

class QLabel;
class QString;
class QWidget;

// Makes a screen reader take the widget for what it shows (a picture, a group of buttons)
// rather than for what its class makes it, a frame. Set before the widget is first named.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// A widget with the role QAccessible::Link is followed through its activate() slot.

// Keeps a widget that only decorates (a line under the word) out of what a screen reader
// reviews, so that it is never read in the middle of something else.
void hideFromReaders(QWidget* widget);

// Qt reports a focus cleared, or taken and given up at once, as news of the widget being focused,
// and a screen reader would read the widget out. Such news of a marked widget that does not have
// the focus is not passed on.
void quietWhenUnfocused(QWidget* widget);

// A label that is never shown and that a screen reader speaks, wherever the focus is, each time
// it is given something to say.
QLabel* makeNotice(QWidget* parent);
void announce(QLabel* notice, const QString& text);
// The event that carries it: Qt's announcement where the Qt the game was built with has one
// (6.8 on); before, a notification shown anew, which screen readers speak at once.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
inline constexpr QAccessible::Event kAnnouncementEvent = QAccessible::Announcement;
#else
inline constexpr QAccessible::Event kAnnouncementEvent = QAccessible::ObjectShow;
#endif
