// The one dispatcher behind every late-bound call: Qt's own invokeMethod converts
// nothing and fails quietly, while a game's operations take plain numbers and strings
// and the caller must learn exactly what did not fit.

#include "platform/com/components.h"

#include <QMetaMethod>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace com {

namespace {

// A moc-generated method takes at most ten arguments.
constexpr int MaxArguments = 10;

[[noreturn]] void fail(const QString& message) {
    throw Error(message.toStdString());
}

// Storage for one converted argument or the result; `data` points at the member that
// matches the parameter's type, as QMetaObject::metacall expects.
struct Storage {
    int i = 0;
    short s = 0;
    float f = 0.0f;
    double d = 0.0;
    bool b = false;
    QString str;
    Variant v;
    void* data = nullptr;
};

int variantTypeId() {
    static const int id = qRegisterMetaType<com::Variant>("com::Variant");
    return id;
}

bool isSupported(int typeId) {
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::Bool:
    case QMetaType::QString:
        return true;
    default:
        return typeId == variantTypeId();
    }
}

// Points `slot.data` at storage of the given type and fills it from `value`. Throws
// com::Error with the conversion's reason alone; the caller adds where it happened.
void fill(Storage& slot, int typeId, const Variant& value) {
    switch (typeId) {
    case QMetaType::Int:
        slot.i = value.toLong("");
        slot.data = &slot.i;
        return;
    case QMetaType::Short:
        slot.s = value.toInteger("");
        slot.data = &slot.s;
        return;
    case QMetaType::Float:
        slot.f = value.toSingle("");
        slot.data = &slot.f;
        return;
    case QMetaType::Double:
        // Whole numbers keep all 32 bits; a Single widens exactly.
        switch (value.type()) {
        case Variant::Type::Integer:
        case Variant::Type::Boolean:
        case Variant::Type::Long:
            slot.d = value.toLong("");
            break;
        default:
            slot.d = value.toSingle("");
        }
        slot.data = &slot.d;
        return;
    case QMetaType::Bool:
        slot.b = value.toSingle("") != 0.0f;
        slot.data = &slot.b;
        return;
    case QMetaType::QString:
        slot.str = value.toString("");
        slot.data = &slot.str;
        return;
    default:
        if (typeId == variantTypeId()) {
            slot.v = value;
            slot.data = &slot.v;
            return;
        }
        fail(QStringLiteral("the parameter type %1 is not supported")
                 .arg(QLatin1String(QMetaType(typeId).name())));
    }
}

// Points `slot.data` at empty storage for a result of the given type (void gives none).
void prepareResult(Storage& slot, int typeId) {
    switch (typeId) {
    case QMetaType::Void:
    case QMetaType::UnknownType:
        slot.data = nullptr;
        return;
    case QMetaType::Int:
        slot.data = &slot.i;
        return;
    case QMetaType::Short:
        slot.data = &slot.s;
        return;
    case QMetaType::Float:
        slot.data = &slot.f;
        return;
    case QMetaType::Double:
        slot.data = &slot.d;
        return;
    case QMetaType::Bool:
        slot.data = &slot.b;
        return;
    case QMetaType::QString:
        slot.data = &slot.str;
        return;
    default:
        slot.data = &slot.v;
        return;
    }
}

Variant resultOf(const Storage& slot, int typeId, const QString& where) {
    switch (typeId) {
    case QMetaType::Void:
    case QMetaType::UnknownType:
        return Variant();
    case QMetaType::Int:
        return Variant::fromLong(slot.i);
    case QMetaType::Short:
        return Variant::fromInteger(slot.s);
    case QMetaType::Float:
        return Variant::fromSingle(slot.f);
    case QMetaType::Double:
        if (std::isfinite(slot.d) && std::fabs(slot.d) > double(std::numeric_limits<float>::max()))
            fail(QStringLiteral("%1: the result %2 is outside the Single range")
                     .arg(where, QString::number(slot.d, 'g', 17)));
        return Variant::fromSingle(float(slot.d));
    case QMetaType::Bool:
        return Variant::fromBoolean(slot.b ? True : False);
    case QMetaType::QString:
        return Variant::fromString(slot.str);
    default:
        return slot.v;
    }
}

