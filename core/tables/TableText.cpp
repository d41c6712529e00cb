#include "tables/TableText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lottery {
namespace {

bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// Windows-1251 bytes 0x80..0xBF as Unicode code points; 0xC0..0xFF are А..я in a row.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0020, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void Utf16ToUtf8(std::string_view bytes, bool bigEndian, std::string& out) {
    out.reserve(bytes.size());
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]),
                   b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t code = unitAt(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        AppendUtf8(out, code);
    }
}

} // namespace

std::string_view TableTextAsUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE', out);
        return out;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (ValidUtf8(bytes))
        return bytes;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else if (b < 0xC0)
            AppendUtf8(out, kCp1251High[b - 0x80]);
        else
            AppendUtf8(out, 0x0410 + (b - 0xC0));
    }
    return out;
}

bool LooksBinary(std::string_view bytes) {
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f')
            return true;
    }
    return false;
}

std::vector<TableLine> SplitTableLines(std::string_view text) {
    std::vector<TableLine> lines;
    // Counted first: a table of millions of lines is not held twice while the vector grows.
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        const std::size_t next =
            end == std::string_view::npos                                         ? text.size()
            : text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? end + 2
                                                                                  : end + 1;
        text.remove_prefix(next);
        if (line.find_first_not_of(" \t\f\r") != std::string_view::npos)
            lines.push_back({static_cast<std::uint32_t>(number),
                             static_cast<std::uint32_t>(line.size()), line.data()});
    }
    return lines;
}

void SplitFields(std::string_view line, char sep, std::vector<std::string_view>& fields,
                 std::size_t maxFields) {
    fields.clear();
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const auto trim = [&](std::string_view field) {
        while (!field.empty() && isBlank(field.front()))
            field.remove_prefix(1);
        while (!field.empty() && isBlank(field.back()))
            field.remove_suffix(1);
        return field;
    };
    std::size_t at = 0;
    if (sep == ' ')
        while (at < line.size() && isBlank(line[at]))
            ++at;
    while (true) {
        while (at < line.size() && line[at] != sep && isBlank(line[at]) && sep != '\t')
            ++at;
        std::size_t start = at;
        std::size_t end = at;
        if (at < line.size() && line[at] == '"') {
            // A quoted field runs to the closing quote; a doubled quote stays inside.
            start = ++at;
            while (at < line.size() &&
                   !(line[at] == '"' && (at + 1 >= line.size() || line[at + 1] != '"')))
                at += line[at] == '"' ? 2 : 1;
            end = std::min(at, line.size());
            at = std::min(at + 1, line.size());
            while (at < line.size() && line[at] != sep)
                ++at;
        } else {
            while (at < line.size() && line[at] != sep && !(sep == ' ' && isBlank(line[at])))
                ++at;
            end = at;
        }
        if (fields.size() + 1 == maxFields)
            end = line.size(), at = line.size();
        fields.push_back(trim(line.substr(start, end - start)));
        if (at >= line.size())
            break;
        ++at; // the separator
        if (sep == ' ') {
            while (at < line.size() && isBlank(line[at]))
                ++at;
            if (at >= line.size())
                break;
        }
    }
}

std::string LowerText(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto b = static_cast<unsigned char>(out[i]);
        if (b >= 'A' && b <= 'Z') {
            out[i] = static_cast<char>(b + 32);
        } else if (b == 0xD0 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x90 && next <= 0x9F) { // А..П
                out[i + 1] = static_cast<char>(next + 0x20);
            } else if (next >= 0xA0 && next <= 0xAF) { // Р..Я
                out[i] = static_cast<char>(0xD1);
                out[i + 1] = static_cast<char>(next - 0x20);
            } else if (next == 0x81) { // Ё
                out[i] = static_cast<char>(0xD1);
                out[i + 1] = static_cast<char>(0x91);
            }
            ++i;
        }
    }
    return out;
}

} // namespace lottery
