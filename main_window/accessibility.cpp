#include "main_window/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

constexpr char kRole[] = "gibbetryAccessibleRole";

// Consulted before Qt's own widget interfaces, as it is installed after them.
QAccessibleInterface* interfaceWithRole(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRole) : QVariant();
    return role.isValid() ? new QAccessibleWidget(widget, QAccessible::Role(role.toInt()))
                          : nullptr;
}

} // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(interfaceWithRole), true);
    widget->setProperty(kRole, int(role));
}

QLabel* makeNotice(QWidget* parent) {
    auto* notice = new QLabel(parent);
    setAccessibleRole(notice, QAccessible::Notification);
    notice->hide();
    return notice;
}

void announce(QLabel* notice, const QString& text) {
    notice->setAccessibleName(text);
    // Qt 6.4 has no announcement event: a notification that shows anew is spoken at once.
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString counted(int count, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}
