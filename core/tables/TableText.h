#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lottery {

// One line of a table: its 1-based number in the file and its text without the line end.
// Sixteen bytes, as a table of millions of lines holds one for each.
struct TableLine {
    std::uint32_t number = 0;
    std::uint32_t length = 0;
    const char* start = nullptr;

    std::string_view text() const { return {start, length}; }
};

// The table as UTF-8: a byte-order mark is dropped, UTF-16 with its byte-order mark is
// converted, and a text that is not valid UTF-8 is taken as Windows-1251, the code page older
// Russian tables come in. Valid UTF-8 is returned as a view of bytes (a big table is not
// copied); anything converted goes to storage, which the view then points into.
std::string_view TableTextAsUtf8(std::string_view bytes, std::string& storage);

// True for bytes no text table holds (NUL and other control characters).
bool LooksBinary(std::string_view bytes);

// The non-blank lines, ended by LF, CRLF or CR alone, mixed as they come.
std::vector<TableLine> SplitTableLines(std::string_view text);

// Splits a line at sep, honouring double quotes; a blank separator takes a run of blanks as
// one. Fields come trimmed and without their quotes. At most maxFields are produced; the
// rest of the line goes into the last one.
void SplitFields(std::string_view line, char sep, std::vector<std::string_view>& fields,
                 std::size_t maxFields = 200);

// ASCII and Cyrillic letters lowered, for matching names.
std::string LowerText(std::string_view text);

} // namespace lottery
