#include "platform/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

bool InstallToolkitTranslation(QCoreApplication& application, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_ru"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
