#pragma once

#include <QString>
#include <exception>
#include <functional>

// How an error that ended a handler is shown: one box with the stop icon and one OK button.
using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;

// The message as shown: "." appended when its last character sorts after ".".
QString ErrorText(const QString& message);
// The application title: the executable's file name up to its first dot, every character
// after the first in lower case ("Zhrebikon" for "Zhrebikon").
QString ApplicationTitle(const QString& executableFileName);
// The title of the running program.
QString ApplicationTitle();

// The real message box.
void ShowErrorBox(const QString& caption, const QString& text);
// Tests replace the box; an empty presenter restores it.
void SetErrorPresenter(ErrorPresenter presenter);

// Shows an error that ended a handler.
void ReportError(const QString& message);
void ReportError(const std::exception& error);

// Runs one handler; an error raised inside it ends it and is reported, never passed on.
template <typename Handler> void RunGuarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
}
