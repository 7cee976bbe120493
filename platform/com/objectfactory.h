#pragma once
// The root object of every game plug-in library. A library is one Qt plug-in whose
// metadata names the class id it serves ({"ClassId": "Klondike.GamePlay"}); its root
// object is a factory, since Qt keeps one root instance per library while the host needs
// a fresh object each time it starts a game.

#include <QObject>
#include <QtPlugin>

namespace com {

class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    // A new object, owned by the caller. Its operations are Q_INVOKABLE methods called
    // late-bound by name (see CallByName).
    virtual QObject* create() = 0;
};

} // namespace com

#define COM_OBJECTFACTORY_IID "org.halvane.com.ObjectFactory/1"
Q_DECLARE_INTERFACE(com::ObjectFactory, COM_OBJECTFACTORY_IID)
