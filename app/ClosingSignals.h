#pragma once

#include <QObject>

class QSocketNotifier;

namespace mirel {

class frmMain;

// Ends the game the way its Exit button does when the program is told to end: SIGTERM
// (logout, shutdown, kill), SIGHUP (the terminal closed) and SIGINT (Ctrl+C) close the main
// window - and the high-score window over it - from the event loop, so the settings are saved
// and the program ends with status 0. The desktop session asking programs to save their data
// saves the settings too, and so does the connection to the display breaking (the X server or
// the Wayland compositor gone), just before Qt ends the program. A signal the program was
// started ignoring (nohup) stays ignored.
class ClosingSignals final : public QObject {
public:
    explicit ClosingSignals(frmMain& window);
    ~ClosingSignals() override;

private:
    void close();

    frmMain& window;
    QSocketNotifier* notifier = nullptr;
    bool closing = false;
};

} // namespace mirel
