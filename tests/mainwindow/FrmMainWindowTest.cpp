// The main window as built: size, title, menu, pages and the places of the statistics controls.
#include "WindowTesting.h"
#include "drawentry/DrawEntryPage.h"
#include "mainwindow/PageControl.h"
#include "statistics/StatisticsPage.h"
#include "widgets/StringGrid.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>

class FrmMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theClientAreaIs458By333BelowTheMenuBarAndCannotBeResized();
    void theWindowHasNoMaximiseBoxAndStartsWithTheDesignTitle();
    void theTwoPagesCarryTheirCaptionsAndAre450By303();
    void theStatisticsPageIsShownFirst();
    void menuItemsHaveTheirCaptionsShortcutsAndStates_data();
    void menuItemsHaveTheirCaptionsShortcutsAndStates();
    void theFileMenuHoldsItsItemsInOrderWithOneSeparator();
    void statisticsControlsSitAtTheirPlaces_data();
    void statisticsControlsSitAtTheirPlaces();
    void theSixTitlesAreBoldItalic13PixelAndSayTheirTexts_data();
    void theSixTitlesAreBoldItalic13PixelAndSayTheirTexts();
    void theTrackBarHasTicksBelowPageFiveAndRange1ToN();
    void lblNumberShowsOneInBoldBlueAtStart();
    void theGridsHaveTheirRowsColumnsAndWidths();
    void tabOrderRunsFromTheTrackBarToTheRankingGrids();
    void theWindowFontIsArialCyr12PixelResolvedToLiberationSans();
    void theDocumentOutlivesThePagesAndDialogsThatShowIt();
};

void FrmMainWindowTest::theClientAreaIs458By333BelowTheMenuBarAndCannotBeResized() {
    MainWindowFixture f;
    QWidget* client = f.window->centralWidget();
    QCOMPARE(client->size(), QSize(458, 333));
    QCOMPARE(client->objectName(), QStringLiteral("PageControl1"));
    const int menuHeight = f.window->menuBar()->height();
    QVERIFY(menuHeight > 10);
    QCOMPARE(f.window->size(), QSize(458, 333 + menuHeight));
    QCOMPARE(client->geometry().top(), menuHeight);
    QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
}

void FrmMainWindowTest::theWindowHasNoMaximiseBoxAndStartsWithTheDesignTitle() {
    MainWindowFixture f;
    const Qt::WindowFlags flags = f.window->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(f.window->windowTitle(), QStringLiteral(" \"Жребикон\"  от  Velkora  -  Безымянный"));
    QCOMPARE(f.window->objectName(), QStringLiteral("frmMain"));
}

void FrmMainWindowTest::theTwoPagesCarryTheirCaptionsAndAre450By303() {
    MainWindowFixture f;
    QTabBar* tabs = PagesOf(*f.window).tabBar();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral(" Статистика "));
    QCOMPARE(tabs->tabText(1), QStringLiteral(" Добавить тираж "));
    for (const char* name : {"TabSheet1", "TabSheet2"}) {
        auto* page = f.control<QWidget>(name);
        QVERIFY2(page != nullptr, name);
        QCOMPARE(page->size(), QSize(450, 303));
    }
    PagesOf(*f.window).setCurrentIndex(1);
    QCOMPARE(PagesOf(*f.window).currentPage()->objectName(), QStringLiteral("TabSheet2"));
    QVERIFY(f.control<QWidget>("TabSheet2")->isVisible());
}

void FrmMainWindowTest::theStatisticsPageIsShownFirst() {
    MainWindowFixture f;
    QCOMPARE(PagesOf(*f.window).currentIndex(), 0);
    QVERIFY(f.control<QWidget>("TabSheet1")->isVisible());
    // The first show refreshed the page: the numbers are in row 0.
    QCOMPARE(f.grid("grdAll").cell(1, 0), QStringLiteral("1"));
}

void FrmMainWindowTest::menuItemsHaveTheirCaptionsShortcutsAndStates_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("mnuFile") << "mnuFile"
                             << "&Файл"
                             << "" << true;
    QTest::newRow("mnuNew") << "mnuNew"
                            << "Новый"
                            << "" << true;
    QTest::newRow("mnuOpen") << "mnuOpen"
                             << "Открыть"
                             << "" << true;
    QTest::newRow("mnuSave") << "mnuSave"
                             << "Сохранить"
                             << "F2" << false;
    QTest::newRow("mnuSaveAs") << "mnuSaveAs"
                               << "Сохранить как ..."
                               << "" << true;
    QTest::newRow("mnuExit") << "mnuExit"
                             << "Выход"
                             << "" << true;
    QTest::newRow("mnuOptions") << "mnuOptions"
                                << "Опции"
                                << "" << true;
    QTest::newRow("mnuHelp") << "mnuHelp"
                             << "&Справка"
                             << "" << true;
    QTest::newRow("mnuHelpHelp") << "mnuHelpHelp"
                                 << "Помощь"
                                 << "F1" << true;
    QTest::newRow("mnuAbout") << "mnuAbout"
                              << "О программе"
                              << "" << true;
}

