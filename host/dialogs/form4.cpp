#include "host/dialogs/form4.h"

#include "host/dialogs/busycursor.h"
#include "host/dialogs/commandbutton.h"
#include "host/dialogs/descriptionfile.h"
#include "host/dialogs/entrylist.h"
#include "host/dialogs/focusreturn.h"
#include "host/dialogs/guarded.h"
#include "host/dialogs/twips.h"
#include "host/filechooser.h"
#include "host/tablehost.h"

#include <QDir>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace halvane {

Form4::Form4(TableHost& host, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_host(host), m_files(files) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Select Game"));
    setModal(false);
    setFixedSize(twipsToPixels(QSize(4680, 3195)));

    m_list1 = new EntryList(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsToPixels(QRect(240, 120, 2655, 2400)));
    m_command1 =
        makeCommandButton(this, "Command1", QStringLiteral("&Add"), {360, 2640, 1215, 495});
    m_command2 =
        makeCommandButton(this, "Command2", QStringLiteral("&Remove"), {1560, 2640, 1215, 495});
    m_command3 = makeCommandButton(this, "Command3", QStringLiteral("&OK"), {3240, 720, 1215, 495});
    m_command4 =
        makeCommandButton(this, "Command4", QStringLiteral("&Cancel"), {3240, 1560, 1215, 495});
    setTabOrder(m_list1, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command3);
    setTabOrder(m_command3, m_command4);

    const auto on = [this](const char* what, void (Form4::*handler)()) {
        return [this, what, handler] {
            guarded(m_host, QString::fromLatin1(what), [this, handler] { (this->*handler)(); });
        };
    };
    connect(m_list1, &QListWidget::itemSelectionChanged, this,
            on("Select Game", &Form4::List1_Click));
    connect(m_command1, &QPushButton::clicked, this, on("Add a game", &Form4::Command1_Click));
    connect(m_command2, &QPushButton::clicked, this, on("Remove a game", &Form4::Command2_Click));
    connect(m_command3, &QPushButton::clicked, this, on("Select Game", &Form4::Command3_Click));
    connect(m_command4, &QPushButton::clicked, this, on("Select Game", &Form4::Command4_Click));
}

Form4::~Form4() = default;

void Form4::open() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    guarded(m_host, QStringLiteral("Select Game"), [this] { Form_Load(); });
    show();
    raise();
    activateWindow();
}

int Form4::gameCount() const {
    const HostSettings& s = m_host.settings();
    return int(std::min(s.GameNames.size(), s.GamePlugins.size()));
}

void Form4::Form_Load() {
    BusyCursor busy(this);
    const HostSettings& s = m_host.settings();
    m_list1->fill(s.GameNames.mid(0, gameCount()),
                  EntryList::lastMatch(s.GamePlugins, gameCount(), s.CurrentGamePlugin));
}

void Form4::List1_Click() {
    BusyCursor busy(this);
}

void Form4::Command1_Click() {
    if (gameCount() >= HostSettings::MaxEntries) {
        m_host.reportError(QStringLiteral("The game list is full (%1 games); remove a game "
                                          "before adding another.")
                               .arg(HostSettings::MaxEntries),
                           QString());
        return;
    }
    const QString folder = QDir(m_host.settings().InstallDir).filePath(QStringLiteral("games"));
    const QString path = m_files.openFile(this, folder, QStringLiteral("*.gme"));
    if (path.isEmpty())
        return;
    DescriptionFile description;
    try {
        description = DescriptionFile::read(path, QStringLiteral("name=plug-in name"));
    } catch (const DescriptionError& e) {
        m_host.reportError(QStringLiteral("No game was added. %1").arg(QString::fromUtf8(e.what())),
                           QString());
        return;
    }
    // A game's web site line is read past: the caption's web site text belongs to the
    // deck that brought it.
    HostSettings& s = m_host.settings();
    s.GameNames.append(description.name);
    s.GamePlugins.append(description.value);
    Form_Load();
    m_list1->selectRow(gameCount() - 1);
}

void Form4::Command2_Click() {
    const int row = m_list1->selectedRow();
    if (row < 0 || row >= gameCount())
        return;
    HostSettings& s = m_host.settings();
    s.GameNames.removeAt(row);
    s.GamePlugins.removeAt(row);
    Form_Load();
}

void Form4::Command3_Click() {
    BusyCursor busy(this);
    const int row = m_list1->selectedRow();
    if (row >= 0 && row < gameCount()) {
        const HostSettings& s = m_host.settings();
        // Copies: starting a game changes the settings the references would point into.
        const QString name = s.GameNames.at(row);
        const QString plugin = s.GamePlugins.at(row);
        try {
            m_host.startGame(name, plugin);
        } catch (const std::exception& e) {
            m_host.reportError(QStringLiteral("The game \"%1\" cannot be started; the current "
                                              "game goes on.")
                                   .arg(name),
                               QString::fromUtf8(e.what()));
            return;
        }
    }
    Command4_Click();
}

void Form4::Command4_Click() {
    BusyCursor busy(this);
    done(QDialog::Rejected);
    returnFocus(m_host.tableWindow());
}

void Form4::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event); // Enter and Esc mean nothing here (see Form2)
}

void Form4::reject() {
    guarded(m_host, QStringLiteral("Select Game"), [this] { Command4_Click(); });
}

} // namespace halvane
