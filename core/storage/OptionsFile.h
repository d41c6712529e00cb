#pragma once

#include "storage/FileSystem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lottery {

// Colours are 0x00BBGGRR, or a system colour: any value with the high bit set, whose low byte
// is the system-colour index. We write system colours as 0x80000000 | index, the form the
// format's first files used; any value with the high bit set is read as one.
namespace colour {
inline constexpr int kWindow = 5;
inline constexpr int kWindowText = 8;
inline constexpr int kHighlight = 13;
inline constexpr int kHighlightText = 14;
inline constexpr int kButtonFace = 15;

constexpr std::int32_t System(int index) {
    return static_cast<std::int32_t>(0x80000000u | static_cast<std::uint32_t>(index & 0xFF));
}
constexpr bool IsSystem(std::int32_t value) {
    return value < 0;
}
constexpr int SystemIndex(std::int32_t value) {
    return static_cast<int>(value & 0xFF);
}
constexpr std::int32_t Rgb(int r, int g, int b) {
    return static_cast<std::int32_t>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
} // namespace colour

inline constexpr const char* kOptionsFileName = "User.opt";
inline constexpr std::size_t kOptionsRecordSize = 20;

// The appearance options; the defaults are the window design's.
struct OptionsRecord {
    std::uint8_t background = 1; // 1 = first pattern, anything else = second
    std::array<std::uint8_t, 3> reserved{};
    std::int32_t titleColour = colour::Rgb(0, 0, 0);
    std::int32_t tableFontColour = colour::System(colour::kWindowText);
    std::int32_t tableBackColour = colour::Rgb(255, 255, 255);
    std::int32_t tableHeadColour = colour::System(colour::kButtonFace);

    bool firstPattern() const { return background == 1; }
    bool operator==(const OptionsRecord&) const = default;
};

std::array<std::uint8_t, kOptionsRecordSize> EncodeOptions(const OptionsRecord& record);
// nullopt when fewer than 20 bytes are given (such a file counts as missing).
std::optional<OptionsRecord> DecodeOptions(std::span<const std::uint8_t> bytes);

// Writes the record commit-or-nothing; throws IoError.
void SaveOptions(const std::string& path, const OptionsRecord& record,
                 FileSystem& fs = SystemFileSystem());
// Silent: nullopt when the file is missing, read-only, unreadable or short.
std::optional<OptionsRecord> LoadOptions(const std::string& path,
                                         FileSystem& fs = SystemFileSystem());

} // namespace lottery
