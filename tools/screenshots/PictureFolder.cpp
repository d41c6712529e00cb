#include "PictureFolder.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QWidget>

void PictureFolder::save(const QImage& picture, const QString& name) {
    const QString path = dir_.filePath(name);
    const bool saved = picture.save(path, "PNG");
    allSaved_ = allSaved_ && saved;
    QTextStream(saved ? stdout : stderr) << (saved ? "" : "cannot write ") << path << '\n';
}

void PictureFolder::saveWindow(QWidget& window, const QString& name) {
    QCoreApplication::processEvents();
    save(window.grab().toImage(), name + QStringLiteral(".png"));
}
