#include "host/dialogs/failurereport.h"

#include "host/usererror.h"

namespace halvane {

FailureReport FailureReport::of(const QString& plain, const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const UserError& error) {
        return {plain + QLatin1Char(' ') + QString::fromUtf8(error.what()), QString()};
    } catch (const std::exception& error) {
        return {plain, QString::fromUtf8(error.what())};
    } catch (...) {
        return {plain, QStringLiteral("an unknown error")};
    }
}

QString FailureReport::text() const {
    return detail.isEmpty() ? summary : summary + QLatin1Char('\n') + detail;
}

} // namespace halvane
