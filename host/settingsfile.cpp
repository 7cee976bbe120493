#include "host/settingsfile.h"

#include "platform/com/rounding.h"
#include "platform/gdi/regularfile.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace halvane {

namespace {

const QString WebSiteHeader = QStringLiteral("[WebSite]");
const QString CardBackHeader = QStringLiteral("[Card Back]");
const QString CurrentDeckHeader = QStringLiteral("[Current Deck]");
const QString CurrentGameHeader = QStringLiteral("[Current Game]");
const QString DecksHeader = QStringLiteral("[Decks]");
const QString GamesHeader = QStringLiteral("[Games]");
const QString ListEnd = QStringLiteral("-");

// The largest settings file read, and so the largest written.
constexpr qint64 MaxFileBytes = qint64(4) << 20;

// What the lines after `header` should read, as every message about them ends.
QString expectation(const QString& header) {
    QString lines;
    if (header == WebSiteHeader)
        lines = QStringLiteral("comes one line of free text, the web site");
    else if (header == CardBackHeader)
        lines = QStringLiteral("comes one line with the card back number, such as \" 1 \"");
    else if (header == CurrentDeckHeader)
        lines =
            QStringLiteral("comes one line with the deck picture file, such as \"Standard.bmp\"");
    else if (header == CurrentGameHeader)
        lines =
            QStringLiteral("comes one line game name=plug-in name, such as \"Klondike=Klondike\"");
    else if (header == DecksHeader)
        lines = QStringLiteral("come lines deck name=deck picture file, then a line \"-\"");
    else
        lines = QStringLiteral("come lines game name=plug-in name, then a line \"-\"");
    return QStringLiteral("; after a line %1 %2").arg(header, lines);
}

// The sections start-up cannot do without, in the order the file holds them.
const QStringList RequiredHeaders = {DecksHeader, GamesHeader, CurrentDeckHeader,
                                     CurrentGameHeader};

// A line quoted in a message: long lines are cut so the message stays readable.
QString quoted(const QString& line) {
    constexpr int Longest = 60;
    if (line.size() <= Longest)
        return QLatin1Char('"') + line + QLatin1Char('"');
    return QLatin1Char('"') + line.left(Longest) + QStringLiteral("...\"");
}

// The file's lines without their line ends. The closing empty line is dropped; a file
// without one is taken as if it had it, so that its last line is read like any other.
QStringList splitLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
    // The piece after the final line end (or the whole of an empty file) is no line.
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

class Reader {
public:
    Reader(const QString& path, QStringList lines) : m_path(path), m_lines(std::move(lines)) {}

    void read(HostSettings& settings, std::int16_t& cardBack) {
        bool decksRead = false;
        bool gamesRead = false;
        while (m_next < m_lines.size()) {
            const int number = m_next + 1;
            const QString& line = m_lines.at(m_next++);
            if (line.startsWith(QLatin1Char('[')))
                m_headers.insert(line, number);
            if (line == WebSiteHeader) {
                settings.WebSite = value(WebSiteHeader, number);
            } else if (line == CardBackHeader) {
                const QString text = value(CardBackHeader, number);
                cardBack = backNumber(text, m_next); // m_next: the value's own line number
            } else if (line == CurrentDeckHeader) {
                settings.CurrentDeckFile = value(CurrentDeckHeader, number);
            } else if (line == CurrentGameHeader) {
                const QString pair = value(CurrentGameHeader, number);
                const qsizetype eq = pair.indexOf(QLatin1Char('='));
                if (eq < 0)
                    fail(m_next,
                         QStringLiteral("[Current Game] value %1 has no \"=\"").arg(quoted(pair)) +
                             expectation(CurrentGameHeader));
                settings.CurrentGameName = pair.left(eq);
                settings.CurrentGamePlugin = pair.mid(eq + 1);
            } else if (line == DecksHeader && !decksRead) {
                readList(DecksHeader, number, settings.DeckNames, settings.DeckFiles);
                decksRead = true;
            } else if (line == GamesHeader && !gamesRead) {
                readList(GamesHeader, number, settings.GameNames, settings.GamePlugins);
                gamesRead = true;
            }
            // Anything else, a second list section included, is skipped.
        }
    }