QString argumentLabel(const QMetaMethod& method, int index) {
    const QList<QByteArray> names = method.parameterNames();
    const QByteArray name = index < names.size() ? names.at(index) : QByteArray();
    if (name.isEmpty())
        return QStringLiteral("argument %1").arg(index + 1);
    return QStringLiteral("argument %1 (\"%2\")").arg(index + 1).arg(QLatin1String(name));
}

// Converts `args` for `method`; on failure returns the reason with the argument named.
std::optional<QString> convert(const QMetaMethod& method, const std::vector<Variant>& args,
                               std::array<Storage, MaxArguments>& storage) {
    for (int i = 0; i < int(args.size()); ++i) {
        const int typeId = method.parameterMetaType(i).id();
        try {
            fill(storage[std::size_t(i)], typeId, args[std::size_t(i)]);
        } catch (const Error& error) {
            return QStringLiteral("%1 cannot be converted: %2")
                .arg(argumentLabel(method, i), QString::fromStdString(error.what()));
        }
    }
    return std::nullopt;
}

// The methods a late-bound call may reach under `name`. Only the object's own public
// methods and slots: QObject's (deleteLater and the like) would let a caller pull the
// object out from under its owner.
std::vector<QMetaMethod> operationsNamed(const QObject& object, const QByteArray& name) {
    const QMetaObject* meta = object.metaObject();
    const int first = QObject::staticMetaObject.methodCount();
    std::vector<QMetaMethod> named;
    for (int i = first; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.access() != QMetaMethod::Public || method.name() != name) {
            continue;
        }
        if (method.methodType() == QMetaMethod::Method ||
            method.methodType() == QMetaMethod::Slot) {
            named.push_back(method);
        }
    }
    return named;
}

} // namespace

bool HasOperation(const QObject* object, const char* operation) {
    if (object == nullptr || operation == nullptr) {
        return false;
    }
    return !operationsNamed(*object, QByteArray(operation)).empty();
}

Variant CallByName(QObject* object, const char* operation, const std::vector<Variant>& args) {
    const QByteArray name(operation != nullptr ? operation : "");
    if (object == nullptr)
        fail(QStringLiteral("cannot call \"%1\": there is no object").arg(QLatin1String(name)));
    const QString classId = ClassIdOf(object);
    const QString where = QStringLiteral("%1.%2").arg(classId, QLatin1String(name));

    const std::vector<QMetaMethod> named = operationsNamed(*object, name);
    if (named.empty())
        fail(QStringLiteral("%1 has no operation \"%2\"").arg(classId, QLatin1String(name)));

    std::vector<QMetaMethod> fitting;
    for (const QMetaMethod& method : named) {
        if (method.parameterCount() == int(args.size()))
            fitting.push_back(method);
    }
    if (fitting.empty()) {
        const int expected = named.front().parameterCount();
        fail(QStringLiteral("%1 takes %2 argument(s), %3 given")
                 .arg(where)
                 .arg(expected)
                 .arg(args.size()));
    }
    if (args.size() > std::size_t(MaxArguments))
        fail(QStringLiteral("%1: more than %2 arguments").arg(where).arg(MaxArguments));

    // Overloads by type: the first whose arguments all convert is called.
    std::optional<QString> firstProblem;
    for (const QMetaMethod& method : fitting) {
        const int returnId = method.returnMetaType().id();
        if (returnId != QMetaType::Void && returnId != QMetaType::UnknownType &&
            !isSupported(returnId)) {
            firstProblem =
                firstProblem.value_or(QStringLiteral("its result type %1 cannot be handed back")
                                          .arg(QLatin1String(method.typeName())));
            continue;
        }
        std::array<Storage, MaxArguments> storage;
        if (auto problem = convert(method, args, storage)) {
            firstProblem = firstProblem.value_or(*problem);
            continue;
        }
        Storage result;
        prepareResult(result, returnId);
        std::array<void*, MaxArguments + 1> argv{};
        argv[0] = result.data;
        for (std::size_t i = 0; i < args.size(); ++i)
            argv[i + 1] = storage[i].data;
        // A direct call on this thread: whatever the method throws reaches the caller.
        QMetaObject::metacall(object, QMetaObject::InvokeMetaMethod, method.methodIndex(),
                              argv.data());
        return resultOf(result, returnId, where);
    }
    fail(QStringLiteral("%1: %2").arg(where, *firstProblem));
}

} // namespace com
