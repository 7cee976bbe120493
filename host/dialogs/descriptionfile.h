#pragma once
// A deck (".ini") or game (".gme") description file: one entry line "name=value" and an
// optional "[WebSite]" line whose following line is a web site text. 8-bit text
// (Latin-1); lines end with CR LF or LF; nothing is trimmed or case-folded.

#include "host/usererror.h"

#include <QString>

#include <optional>

namespace halvane {

// Raised when a description file cannot be used; the message names the file and says
// what is wrong with it (and on which line), ready to show to the user.
class DescriptionError : public UserError {
public:
    using UserError::UserError;
};

struct DescriptionFile {
    QString name;  // the entry line before its first "=" (may be empty)
    QString value; // everything after it, further "=" included (may be empty)
    // The line after the last "[WebSite]" marker; a marker's following line is taken
    // whole and never read as a marker itself. Empty optional when there is no marker.
    std::optional<QString> webSite;

    // Reads and checks the file at `path`. Throws DescriptionError when it cannot be
    // opened or read, is not an ordinary file (a FIFO, a device) or larger than 1 MiB, is
    // empty, its first line holds no "=", or a "[WebSite]" marker is
    // its last line. `entryForm` says in messages what the entry line should read, e.g.
    // "name=deck picture file".
    static DescriptionFile read(const QString& path, const QString& entryForm = "name=value");

    // The same rules applied to a file's bytes; `path` only names the file in messages.
    static DescriptionFile parse(const QByteArray& bytes, const QString& path,
                                 const QString& entryForm = "name=value");
};

} // namespace halvane
