// The "Опции" menu: the shared colour dialog, what each colour reaches, the two background
// patterns, and User.opt written and read back.
#include "options/AppearanceOptions.h"

#include "PageFixture.h"
#include "Pictures.h"
#include "WindowTesting.h"
#include "statistics/StatisticsPage.h"
#include "storage/IoError.h"
#include "widgets/ColourValue.h"
#include "widgets/StringGrid.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <functional>

namespace {

// The two pages, the options and a menu, as the main window puts them together.
struct OptionsFixture {
    explicit OptionsFixture(const QString& optionsPath = kNoOptionsFile)
        : statistics(page.document), window() {
        options = std::make_unique<AppearanceOptions>(statistics, *page.page, dialogs,
                                                      optionsPath.toStdString(),
                                                      lottery::SystemFileSystem(), &window);
        options->populateMenu(&menu);
        options->LayFirstPattern();
    }

    QAction* item(const char* name) const {
        return menu.findChild<QAction*>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
    }

    PageFixture page;
    StatisticsPage statistics;
    QWidget window;
    ScriptedDialogs dialogs;
    QMenu menu;
    std::unique_ptr<AppearanceOptions> options;
};

// Every pixel of a page background is the tile's pixel at the same place modulo 81.
bool IsTiledWith(const QImage& page, const QImage& tile) {
    if (page.size() != QSize(450, 303))
        return false;
    for (int y = 0; y < page.height(); y += 7)
        for (int x = 0; x < page.width(); x += 5)
            if ((page.pixel(x, y) & RGB_MASK) != (tile.pixel(x % 81, y % 81) & RGB_MASK))
                return false;
    // The cut-off corner of the last column and row.
    return (page.pixel(449, 302) & RGB_MASK) == (tile.pixel(449 - 405, 302 - 243) & RGB_MASK);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

using Getter = std::function<std::int32_t(const lottery::OptionsRecord&)>;

QColor TitleColourOf(const StatisticsPage& page) {
    return page.findChild<QLabel*>(QStringLiteral("Label1"))->palette().color(QPalette::WindowText);
}

} // namespace

Q_DECLARE_METATYPE(Getter)

class AppearanceOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void optionsMenuHoldsItsItemsInOrder();
    void firstPatternIsCheckedAndLaidAtStart();

    void eachColourCommandReachesItsOwnTarget_data();
    void eachColourCommandReachesItsOwnTarget();
    void colourDialogOpensOnTheLastColourConfirmedInAnyCommand();
    void cancellingTheColourDialogChangesNothing();

    void backgroundCommandsMoveTheTickAndRetileBothPages();
    void choosingTheCheckedPatternAgainKeepsItsTick();
    void appearanceChangesNeverMarkTheDocumentChanged();

    void savedOptionsAreReadBackAtTheNextStart();
    void savingUnchangedDefaultsWritesTheDesignColours();
    void anyBackgroundOtherThanOneSelectsTheSecondPattern_data();
    void anyBackgroundOtherThanOneSelectsTheSecondPattern();
    void reservedBytesAreWrittenBackAsRead();
    void missingOrShortFileKeepsTheDefaults_data();
    void missingOrShortFileKeepsTheDefaults();
    void readOnlyFileIsIgnoredAtStartAndSavingThenFailsWithFileAccessDenied();
};

void AppearanceOptionsTest::optionsMenuHoldsItsItemsInOrder() {
    OptionsFixture f;
    const QList<QAction*> top = f.menu.actions();
    QCOMPARE(top.size(), 4);
    QCOMPARE(top[0]->objectName(), QStringLiteral("mnuColor"));
    QCOMPARE(top[0]->text(), QStringLiteral("Цвета"));
    QCOMPARE(top[1]->objectName(), QStringLiteral("mnuFon"));
    QCOMPARE(top[1]->text(), QStringLiteral("Фон"));
    QVERIFY(top[2]->isSeparator());
    QCOMPARE(top[2]->objectName(), QStringLiteral("mnuOptSep"));
    QCOMPARE(top[3]->objectName(), QStringLiteral("mnuSaveOptions"));
    QCOMPARE(top[3]->text(), QStringLiteral("Сохранить опции"));

    const QList<QAction*> colours = top[0]->menu()->actions();
    const QStringList names = {"mnuColorTableFon", "mnuColorShap", "mnuColSep", "mnuFontZagol",
                               "mnuFontTable"};
    const QStringList captions = {"Цвет фона таблиц", "Цвет шапки таблиц", "", "Цвет заголовков",
                                  "Цвет шрифта таблиц"};
    QCOMPARE(colours.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        QCOMPARE(colours[i]->objectName(), names[i]);
        QCOMPARE(colours[i]->isSeparator(), captions[i].isEmpty());
        if (!captions[i].isEmpty())
            QCOMPARE(colours[i]->text(), captions[i]);
    }

    const QList<QAction*> patterns = top[1]->menu()->actions();
    QCOMPARE(patterns.size(), 2);
    QCOMPARE(patterns[0]->objectName(), QStringLiteral("mnuFon1"));
    QCOMPARE(patterns[0]->text(), QStringLiteral("Российские будни"));
    QCOMPARE(patterns[1]->objectName(), QStringLiteral("mnuFon2"));
    QCOMPARE(patterns[1]->text(), QStringLiteral("Квадратура"));
    // Ticks, not radio dots.
    for (QAction* pattern : patterns) {
        QVERIFY(pattern->isCheckable());
        QCOMPARE(pattern->actionGroup(), nullptr);
    }
}

