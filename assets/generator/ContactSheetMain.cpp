// Renders the contact sheet of the pictures built into the program:
//   zhrebikon_contact_sheet <file.png>
#include "ContactSheet.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zhrebikon_contact_sheet <file.png>\n");
        return 2;
    }
    const QImage sheet = artgen::RenderContactSheet();
    if (!sheet.save(args[1], "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(args[1]));
    return 0;
}
