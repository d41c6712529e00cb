#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

// The two-page tab control of the main window. Laid out by hand so that the pages get their
// designed 450x303 pixels whatever the widget style would make of a tab widget.
class PageControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageLeft = 4;
    static constexpr int kPageTop = 26;

    explicit PageControl(QWidget* parent = nullptr);

    void addPage(QWidget* page, const QString& caption);
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget* currentPage() const;
    QTabBar* tabBar() const { return tabs_; }

signals:
    // Another page became the shown one.
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void tabChanged(int index);

    QTabBar* tabs_;
    QStackedWidget* pages_;
};
