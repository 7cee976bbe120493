#include "host/form1.h"

#include "engine/_class1.h"
#include "host/cardsize.h"
#include "host/dialogs/busycursor.h"
#include "host/dialogs/failurereport.h"
#include "host/dialogs/focusreturn.h"
#include "host/dialogs/form2.h"
#include "host/dialogs/form4.h"
#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/gameplugin.h"
#include "host/installdir.h"
#include "host/mousecodes.h"
#include "host/settingsfile.h"
#include "host/tablewidget.h"
#include "host/windowtext.h"
#include "platform/gdi/gdi.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <utility>

namespace halvane {

namespace {

const QString CaptionMiddle = QStringLiteral(" - by Orrelby - ");
// The deck shipped with the table, which stands in for a deck picture that is gone.
const QString StandardDeck = QStringLiteral("Standard.bmp");

std::int32_t colorValue(const QColor& color) {
    return std::int32_t(gdi::RGB(color.red(), color.green(), color.blue()));
}

} // namespace

Form1::Form1(std::unique_ptr<dorvik::_Class1> engine, ErrorReporter& errors, ColorChooser& colors,
             FileChooser& files, QWidget* parent)
    : QMainWindow(parent), m_engine(std::move(engine)), m_errors(errors), m_colors(colors),
      m_files(files) {
    if (!m_engine)
        throw std::invalid_argument("Form1 needs an engine object");
    // The scale the stored card size gives, before the table's surface is made: made at
    // another scale, a screen-sized surface would be made twice on the way to the table.
    gdi::SetTableScale(cardsize::storedTableScale(InstallDir::path()));
    m_table = new TableWidget(*this, this);
    setCentralWidget(m_table);
    setFocusProxy(m_table); // giving the window the focus gives it to the table
    buildMenus();
    buildGameExtras();
    m_statusText = new QLabel(this);
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->hide();
    m_statusTimer = new QTimer(this);
    m_statusTimer->setInterval(1000); // the game's clock moves on without events
    connect(m_statusTimer, &QTimer::timeout, this, &Form1::updateStatus);
    buildCardSizeMenu();
}

Form1::~Form1() {
    // The choosers work on this window's settings and engine: they go first.
    delete m_deckChooser.data();
    delete m_gameChooser.data();
}

std::int32_t Form1::hDC() const {
    return m_table->hDC();
}

// --- Start-up and shut-down --------------------------------------------------------------

void Form1::Form_Load() {
    coverScreen();
    loadSettings();
    applyCardSize(cardsize::load(m_settings.InstallDir));
    // The file may hold any number; only backs 1 to 8 exist on the deck picture.
    if (m_cardBack < 1 || m_cardBack > 8)
        m_cardBack = 1;

    m_game = std::make_unique<GamePlugin>(m_settings.CurrentGamePlugin);
    updateCaption();

    m_engine->SetCurrentDirectory(m_settings.InstallDir);
    initializeDeck();
    m_deckReady = true;
    m_engine->SetCardBack(m_cardBack);
    // Card corners carry the table's colour from the first deal on.
    m_engine->SetBackground(colorValue(m_backColor));

    m_game->SetInstallDir(m_settings.InstallDir);
    m_game->InitializeGame();
    adaptToGame();
    clearWindow();
    m_firstPaint = true;
    m_loaded = true;
}

int Form1::startUp() {
    try {
        Form_Load();
    } catch (...) {
        report(FailureReport::of(QStringLiteral("Halvane could not start."),
                                 std::current_exception()));
        return 1;
    }
    coverScreen();
    showMaximized();
    // Without a window manager nobody else gives the table the keyboard (F2, Ctrl+...).
    activateWindow();
    if (m_deckNotice)
        report(*std::exchange(m_deckNotice, std::nullopt));
    return 0;
}

void Form1::initializeDeck() {
    const auto initialize = [this](const QString& file) {
        if (m_engine->InitializeDeck(hDC(), com::Variant::fromString(file)) == com::False)
            throw std::runtime_error(QStringLiteral("InitializeDeck could not create the drawing "
                                                    "surfaces for the deck \"%1\"")
                                         .arg(file)
                                         .toStdString());
    };
    const QString wanted = m_settings.CurrentDeckFile;
    std::exception_ptr failure;
    try {
        initialize(wanted);
        return;
    } catch (...) {
        if (wanted == StandardDeck)
            throw;
        failure = std::current_exception();
    }
    // A deck picture deleted or broken since the last run must not keep the table from
    // starting: the standard deck stands in, and the user is told which one is gone.
    try {
        initialize(StandardDeck);
    } catch (const std::exception& error) {
        throw std::runtime_error(QStringLiteral("the deck picture %1 cannot be used, nor the "
                                                "standard deck %2 (%3)")
                                     .arg(wanted, StandardDeck, QString::fromUtf8(error.what()))
                                     .toStdString());
    }
    m_settings.CurrentDeckFile = StandardDeck;
    m_deckNotice = FailureReport::of(QStringLiteral("The deck picture %1 is missing or cannot be "
                                                    "used, so the table uses the standard deck.")
                                         .arg(wanted),
                                     failure);
}

void Form1::Form_Unload() {
    if (!m_loaded || m_unloaded)
        return;
    m_unloaded = true;
    int status = 0;
    m_statusTimer->stop();
    // The game in progress is kept while the deck is still loaded.
    guarded(QStringLiteral("saving the game"), [this] { m_game->SaveGame(); });
    // The settings are written whatever happened to the engine's surfaces.
    guarded(QStringLiteral("releasing the deck"), [this] {
        m_deckReady = false;
        m_engine->UnloadDeck();
    });
    if (!guarded(QStringLiteral("saving the settings"), [this] { saveSettings(); }))
        status = 1;
    m_exitStatus = status;
    QCoreApplication::exit(status);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing cannot be refused.
    Form_Unload();
    event->accept();
}

void Form1::coverScreen() {
    // Without a window manager maximising is ignored, so the window takes the screen's
    // geometry itself.
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr)
        setGeometry(screen->geometry());
}

