#include "host/gameplugin.h"

#include "platform/com/components.h"

#include <QMetaMethod>
#include <QObject>

#include <exception>
#include <stdexcept>
#include <vector>

namespace halvane {

namespace {

using com::Variant;

// Runs one late-bound call and puts the game and the operation in front of whatever
// went wrong, so that the user's message says which game failed where.
template <typename Call> void guarded(const QString& classId, const char* operation, Call&& call) {
    try {
        call();
    } catch (const std::exception& error) {
        throw std::runtime_error(
            QStringLiteral("The game plug-in %1 failed in %2: %3")
                .arg(classId, QLatin1String(operation), QString::fromUtf8(error.what()))
                .toStdString());
    }
}

// A game asks for a refresh with a Boolean True; any other result asks for nothing.
bool asksRefresh(const Variant& result) {
    return result.type() == Variant::Type::Boolean && result.toInteger() != com::False;
}

} // namespace

GamePlugin::GamePlugin(const QString& plugin) : m_classId(plugin + QStringLiteral(".GamePlay")) {
    try {
        m_object = com::CreateObject(m_classId);
    } catch (const std::exception& error) {
        throw std::runtime_error(QStringLiteral("Cannot create the game plug-in %1: %2")
                                     .arg(m_classId, QString::fromUtf8(error.what()))
                                     .toStdString());
    }
    if (!m_object)
        throw std::runtime_error(
            QStringLiteral("Cannot create the game plug-in %1: no object was made")
                .arg(m_classId)
                .toStdString());
}

GamePlugin::~GamePlugin() = default;

void GamePlugin::InitializeGame() {
    guarded(m_classId, "InitializeGame",
            [this] { com::CallByName(m_object.get(), "InitializeGame"); });
}

void GamePlugin::mnuDeal_Click(std::int32_t hDC) {
    callWithHdc("mnuDeal_Click", hDC);
}

void GamePlugin::mnuSettings_Click(std::int32_t hDC) {
    callWithHdc("mnuSettings_Click", hDC);
}

void GamePlugin::mnuInstructions_Click(std::int32_t hDC) {
    callWithHdc("mnuInstructions_Click", hDC);
}

void GamePlugin::Form_MouseDown(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X,
                                float Y) {
    callMouse("Form_MouseDown", hDC, Button, Shift, X, Y);
}

void GamePlugin::Form_MouseMove(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X,
                                float Y) {
    callMouse("Form_MouseMove", hDC, Button, Shift, X, Y);
}

void GamePlugin::Form_MouseUp(std::int32_t hDC, std::int16_t Button, std::int16_t Shift, float X,
                              float Y) {
    callMouse("Form_MouseUp", hDC, Button, Shift, X, Y);
}

void GamePlugin::Form_DblClick(std::int32_t hDC) {
    callWithHdc("Form_DblClick", hDC);
}

void GamePlugin::callMouse(const char* operation, std::int32_t hDC, std::int16_t Button,
                           std::int16_t Shift, float X, float Y) {
    const std::vector<Variant> args{Variant::fromLong(hDC), Variant::fromInteger(Button),
                                    Variant::fromInteger(Shift), Variant::fromSingle(X),
                                    Variant::fromSingle(Y)};
    guarded(m_classId, operation, [&] { com::CallByName(m_object.get(), operation, args); });
}

void GamePlugin::callWithHdc(const char* operation, std::int32_t hDC) {
    const std::vector<Variant> args{Variant::fromLong(hDC)};
    guarded(m_classId, operation, [&] { com::CallByName(m_object.get(), operation, args); });
}

bool GamePlugin::offers(const char* operation) const {
    return com::HasOperation(m_object.get(), operation);
}

void GamePlugin::SetInstallDir(const QString& Directory) {
    call("SetInstallDir", {Variant::fromString(Directory)});
}

bool GamePlugin::RefreshTable(std::int32_t hDC, std::int16_t Width, std::int16_t Height) {
    if (!offers("RefreshTable")) {
        return false;
    }
    call("RefreshTable",
         {Variant::fromLong(hDC), Variant::fromInteger(Width), Variant::fromInteger(Height)});
    return true;
}

bool GamePlugin::callMenuOperation(const char* operation, std::int32_t hDC) {
    return asksRefresh(call(operation, {Variant::fromLong(hDC)}));
}

bool GamePlugin::Form_KeyDown(std::int32_t hDC, int KeyCode, std::int16_t Shift) {
    return asksRefresh(call("Form_KeyDown", {Variant::fromLong(hDC), Variant::fromLong(KeyCode),
                                             Variant::fromInteger(Shift)}));
}

std::optional<QString> GamePlugin::StatusText() {
    if (!offers("StatusText")) {
        return std::nullopt;
    }
    const Variant text = call("StatusText", {});
    QString status;
    guarded(m_classId, "StatusText", [&] { status = text.toString("the status text"); });
    return status;
}

void GamePlugin::SaveGame() {
    call("SaveGame", {});
}

Variant GamePlugin::call(const char* operation, const std::vector<Variant>& args) {
    if (!offers(operation)) {
        return Variant();
    }
    Variant result;
    guarded(m_classId, operation,
            [&] { result = com::CallByName(m_object.get(), operation, args); });
    return result;
}

} // namespace halvane
