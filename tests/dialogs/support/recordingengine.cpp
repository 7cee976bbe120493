#include "tests/dialogs/support/recordingengine.h"

namespace halvane::test {

void RecordingEngine::record(const QString& call) {
    calls.append(call);
    if (onCall)
        onCall(call);
}

QString RecordingEngine::GetCurrentDeck() {
    record(QStringLiteral("GetCurrentDeck()"));
    return m_engine.GetCurrentDeck();
}

void RecordingEngine::SetDeck(const QString& Deck) {
    record(QStringLiteral("SetDeck(%1)").arg(Deck));
    m_engine.SetDeck(Deck);
}

void RecordingEngine::SetCurrentDeck(const QString& Deck) {
    record(QStringLiteral("SetCurrentDeck(%1)").arg(Deck));
    m_engine.SetCurrentDeck(Deck);
}

void RecordingEngine::SetCardBack(std::int16_t nValue) {
    record(QStringLiteral("SetCardBack(%1)").arg(nValue));
    m_engine.SetCardBack(nValue);
}

void RecordingEngine::DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX,
                               std::int16_t nY, Boolean Invisible) {
    drawTargets.append(hdc);
    record(QStringLiteral("DrawCard(%1,%2,%3,%4)").arg(nCard).arg(nX).arg(nY).arg(Invisible));
    m_engine.DrawCard(hdc, nCard, nX, nY, Invisible);
}

void RecordingEngine::DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX,
                               std::int16_t nY, Boolean Invisible) {
    drawTargets.append(hdc);
    record(QStringLiteral("DrawBack(%1,%2,%3,%4)").arg(nValue).arg(nX).arg(nY).arg(Invisible));
    m_engine.DrawBack(hdc, nValue, nX, nY, Invisible);
}

} // namespace halvane::test