    // What start-up needs beyond a readable file: something in it, the required sections
    // and a plug-in to create.
    void requireStartSections(const HostSettings& settings) const {
        if (m_lines.isEmpty())
            throw SettingsError(QStringLiteral("%1 is empty; it should hold the sections %2, "
                                               "[WebSite] and [Card Back]")
                                    .arg(m_path, RequiredHeaders.join(QStringLiteral(", ")))
                                    .toStdString());
        for (const QString& header : RequiredHeaders) {
            if (!m_headers.contains(header))
                throw SettingsError(QStringLiteral("%1 has no line %2 in its %3 lines")
                                        .arg(m_path, header)
                                        .arg(m_lines.size())
                                        .append(expectation(header))
                                        .toStdString());
        }
        if (settings.CurrentGamePlugin.isEmpty())
            fail(m_headers.value(CurrentGameHeader) + 1,
                 QStringLiteral("the [Current Game] line names no plug-in") +
                     expectation(CurrentGameHeader));
    }

private:
    [[noreturn]] void fail(int lineNumber, const QString& what) const {
        throw SettingsError(
            QStringLiteral("%1 line %2: %3").arg(m_path).arg(lineNumber).arg(what).toStdString());
    }

    // The single value line that follows a header.
    QString value(const QString& header, int headerLine) {
        if (m_next >= m_lines.size())
            fail(headerLine,
                 QStringLiteral("the file ends inside %1: the value line is missing").arg(header) +
                     expectation(header));
        return m_lines.at(m_next++);
    }

    void readList(const QString& header, int headerLine, QStringList& names, QStringList& values) {
        for (;;) {
            if (m_next >= m_lines.size())
                fail(headerLine,
                     QStringLiteral("the file ends inside %1: no \"-\" terminator").arg(header) +
                         expectation(header));
            const int number = m_next + 1;
            const QString& entry = m_lines.at(m_next++);
            if (entry == ListEnd)
                return;
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            if (eq < 0)
                fail(number,
                     QStringLiteral("entry %1 in %2 has no \"=\"").arg(quoted(entry), header) +
                         expectation(header));
            if (names.size() >= HostSettings::MaxEntries)
                fail(number, QStringLiteral("%1 has more than %2 entries")
                                 .arg(header)
                                 .arg(HostSettings::MaxEntries));
            names.append(entry.left(eq));
            values.append(entry.mid(eq + 1));
        }
    }

    // The number at the start of the line, as a 16-bit back number.
    std::int16_t backNumber(const QString& line, int lineNumber) const {
        static const QRegularExpression number(
            QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)"));
        const QRegularExpressionMatch match = number.match(line);
        if (!match.hasMatch())
            return 0;
        const QString text = match.captured(1);
        const double rounded = com::RoundHalfEven(text.toDouble());
        if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
              rounded <= std::numeric_limits<std::int16_t>::max()))
            fail(lineNumber,
                 QStringLiteral("[Card Back] value %1 is outside -32768 to 32767").arg(text) +
                     expectation(CardBackHeader));
        return std::int16_t(rounded);
    }

    QString m_path;
    QStringList m_lines;
    int m_next = 0;                // index of the next line to read
    QHash<QString, int> m_headers; // each header line seen, with its line number
};

class Writer {
public:
    explicit Writer(const QString& path) : m_path(path) {}

