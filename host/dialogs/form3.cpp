#include "host/dialogs/form3.h"

#include "engine/_class1.h"
#include "engine/cardgeometry.h"
#include "host/dialogs/busycursor.h"
#include "host/dialogs/commandbutton.h"
#include "host/dialogs/dialogcanvas.h"
#include "host/dialogs/focusreturn.h"
#include "host/dialogs/guarded.h"
#include "host/tablehost.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace halvane {

namespace {

// Four columns 81 pixels apart; a button sits under the middle of its back, the second
// row of backs just below the first row of buttons. The buttons' left edges fall on half
// pixels (x + 35.5); whole pixels keep them 81 apart like the backs.
constexpr int ColumnLeft[4] = {10, 91, 172, 253};
constexpr int OptionSize = 17;
constexpr int FirstRowTop = 10;
constexpr int FirstOptionTop = 107;
constexpr int SecondRowTop = FirstOptionTop + OptionSize;
constexpr int SecondOptionTop = 222;
constexpr int CardWidth = dorvik::card::Width;

} // namespace

QPoint Form3::backPlace(int back) {
    if (back < 1 || back > BackCount)
        return {};
    const int column = (back - 1) % 4;
    return {ColumnLeft[column], back <= 4 ? FirstRowTop : SecondRowTop};
}

QPoint Form3::optionPlace(int back) {
    if (back < 1 || back > BackCount)
        return {};
    const int column = (back - 1) % 4;
    return {ColumnLeft[column] + CardWidth / 2, back <= 4 ? FirstOptionTop : SecondOptionTop};
}

Form3::Form3(TableHost& host, QWidget* deckChooser, QWidget* parent)
    : QDialog(parent), m_host(host), m_deckChooser(deckChooser) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Select Back"));
    setModal(false);
    setFixedSize(334, 282);

    // The dialog and its option buttons share one background: the colour of text on an
    // active title bar, which Qt offers as the highlighted-text colour.
    QPalette colours = palette();
    const QColor background = colours.color(QPalette::HighlightedText);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
    m_canvas = std::make_unique<DialogCanvas>(this, size(), background);

    m_option1 = new QButtonGroup(this);
    m_option1->setExclusive(true);
    for (int back = 1; back <= BackCount; ++back) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("Option1_%1").arg(back - 1));
        button->setGeometry(QRect(optionPlace(back), QSize(OptionSize, OptionSize)));
        button->setBackgroundRole(QPalette::Window); // a button's own role is Button
        button->setAutoFillBackground(true);
        m_option1->addButton(button, back - 1);
    }
    m_command1 =
        makeCommandButton(this, "Command1", QStringLiteral("&OK"), QRect(64, 248, 81, 33), false);
    m_command2 = makeCommandButton(this, "Command2", QStringLiteral("&Cancel"),
                                   QRect(184, 248, 81, 33), false);

    connect(m_command1, &QPushButton::clicked, this, [this] {
        guarded(m_host, QStringLiteral("Select Back"), [this] { Command1_Click(); });
    });
    connect(m_command2, &QPushButton::clicked, this, [this] {
        guarded(m_host, QStringLiteral("Select Back"), [this] { Command2_Click(); });
    });
}

Form3::~Form3() = default;

void Form3::open() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    guarded(m_host, QStringLiteral("Select Back"), [this] { Form_Load(); });
    show();
    raise();
    activateWindow();
}

gdi::HDC Form3::hDC() const {
    return m_canvas->hdc();
}

QRadioButton* Form3::option(int back) const {
    return qobject_cast<QRadioButton*>(m_option1->button(back - 1));
}

int Form3::selectedBack() const {
    return m_option1->checkedId() + 1;
}

void Form3::Form_Load() {
    m_paintFailed = false;
    int back = m_host.cardBack();
    if (back < 1 || back > BackCount)
        back = 1; // every back is a choice; the first is the engine's own default
    option(back)->setChecked(true);
}

void Form3::Form_Paint() {
    for (int back = 1; back <= BackCount; ++back) {
        const QPoint place = backPlace(back);
        m_host.engine().DrawBack(m_canvas->hdc(), std::int16_t(back), std::int16_t(place.x()),
                                 std::int16_t(place.y()), com::True);
    }
}

void Form3::Command1_Click() {
    const int back = selectedBack();
    if (back >= 1 && back <= BackCount) {
        // The engine first: should it refuse, CARDBACK keeps naming the back in use.
        m_host.engine().SetCardBack(std::int16_t(back));
        m_host.setCardBack(std::int16_t(back));
    }
    Command2_Click();
}

void Form3::Command2_Click() {
    BusyCursor busy(this);
    done(QDialog::Rejected);
    returnFocus(m_deckChooser && m_deckChooser->isVisible() ? m_deckChooser.data()
                                                            : m_host.tableWindow());
}

void Form3::paintEvent(QPaintEvent* event) {
    if (!m_paintFailed) {
        try {
            Form_Paint();
        } catch (const std::exception& e) {
            m_paintFailed = true; // told once, after the paint (see Form2::paintEvent)
            const QString detail = QString::fromUtf8(e.what());
            QTimer::singleShot(0, this, [this, detail] {
                m_host.reportError(QStringLiteral("The card backs cannot be drawn."), detail);
            });
        }
    }
    QPainter painter(this);
    m_canvas->paint(painter, event->rect());
}

void Form3::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event); // Enter and Esc mean nothing here (see Form2)
}

void Form3::reject() {
    guarded(m_host, QStringLiteral("Select Back"), [this] { Command2_Click(); });
}

} // namespace halvane
