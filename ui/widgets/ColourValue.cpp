#include "widgets/ColourValue.h"

#include "storage/OptionsFile.h"

namespace {

// The system-colour indexes the file format uses, mapped onto the palette roles that play the
// same part here.
QPalette::ColorRole RoleOfSystemIndex(int index, bool& known) {
    known = true;
    switch (index) {
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window background
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Dark; // button shadow
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        known = false;
        return QPalette::Window;
    }
}

} // namespace

QColor ResolveColour(std::int32_t value, const QPalette& palette) {
    if (lottery::colour::IsSystem(value)) {
        bool known = false;
        const QPalette::ColorRole role =
            RoleOfSystemIndex(lottery::colour::SystemIndex(value), known);
        // An index we have no role for falls back to the window colour rather than black.
        return palette.color(QPalette::Active, known ? role : QPalette::Window);
    }
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

std::int32_t ColourValueOf(const QColor& colour) {
    return lottery::colour::Rgb(colour.red(), colour.green(), colour.blue());
}
