#include "platform/ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

ErrorPresenter& Presenter() {
    static ErrorPresenter presenter;
    return presenter;
}

} // namespace

QString ErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

QString ApplicationTitle(const QString& executableFileName) {
    const QString name = executableFileName.section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle() {
    return ApplicationTitle(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

void ShowErrorBox(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorPresenter(ErrorPresenter presenter) {
    Presenter() = std::move(presenter);
}

void ReportError(const QString& message) {
    const QString caption = ApplicationTitle();
    const QString text = ErrorText(message);
    if (Presenter())
        Presenter()(caption, text);
    else
        ShowErrorBox(caption, text);
}

void ReportError(const std::exception& error) {
    ReportError(QString::fromUtf8(error.what()));
}
