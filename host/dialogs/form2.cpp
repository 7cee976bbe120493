#include "host/dialogs/form2.h"

#include "engine/_class1.h"
#include "engine/cardgeometry.h"
#include "host/dialogs/busycursor.h"
#include "host/dialogs/commandbutton.h"
#include "host/dialogs/descriptionfile.h"
#include "host/dialogs/dialogcanvas.h"
#include "host/dialogs/entrylist.h"
#include "host/dialogs/failurereport.h"
#include "host/dialogs/focusreturn.h"
#include "host/dialogs/form3.h"
#include "host/dialogs/guarded.h"
#include "host/dialogs/twips.h"
#include "host/filechooser.h"
#include "host/tablehost.h"

#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace halvane {

namespace {

constexpr int CardWidth = dorvik::card::Width;
constexpr int CardHeight = dorvik::card::Height;

} // namespace

Form2::Form2(TableHost& host, FileChooser& files, QWidget* parent)
    : QDialog(parent), m_host(host), m_files(files) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Select A Deck"));
    setModal(false);
    setFixedSize(twipsToPixels(QSize(5370, 4140)));

    m_canvas = std::make_unique<DialogCanvas>(this, size(), palette().color(QPalette::Window));

    m_list1 = new EntryList(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsToPixels(QRect(240, 120, 1815, 3180)));
    m_command3 =
        makeCommandButton(this, "Command3", QStringLiteral("&Add..."), {240, 3480, 855, 495});
    m_command4 =
        makeCommandButton(this, "Command4", QStringLiteral("&Remove"), {1080, 3480, 975, 495});
    m_command1 = makeCommandButton(this, "Command1", QStringLiteral("&OK"), {2520, 3480, 855, 495});
    m_command2 =
        makeCommandButton(this, "Command2", QStringLiteral("&Cancel"), {3480, 3480, 855, 495});
    m_command5 =
        makeCommandButton(this, "Command5", QStringLiteral("&Back..."), {4440, 3480, 855, 495});
    setTabOrder(m_list1, m_command3);
    setTabOrder(m_command3, m_command4);
    setTabOrder(m_command4, m_command1);
    setTabOrder(m_command1, m_command2);
    setTabOrder(m_command2, m_command5);

    const auto on = [this](const char* what, void (Form2::*handler)()) {
        return [this, what, handler] {
            guarded(m_host, QString::fromLatin1(what), [this, handler] { (this->*handler)(); });
        };
    };
    connect(m_list1, &QListWidget::itemSelectionChanged, this,
            on("Select A Deck", &Form2::List1_Click));
    connect(m_list1, &QListWidget::itemDoubleClicked, this,
            on("Select A Deck", &Form2::List1_DblClick));
    connect(m_command1, &QPushButton::clicked, this, on("Select A Deck", &Form2::Command1_Click));
    connect(m_command2, &QPushButton::clicked, this, on("Select A Deck", &Form2::Command2_Click));
    connect(m_command3, &QPushButton::clicked, this, on("Add a deck", &Form2::Command3_Click));
    connect(m_command4, &QPushButton::clicked, this, on("Remove a deck", &Form2::Command4_Click));
    connect(m_command5, &QPushButton::clicked, this, on("Select Back", &Form2::Command5_Click));
}

Form2::~Form2() {
    // The back chooser's Qt parent is the table window, but it belongs with this dialog.
    delete m_form3.data();
}

void Form2::open() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    m_loadedDeck.reset();
    guarded(m_host, QStringLiteral("Select A Deck"), [this] { Form_Load(); });
    show();
    raise();
    activateWindow();
}

Form3* Form2::backChooser() const {
    return m_form3;
}

gdi::HDC Form2::hDC() const {
    return m_canvas->hdc();
}

int Form2::deckCount() const {
    const HostSettings& s = m_host.settings();
    return int(std::min(s.DeckNames.size(), s.DeckFiles.size()));
}

QRect Form2::previewRect() const {
    // The card centred in the strip right of the list box; halves go to the even pixel.
    const double listLeft = m_list1->x();
    const double listWidth = m_list1->width();
    const double x =
        (width() - (listLeft + listWidth)) / 2.0 - CardWidth / 2.0 + listWidth + listLeft;
    return QRect(roundHalfEven(x), PreviewTop, CardWidth, CardHeight);
}

void Form2::Form_Load() {
    BusyCursor busy(this);
    m_paintFailed = false;
    m_chosenDeck = m_host.engine().GetCurrentDeck();
    const HostSettings& s = m_host.settings();
    int row = EntryList::lastMatch(s.DeckFiles, deckCount(), m_chosenDeck);
    if (row < 0 && deckCount() > 0)
        row = 0;
    m_list1->fill(s.DeckNames.mid(0, deckCount()), row);
    List1_Click();
}

void Form2::Form_Paint() {
    if (!m_previewShown)
        return;
    const QRect place = previewRect();
    m_host.engine().DrawCard(m_canvas->hdc(), PreviewCard, std::int16_t(place.x()),
                             std::int16_t(place.y()), com::True);
}