void FrmMainWindowTest::menuItemsHaveTheirCaptionsShortcutsAndStates() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    MainWindowFixture f;
    auto* action = f.window->findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
}

void FrmMainWindowTest::theFileMenuHoldsItsItemsInOrderWithOneSeparator() {
    MainWindowFixture f;
    QCOMPARE(f.window->menuBar()->objectName(), QStringLiteral("mnuMain"));
    QStringList top;
    for (QAction* a : f.window->menuBar()->actions())
        top << a->objectName();
    QCOMPARE(top, QStringList({"mnuFile", "mnuOptions", "mnuHelp"}));
    QStringList file;
    for (QAction* a : f.control<QMenu>("mnuFile")->actions())
        file << (a->isSeparator() ? QStringLiteral("-") + a->objectName() : a->objectName());
    QCOMPARE(file,
             QStringList({"mnuNew", "mnuOpen", "mnuSave", "mnuSaveAs", "-mnuFileSep", "mnuExit"}));
    QStringList help;
    for (QAction* a : f.control<QMenu>("mnuHelp")->actions())
        help << (a->isSeparator() ? QStringLiteral("-") + a->objectName() : a->objectName());
    QCOMPARE(help, QStringList({"mnuHelpHelp", "-mnuHelpSep", "mnuAbout"}));
    QVERIFY(!f.control<QMenu>("mnuOptions")->actions().isEmpty());
}

void FrmMainWindowTest::statisticsControlsSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("imgFon1") << "imgFon1" << QRect(0, 0, 450, 303);
    QTest::newRow("lbxAll") << "lbxAll" << QRect(9, 20, 160, 229);
    QTest::newRow("trcNumber") << "trcNumber" << QRect(178, 6, 239, 29);
    QTest::newRow("imgBall") << "imgBall" << QRect(418, 4, 26, 26);
    QTest::newRow("lblNumber") << "lblNumber" << QRect(420, 9, 22, 19);
    QTest::newRow("grdNumber") << "grdNumber" << QRect(182, 56, 260, 59);
    QTest::newRow("grdAll") << "grdAll" << QRect(182, 134, 260, 114);
    QTest::newRow("Label4") << "Label4" << QRect(10, 260, 95, 31);
    QTest::newRow("grdChashe") << "grdChashe" << QRect(113, 275, 160, 21);
    QTest::newRow("grdReje") << "grdReje" << QRect(281, 275, 160, 21);
}

void FrmMainWindowTest::statisticsControlsSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    MainWindowFixture f;
    auto* control = f.window->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(control->geometry(), place);
}

void FrmMainWindowTest::theSixTitlesAreBoldItalic13PixelAndSayTheirTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1" << QPoint(184, 119) << "Таблица по всем номерам:";
    QTest::newRow("Label2") << "Label2" << QPoint(184, 41) << "Таблица по выбранному номеру:";
    QTest::newRow("Label3") << "Label3" << QPoint(10, 5) << "Прошедшие тиражи:";
    QTest::newRow("Label4") << "Label4" << QPoint(10, 260) << "Номера, выпадающие:";
    QTest::newRow("Label6") << "Label6" << QPoint(118, 260) << "- чаще всего";
    QTest::newRow("Label7") << "Label7" << QPoint(286, 260) << "- реже всего";
}

void FrmMainWindowTest::theSixTitlesAreBoldItalic13PixelAndSayTheirTexts() {
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QString, text);
    MainWindowFixture f;
    auto* label = f.window->findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->text(), text);
    QVERIFY(label->font().bold());
    QVERIFY(label->font().italic());
    QCOMPARE(label->font().pixelSize(), 13);
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    // The text fits the label: nothing is cut off.
    if (!label->wordWrap())
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
}

