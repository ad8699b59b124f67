#pragma once

#include <QPushButton>

// One of the 26 letter buttons. Once used it shows how its guess went by more than its shade: a
// stroke through a letter that missed, a bar under one that was found, in a caption colour that
// stays readable against the face as the style draws it.
class LetterButton final : public QPushButton {
    Q_OBJECT
public:
    enum class Guess { None, Found, Missed };

    LetterButton(QChar letter, QRect place, QWidget* parent);
    // Marks the letter as guessed; the mark shows while the button is disabled, until a deal
    // enables it again.
    void markGuess(Guess guess);
    Guess guess() const { return guess_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void keepUsedCaptionReadable();

    Guess guess_ = Guess::None;
};
