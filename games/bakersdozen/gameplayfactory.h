#pragma once
// The root object of the Baker's Dozen plug-in library: it makes a fresh GamePlay for every
// game the host starts.

#include "platform/com/objectfactory.h"

#include <QObject>

namespace halvane::bakersdozen {

class GamePlayFactory : public QObject, public com::ObjectFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID COM_OBJECTFACTORY_IID FILE "bakersdozen.json")
    Q_INTERFACES(com::ObjectFactory)
public:
    // A new GamePlay, owned by the caller.
    QObject* create() override;
};

} // namespace halvane::bakersdozen