void FrmMainWindowTest::theTrackBarHasTicksBelowPageFiveAndRange1ToN() {
    MainWindowFixture f;
    auto* track = f.control<QSlider>("trcNumber");
    QCOMPARE(track->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(track->tickInterval(), 1);
    QCOMPARE(track->pageStep(), 5);
    QCOMPARE(track->minimum(), 1);
    QCOMPARE(track->maximum(), 49);
    QCOMPARE(track->value(), 1);
    QCOMPARE(track->cursor().shape(), Qt::PointingHandCursor);
}

void FrmMainWindowTest::lblNumberShowsOneInBoldBlueAtStart() {
    MainWindowFixture f;
    auto* label = f.control<QLabel>("lblNumber");
    QCOMPARE(label->text(), QStringLiteral("1"));
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pixelSize(), 13);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
}

void FrmMainWindowTest::theGridsHaveTheirRowsColumnsAndWidths() {
    MainWindowFixture f;
    StringGrid& number = f.grid("grdNumber");
    StringGrid& all = f.grid("grdAll");
    QCOMPARE(number.rowCount(), 2);
    QCOMPARE(all.rowCount(), 5);
    for (StringGrid* g : {&number, &all}) {
        QCOMPARE(g->colCount(), 50);
        QCOMPARE(g->fixedCols(), 1);
        QCOMPARE(g->colWidth(0), 130);
        QCOMPARE(g->colWidth(1), 20);
        QCOMPARE(g->defaultRowHeight(), 18);
        QVERIFY(g->horizontalScrollBar()->isVisible());
        QCOMPARE(g->currentCell(), QPoint(1, 0));
    }
    for (const char* name : {"grdChashe", "grdReje"}) {
        StringGrid& g = f.grid(name);
        QCOMPARE(g.rowCount(), 1);
        QCOMPARE(g.colCount(), 5);
        QCOMPARE(g.fixedCols(), 0);
        QCOMPARE(g.colWidth(0), 30);
        QCOMPARE(g.defaultRowHeight(), 20);
        QVERIFY(!g.horizontalScrollBar()->isVisible());
        QCOMPARE(g.currentCell(), QPoint(0, 0));
    }
    // The row titles were written at start.
    QCOMPARE(number.cell(0, 0), QStringLiteral(" С номером ..."));
    QCOMPARE(number.cell(0, 1), QStringLiteral(" Кол-во выпадений"));
    const QStringList allTitles{" Номер", " Кол-во выпадений", " Чаще с номером", " Реже с номером",
                                " Прошло тиражей"};
    for (int row = 0; row < 5; ++row)
        QCOMPARE(all.cell(0, row), allTitles[row]);
}

void FrmMainWindowTest::tabOrderRunsFromTheTrackBarToTheRankingGrids() {
    MainWindowFixture f;
    const QStringList expected{"trcNumber", "grdNumber", "grdAll",
                               "lbxAll",    "grdChashe", "grdReje"};
    QWidget* w = f.control<QWidget>("trcNumber");
    QStringList order;
    for (int i = 0; i < expected.size(); ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(f.window.get()))
            w = w->nextInFocusChain();
    }
    QCOMPARE(order, expected);
}

void FrmMainWindowTest::theWindowFontIsArialCyr12PixelResolvedToLiberationSans() {
    MainWindowFixture f;
    QCOMPARE(f.window->font().family(), QStringLiteral("Arial Cyr"));
    QCOMPARE(f.window->font().pixelSize(), 12);
    QCOMPARE(QFontInfo(f.window->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QFontInfo(f.control<QLabel>("Label1")->font()).family(),
             QStringLiteral("Liberation Sans"));
}

void FrmMainWindowTest::theDocumentOutlivesThePagesAndDialogsThatShowIt() {
    auto f = std::make_unique<MainWindowFixture>();
    f->addDraw({1, 2, 3, 4, 5, 6});
    FrmMain* window = f->window.get();
    const lottery::LotteryDocument& doc = window->session().document();
    // While the window is still a FrmMain, its members (the document) are alive.
    QList<int> drawsSeen;
    for (QObject* user : std::initializer_list<QObject*>{
             &StatisticsOf(*window), &DrawEntryOf(*window), new QDialog(window)})
        connect(user, &QObject::destroyed, this, [&] {
            drawsSeen << (qobject_cast<FrmMain*>(window) != nullptr ? doc.drawCount() : -1);
        });
    f.reset();
    QCOMPARE(drawsSeen, (QList<int>{1, 1, 1}));
}

ZHREBIKON_UI_TEST_MAIN(FrmMainWindowTest)
#include "FrmMainWindowTest.moc"
