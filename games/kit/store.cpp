#include "games/kit/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace halvane::kit {

Store::Store(QString path) : m_path(std::move(path)) {}

QVariant Store::value(const QString& key, const QVariant& fallback) const {
    if (!isOnDisk()) {
        return m_memory.value(key, fallback);
    }
    return QSettings(m_path, QSettings::IniFormat).value(key, fallback);
}

int Store::number(const QString& key, int fallback) const {
    bool ok = false;
    const int n = value(key, fallback).toInt(&ok);
    return ok ? n : fallback;
}

void Store::setValue(const QString& key, const QVariant& value) {
    if (!isOnDisk()) {
        m_memory.insert(key, value);
        return;
    }
    QDir().mkpath(QFileInfo(m_path).path());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
}

void Store::setValues(const QVariantMap& values) {
    if (!isOnDisk()) {
        m_memory = values;
        return;
    }
    QDir().mkpath(QFileInfo(m_path).path());
    QSettings settings(m_path, QSettings::IniFormat);
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it) {
        settings.setValue(it.key(), it.value());
    }
    settings.sync();
}

QVariantMap Store::values() const {
    if (!isOnDisk()) {
        return m_memory;
    }
    QSettings settings(m_path, QSettings::IniFormat);
    QVariantMap all;
    for (const QString& key : settings.allKeys()) {
        all.insert(key, settings.value(key));
    }
    return all;
}

void Store::clear() {
    m_memory.clear();
    if (isOnDisk()) {
        QFile::remove(m_path);
    }
}

} // namespace halvane::kit
