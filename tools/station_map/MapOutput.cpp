#include "tools/station_map/MapOutput.h"

namespace trovane {

namespace {

std::string cellString(const CellMap& cells) {
    std::string text;
    text.reserve(cells.size());
    for (const CellCode code : cells) {
        text.push_back(static_cast<char>(code));
    }
    return text;
}

std::string jsonCell(CellPosition p) {
    return "[" + std::to_string(p.x) + "," + std::to_string(p.y) + "," + std::to_string(p.z) + "]";
}

std::string readableCell(CellPosition p) {
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ", " + std::to_string(p.z) +
           ")";
}

} // namespace

std::string formatJson(const StationSummary& s) {
    // The cell string holds only the five cell characters, none of which needs escaping.
    std::string line = "{\"station\":" + std::to_string(s.station) +
                       ",\"failed_attempts\":" + std::to_string(s.failedAttempts) +
                       ",\"cells\":\"" + cellString(s.cells) + "\",\"start\":" + jsonCell(s.start) +
                       ",\"end\":" + jsonCell(s.end) + ",\"path\":[";
    for (std::size_t i = 0; i < s.path.size(); ++i) {
        line += (i == 0 ? "" : ",") + jsonCell(s.path[i]);
    }
    line += "],\"leaves\":" + std::to_string(s.leaves) +
            ",\"inner_nodes\":" + std::to_string(s.innerNodes) +
            ",\"root_id\":" + std::to_string(s.rootId) +
            ",\"vertices\":" + std::to_string(s.vertices) + "}\n";
    return line;
}

std::string formatReadable(const StationSummary& s) {
    std::string text = "station " + std::to_string(s.station) + " (" +
                       std::to_string(s.failedAttempts) + " failed attempts)\n";
    const std::string cells = cellString(s.cells);
    for (int x = 0; x < kStationExtent; ++x) {
        text += "x = " + std::to_string(x) + "\n";
        for (int y = 0; y < kStationExtent; ++y) {
            text += cells.substr(static_cast<std::size_t>(cellIndex(x, y, 0)), kStationExtent);
            text += "\n";
        }
    }
    text += "start " + readableCell(s.start) + "\n";
    text += "end " + readableCell(s.end) + "\n";
    text += "path (" + std::to_string(s.path.size()) + " rooms)";
    for (const CellPosition& p : s.path) {
        text += " " + readableCell(p);
    }
    text += "\ntree: " + std::to_string(s.leaves) + " leaves, " + std::to_string(s.innerNodes) +
            " inner nodes, root id " + std::to_string(s.rootId) + ", " +
            std::to_string(s.vertices) + " vertices\n\n";
    return text;
}

} // namespace trovane
