#pragma once

#include <QObject>

// While a DroppedInput lives, every key and click goes nowhere, those still waiting in the queue
// when it ends included: what the player typed on meanwhile was meant for something now gone.
class DroppedInput final : public QObject {
public:
    DroppedInput();
    ~DroppedInput() override;
    DroppedInput(const DroppedInput&) = delete;
    DroppedInput& operator=(const DroppedInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
