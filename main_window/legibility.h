#pragma once

#include <QColor>
#include <QList>
#include <QProxyStyle>

class QFont;
class QStyleOptionButton;

// WCAG's contrast ratio of two colours, from 1:1 to 21:1.
double contrastRatio(const QColor& one, const QColor& other);

// A colour that stands out against every one of `neighbours`: `preferred` where it does, otherwise
// its hue made lighter or darker, or black or white, whichever stands out most.
QColor standingOut(const QList<QColor>& neighbours, const QColor& preferred);

// A focus ring's colour, or where no one colour stands out against both a button's face and
// what lies behind it (a grey face on a black board), two bands: the outer against what lies
// behind, the inner against the face.
QList<QColor> ringBands(const QList<QColor>& face, const QColor& behind, const QColor& highlight);

// A used letter's caption and mark: nearer its button's face than the text is, so that it looks
// unavailable, yet at least 3:1 against every shade of the face, light palette or dark.
QColor usedCaptionColour(const QList<QColor>& face, const QColor& text);

// The shades of a button's face as the style draws it for `option`, over `behind`, where a ring
// or a caption lies: many styles draw it lighter or darker than the palette's Button colour.
QList<QColor> drawnFace(const QStyleOptionButton& option, const QWidget* button,
                        const QColor& behind);

// How wide a focus ring, or a used letter's mark, is drawn beside captions in `font`: about a
// sixth of their height, two pixels at least.
int ringWidth(const QFont& font);

// Whether the desktop's colours are of the dark kind: as the desktop says where the Qt the game
// was built with asks it (6.5 on), otherwise, and where it cannot tell, from the text colour.
bool desktopIsDark();

// Every button that has the focus shows a ring on top of what the style draws, in ringBands(), so
// that the focus is plain in any palette.
class FocusRingStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Puts the ring on the application's own style, once.
void useFocusRings();
