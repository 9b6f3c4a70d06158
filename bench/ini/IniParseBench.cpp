// Parse time of one settings text of 10,000 keys in 100 sections: Lexmoor
// (through the built library, storing every entry) beside inih, once storing
// every entry in an ordered map as Lexmoor does and once storing nothing.
#include "app/host/PluginLoader.h"
#include "sdk/IniParser.h"
#include "sdk/OwnedObject.h"

#include <benchmark/benchmark.h>
#include <ini.h>

#include <map>
#include <string>

namespace {

constexpr int kSections = 100;
constexpr int kKeysPerSection = 100;

std::string generateText() {
    std::string text;
    for (int s = 0; s < kSections; ++s) {
        text += "# settings of group " + std::to_string(s) + "\n";
        text += "[Section" + std::to_string(s) + "]\n";
        for (int k = 0; k < kKeysPerSection; ++k) {
            text += "Key" + std::to_string(k) + " = value " + std::to_string(s * 1000 + k) + "\n";
        }
        text += "\n";
    }
    return text;
}

const std::string& settingsText() {
    static const std::string text = generateText();
    return text;
}

void lowerInto(std::string& out, const char* text) {
    for (; *text != '\0'; ++text) {
        const char c = *text;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

using Entries = std::map<std::string, std::string, std::less<>>;

// Stores each entry under the same full name Lexmoor forms.
int storeEntry(void* user, const char* section, const char* name, const char* value) {
    auto& entries = *static_cast<Entries*>(user);
    std::string fullName;
    lowerInto(fullName, section);
    if (!fullName.empty()) {
        fullName += '.';
    }
    lowerInto(fullName, name);
    entries.insert_or_assign(std::move(fullName), value);
    return 1;
}

int countEntry(void* user, const char*, const char*, const char*) {
    ++*static_cast<long*>(user);
    return 1;
}

// Both parsers must see the same entries for the comparison to be fair.
bool storesEveryEntry(const trovane::PluginLoader& loader, const std::string& text) {
    plugin::Owned<IniParser> parser(static_cast<IniParser*>(loader.Create("IniParser")));
    Entries expected;
    ini_parse_string(text.c_str(), storeEntry, &expected);
    parser->Parse(text.c_str(), static_cast<int>(text.size()));
    if (expected.size() != static_cast<std::size_t>(kSections * kKeysPerSection)) {
        return false;
    }
    for (const auto& [name, value] : expected) {
        const char* stored = parser->GetString(name.c_str());
        if (stored == nullptr || value != stored) {
            return false;
        }
    }
    return true;
}

void LexmoorParse(benchmark::State& state) {
    trovane::PluginLoader loader;
    if (!loader.Load("Lexmoor.dll")) {
        state.SkipWithError(("Lexmoor.dll: " + loader.error()).c_str());
        return;
    }
    const std::string& text = settingsText();
    if (!storesEveryEntry(loader, text)) {
        state.SkipWithError("Lexmoor did not store the generated entries");
        return;
    }
    for (auto _ : state) {
        plugin::Owned<IniParser> parser(static_cast<IniParser*>(loader.Create("IniParser")));
        parser->Parse(text.c_str(), static_cast<int>(text.size()));
        benchmark::DoNotOptimize(parser->GetString("section99.key99"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void InihParseIntoMap(benchmark::State& state) {
    const std::string& text = settingsText();
    for (auto _ : state) {
        Entries entries;
        ini_parse_string(text.c_str(), storeEntry, &entries);
        benchmark::DoNotOptimize(entries.find("section99.key99"));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void InihParseBare(benchmark::State& state) {
    const std::string& text = settingsText();
    for (auto _ : state) {
        long count = 0;
        ini_parse_string(text.c_str(), countEntry, &count);
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

constexpr int kRepetitions = 15;

BENCHMARK(LexmoorParse)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(InihParseIntoMap)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(InihParseBare)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
