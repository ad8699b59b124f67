#include "board_checks.h"

#include "main_window/frm_main.h"
#include "main_window/letter_slot.h"
#include "main_window/list_view.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QString menuDifference(const frmMain& window) {
    if (window.mnuStopGame->isEnabled())
        return QStringLiteral("Stop Game is enabled");
    if (!window.mnuStartGame->isEnabled())
        return QStringLiteral("New Game is disabled");
    return {};
}

QString buttonsDifference(const frmMain& window, bool enabled) {
    for (const QPushButton* button : window.cmdLetter) {
        if (button->isEnabled() != enabled)
            return QStringLiteral("letter %1 enabled is %2").arg(button->text()).arg(!enabled);
    }
    return {};
}

} // namespace

QString shownPieces(const frmMain& window) {
    QString shown;
    for (const QLabel* piece : window.figure())
        shown += piece->isHidden() ? u'0' : u'1';
    return shown;
}

QString noGameStateDifference(const frmMain& window) {
    if (QString menus = menuDifference(window); !menus.isEmpty())
        return menus;
    if (shownPieces(window) != QStringLiteral("000000000000"))
        return QStringLiteral("pieces shown: ") + shownPieces(window);
    if (QString buttons = buttonsDifference(window, false); !buttons.isEmpty())
        return buttons;
    for (int i = 0; i < 12; ++i) {
        const LetterSlot* slot = window.lblLetter[i];
        if (slot->caption() != QStringLiteral(" ") || slot->tag() != QStringLiteral("-"))
            return QStringLiteral("slot %1 is '%2'/'%3'").arg(i).arg(slot->caption(), slot->tag());
    }
    if (window.Timer1->isActive())
        return QStringLiteral("the timer runs");
    return {};
}

QString designBoardDifference(const frmMain& window) {
    if (QString menus = menuDifference(window); !menus.isEmpty())
        return menus;
    if (shownPieces(window) != QStringLiteral("111111111111"))
        return QStringLiteral("pieces shown: ") + shownPieces(window);
    if (QString buttons = buttonsDifference(window, true); !buttons.isEmpty())
        return buttons;
    for (int i = 0; i < 12; ++i) {
        const LetterSlot* slot = window.lblLetter[i];
        const QString caption = i == 6 ? QString() : QStringLiteral("A");
        if (slot->caption() != caption || !slot->tag().isEmpty())
            return QStringLiteral("slot %1 is '%2'/'%3'").arg(i).arg(slot->caption(), slot->tag());
    }
    if (!window.Timer1->isActive() || window.Timer1->interval() != 1000)
        return QStringLiteral("the timer is not running once a second");
    return {};
}

QStringList slotCaptions(const frmMain& window) {
    QStringList captions;
    for (const LetterSlot* slot : window.lblLetter)
        captions.append(slot->caption());
    return captions;
}

QStringList slotTags(const frmMain& window) {
    QStringList tags;
    for (const LetterSlot* slot : window.lblLetter)
        tags.append(slot->tag());
    return tags;
}

QStringList listRows(const ListView& list) {
    QStringList rows;
    for (int k = 1; k <= list.count(); ++k)
        rows.append(list.text(k));
    return rows;
}
