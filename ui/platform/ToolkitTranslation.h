#pragma once

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

// The toolkit's own Russian texts, so that the standard file and colour dialogs speak the
// program's language. The program's own captions are set in full and never pass through it.
// Returns false, and changes nothing, when the translation is not installed there.
bool InstallToolkitTranslation(
    QCoreApplication& application,
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
