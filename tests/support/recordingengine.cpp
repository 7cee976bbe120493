#include "tests/support/recordingengine.h"

namespace halvane::test {

void RecordingEngine::record(const char* method, const QString& arguments) {
    const Call call{QString::fromLatin1(method), arguments};
    calls.append(call.text());
    if (onCall) {
        onCall(call);
    }
}

void RecordingEngine::DrawCard(std::int32_t hdc, std::int16_t nCard, std::int16_t nX,
                               std::int16_t nY, Boolean Invisible) {
    drawTargets.append(hdc);
    record("DrawCard", QStringLiteral("%1,%2,%3,%4").arg(nCard).arg(nX).arg(nY).arg(Invisible));
    m_engine.DrawCard(hdc, nCard, nX, nY, Invisible);
}

void RecordingEngine::DrawBack(std::int32_t hdc, std::int16_t nValue, std::int16_t nX,
                               std::int16_t nY, Boolean Invisible) {
    drawTargets.append(hdc);
    record("DrawBack", QStringLiteral("%1,%2,%3,%4").arg(nValue).arg(nX).arg(nY).arg(Invisible));
    m_engine.DrawBack(hdc, nValue, nX, nY, Invisible);
}

void RecordingEngine::SetBackground(std::int32_t Color) {
    // As the colour reads in hex: blue, green, red.
    record("SetBackground",
           QStringLiteral("%1").arg(std::uint32_t(Color), 6, 16, QLatin1Char('0')));
    m_engine.SetBackground(Color);
}

} // namespace halvane::test
