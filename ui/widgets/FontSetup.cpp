#include "widgets/FontSetup.h"

void InstallFontSubstitutes() {
    QFont::insertSubstitution(QStringLiteral("Arial Cyr"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont ProgramFont(int pixelSize) {
    QFont font(QStringLiteral("Arial Cyr"));
    font.setPixelSize(pixelSize);
    return font;
}