void AppearanceOptionsTest::firstPatternIsCheckedAndLaidAtStart() {
    OptionsFixture f;
    QVERIFY(f.item("mnuFon1")->isChecked());
    QVERIFY(!f.item("mnuFon2")->isChecked());
    const QImage& plaster = art::Pictures::instance().plasterTile();
    QCOMPARE(f.options->currentTile(), plaster);
    QVERIFY(IsTiledWith(f.page.page->background(), plaster));
}

void AppearanceOptionsTest::eachColourCommandReachesItsOwnTarget_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<Getter>("target");
    QTest::newRow("table background")
        << "mnuColorTableFon"
        << Getter([](const lottery::OptionsRecord& r) { return r.tableBackColour; });
    QTest::newRow("table title cells")
        << "mnuColorShap"
        << Getter([](const lottery::OptionsRecord& r) { return r.tableHeadColour; });
    QTest::newRow("titles") << "mnuFontZagol" << Getter([](const lottery::OptionsRecord& r) {
        return r.titleColour;
    });
    QTest::newRow("table font") << "mnuFontTable" << Getter([](const lottery::OptionsRecord& r) {
        return r.tableFontColour;
    });
}

void AppearanceOptionsTest::eachColourCommandReachesItsOwnTarget() {
    QFETCH(QString, command);
    QFETCH(Getter, target);
    OptionsFixture f;
    const lottery::OptionsRecord before = f.options->currentRecord();
    const QColor chosen(12, 200, 77);
    f.dialogs.colours.push_back(chosen);
    f.item(command.toLatin1().constData())->trigger();
    QCOMPARE(target(f.options->currentRecord()), ColourValueOf(chosen));
    QCOMPARE(target(f.options->currentRecord()), lottery::colour::Rgb(12, 200, 77));
    // Exactly one of the four colours moved.
    const lottery::OptionsRecord after = f.options->currentRecord();
    const int moved = (after.tableBackColour != before.tableBackColour) +
                      (after.tableHeadColour != before.tableHeadColour) +
                      (after.titleColour != before.titleColour) +
                      (after.tableFontColour != before.tableFontColour);
    QCOMPARE(moved, 1);
    if (command == QLatin1String("mnuFontZagol"))
        QCOMPARE(f.options->titleColour(), chosen);
}

void AppearanceOptionsTest::colourDialogOpensOnTheLastColourConfirmedInAnyCommand() {
    OptionsFixture f;
    f.dialogs.colours = {QColor(Qt::red), std::nullopt, QColor(Qt::green)};
    f.item("mnuColorTableFon")->trigger();
    f.item("mnuFontTable")->trigger(); // cancelled
    f.item("mnuColorShap")->trigger();
    f.item("mnuFontZagol")->trigger(); // no answer left: cancelled
    QCOMPARE(f.dialogs.colourOpenedOn.size(), 4u);
    QCOMPARE(f.dialogs.colourOpenedOn[0], QColor(Qt::black));
    QCOMPARE(f.dialogs.colourOpenedOn[1], QColor(Qt::red));
    QCOMPARE(f.dialogs.colourOpenedOn[2], QColor(Qt::red));
    QCOMPARE(f.dialogs.colourOpenedOn[3], QColor(Qt::green));
}

