#pragma once

#include <QLabel>
#include <QString>

// One letter position of the word. Tag holds the hidden character, Caption what the slot
// shows. An ampersand in the caption marks the next character as underlined, so "& " shows
// as an underlined blank: the mark of a letter still to be guessed. A screen reader hears "blank"
// for it and the letter once found; a spare slot, or one between games, says nothing, so that
// the row reads as the word.
class LetterSlot final : public QLabel {
    Q_OBJECT
public:
    explicit LetterSlot(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QString tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // What the caption shows once its ampersands are taken as marks, and which character of
    // that is underlined (-1 for none).
    struct Shown {
        QString text;
        qsizetype underlined = -1;
    };
    static Shown shown(const QString& caption);

    // The slot's caption as a screen reader says it.
    static QString spoken(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QString tag_;
};
