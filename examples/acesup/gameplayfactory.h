#pragma once
// The plug-in's root object: the table finds the library by the class id in acesup.json
// and asks this factory for a fresh game object each time it starts the game.

#include "platform/com/objectfactory.h"

#include <QObject>

namespace acesup {

class GamePlayFactory : public QObject, public com::ObjectFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID COM_OBJECTFACTORY_IID FILE "acesup.json")
    Q_INTERFACES(com::ObjectFactory)
public:
    QObject* create() override;
};

} // namespace acesup
