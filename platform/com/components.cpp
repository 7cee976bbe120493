#include "platform/com/components.h"

#include "platform/com/objectfactory.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QMetaMethod>
#include <QPluginLoader>

#include <algorithm>
#include <mutex>

namespace com {

namespace {

// The dynamic property under which CreateObject records an object's class id, so that
// a failed late-bound call can name the class the user knows rather than a C++ name.
constexpr char ClassIdProperty[] = "com_classId";

std::mutex& foldersMutex() {
    static std::mutex mutex;
    return mutex;
}

QStringList& folders() {
    static QStringList list;
    return list;
}

[[noreturn]] void fail(const QString& message) {
    throw Error(message.toStdString());
}

QString folderListText(const QStringList& list) {
    return list.isEmpty() ? QStringLiteral("no plug-in folders are set")
                          : QStringLiteral("searched %1").arg(list.join(QStringLiteral(", ")));
}

// A class id is "<name>.<class>"; an empty name part is what an unset game name gives
// (".GamePlay") and never names a real plug-in.
void checkClassId(const QString& classId) {
    if (classId.isEmpty())
        fail(QStringLiteral("cannot create an object: the class id is empty"));
    const QStringList parts = classId.split(QLatin1Char('.'));
    for (const QString& part : parts) {
        if (part.trimmed().isEmpty())
            fail(QStringLiteral("cannot create \"%1\": the class id has an empty part")
                     .arg(classId));
    }
}

std::unique_ptr<QObject> createFrom(const QString& classId, const QString& library) {
    QPluginLoader loader(library);
    if (!loader.load())
        fail(QStringLiteral("cannot create \"%1\": library %2 does not load: %3")
                 .arg(classId, library, loader.errorString()));
    QObject* root = loader.instance();
    auto* factory = qobject_cast<ObjectFactory*>(root);
    if (factory == nullptr)
        fail(QStringLiteral("cannot create \"%1\": library %2 does not create objects")
                 .arg(classId, library));
    std::unique_ptr<QObject> object(factory->create());
    if (!object)
        fail(QStringLiteral("cannot create \"%1\": library %2 created no object")
                 .arg(classId, library));
    object->setProperty(ClassIdProperty, classId);
    return object;
    // The library stays loaded: objects it made may outlive every loader.
}

} // namespace

void AddPluginFolder(const QString& folder) {
    if (folder.isEmpty())
        fail(QStringLiteral("AddPluginFolder: the folder name is empty"));
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    std::lock_guard lock(foldersMutex());
    if (!folders().contains(absolute))
        folders().append(absolute);
}

QStringList PluginFolders() {
    std::lock_guard lock(foldersMutex());
    return folders();
}

void ClearPluginFolders() {
    std::lock_guard lock(foldersMutex());
    folders().clear();
}

std::unique_ptr<QObject> CreateObject(const QString& classId) {
    checkClassId(classId);
    const QStringList searched = PluginFolders();
    QStringList notes; // libraries that name the class id but serve another interface
    for (const QString& folder : searched) {
        QFileInfoList files =
            QDir(folder).entryInfoList({QStringLiteral("*.so")}, QDir::Files, QDir::Name);
        // The library named after the class id is most likely the one: looked at first, it
        // spares reading the metadata of every game before it at each start.
        const QString likely = classId.section(QLatin1Char('.'), 0, 0);
        std::stable_partition(files.begin(), files.end(), [&](const QFileInfo& file) {
            const QString base = file.completeBaseName();
            return base.compare(likely, Qt::CaseInsensitive) == 0 ||
                   base.compare(QStringLiteral("lib") + likely, Qt::CaseInsensitive) == 0;
        });
        for (const QFileInfo& file : files) {
            const QString library = file.absoluteFilePath();
            // metaData() reads the plug-in's JSON without loading the library, so only
            // the library that serves the class id runs any code.
            const QJsonObject meta = QPluginLoader(library).metaData();
            if (meta.isEmpty())
                continue;
            const QJsonObject own = meta.value(QLatin1String("MetaData")).toObject();
            if (own.value(QLatin1String("ClassId")).toString() != classId)
                continue;
            const QString iid = meta.value(QLatin1String("IID")).toString();
            if (iid != QLatin1String(COM_OBJECTFACTORY_IID)) {
                notes.append(QStringLiteral("%1 names it but serves \"%2\", not \"%3\"")
                                 .arg(library, iid, QLatin1String(COM_OBJECTFACTORY_IID)));
                continue;
            }
            return createFrom(classId, library);
        }
    }
    QString message = QStringLiteral("cannot create \"%1\": no plug-in library serves this "
                                     "class id (%2)")
                          .arg(classId, folderListText(searched));
    if (!notes.isEmpty())
        message += QStringLiteral("; ") + notes.join(QStringLiteral("; "));
    fail(message);
}

QString ClassIdOf(const QObject* object) {
    if (object == nullptr)
        return QString();
    const QVariant recorded = object->property(ClassIdProperty);
    if (recorded.isValid())
        return recorded.toString();
    return QString::fromLatin1(object->metaObject()->className());
}

} // namespace com
