#include "host/form1.h"

#include "engine/_class1.h"
#include "host/cardsize.h"
#include "host/dialogs/busycursor.h"
#include "host/dialogs/form2.h"
#include "host/dialogs/form4.h"
#include "host/errorreporter.h"
#include "host/filechooser.h"
#include "host/gameplugin.h"
#include "host/installdir.h"
#include "host/settingsfile.h"
#include "host/tablewidget.h"
#include "platform/gdi/gdi.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace halvane {

namespace {

const QString CaptionMiddle = QStringLiteral(" - by Orrelby - ");

std::int32_t colorValue(const QColor& color) {
    return std::int32_t(gdi::RGB(color.red(), color.green(), color.blue()));
}

QString describe(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("an unknown error");
    }
}

} // namespace

Form1::Form1(std::unique_ptr<dorvik::_Class1> engine, ErrorReporter& errors, ColorChooser& colors,
             FileChooser& files, QWidget* parent)
    : QMainWindow(parent), m_engine(std::move(engine)), m_errors(errors), m_colors(colors),
      m_files(files) {
    if (!m_engine)
        throw std::invalid_argument("Form1 needs an engine object");
    m_table = new TableWidget(*this, this);
    setCentralWidget(m_table);
    buildMenus();
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
    const com::Boolean ready =
        m_engine->InitializeDeck(hDC(), com::Variant::fromString(m_settings.CurrentDeckFile));
    if (ready == com::False)
        throw std::runtime_error(
            QStringLiteral("InitializeDeck could not create the drawing surfaces for the deck "
                           "\"%1\"")
                .arg(m_settings.CurrentDeckFile)
                .toStdString());
    m_deckReady = true;
    m_engine->SetCardBack(m_cardBack);
    // Card corners carry the table's colour from the first deal on.
    m_engine->SetBackground(colorValue(m_backColor));

    m_game->InitializeGame();
    clearWindow();
    m_firstPaint = true;
    m_loaded = true;
}

int Form1::startUp() {
    try {
        Form_Load();
    } catch (...) {
        const QString message =
            QStringLiteral("Halvane could not start: %1").arg(describe(std::current_exception()));
        reportError(message);
        return 1;
    }
    coverScreen();
    showMaximized();
    // Without a window manager nobody else gives the table the keyboard (F2, Ctrl+...).
    activateWindow();
    return 0;
}

void Form1::Form_Unload() {
    if (!m_loaded || m_unloaded)
        return;
    m_unloaded = true;
    int status = 0;
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
    LoadSettings(InstallDir::settingsFile(m_settings.InstallDir), m_settings, m_cardBack);
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
    } catch (...) {
        // A message box must not open inside a paint event; the user is told once the
        // paint is over, and paints failing meanwhile add no further boxes.
        const QString message = QStringLiteral("Failed while painting the table: %1")
                                    .arg(describe(std::current_exception()));
        if (m_paintReportPending)
            return;
        m_paintReportPending = true;
        QMetaObject::invokeMethod(
            this,
            [this, message] {
                m_paintReportPending = false;
                reportError(message);
            },
            Qt::QueuedConnection);
    }
}

void Form1::Form_Resize() {
    Form_Paint();
}

void Form1::clearWindow() {
    m_table->clear(m_backColor);
}

void Form1::updateCaption() {
    setWindowTitle(m_settings.CurrentGameName + CaptionMiddle + m_settings.WebSite);
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
}

// --- Failures ------------------------------------------------------------------------------

bool Form1::guarded(const QString& what, const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        reportError(
            QStringLiteral("Failed while %1: %2").arg(what, describe(std::current_exception())));
        return false;
    }
}

void Form1::reportError(const QString& message) {
    std::fprintf(stderr, "halvane: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    // A failure inside the message box's own event loop (a paint, say) goes to standard
    // error only, so that one fault cannot stack up boxes.
    if (m_reporting)
        return;
    m_reporting = true;
    m_errors.showError(this, message);
    m_reporting = false;
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
    BusyCursor busy(this);
    // The game deals onto a bare table; its drawing keeps the engine's copy current.
    forward(QStringLiteral("dealing"), [this](GamePlugin& game) {
        clearWindow();
        game.mnuDeal_Click(hDC());
    });
}

void Form1::mnuSettings_Click() {
    BusyCursor busy(this);
    forward(QStringLiteral("opening the game's settings"), [this](GamePlugin& game) {
        m_engine->TakeScreenShot(hDC());
        game.mnuSettings_Click(hDC());
    });
}

void Form1::mnuInstructions_Click() {
    BusyCursor busy(this);
    forward(QStringLiteral("opening the instructions"), [this](GamePlugin& game) {
        m_engine->TakeScreenShot(hDC());
        game.mnuInstructions_Click(hDC());
    });
}

void Form1::mnuExit_Click() {
    BusyCursor busy(this);
    Form_Unload();
    close();
}

void Form1::mnuDeck_Click() {
    BusyCursor busy(this);
    guarded(QStringLiteral("opening the deck chooser"), [this] {
        // What the table shows now is what comes back when the chooser goes away.
        m_engine->TakeScreenShot(hDC());
        openDeckChooser();
    });
}

void Form1::mnuGame_Click() {
    BusyCursor busy(this);
    guarded(QStringLiteral("opening the game chooser"), [this] {
        m_engine->TakeScreenShot(hDC());
        openGameChooser();
    });
}

void Form1::mnuBackground_Click() {
    BusyCursor busy(this);
    guarded(QStringLiteral("changing the background"), [this] {
        // A cancelled chooser hands back the colour it was opened on, which is applied
        // again like a new one.
        const QColor chosen = m_colors.chooseColor(this, m_backColor);
        if (chosen.isValid())
            m_backColor = chosen;
        m_engine->SetBackground(colorValue(m_backColor));
        // As the window system would: erase in the new colour, then restore the table.
        clearWindow();
        Form_Paint();
        m_table->presentChanges();
    });
}

void Form1::openDeckChooser() {
    if (!m_deckChooser)
        m_deckChooser = new Form2(*this, m_files, this);
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
    const QSize table = gdi::GetSurfaceSize(hDC());
    const bool redrawn =
        m_game && m_loaded &&
        m_game->RefreshTable(hDC(), std::int16_t(table.width()), std::int16_t(table.height()));
    // Without the game's help the table stays bare until the next deal.
    if (!redrawn)
        m_engine->TakeScreenShot(hDC());
    m_table->presentChanges();
}

// --- Switching games -----------------------------------------------------------------------

void Form1::startGame(const QString& name, const QString& plugin) {
    // The running game stays until its successor exists and has set itself up.
    auto next = std::make_unique<GamePlugin>(plugin);
    next->InitializeGame();
    m_settings.CurrentGameName = name;
    m_settings.CurrentGamePlugin = plugin;
    m_game = std::move(next);
    updateCaption();
    m_table->presentChanges();
}

} // namespace halvane