void Form1::loadSettings() {
    m_settings.InstallDir = InstallDir::path();
    LoadSettings(InstallDir::settingsFile(m_settings.InstallDir), m_settings, m_cardBack,
                 SettingsUse::StartUp);
}

void Form1::saveSettings() {
    SaveSettings(InstallDir::settingsFile(m_settings.InstallDir), m_settings, m_cardBack);
}

// --- Painting ------------------------------------------------------------------------------

void Form1::Form_Paint() {
    try {
        // Before InitializeDeck (and after UnloadDeck) the engine has no table copy:
        // restoring would put whatever an old copy held on the window.
        if (!m_deckReady)
            return;
        if (m_firstPaint) {
            clearWindow();
            m_engine->TakeScreenShot(hDC());
            m_firstPaint = false;
        } else {
            m_engine->ReDraw(hDC());
        }
        // A resumed game or a fresh deal shows from the first paint the window system asks
        // for, not from the resizes before it: a window manager may still give the shown
        // window another size, and the game would deal twice.
        if (!m_resizing && !m_shown) {
            m_shown = true;
            scheduleRefresh();
        }
    } catch (...) {
        // A message box must not open inside a paint event; the user is told once the
        // paint is over, and paints failing meanwhile add no further boxes.
        const FailureReport failure = FailureReport::of(
            QStringLiteral("The table could not be drawn."), std::current_exception());
        if (m_paintReportPending)
            return;
        m_paintReportPending = true;
        QMetaObject::invokeMethod(
            this,
            [this, failure] {
                m_paintReportPending = false;
                report(failure);
            },
            Qt::QueuedConnection);
    }
}

void Form1::Form_Resize() {
    m_resizing = true;
    Form_Paint();
    m_resizing = false;
    if (m_shown)
        scheduleRefresh(); // the game lays out for the new client area
}

void Form1::clearWindow() {
    m_table->clear(m_backColor);
}

void Form1::updateCaption() {
    setWindowTitle(
        WindowText::cut(m_settings.CurrentGameName + CaptionMiddle + m_settings.WebSite));
}

// --- The mouse -----------------------------------------------------------------------------

void Form1::Form_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    forward(QStringLiteral("pressing a mouse button"),
            [&](GamePlugin& game) { game.Form_MouseDown(hDC(), Button, Shift, X, Y); });
}

void Form1::Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    forward(QStringLiteral("moving the mouse"),
            [&](GamePlugin& game) { game.Form_MouseMove(hDC(), Button, Shift, X, Y); });
}

void Form1::Form_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
    forward(QStringLiteral("releasing a mouse button"),
            [&](GamePlugin& game) { game.Form_MouseUp(hDC(), Button, Shift, X, Y); });
}

void Form1::Form_DblClick() {
    forward(QStringLiteral("double-clicking"),
            [&](GamePlugin& game) { game.Form_DblClick(hDC()); });
}

