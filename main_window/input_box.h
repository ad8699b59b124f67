#pragma once

#include <QPoint>
#include <QString>

// A modal one-line prompt. Cancel, closing the box and an empty field all answer "".
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString ask(const QString& prompt, const QString& caption, const QString& defaultText,
                        QPoint topLeftTwips) = 0;
};

class QtInputBox final : public InputBox {
public:
    QString ask(const QString& prompt, const QString& caption, const QString& defaultText,
                QPoint topLeftTwips) override;
};
