// deckgen: draws the shipped deck pictures and the application icon.
//   deckgen sheet <style> <file.bmp>   a deck picture ("Standard", "FourColour", ...)
//   deckgen sheet <style> <file.png> <scale>   the same picture 2 to 4 times larger
//   deckgen icon <size> <file.png>     the icon, size x size pixels

#include "tools/deckgen/appicon.h"
#include "tools/deckgen/deckfonts.h"
#include "tools/deckgen/decksheet.h"
#include "tools/deckgen/deckstyle.h"
#include "tools/deckgen/fastpng.h"
#include "tools/deckgen/imagefile.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

using namespace halvane::deckgen;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: deckgen sheet <%s> <file.bmp> | <file.png> <2..4>\n"
                 "       deckgen icon <size> <file.png>\n",
                 qPrintable(DeckStyle::names().join('|')));
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no display; the offscreen platform works on a build machine too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 3 && !(args.size() == 4 && args[0] == "sheet"))
        return usage();
    try {
        const DeckFonts fonts;
        if (args[0] == "sheet") {
            const DeckStyle style = DeckStyle::named(args[1]);
            if (args.size() == 3) {
                ImageFile::write(DeckSheet(fonts, style).render(), args[2], "BMP");
            } else {
                bool ok = false;
                const int scale = args[3].toInt(&ok);
                if (!ok || scale < 2 || scale > 4) {
                    std::fprintf(stderr, "deckgen: scale \"%s\" is not 2, 3 or 4\n",
                                 qPrintable(args[3]));
                    return 1;
                }
                ImageFile::write(fastPng(DeckSheet(fonts, style).render(scale)), args[2]);
            }
        } else if (args[0] == "icon") {
            bool ok = false;
            const int size = args[1].toInt(&ok);
            if (!ok) {
                std::fprintf(stderr, "deckgen: icon size \"%s\" is not a number\n",
                             qPrintable(args[1]));
                return 1;
            }
            ImageFile::write(AppIcon(fonts).render(size), args[2], "PNG");
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "deckgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