void Form1::forward(const QString& what, const std::function<void(GamePlugin&)>& call) {
    // Events that arrive before start-up has finished or after shut-down reach no game.
    if (!m_game || !m_loaded || m_unloaded)
        return;
    guarded(what, [&] { call(*m_game); });
    m_table->presentChanges();
    updateStatus();
}

// --- Failures ------------------------------------------------------------------------------

bool Form1::guarded(const QString& what, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        report(FailureReport::of(
            QStringLiteral("Something went wrong while %1; the table goes on.").arg(what),
            std::current_exception()));
        return false;
    }
}

void Form1::report(const FailureReport& failure) {
    reportError(failure.summary, failure.detail);
}

void Form1::reportError(const QString& summary, const QString& detail) {
    const QString text = FailureReport{summary, detail}.text();
    std::fprintf(stderr, "halvane: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    // A failure inside the message box's own event loop (a paint, say) goes to standard
    // error only, so that one fault cannot stack up boxes.
    if (m_reporting)
        return;
    m_reporting = true;
    const QPointer<QWidget> active = QApplication::activeWindow();
    m_errors.showError(this, summary, detail);
    m_reporting = false;
    // The keyboard goes back to the window that was active (a chooser), else the table.
    if (isVisible())
        returnFocus(active ? active.data() : this);
}

// --- Menus ---------------------------------------------------------------------------------

void Form1::buildMenus() {
    struct Entry {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (Form1::*handler)();
    };
    const auto addMenu = [this](const char* name, const char* caption,
                                std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromUtf8(name));
        for (const Entry& entry : entries) {
            if (entry.handler == nullptr) {
                menu->addSeparator()->setObjectName(QString::fromUtf8(entry.name));
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
            action->setObjectName(QString::fromUtf8(entry.name));
            action->setShortcut(entry.shortcut);
            // Shortcuts work while a modeless chooser is the active window too.
            action->setShortcutContext(Qt::ApplicationShortcut);
            connect(action, &QAction::triggered, this, entry.handler);
        }
    };
    addMenu("mnuGameSelection", "&Game",
            {{"mnuDeal", "&Deal          ", QKeySequence(Qt::Key_F2), &Form1::mnuDeal_Click},
             {"mnuline3", "-", {}, nullptr},
             {"mnuSettings", "&Settings", QKeySequence(Qt::CTRL | Qt::Key_S),
              &Form1::mnuSettings_Click},
             {"mnuLine2", "-", {}, nullptr},
             {"mnuExit", "E&xit", {}, &Form1::mnuExit_Click}});
    addMenu("mnuOptions", "&Options",
            {{"mnuGame", "&Game", QKeySequence(Qt::CTRL | Qt::Key_G), &Form1::mnuGame_Click},
             {"mnuDeck", "&Deck", QKeySequence(Qt::CTRL | Qt::Key_D), &Form1::mnuDeck_Click},
             {"mnuBackground", "&Background", QKeySequence(Qt::CTRL | Qt::Key_B),
              &Form1::mnuBackground_Click}});
    addMenu("mnuHelp", "&Help",
            {{"MnuInstructions", "Instructions", QKeySequence(Qt::CTRL | Qt::Key_I),
              &Form1::mnuInstructions_Click}});
}

QAction* Form1::menuAction(const QString& name) const {
    for (QAction* action : menuBar()->findChildren<QAction*>(name))
        return action;
    return nullptr;
}

void Form1::mnuDeal_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    // The game deals onto a bare table; its drawing keeps the engine's copy current.
    forward(QStringLiteral("dealing"), [this](GamePlugin& game) {
        clearWindow();
        game.mnuDeal_Click(hDC());
    });
}

void Form1::mnuSettings_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    forward(QStringLiteral("opening the game's settings"), [this](GamePlugin& game) {
        m_engine->TakeScreenShot(hDC());
        game.mnuSettings_Click(hDC());
    });
    returnFocus(this);
}

void Form1::mnuInstructions_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    forward(QStringLiteral("opening the instructions"), [this](GamePlugin& game) {
        m_engine->TakeScreenShot(hDC());
        game.mnuInstructions_Click(hDC());
    });
    returnFocus(this);
}

void Form1::mnuExit_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    Form_Unload();
    close();
}

void Form1::mnuDeck_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    guarded(QStringLiteral("opening the deck chooser"), [this] {
        // What the table shows now is what comes back when the chooser goes away.
        m_engine->TakeScreenShot(hDC());
        openDeckChooser();
    });
}

void Form1::mnuGame_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    guarded(QStringLiteral("opening the game chooser"), [this] {
        m_engine->TakeScreenShot(hDC());
        openGameChooser();
    });
}