void AppearanceOptionsTest::cancellingTheColourDialogChangesNothing() {
    OptionsFixture f;
    const lottery::OptionsRecord before = f.options->currentRecord();
    const QImage backgroundBefore = f.page.page->background();
    for (const char* command : {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable"})
        f.item(command)->trigger();
    QCOMPARE(f.dialogs.colourOpenedOn.size(), 4u);
    QVERIFY(f.options->currentRecord() == before);
    QCOMPARE(f.options->lastConfirmedColour(), QColor(Qt::black));
    QCOMPARE(f.page.page->background(), backgroundBefore);
    QVERIFY(!f.page.document.changed());
}

void AppearanceOptionsTest::backgroundCommandsMoveTheTickAndRetileBothPages() {
    OptionsFixture f;
    const art::Pictures& pictures = art::Pictures::instance();
    f.item("mnuFon2")->trigger();
    QVERIFY(!f.item("mnuFon1")->isChecked());
    QVERIFY(f.item("mnuFon2")->isChecked());
    QCOMPARE(f.options->currentTile(), pictures.patchworkTile());
    QVERIFY(IsTiledWith(f.page.page->background(), pictures.patchworkTile()));
    QCOMPARE(f.options->currentRecord().background, 2);

    f.item("mnuFon1")->trigger();
    QVERIFY(f.item("mnuFon1")->isChecked());
    QVERIFY(!f.item("mnuFon2")->isChecked());
    QVERIFY(IsTiledWith(f.page.page->background(), pictures.plasterTile()));
    QCOMPARE(f.options->currentRecord().background, 1);
}

void AppearanceOptionsTest::choosingTheCheckedPatternAgainKeepsItsTick() {
    OptionsFixture f;
    f.item("mnuFon1")->trigger();
    QVERIFY(f.item("mnuFon1")->isChecked());
    QVERIFY(!f.item("mnuFon2")->isChecked());
    f.item("mnuFon2")->trigger();
    f.item("mnuFon2")->trigger();
    QVERIFY(f.item("mnuFon2")->isChecked());
    QVERIFY(!f.item("mnuFon1")->isChecked());
}

void AppearanceOptionsTest::appearanceChangesNeverMarkTheDocumentChanged() {
    OptionsFixture f;
    f.dialogs.colours = {QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(9, 9, 9)};
    for (const char* command :
         {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable", "mnuFon2", "mnuFon1"})
        f.item(command)->trigger();
    QVERIFY(!f.page.document.changed());
    QVERIFY(f.page.listener.indexOf("changedFlagChanged true") < 0);
    QVERIFY(f.page.listener.indexOf("changedFlagChanged false") < 0);
}

void AppearanceOptionsTest::savedOptionsAreReadBackAtTheNextStart() {
    QTemporaryDir cwd;
    lottery::OptionsRecord saved;
    {
        OptionsFixture first(cwd.filePath("User.opt"));
        first.dialogs.colours = {QColor(10, 20, 30), QColor(40, 50, 60), QColor(70, 80, 90),
                                 QColor(100, 110, 120)};
        for (const char* command :
             {"mnuColorTableFon", "mnuColorShap", "mnuFontZagol", "mnuFontTable", "mnuFon2"})
            first.item(command)->trigger();
        first.item("mnuSaveOptions")->trigger();
        saved = first.options->currentRecord();
    }
    const QByteArray bytes = ReadFile(cwd.filePath(QStringLiteral("User.opt")));
    QCOMPARE(bytes.size(), 20);
    QCOMPARE(int(bytes[0]), 2);

    OptionsFixture next(cwd.filePath("User.opt"));
    next.options->LoadOptions();
    QVERIFY(next.options->currentRecord() == saved);
    QCOMPARE(next.statistics.grdReje()->backColour(), QColor(10, 20, 30));
    QCOMPARE(next.statistics.grdAll()->fixedColour(), QColor(40, 50, 60));
    QCOMPARE(TitleColourOf(next.statistics), QColor(70, 80, 90));
    QCOMPARE(next.statistics.grdNumber()->fontColour(), QColor(100, 110, 120));
    QVERIFY(next.item("mnuFon2")->isChecked());
    QVERIFY(!next.item("mnuFon1")->isChecked());
    QVERIFY(IsTiledWith(next.page.page->background(), art::Pictures::instance().patchworkTile()));
    QCOMPARE(next.options->titleColour(), QColor(70, 80, 90));
}

void AppearanceOptionsTest::savingUnchangedDefaultsWritesTheDesignColours() {
    QTemporaryDir cwd;
    OptionsFixture f(cwd.filePath("User.opt"));
    f.options->mnuSaveOptionsClick();
    const auto record =
        lottery::LoadOptions(cwd.filePath(QStringLiteral("User.opt")).toStdString());
    QVERIFY(record.has_value());
    QVERIFY(*record == lottery::OptionsRecord{});
}

void AppearanceOptionsTest::anyBackgroundOtherThanOneSelectsTheSecondPattern_data() {
    QTest::addColumn<int>("background");
    QTest::addColumn<bool>("firstPattern");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << false;
    QTest::newRow("3") << 3 << false;
    QTest::newRow("255") << 255 << false;
}

void AppearanceOptionsTest::anyBackgroundOtherThanOneSelectsTheSecondPattern() {
    QFETCH(int, background);
    QFETCH(bool, firstPattern);
    QTemporaryDir cwd;
    lottery::OptionsRecord record;
    record.background = static_cast<std::uint8_t>(background);
    const auto bytes = lottery::EncodeOptions(record);
    WriteFile(cwd.filePath(QStringLiteral("User.opt")),
              QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    OptionsFixture f(cwd.filePath("User.opt"));
    f.options->LoadOptions();
    QCOMPARE(f.item("mnuFon1")->isChecked(), firstPattern);
    QCOMPARE(f.item("mnuFon2")->isChecked(), !firstPattern);
    const art::Pictures& pictures = art::Pictures::instance();
    QCOMPARE(f.options->currentTile(),
             firstPattern ? pictures.plasterTile() : pictures.patchworkTile());
}

void AppearanceOptionsTest::reservedBytesAreWrittenBackAsRead() {
    QTemporaryDir cwd;
    lottery::OptionsRecord record;
    record.reserved = {0xAB, 0xCD, 0xEF};
    const auto bytes = lottery::EncodeOptions(record);
    const QString path = cwd.filePath(QStringLiteral("User.opt"));
    WriteFile(path, QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    OptionsFixture f(cwd.filePath("User.opt"));
    f.options->LoadOptions();
    f.options->mnuSaveOptionsClick();
    const QByteArray written = ReadFile(path);
    QCOMPARE(written.size(), 20);
    QCOMPARE(static_cast<unsigned char>(written[1]), 0xAB);
    QCOMPARE(static_cast<unsigned char>(written[2]), 0xCD);
    QCOMPARE(static_cast<unsigned char>(written[3]), 0xEF);
}

void AppearanceOptionsTest::missingOrShortFileKeepsTheDefaults_data() {
    QTest::addColumn<int>("length"); // -1: no file at all
    QTest::newRow("missing") << -1;
    QTest::newRow("empty") << 0;
    QTest::newRow("19 bytes") << 19;
}

void AppearanceOptionsTest::missingOrShortFileKeepsTheDefaults() {
    QFETCH(int, length);
    QTemporaryDir cwd;
    if (length >= 0) {
        lottery::OptionsRecord record;
        record.background = 2;
        record.titleColour = lottery::colour::Rgb(255, 0, 0);
        const auto bytes = lottery::EncodeOptions(record);
        WriteFile(cwd.filePath(QStringLiteral("User.opt")),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), length));
    }
    OptionsFixture f(cwd.filePath("User.opt"));
    const lottery::OptionsRecord before = f.options->currentRecord();
    f.options->LoadOptions();
    QVERIFY(f.options->currentRecord() == before);
    QVERIFY(f.item("mnuFon1")->isChecked());
    QVERIFY(IsTiledWith(f.page.page->background(), art::Pictures::instance().plasterTile()));
}

void AppearanceOptionsTest::readOnlyFileIsIgnoredAtStartAndSavingThenFailsWithFileAccessDenied() {
    QTemporaryDir cwd;
    lottery::OptionsRecord record;
    record.background = 2;
    record.tableBackColour = lottery::colour::Rgb(1, 2, 3);
    const auto bytes = lottery::EncodeOptions(record);
    const QByteArray content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const QString path = cwd.filePath(QStringLiteral("User.opt"));
    WriteFile(path, content);
    // No write permission for anyone: read-only even for a test run as root.
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    OptionsFixture f(cwd.filePath("User.opt"));
    const lottery::OptionsRecord defaults = f.options->currentRecord();
    f.options->LoadOptions();
    QVERIFY(f.options->currentRecord() == defaults);
    QVERIFY(f.item("mnuFon1")->isChecked());

    QVERIFY_THROWS_EXCEPTION(lottery::IoError, f.options->mnuSaveOptionsClick());
    try {
        f.options->mnuSaveOptionsClick();
    } catch (const lottery::IoError& error) {
        QCOMPARE(QString::fromStdString(error.what()), QStringLiteral("File access denied"));
    }
    QCOMPARE(ReadFile(path), content);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

ZHREBIKON_UI_TEST_MAIN(AppearanceOptionsTest)
#include "AppearanceOptionsTest.moc"
