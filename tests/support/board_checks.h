#pragma once

#include <QString>
#include <QStringList>

class frmMain;
class ListView;

// Each says how the board differs from the named state; empty when it matches.

// Where the stop routine leaves it.
QString noGameStateDifference(const frmMain& window);
// The board as built, before any routine touched it (what a first run shows).
QString designBoardDifference(const frmMain& window);

// The words of a list, in its order.
QStringList listRows(const ListView& list);

// What the twelve slots show, and what they hide.
QStringList slotCaptions(const frmMain& window);
QStringList slotTags(const frmMain& window);

// Which pieces of the drawing are shown, in the order a game reveals them ("111000000000").
QString shownPieces(const frmMain& window);