void Form1::mnuBackground_Click() {
    endDragBeforeCommand();
    BusyCursor busy(this);
    guarded(QStringLiteral("changing the background"), [this] {
        // A cancelled chooser hands back the colour it was opened on, which is applied
        // again like a new one.
        const QColor chosen = m_colors.chooseColor(this, m_backColor);
        returnFocus(this);
        if (chosen.isValid())
            m_backColor = chosen;
        m_engine->SetBackground(colorValue(m_backColor));
        // As the window system would: erase in the new colour, then restore the table.
        clearWindow();
        Form_Paint();
        m_table->presentChanges();
    });
    refreshTable();
}

void Form1::endDragBeforeCommand() {
    // A snapshot taken now would hold the card under the pointer, and a chooser over the
    // table would leave it floating: the drop comes first, so that an illegal one slides
    // home.
    m_table->releaseHeldButtons();
}

void Form1::openDeckChooser() {
    if (!m_deckChooser) {
        m_deckChooser = new Form2(*this, m_files, this);
        // The table gets the chosen deck and back only once the previews are over.
        connect(m_deckChooser, &QDialog::finished, this, &Form1::refreshTable);
        connect(m_deckChooser, &Form2::backChooserClosed, this, &Form1::refreshTable);
    }
    m_deckChooser->open();
}

void Form1::openGameChooser() {
    if (!m_gameChooser)
        m_gameChooser = new Form4(*this, m_files, this);
    m_gameChooser->open();
}

// --- Card size -----------------------------------------------------------------------------

void Form1::buildCardSizeMenu() {
    QMenu* options = menuBar()->findChild<QMenu*>(QStringLiteral("mnuOptions"));
    if (options == nullptr)
        return;
    QMenu* sizes = options->addMenu(QStringLiteral("Card si&ze"));
    sizes->setObjectName(QStringLiteral("mnuCardSize"));
    sizes->menuAction()->setShortcutContext(Qt::ApplicationShortcut); // as every entry
    auto* group = new QActionGroup(sizes);
    const std::pair<int, const char*> choices[] = {
        {cardsize::kAutomatic, "&Automatic"}, {1, "&1x"}, {2, "&2x"}, {3, "&3x"}};
    for (const auto& [choice, caption] : choices) {
        QAction* action = sizes->addAction(QString::fromUtf8(caption));
        action->setObjectName(QStringLiteral("mnuCardSize%1").arg(choice));
        action->setCheckable(true);
        action->setData(choice);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice = choice] {
            BusyCursor busy(this);
            guarded(QStringLiteral("changing the card size"), [&] {
                cardsize::save(m_settings.InstallDir, choice);
                applyCardSize(choice);
            });
        });
    }
}

void Form1::applyCardSize(int choice) {
    m_cardSize = choice;
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        if (action->objectName().startsWith(QStringLiteral("mnuCardSize")) && action->isCheckable())
            action->setChecked(action->data().toInt() == choice);
    }
    const int scale = cardsize::tableScale(choice, gdi::ScreenDevicePixels());
    if (scale == gdi::TableScale() && scale == m_table->tableScale())
        return;
    gdi::SetTableScale(scale);
    m_table->setTableScale(scale);
    if (m_deckReady)
        rebuildTable();
}

void Form1::rebuildTable() {
    m_deckReady = false;
    if (m_engine->SetGraphics(hDC(), m_engine->GetCurrentDeck()) == com::False)
        throw std::runtime_error("SetGraphics could not create the drawing surfaces");
    m_deckReady = true;
    clearWindow();
    // Without the game's help the table stays bare until the next deal.
    m_engine->TakeScreenShot(hDC());
    refreshTable();
    m_table->presentChanges();
}

// --- Switching games -----------------------------------------------------------------------

void Form1::startGame(const QString& name, const QString& plugin) {
    // Saved first: a new object of the same game resumes from what is saved.
    if (m_game) {
        m_game->SaveGame();
    }
    // The running game stays until its successor exists and has set itself up.
    auto next = std::make_unique<GamePlugin>(plugin);
    next->SetInstallDir(m_settings.InstallDir);
    next->InitializeGame();
    m_settings.CurrentGameName = name;
    m_settings.CurrentGamePlugin = plugin;
    m_game = std::move(next);
    updateCaption();
    adaptToGame();
    m_table->presentChanges();
    // A game that can redraw its table shows it now rather than at its first deal.
    refreshTable();
    updateStatus();
}

// --- Optional game operations ----------------------------------------------------------

