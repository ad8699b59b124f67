#pragma once

#include <QColor>
#include <QProxyStyle>

// WCAG's contrast ratio of two colours, from 1:1 to 21:1.
double contrastRatio(const QColor& one, const QColor& other);

// The colour of a focus ring that stands out against both the button's face and what lies
// behind the button: the palette's highlight where it does, otherwise black, white or a grey
// between the two sides, whichever stands out most.
QColor focusRingColour(const QColor& face, const QColor& behind, const QColor& highlight);

// A used letter's caption: nearer its button's face than the text is, so that it looks
// unavailable, yet at least 3:1 against the face, light palette or dark.
QColor usedCaptionColour(const QColor& face, const QColor& text);

// Whether the desktop's colours are of the dark kind: as the desktop says where the Qt the game
// was built with asks it (6.5 on), otherwise, and where it cannot tell, from the text colour.
bool desktopIsDark();

// Every button that has the focus shows a ring two pixels wide in focusRingColour(), on top of
// what the style draws, so that the focus is plain in any palette.
class FocusRingStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    static constexpr int kRingWidth = 2;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// Puts the ring on the application's own style, once.
void useFocusRings();
