#include "games/klondike/instructionsdialog.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace halvane::klondike {

InstructionsDialog::InstructionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Instructions"));
    setObjectName(QStringLiteral("KlondikeInstructions"));

    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("instructionsText"));
    browser->setHtml(text());
    browser->setOpenExternalLinks(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(520, 440);
}

QString InstructionsDialog::text() {
    return tr("<h2>Klondike</h2>"
              "<p>Move all 52 cards onto the four foundations at the top right, each built up "
              "in one suit from the ace to the king.</p>"
              "<h3>The table</h3>"
              "<ul>"
              "<li><b>Columns.</b> Seven columns are dealt below, with one to seven cards, the "
              "top card of each face up. Build them down in alternating colours: a red six on "
              "a black seven, a black five on the red six. You may move a face-up card "
              "together with all the cards on it. An empty column takes only a king, or a run "
              "that starts with a king.</li>"
              "<li><b>Face-down cards.</b> When a face-down card is left on top of a column, "
              "click it to turn it over.</li>"
              "<li><b>Stock and waste.</b> Click the stock at the top left to turn one card "
              "(or three, see Settings) onto the waste beside it. The top card of the waste "
              "can be played. When the stock is empty, its place shows a circle: click it to "
              "turn the waste over into a new stock, as often as you like. A cross means that "
              "stock and waste are both used up.</li>"
              "<li><b>Foundations.</b> Start each foundation with an ace and add the next card "
              "of its suit. The top card of a foundation may be taken back onto a column.</li>"
              "</ul>"
              "<h3>The mouse</h3>"
              "<ul>"
              "<li>Drag a card, or a face-up card with the cards on it, with the left button "
              "and let go over the pile where it should go. A move the rules do not allow "
              "slides the cards back home.</li>"
              "<li>Double-click the top card of a column or of the waste to send it to its "
              "foundation, when it fits there.</li>"
              "<li>Click a face-down top card to turn it; click the stock to draw.</li>"
              "</ul>"
              "<h3>Menu</h3>"
              "<ul>"
              "<li><b>Deal</b> (F2) starts a new game. On an empty table a click also deals, "
              "and so does a click after a won game.</li>"
              "<li><b>Settings</b> chooses between drawing one card and three cards at a time; "
              "the choice is remembered and applies from the next deal.</li>"
              "</ul>"
              "<p>When the last card reaches its foundation, the game is won and the cards "
              "celebrate.</p>");
}

} // namespace halvane::klondike
