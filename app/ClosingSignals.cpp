#include "app/ClosingSignals.h"

#include "ui/frmMain.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace mirel {

namespace {

constexpr int Endings[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may do next to nothing safely: it writes one byte, which the event loop reads.
// A signal handler reaches nothing but globals, so the pair of sockets is one.
int wakeUp[2] = {-1, -1};

// The window whose settings are saved should the display go away.
frmMain* windowToSave = nullptr;
QtMessageHandler earlierHandler = nullptr;

// Qt's X11 and Wayland platforms end the program at once when their connection to the display
// breaks, saying so first; that message is the last moment the game has to save. It comes
// from the event loop's thread, where the window's state is whole.
void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static bool saving = false;
    if (windowToSave && !saving && type == QtWarningMsg && qApp &&
        QThread::currentThread() == qApp->thread() &&
        (message.startsWith(QLatin1String("The X11 connection broke")) ||
         message.startsWith(QLatin1String("The Wayland connection")))) {
        saving = true;
        if (earlierHandler) earlierHandler(type, context, message);
        windowToSave->SaveSettingsAtEnd();
        windowToSave = nullptr;
        return;
    }
    if (earlierHandler) earlierHandler(type, context, message);
}

void onEndingSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeUp[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

ClosingSignals::ClosingSignals(frmMain& window) : QObject(&window), window(window) {
    connect(
        qApp, &QGuiApplication::commitDataRequest, this,
        [this](QSessionManager&) { this->window.SaveSettings(); }, Qt::DirectConnection);
    windowToSave = &window;
    earlierHandler = qInstallMessageHandler(onMessage);

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeUp) != 0) {
        qWarning("Mirel: cannot watch for the signals that end the program (%s)",
                 std::strerror(errno));
        return;
    }
    notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &ClosingSignals::close);

    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int ending : Endings) {
        struct sigaction before {};
        if (sigaction(ending, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(ending, &action, nullptr);
    }
}

ClosingSignals::~ClosingSignals() {
    windowToSave = nullptr;
    qInstallMessageHandler(earlierHandler);
    if (!notifier) return;
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (const int ending : Endings) {
        struct sigaction now {};
        if (sigaction(ending, nullptr, &now) == 0 && now.sa_handler == onEndingSignal)
            sigaction(ending, &fallback, nullptr);
    }
    ::close(wakeUp[0]);
    ::close(wakeUp[1]);
    wakeUp[0] = wakeUp[1] = -1;
}

void ClosingSignals::close() {
    char bytes[64];
    while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
    }
    // The first signal ends the program; more while it closes change nothing.
    if (closing) return;
    closing = true;
    // The high-score window closes first, keeping what has been typed, as its Ok button would.
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    window.close();
}

} // namespace mirel
