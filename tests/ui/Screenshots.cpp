// Renders the main window's pages into PNG files for the documentation:
//   zhrebikon_screenshots OUTPUT-FOLDER [CSV-OF-6/49-DRAWS]
// The CSV has the header "Date,Num1..Num6,Bonus"; its quoted date field holds a comma.
#include "PageControl.h"
#include "UiTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

std::vector<std::vector<int>> ReadDraws(const QString& csvPath) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(csvPath));
    QTextStream in(&file);
    in.readLine(); // header
    std::vector<std::vector<int>> draws;
    while (!in.atEnd()) {
        QString line = in.readLine();
        // Drop the quoted date, then take the six numbers that follow it.
        line.remove(QRegularExpression(QStringLiteral("^\"[^\"]*\",")));
        const QStringList fields = line.split(QLatin1Char(','));
        if (fields.size() < 6)
            continue;
        std::vector<int> draw;
        for (int i = 0; i < 6; ++i)
            draw.push_back(fields[i].trimmed().toInt());
        draws.push_back(draw);
    }
    return draws;
}

void Save(QWidget* widget, const QString& path) {
    if (!widget->grab().save(path))
        qFatal("cannot write %s", qPrintable(path));
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    LotteryApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: zhrebikon_screenshots OUTPUT-FOLDER [CSV]");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    MainWindowFixture f;
    QCoreApplication::processEvents();
    Save(f.window.get(), out.filePath("main-window-empty.png"));
    Save(f.control<QWidget>("TabSheet1"), out.filePath("statistics-page-empty.png"));
    f.window->pageControl().setCurrentIndex(1);
    QCoreApplication::processEvents();
    Save(f.control<QWidget>("TabSheet2"), out.filePath("draw-entry-page-empty.png"));
    f.window->pageControl().setCurrentIndex(0);

    if (argc >= 3) {
        QTemporaryDir dir;
        const QString database = dir.filePath("lotto649.dat");
        const auto draws = ReadDraws(QString::fromLocal8Bit(argv[2]));
        WriteDatabase(database, {6, 49}, draws);
        f.dialogs.openPaths = {database};
        f.window->mnuOpenClick();
        QCoreApplication::processEvents();
        qInfo("%zu draws opened", draws.size());
        Save(f.window.get(), out.filePath("main-window.png"));
        Save(f.control<QWidget>("TabSheet1"), out.filePath("statistics-page.png"));
        f.window->pageControl().setCurrentIndex(1);
        QCoreApplication::processEvents();
        Save(f.control<QWidget>("TabSheet2"), out.filePath("draw-entry-page.png"));
    }
    return 0;
}