void Form1::buildGameExtras() {
    struct Extra {
        const char* name; // + "_Click": the game's operation
        const char* caption;
        QList<QKeySequence> shortcuts;
        const char* before; // the fixed entry it goes in front of
        const char* what;
    };
    const Extra extras[] = {
        {"mnuRestart", "R&estart", {}, "mnuline3", "restarting the deal"},
        {"mnuDealNumber", "Deal &number...", {}, "mnuline3", "choosing a deal number"},
        {"mnuUndo", "&Undo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}, "mnuSettings", "undoing"},
        {"mnuRedo",
         "&Redo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         "mnuSettings",
         "redoing"},
        {"mnuHint", "&Hint", {QKeySequence(Qt::Key_H)}, "mnuSettings", "looking for a hint"},
        {nullptr, "-", {}, "mnuSettings", nullptr},
        {"mnuStatistics", "S&tatistics", {}, "mnuSettings", "showing the statistics"},
    };
    QMenu* menu = menuBar()->findChild<QMenu*>(QStringLiteral("mnuGameSelection"));
    for (const Extra& extra : extras) {
        QAction* before = menuAction(QString::fromLatin1(extra.before));
        if (extra.name == nullptr) {
            menu->insertSeparator(before);
            continue;
        }
        auto* action = new QAction(QString::fromUtf8(extra.caption), menu);
        action->setObjectName(QString::fromLatin1(extra.name));
        action->setShortcuts(extra.shortcuts);
        // Unlike the fixed entries, these act on the table window only: H or Ctrl+Z typed
        // into a dialog's text field belong to that field.
        action->setShortcutContext(Qt::WindowShortcut);
        action->setEnabled(false);
        const QByteArray operation = QByteArray(extra.name) + "_Click";
        const QString what = QString::fromUtf8(extra.what);
        connect(action, &QAction::triggered, this,
                [this, operation, what] { runGameExtra(operation.constData(), what); });
        menu->insertAction(before, action);
        m_gameExtras.append(action);
    }
}

void Form1::runGameExtra(const char* operation, const QString& what) {
    BusyCursor busy(this);
    bool refresh = false;
    forward(what, [&](GamePlugin& game) {
        // As for Settings: whatever the game opens over the table, the table comes back.
        m_engine->TakeScreenShot(hDC());
        refresh = game.callMenuOperation(operation, hDC());
    });
    if (refresh) {
        refreshTable();
    }
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!m_game || !m_game->offers("Form_KeyDown")) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    bool refresh = false;
    forward(QStringLiteral("pressing a key"), [&](GamePlugin& game) {
        refresh = game.Form_KeyDown(hDC(), event->key(), MouseCodes::shift(event->modifiers()));
    });
    if (refresh) {
        refreshTable();
    }
}

void Form1::refreshTable() {
    m_refreshQueued = false;
    if (!m_game || m_firstPaint || !m_game->offers("RefreshTable")) {
        return;
    }
    if (m_deckChooser && m_deckChooser->isVisible()) {
        return;
    }
    const auto pixels = [](int extent) { return std::int16_t(std::clamp(extent, 0, 32767)); };
    const QSize table = m_table->tableSize();
    forward(QStringLiteral("redrawing the table"), [&](GamePlugin& game) {
        clearWindow();
        game.RefreshTable(hDC(), pixels(table.width()), pixels(table.height()));
    });
}

void Form1::scheduleRefresh() {
    if (m_refreshQueued) {
        return;
    }
    m_refreshQueued = true;
    // Not inside the paint or resize that asks: the game animates and may tell of failures.
    QTimer::singleShot(0, this, [this] {
        if (m_refreshQueued) {
            refreshTable();
        }
    });
}

void Form1::adaptToGame() {
    for (QAction* entry : m_gameExtras) {
        entry->setEnabled(m_game->offers((entry->objectName() + "_Click").toLatin1().constData()));
    }
    const bool hasStatus = m_game->offers("StatusText");
    m_statusText->clear();
    statusBar()->setVisible(hasStatus);
    if (hasStatus) {
        m_statusTimer->start();
    } else {
        m_statusTimer->stop();
    }
}

void Form1::updateStatus() {
    // The timer runs while the current game has a status that can be read.
    if (!m_statusTimer->isActive() || !m_game) {
        return;
    }
    std::optional<QString> text;
    if (!guarded(QStringLiteral("reading the game's status"),
                 [&] { text = m_game->StatusText(); })) {
        // Told once: asked this often, a broken status would bury the table in messages.
        m_statusTimer->stop();
        m_statusText->clear();
        return;
    }
    m_statusText->setText(text.value_or(QString()));
}

} // namespace halvane
