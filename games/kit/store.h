#pragma once
// One small file of name = value lines a game keeps under the table folder (settings,
// statistics, the saved game), or, when the game was given no table folder, the same
// values in memory only, so that nothing lands in the user's global configuration.

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace halvane::kit {

class Store {
public:
    // In memory only.
    Store() = default;
    // Backed by the file at `path` (INI format), which need not exist yet.
    explicit Store(QString path);

    bool isOnDisk() const { return !m_path.isEmpty(); }
    QString path() const { return m_path; }

    QVariant value(const QString& key, const QVariant& fallback = {}) const;
    int number(const QString& key, int fallback) const;
    void setValue(const QString& key, const QVariant& value);
    void setValues(const QVariantMap& values); // replaces everything, written at once
    QVariantMap values() const;
    // Removes every value (and the file).
    void clear();

private:
    QString m_path;
    QVariantMap m_memory;
};

} // namespace halvane::kit
