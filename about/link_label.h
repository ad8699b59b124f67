#pragma once

#include <QLabel>

// A label that reports a click: a press and a release of the left button on it.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    // A link to a screen reader too, whose press action follows it.
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

public slots:
    // Follows the link as a click does: a screen reader's press action comes here.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