    void line(const QString& text, const QString& what) {
        if (text.contains(QLatin1Char('\n')))
            fail(QStringLiteral("%1 holds a line break").arg(what));
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                fail(QStringLiteral("%1 holds the character \"%2\", which the settings file "
                                    "cannot store")
                         .arg(what, QString(c)));
        }
        m_bytes += text.toLatin1();
        m_bytes += "\r\n";
    }

    void list(const QString& header, const QStringList& names, const QStringList& values,
              const QString& what) {
        if (names.size() != values.size())
            fail(QStringLiteral("the %1 list has %2 names but %3 values")
                     .arg(what)
                     .arg(names.size())
                     .arg(values.size()));
        if (names.size() > HostSettings::MaxEntries)
            fail(QStringLiteral("the %1 list has %2 entries, more than %3")
                     .arg(what)
                     .arg(names.size())
                     .arg(HostSettings::MaxEntries));
        line(header, header);
        for (qsizetype i = 0; i < names.size(); ++i)
            line(names.at(i) + QLatin1Char('=') + values.at(i),
                 QStringLiteral("%1 entry %2").arg(what).arg(i + 1));
        line(ListEnd, header);
    }

    void commit() const {
        if (m_bytes.size() > MaxFileBytes)
            fail(QStringLiteral("the file would take %1 bytes, more than the %2 that are read")
                     .arg(m_bytes.size())
                     .arg(MaxFileBytes));
        QSaveFile file(m_path);
        if (!file.open(QIODevice::WriteOnly))
            failWrite(file.errorString());
        if (file.write(m_bytes) != m_bytes.size())
            failWrite(file.errorString());
        if (!file.commit())
            failWrite(file.errorString());
    }

private:
    [[noreturn]] void fail(const QString& what) const {
        throw SettingsError(
            QStringLiteral("cannot save the settings to %1: %2").arg(m_path, what).toStdString());
    }
    [[noreturn]] void failWrite(const QString& reason) const {
        throw SettingsError(
            QStringLiteral("cannot write %1: %2").arg(m_path, reason).toStdString());
    }

    QString m_path;
    QByteArray m_bytes;
};

} // namespace

void LoadSettings(const QString& path, HostSettings& settings, std::int16_t& cardBack,
                  SettingsUse use) {
    // Only an ordinary file of a sane size: a FIFO would hang start-up and /dev/zero would
    // fill the memory.
    QString fault;
    const std::optional<QByteArray> bytes = gdi::ReadRegularFile(path, MaxFileBytes, fault);
    if (!bytes)
        throw SettingsError(QStringLiteral("cannot open %1: %2").arg(path, fault).toStdString());

    // Filled apart, so a bad file changes nothing.
    HostSettings read;
    read.InstallDir = settings.InstallDir;
    std::int16_t back = 0;
    Reader reader(path, splitLines(*bytes));
    reader.read(read, back);
    if (use == SettingsUse::StartUp)
        reader.requireStartSections(read);
    settings = std::move(read);
    cardBack = back;
}

void SaveSettings(const QString& path, const HostSettings& settings, std::int16_t cardBack) {
    Writer out(path);
    out.list(DecksHeader, settings.DeckNames, settings.DeckFiles, QStringLiteral("deck"));
    out.list(GamesHeader, settings.GameNames, settings.GamePlugins, QStringLiteral("game"));
    out.line(CurrentDeckHeader, CurrentDeckHeader);
    out.line(settings.CurrentDeckFile, QStringLiteral("the current deck file"));
    out.line(CurrentGameHeader, CurrentGameHeader);
    out.line(settings.CurrentGameName + QLatin1Char('=') + settings.CurrentGamePlugin,
             QStringLiteral("the current game"));
    out.line(WebSiteHeader, WebSiteHeader);
    out.line(settings.WebSite, QStringLiteral("the web-site line"));
    out.line(CardBackHeader, CardBackHeader);
    // The number layout of formatted file output: a blank in place of a plus sign and a
    // blank after the digits.
    const QString number = QString::number(cardBack);
    out.line(cardBack < 0 ? number + QLatin1Char(' ')
                          : QLatin1Char(' ') + number + QLatin1Char(' '),
             CardBackHeader);
    out.line(QString(), QStringLiteral("the closing line"));
    out.commit();
}

} // namespace halvane
