#include "tools/station_map/MapOutput.h"

namespace trovane {

namespace {

// Lines are built by appending only: "literal" + std::string inserts at the
// front of a temporary, which GCC 12 at -O3 reports as a false -Wrestrict.
template <typename... Pieces>
void append(std::string& out, const Pieces&... pieces) {
    (out.append(pieces), ...);
}

std::string cellString(const CellMap& cells) {
    std::string text;
    text.reserve(cells.size());
    for (const CellCode code : cells) {
        text.push_back(static_cast<char>(code));
    }
    return text;
}

void appendJsonCell(std::string& out, CellPosition p) {
    append(out, "[", std::to_string(p.x), ",", std::to_string(p.y), ",", std::to_string(p.z), "]");
}

void appendReadableCell(std::string& out, CellPosition p) {
    append(out, "(", std::to_string(p.x), ", ", std::to_string(p.y), ", ", std::to_string(p.z),
           ")");
}

} // namespace

std::string formatJson(const StationSummary& s) {
    // The cell string holds only the five cell characters, none of which needs escaping.
    std::string line;
    append(line, "{\"station\":", std::to_string(s.station),
           ",\"failed_attempts\":", std::to_string(s.failedAttempts), ",\"cells\":\"",
           cellString(s.cells), "\",\"start\":");
    appendJsonCell(line, s.start);
    append(line, ",\"end\":");
    appendJsonCell(line, s.end);
    append(line, ",\"path\":[");
    for (std::size_t i = 0; i < s.path.size(); ++i) {
        append(line, i == 0 ? "" : ",");
        appendJsonCell(line, s.path[i]);
    }
    append(line, "],\"leaves\":", std::to_string(s.leaves),
           ",\"inner_nodes\":", std::to_string(s.innerNodes),
           ",\"root_id\":", std::to_string(s.rootId), ",\"vertices\":", std::to_string(s.vertices),
           "}\n");
    return line;
}

std::string formatReadable(const StationSummary& s) {
    std::string text;
    append(text, "station ", std::to_string(s.station), " (", std::to_string(s.failedAttempts),
           " failed attempts)\n");
    const std::string cells = cellString(s.cells);
    for (int x = 0; x < kStationExtent; ++x) {
        append(text, "x = ", std::to_string(x), "\n");
        for (int y = 0; y < kStationExtent; ++y) {
            append(text, cells.substr(static_cast<std::size_t>(cellIndex(x, y, 0)), kStationExtent),
                   "\n");
        }
    }
    append(text, "start ");
    appendReadableCell(text, s.start);
    append(text, "\nend ");
    appendReadableCell(text, s.end);
    append(text, "\npath (", std::to_string(s.path.size()), " rooms)");
    for (const CellPosition& p : s.path) {
        append(text, " ");
        appendReadableCell(text, p);
    }
    append(text, "\ntree: ", std::to_string(s.leaves), " leaves, ", std::to_string(s.innerNodes),
           " inner nodes, root id ", std::to_string(s.rootId), ", ", std::to_string(s.vertices),
           " vertices\n\n");
    return text;
}

} // namespace trovane
