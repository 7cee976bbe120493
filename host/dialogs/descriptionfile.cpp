#include "host/dialogs/descriptionfile.h"

#include "platform/gdi/regularfile.h"

#include <QList>

namespace halvane {

namespace {

// Description files are a few lines long; anything far larger is not one, and reading it
// whole would only cost memory. Pipes and devices are refused before they are opened.
constexpr qint64 MaxFileBytes = 1 << 20;

const QString WebSiteMarker = QStringLiteral("[WebSite]");

QString quoted(const QString& path) {
    return QLatin1Char('"') + path + QLatin1Char('"');
}

[[noreturn]] void fail(const QString& path, const QString& what) {
    throw DescriptionError(
        QStringLiteral("The description file %1 %2.").arg(quoted(path), what).toStdString());
}

// Lines end at LF; one CR before the LF (or before the end of the file) belongs to the
// line end. A final LF ends the last line rather than starting an empty one.
QList<QString> splitLines(const QByteArray& bytes) {
    QList<QString> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes.at(end - 1) == '\r')
            --length;
        lines.append(QString::fromLatin1(bytes.constData() + start, length));
        start = next;
    }
    return lines;
}

} // namespace

DescriptionFile DescriptionFile::read(const QString& path, const QString& entryForm) {
    QString fault;
    const std::optional<QByteArray> bytes = gdi::ReadRegularFile(path, MaxFileBytes, fault);
    if (!bytes)
        fail(path, QStringLiteral("cannot be opened: %1").arg(fault));
    return parse(*bytes, path, entryForm);
}

DescriptionFile DescriptionFile::parse(const QByteArray& bytes, const QString& path,
                                       const QString& entryForm) {
    const QList<QString> lines = splitLines(bytes);
    if (lines.isEmpty())
        fail(path, QStringLiteral("is empty; its first line must read %1").arg(entryForm));

    const QString& entry = lines.first();
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    if (eq < 0)
        fail(path, QStringLiteral("has no \"=\" on its first line (\"%1\"), which must read %2")
                       .arg(entry.left(80), entryForm));

    DescriptionFile result;
    result.name = entry.left(eq);
    result.value = entry.mid(eq + 1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines.at(i) != WebSiteMarker)
            continue;
        if (i + 1 >= lines.size())
            fail(path, QStringLiteral("ends with \"[WebSite]\" on line %1, with no web site "
                                      "line after it")
                           .arg(i + 1));
        result.webSite = lines.at(i + 1);
        ++i; // the web site line is text, never a marker
    }
    return result;
}

} // namespace halvane
