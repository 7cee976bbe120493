#pragma once
// Component services: creating an object by class id and calling it late-bound by name.

#include "platform/com/variant.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

namespace com {

// Folders searched for plug-in libraries, in order. Paths are made absolute.
void AddPluginFolder(const QString& folder);
QStringList PluginFolders();
void ClearPluginFolders(); // tests

// Creates a new object of the class id (e.g. "Klondike.GamePlay"): the first plug-in
// library in the plug-in folders whose metadata names that class id. Throws com::Error
// naming the class id (and the library, when one was found but failed to load or did
// not create an object).
std::unique_ptr<QObject> CreateObject(const QString& classId);

// Calls the Q_INVOKABLE method `operation` of `object` with `args` converted to its
// parameter types (int, short, float, double, bool, QString or com::Variant). Returns
// the method's result as a Variant (Empty for void). Throws com::Error naming the
// operation when the object has no such method, the arguments do not convert or their
// number differs. Exceptions thrown by the method itself pass through unchanged.
Variant CallByName(QObject* object, const char* operation, const std::vector<Variant>& args = {});

} // namespace com
