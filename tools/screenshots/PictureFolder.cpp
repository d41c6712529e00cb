#include "PictureFolder.h"

#include <QTextStream>

void PictureFolder::save(const QImage& picture, const QString& name) {
    const QString path = dir_.filePath(name);
    const bool saved = picture.save(path, "PNG");
    allSaved_ = allSaved_ && saved;
    QTextStream(saved ? stdout : stderr) << (saved ? "" : "cannot write ") << path << '\n';
}
