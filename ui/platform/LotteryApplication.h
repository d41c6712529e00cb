#pragma once

#include <QApplication>

// The program's application object. An error raised by any event handler ends that handler
// and is shown in one error box here; it never reaches the event loop.
class LotteryApplication : public QApplication {
    Q_OBJECT
public:
    LotteryApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
