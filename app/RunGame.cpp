#include "app/RunGame.h"

#include "core/RealRandom.h"
#include "core/SteadyTickClock.h"
#include "settings/UserSettingsStore.h"
#include "sound/ModuleSoundPlayer.h"
#include "app/ClosingSignals.h"
#include "ui/GameLanguage.h"
#include "ui/frmMain.h"

#include "Drawing.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

namespace mirel {

namespace {

// Runs `then` once, from the event loop just after the window's first paint, so that the
// paint is on the screen before it.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget& window, std::function<void()> then)
        : QObject(&window), then(std::move(then)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then;
};

} // namespace

void speakDesktopLanguage(QCoreApplication& app, const QStringList& languages) {
    gameLanguage().clear();
    for (const QString& name : languages) {
        const QLocale language(name);
        // English, or no language at all ("C"): the texts as written.
        if (language.language() == QLocale::English || language.language() == QLocale::C) return;
        // Only a language the game has costs a load (the translations are in the program).
        auto* translator = new QTranslator(&app);
        if (translator->load(language, QStringLiteral("mirel"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(translator);
            // The pictures' words too: drawn in the language rather than shown from the
            // compiled-in English.
            art::setWordsTranslated(true);
            gameLanguage() = translator->language();
            return;
        }
        delete translator;
    }
}

int runGame(QApplication& app, const std::function<void(QWidget&)>& beforeShow) {
    speakDesktopLanguage(app, QLocale::system().uiLanguages());
    SteadyTickClock clock;
    RealRandom random;
    ModuleSoundPlayer sound(ModuleSoundPlayer::besideProgram());
    UserSettingsStore store;
    frmMain window(clock, random, sound, store);
    new ClosingSignals(window);
    // The sound module (Qt Multimedia) is loaded only for a player who has sound on: just
    // after the first paint when the Sound switch shows on then (it takes longer to load than
    // the rest of the start-up), or when the player switches sound on, so that it is there
    // before the first sound. A sound that came before it would load it itself. Watchers
    // added by `beforeShow` see the first paint before this does.
    const auto loadIfOn = [&window, &sound] {
        if (window.soundOn()) sound.load();
    };
    new AfterFirstPaint(window, loadIfOn);
    QObject::connect(&window, &frmMain::switched, &window, [loadIfOn](OptionSwitch which) {
        if (which == OptionSwitch::Sound) loadIfOn();
    });
    // So is the window's icon, which only the window manager and the task bar show.
    new AfterFirstPaint(window, [] {
        QIcon icon;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString file = QStringLiteral(":/icon/%1x%1/apps/org.mirel.Mirel.png").arg(size);
            if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
        }
        if (!icon.isNull()) QApplication::setWindowIcon(icon);
    });
    if (beforeShow) beforeShow(window);
    window.show();
    return app.exec();
}

} // namespace mirel
