#pragma once

#include <QString>

// Styles and answers keep the window system's numbering that the game's routines speak.
constexpr int kStyleExclamation = 48;
constexpr int kStyleExclamationRetryCancel = 53;
constexpr int kStyleInformation = 64;

constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerRetry = 4;

// Every message the player sees goes through here, modally. A reason, where given, is not shown:
// a screen reader says it with the box, after the text.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int show(const QString& text, int style, const QString& caption,
                     const QString& reason = {}) = 0;
};

class QtMessageBox final : public MessageBox {
public:
    int show(const QString& text, int style, const QString& caption,
             const QString& reason = {}) override;
};
