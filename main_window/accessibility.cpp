#include "main_window/accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

namespace {

constexpr char kRole[] = "gibbetryAccessibleRole";
constexpr char kHidden[] = "gibbetryHiddenFromReaders";
constexpr char kQuiet[] = "gibbetryQuietWhenUnfocused";

// Shown on the screen, but reported as not shown: readers pass over it.
class UnseenWidget final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A link the player can follow from a screen reader: its press action does what a click does,
// through the widget's activate() slot. It never takes the focus.
class LinkWidget final : public QAccessibleWidget {
public:
    explicit LinkWidget(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Link) {}
    QString text(QAccessible::Text kind) const override {
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty() && label)
            return label->text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(widget(), "activate");
    }
};

// Consulted before Qt's own widget interfaces, as it is installed after them.
QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRole) : QVariant();
    if (!role.isValid())
        return nullptr;
    const auto given = QAccessible::Role(role.toInt());
    if (widget->property(kHidden).toBool())
        return new UnseenWidget(widget, given);
    if (given == QAccessible::Link)
        return new LinkWidget(widget);
    return new QAccessibleWidget(widget, given);
}

void installRoleFactory() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(interfaceWithRole);
    installed = true;
}

QAccessible::UpdateHandler passedOn = nullptr;

// Handed to the screen reader as though no handler were here.
void passOn(QAccessibleEvent* event) {
    const QAccessible::UpdateHandler ours = QAccessible::installUpdateHandler(passedOn);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(ours);
}

// The news becomes what it should have been: the widget has lost the focus.
void dropStaleFocus(QAccessibleEvent* event) {
    auto* widget = qobject_cast<QWidget*>(event->object());
    if (event->type() == QAccessible::Focus && widget && widget->property(kQuiet).toBool() &&
        !widget->hasFocus()) {
        QAccessible::State changed;
        changed.focused = true;
        QAccessibleStateChangeEvent lost(widget, changed);
        passOn(&lost);
        return;
    }
    passOn(event);
}

} // namespace

void quietWhenUnfocused(QWidget* widget) {
    static bool installed = false;
    if (!installed)
        passedOn = QAccessible::installUpdateHandler(dropStaleFocus);
    installed = true;
    widget->setProperty(kQuiet, true);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    installRoleFactory();
    widget->setProperty(kRole, int(role));
}

void hideFromReaders(QWidget* widget) {
    widget->setProperty(kHidden, true);
    setAccessibleRole(widget, QAccessible::Separator);
}

// The notice sits in a status bar, as a desktop's own notices do: a screen reader then says its
// words alone, without "notification" before them.
QLabel* makeNotice(QWidget* parent) {
    auto* bar = new QWidget(parent);
    setAccessibleRole(bar, QAccessible::StatusBar);
    bar->hide();
    auto* notice = new QLabel(bar);
    setAccessibleRole(notice, QAccessible::Notification);
    notice->hide();
    return notice;
}

void announce(QLabel* notice, const QString& text) {
    notice->setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(notice, text);
    said.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive); // the answer comes first
#else
    QAccessibleEvent said(notice, kAnnouncementEvent);
#endif
    QAccessible::updateAccessibility(&said);
}