bool Form2::loadPicture(int row, const QString& failureText) {
    const QString& file = m_host.settings().DeckFiles.at(row);
    try {
        m_host.engine().SetDeck(file);
    } catch (...) {
        report(FailureReport::of(failureText.arg(m_host.settings().DeckNames.at(row)),
                                 std::current_exception()));
        return false;
    }
    m_loadedDeck = file;
    return true;
}

void Form2::List1_Click() {
    BusyCursor busy(this);
    m_previewShown = false;
    const int row = m_list1->selectedRow();
    if (row >= 0 && row < deckCount()) {
        m_previewShown = loadPicture(row, QStringLiteral("The deck \"%1\" cannot be shown."));
    }
    // A failed load leaves another deck's picture in the engine: show no card rather
    // than a card that is not the selected deck's.
    m_canvas->clear(previewRect());
    Form_Paint();
    update(previewRect());
    if (m_form3 && m_form3->isVisible())
        m_form3->update(); // its backs come from the picture just loaded
}

void Form2::List1_DblClick() {
    Command1_Click();
}

void Form2::Command1_Click() {
    BusyCursor busy(this);
    const int row = m_list1->selectedRow();
    if (row >= 0 && row < deckCount()) {
        // A deck whose picture cannot be loaded would make the next start-up fail.
        if (!m_previewShown) {
            if (!loadPicture(row, QStringLiteral("The deck \"%1\" cannot be used.")))
                return;
            m_previewShown = true;
        }
        m_chosenDeck = m_host.settings().DeckFiles.at(row);
    }
    Command2_Click();
}

void Form2::Command2_Click() {
    BusyCursor busy(this);
    m_host.settings().CurrentDeckFile = m_chosenDeck;
    m_host.engine().SetCurrentDeck(m_chosenDeck);
    if (m_loadedDeck && *m_loadedDeck != m_chosenDeck) {
        try {
            m_host.engine().SetDeck(m_chosenDeck);
            m_loadedDeck = m_chosenDeck;
        } catch (...) {
            report(FailureReport::of(QStringLiteral("The picture of the deck in use (\"%1\") "
                                                    "cannot be loaded again, so the table keeps "
                                                    "the deck last shown.")
                                         .arg(m_chosenDeck),
                                     std::current_exception()));
        }
    }
    m_loadedDeck.reset();
    done(QDialog::Rejected);
    returnFocus(m_host.tableWindow());
}

void Form2::Command3_Click() {
    if (deckCount() >= HostSettings::MaxEntries) {
        report({QStringLiteral("The deck list is full (%1 decks); remove a deck before adding "
                               "another.")
                    .arg(HostSettings::MaxEntries),
                {}});
        return;
    }
    const QString folder = QDir(m_host.settings().InstallDir).filePath(QStringLiteral("cards"));
    const QString path = m_files.openFile(this, folder, QStringLiteral("*.ini"));
    if (path.isEmpty())
        return;
    DescriptionFile description;
    try {
        description = DescriptionFile::read(path, QStringLiteral("name=deck picture file"));
    } catch (const DescriptionError&) {
        report(FailureReport::of(QStringLiteral("No deck was added."), std::current_exception()));
        return;
    }
    HostSettings& s = m_host.settings();
    s.DeckNames.append(description.name);
    s.DeckFiles.append(description.value);
    if (description.webSite)
        s.WebSite = *description.webSite;
    Form_Load();
}

void Form2::Command4_Click() {
    const int row = m_list1->selectedRow();
    if (row < 0 || row >= deckCount())
        return;
    HostSettings& s = m_host.settings();
    s.DeckNames.removeAt(row);
    s.DeckFiles.removeAt(row);
    Form_Load();
}

void Form2::Command5_Click() {
    if (!m_form3) {
        m_form3 = new Form3(m_host, this, parentWidget());
        connect(m_form3, &QDialog::finished, this, &Form2::backChooserClosed);
    }
    m_form3->open();
}

void Form2::report(const FailureReport& failure) {
    m_host.reportError(failure.summary, failure.detail);
}

void Form2::paintEvent(QPaintEvent* event) {
    if (!m_paintFailed) {
        try {
            Form_Paint();
        } catch (...) {
            // Told once, after the paint: a message box inside a paint event would paint
            // this dialog again and fail again.
            m_paintFailed = true;
            const FailureReport failure = FailureReport::of(
                QStringLiteral("The deck preview cannot be drawn."), std::current_exception());
            QTimer::singleShot(0, this, [this, failure] { report(failure); });
        }
    }
    QPainter painter(this);
    m_canvas->paint(painter, event->rect());
}

void Form2::keyPressEvent(QKeyEvent* event) {
    // QDialog would close on Esc and press a default button on Enter; here neither key
    // means anything beyond what the focused control makes of it.
    QWidget::keyPressEvent(event);
}

void Form2::reject() {
    guarded(m_host, QStringLiteral("Select A Deck"), [this] { Command2_Click(); });
}

} // namespace halvane
