// Draws every picture of the program's windows shown in docs/:
//   zhrebikon_screenshots DOCS-FOLDER [CSV-OF-6/49-DRAWS]
// Without the CSV the pictures of the opened history (main window, charts, the import preview)
// are left as they are. The pictures are drawn on the offscreen platform, so that they do not
// depend on the desktop they are made on.
#include "ChartPictures.h"
#include "DialogPictures.h"
#include "HistoryDatabase.h"
#include "MainWindowPictures.h"
#include "PictureFolder.h"
#include "TicketPictures.h"
#include "platform/LotteryApplication.h"

#include <QDir>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    LotteryApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3) {
        qWarning("usage: zhrebikon_screenshots DOCS-FOLDER [CSV-OF-6/49-DRAWS]");
        return 2;
    }
    PictureFolder folder{QDir(args[1])};

    QTemporaryDir scratch;
    QString database;
    if (args.size() == 3 && !args[2].isEmpty()) {
        database = scratch.filePath(QStringLiteral("lotto649.dat"));
        qInfo("%d draws read", WriteHistoryDatabase(args[2], database));
    } else {
        qWarning("no 6/49 history given: main-window.png, statistics-page.png, "
                 "draw-entry-page.png and the chart pictures are left as they are");
    }
    DrawPagePictures(folder, database);
    DrawPlayPictures(folder);
    DrawQuadraturePicture(folder);
    DrawDialogPictures(folder);
    DrawTableUpdatePictures(folder);
    DrawChartPictures(folder, database);
    DrawTicketPictures(folder, database);
    if (args.size() == 3 && !args[2].isEmpty())
        DrawTablePreviewPicture(folder, args[2]);
    return folder.allSaved() ? 0 : 1;
}
