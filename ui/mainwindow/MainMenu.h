#pragma once

class AppearanceOptions;
class FrmMain;
class QAction;

// Lays out the main menu as the window design has it (Файл, Опции, Справка) and connects each
// item to the window's handler. Returns "Сохранить", which the window enables while the lottery
// has unsaved changes.
QAction* BuildMainMenu(FrmMain& window, AppearanceOptions& appearance);
