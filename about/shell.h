#pragma once

#include <QUrl>

// Hands an address to the desktop (the browser, the mail program). Whether that worked is not
// the game's business: nothing is reported back.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QUrl& address) = 0;
};

class DesktopShell final : public Shell {
public:
    void open(const QUrl& address) override;
};
