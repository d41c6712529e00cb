#pragma once

namespace lottery {
class RandomSource;
}
namespace session {
class LotterySession;
}

class AppearanceOptions;
class DrawEntryPage;
class PageControl;
class QMainWindow;
class StatisticsPage;

// What the main window shows beyond its menu: the undo and redo keys, the context menu of the
// list of past draws, and the windows of our own (diagrams, ticket check, "Билеты") with their
// keys and card actions. Everything added here is parented to the window.
struct MainWindowParts {
    QMainWindow& window;
    session::LotterySession& session;
    lottery::RandomSource& random;
    PageControl& pages;
    StatisticsPage& statistics;
    DrawEntryPage& drawEntry;
    AppearanceOptions& appearance;
};

void AddExtraActions(const MainWindowParts& parts);
