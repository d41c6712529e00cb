#pragma once

#include <QDir>
#include <QImage>
#include <QString>

class QWidget;

// The folder the pictures go to; remembers whether every one of them was written.
class PictureFolder {
public:
    explicit PictureFolder(const QDir& dir) : dir_(dir) {}

    void save(const QImage& picture, const QString& name);
    // A shown window as it is now, once the events queued for it have run; name without ".png".
    void saveWindow(QWidget& window, const QString& name);
    bool allSaved() const { return allSaved_; }

private:
    QDir dir_;
    bool allSaved_ = true;
};
