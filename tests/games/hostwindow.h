#pragma once
// The real table window for the plug-in tests: a table folder (HALVANE_HOME) holding the
// test deck and a solitaire.ini that chooses it and one game (Klondike unless told
// otherwise), and Form1 on the real engine opened there as the program opens it. What the window
// would tell the user is recorded; the colour chooser answers the test bed's table colour; no file
// is chosen.

#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/form1.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

namespace halvane::klondike::test {

class HostWindow {
public:
    // A game as solitaire.ini lists it: the name shown, the plug-in's name.
    struct GameEntry {
        QString name;
        QString plugin;
    };

    // Writes the table folder with `sheet` as its deck and `game` as the only and current
    // game; `gameSettings` go to the game's settings file there. Throws
    // std::runtime_error when the folder cannot be written.
    explicit HostWindow(const QImage& sheet, const QVariantMap& gameSettings = {},
                        const GameEntry& game = {"Klondike", "Klondike"});
    ~HostWindow();

    // A new window on the folder: started, shown, its first paint and the table refresh
    // that follows it done, frames presented without pause. Throws std::runtime_error
    // when it does not start or never paints.
    std::unique_ptr<Form1> open();

    const QStringList& messages() const { return m_reporter.messages; }

    // What `form` shows of the table, the engine's screen extent from its top left (the
    // window may be larger than the screen the engine was given).
    static QImage picture(const Form1& form);

private:
    struct Reporter : ErrorReporter {
        QStringList messages;
        void showError(QWidget*, const QString& summary, const QString& detail) override {
            messages << summary + "\n" + detail;
        }
    };
    struct TableColour : ColorChooser {
        QColor chooseColor(QWidget*, const QColor&) override;
    };
    struct NoFiles : FileChooser {
        QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    };

    QTemporaryDir m_home;
    Reporter m_reporter;
    TableColour m_colours;
    NoFiles m_files;
};

} // namespace halvane::klondike::test
