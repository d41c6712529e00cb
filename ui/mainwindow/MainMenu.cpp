#include "mainwindow/MainMenu.h"

#include "mainwindow/FrmMain.h"
#include "options/AppearanceOptions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction* AddItem(FrmMain& window, QMenu* menu, const char* name, const QString& caption,
                 void (FrmMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, &window, handler);
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const QString& caption, const QString& name) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

} // namespace

QAction* BuildMainMenu(FrmMain& window, AppearanceOptions& appearance) {
    QMenuBar* mnuMain = window.menuBar();
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    mnuMain->setNativeMenuBar(false);

    QMenu* mnuFile = AddMenu(mnuMain, QStringLiteral("&Файл"), QStringLiteral("mnuFile"));
    AddItem(window, mnuFile, "mnuNew", QStringLiteral("Новый"), &FrmMain::mnuNewClick);
    AddItem(window, mnuFile, "mnuOpen", QStringLiteral("Открыть"), &FrmMain::mnuOpenClick);
    QAction* mnuSave =
        AddItem(window, mnuFile, "mnuSave", QStringLiteral("Сохранить"), &FrmMain::mnuSaveClick);
    mnuSave->setShortcut(QKeySequence(Qt::Key_F2));
    mnuSave->setEnabled(false);
    AddItem(window, mnuFile, "mnuSaveAs", QStringLiteral("Сохранить как ..."),
            &FrmMain::mnuSaveAsClick);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    AddItem(window, mnuFile, "mnuExit", QStringLiteral("Выход"), &FrmMain::mnuExitClick);

    QMenu* mnuOptions = AddMenu(mnuMain, QStringLiteral("Опции"), QStringLiteral("mnuOptions"));
    appearance.populateMenu(mnuOptions);

    QMenu* mnuHelp = AddMenu(mnuMain, QStringLiteral("&Справка"), QStringLiteral("mnuHelp"));
    QAction* help = AddItem(window, mnuHelp, "mnuHelpHelp", QStringLiteral("Помощь"),
                            &FrmMain::mnuHelpHelpClick);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuHelpSep"));
    AddItem(window, mnuHelp, "mnuAbout", QStringLiteral("О программе"), &FrmMain::mnuAboutClick);
    return mnuSave;
}
