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

bool GamePlugin::RefreshTable(std::int32_t hDC, std::int16_t Width, std::int16_t Height) {
    const QMetaObject* meta = m_object->metaObject();
    bool offered = false;
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i)
        offered |= meta->method(i).name() == "RefreshTable";
    if (!offered)
        return false;
    const std::vector<Variant> args{Variant::fromLong(hDC), Variant::fromInteger(Width),
                                    Variant::fromInteger(Height)};
    guarded(m_classId, "RefreshTable",
            [&] { com::CallByName(m_object.get(), "RefreshTable", args); });
    return true;
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

} // namespace halvane
