#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// The folder the pictures go to; remembers whether every one of them was written.
class PictureFolder {
public:
    explicit PictureFolder(const QDir& dir) : dir_(dir) {}

    void save(const QImage& picture, const QString& name);
    bool allSaved() const { return allSaved_; }

private:
    QDir dir_;
    bool allSaved_ = true;
};
