#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `show`, which shows the dialog modally as the main window does, and lets `whileOpen`
// act on it once it is on screen. The action must close the dialog.
template <typename Show> auto RunWith(QDialog& dialog, std::function<void()> whileOpen, Show show) {
    QTimer::singleShot(0, &dialog, [&dialog, whileOpen] {
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            dialog.done(-2);
            return;
        }
        whileOpen();
        if (dialog.isVisible()) {
            dialog.done(-1); // the action did not close it: end exec with a telltale result
        }
    });
    return show();
}

inline int ExecWith(QDialog& dialog, std::function<void()> whileOpen) {
    return RunWith(dialog, std::move(whileOpen), [&dialog] { return dialog.exec(); });
}

inline QColor FontColourOf(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

inline QImage PictureOf(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}
