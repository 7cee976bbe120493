#pragma once
// Component services: creating an object by class id and calling it late-bound by name.

#include "platform/com/variant.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

namespace com {

// Folders searched for plug-in libraries (*.so), in order. Paths are made absolute and
// kept once. Throws com::Error for an empty folder name; a folder that does not exist is
// kept (it may be created later) and simply yields nothing.
void AddPluginFolder(const QString& folder);
QStringList PluginFolders();
void ClearPluginFolders(); // tests

// Creates a new object of the class id (e.g. "Klondike.GamePlay"): the first plug-in
// library in the plug-in folders whose metadata names that class id, exactly and
// case-sensitively, and whose IID is COM_OBJECTFACTORY_IID. Folders are searched in
// order; within one, the library named after the class id's first part comes first
// ("libklondike.so" or "klondike.so", in any case), then the others by file name. A fresh
// object each call, owned by the caller. Throws com::Error naming the class id and the
// folders searched, or the library and why it failed (does not load, does not create
// objects, created none); an empty class id or one with an empty part (".GamePlay") is
// an error too. Libraries are never unloaded.
std::unique_ptr<QObject> CreateObject(const QString& classId);

// Calls the Q_INVOKABLE method `operation` of `object` with `args` converted to its
// parameter types (int, short, float, double, bool, QString or com::Variant). Returns
// the method's result as a Variant (Empty for void). Throws com::Error naming the
// operation when the object has no such method, the arguments do not convert or their
// number differs. Exceptions thrown by the method itself pass through unchanged.
//
// Matching is exact and case-sensitive, among the public methods and slots the object's
// class adds to QObject. Of overloads with the right number of parameters, the first
// whose arguments all convert is called. A double result is handed back as a Single;
// an int as a Long, a short as an Integer, a bool as a Boolean (True or False).
Variant CallByName(QObject* object, const char* operation, const std::vector<Variant>& args = {});

// True when `object` offers an operation named `operation` that CallByName would look
// at (a public method or slot of its own class, any number of parameters); false for a
// null object or name. Lets a caller tell an optional operation from a missing one.
bool HasOperation(const QObject* object, const char* operation);

// The class id CreateObject made `object` under, or its C++ class name for an object
// made otherwise; "" for null. Used to name the class in messages.
QString ClassIdOf(const QObject* object);

} // namespace com
