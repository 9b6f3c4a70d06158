#include "ProgramRun.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <utility>

#if !defined(TROVANE_SOURCE_DIR) || !defined(TROVANE_BINARY_DIR)
#error "the rig needs TROVANE_SOURCE_DIR and TROVANE_BINARY_DIR"
#endif

namespace e2e {
namespace {

namespace fs = std::filesystem;

bool leftOut(const ProgramSetup& setup, const fs::path& module) {
    for (const auto& name : setup.leaveOut) {
        if (module.stem() == name) {
            return true;
        }
    }
    return false;
}

// The folder of the run that holds the program.
fs::path programHome(const TempDir& dir, const ProgramSetup& setup) {
    return dir.path() / setup.programFolder;
}

std::string inProgramFolder(const ProgramSetup& setup, const std::string& name) {
    return setup.programFolder.empty() ? name : setup.programFolder + "/" + name;
}

void prepare(const TempDir& dir, const ProgramSetup& setup) {
    const fs::path bin = setup.binaryDir.value_or(fs::path(TROVANE_BINARY_DIR));
    const fs::path home = programHome(dir, setup);
    fs::create_directories(home / "textures");
    // A copy, not a link: the program looks for its modules beside the file
    // it was started from, so only the links made here are found.
    fs::copy_file(bin / setup.executable, home / setup.executable);
    for (const auto& entry : fs::directory_iterator(bin)) {
        if (entry.path().extension() == setup.moduleExtension && !leftOut(setup, entry.path())) {
            fs::create_symlink(entry.path(), home / entry.path().filename());
        }
    }
    if (setup.settings) {
        dir.write(inProgramFolder(setup, "config.ini"), setup.settings->text());
    }
    if (setup.textureBytes) {
        dir.write(inProgramFolder(setup, "textures/morvex.jpg"), *setup.textureBytes);
    } else if (setup.texture) {
        fs::copy_file(fs::path(TROVANE_SOURCE_DIR) / "textures" / "morvex.jpg",
                      home / "textures/morvex.jpg");
    }
}

} // namespace

Settings::Settings() {
    for (const keys::Setting& setting : keys::kTable) {
        std::ostringstream value;
        if (setting.kind == keys::Kind::Text) {
            value << setting.builtInText;
        } else {
            value << setting.builtIn;
        }
        values_.emplace_back(setting.key, value.str());
    }
    for (const char* key : {"Level.StartX", "Level.StartY", "Level.StartZ"}) {
        (*this)[key] = "0.5";
    }
    // Left out, so every run also shows that a file without it culls.
    (*this)["Rendering.PortalCulling"] = "";
}

std::string& Settings::operator[](std::string_view key) {
    return const_cast<std::string&>(std::as_const(*this)[key]);
}

const std::string& Settings::operator[](std::string_view key) const {
    for (const auto& [name, value] : values_) {
        if (name == key) {
            return value;
        }
    }
    throw std::runtime_error("not a configuration key: " + std::string(key));
}

std::string Settings::text() const {
    std::ostringstream out;
    std::string_view section;
    for (const auto& [key, value] : values_) {
        if (keys::sectionOf(key) != section) {
            section = keys::sectionOf(key);
            out << "[" << section << "]\n";
        }
        if (!value.empty()) {
            out << keys::nameOf(key) << " = " << value << "\n";
        }
    }
    return out.str();
}

ProgramRun::ProgramRun(const std::string& display, const ProgramSetup& setup)
    : dir_("trovane-run") {
    prepare(dir_, setup);
    LaunchOptions options;
    options.argv = setup.launcher;
    options.argv.push_back((programHome(dir_, setup) / setup.executable).string());
    options.argv.insert(options.argv.end(), setup.arguments.begin(), setup.arguments.end());
    options.workingDirectory = dir_.path();
    options.environment = setup.environment;
    // Only the files the test gave it: never the user's own settings.
    options.environment.emplace("XDG_CONFIG_HOME", (dir_ / "user-config").string());
    options.unsetEnvironment = setup.unsetEnvironment;
    if (display.empty()) {
        options.unsetEnvironment.push_back("DISPLAY");
    } else {
        options.environment["DISPLAY"] = display;
    }
    // A missing server then fails at once instead of running invisibly.
    bool driverUnset = false;
    for (const auto& name : setup.unsetEnvironment) {
        driverUnset = driverUnset || name == "SDL_VIDEODRIVER";
    }
    if (!driverUnset) {
        options.environment.emplace("SDL_VIDEODRIVER", "x11");
    }
    options.stdoutFile = dir_ / "stdout.txt";
    options.stderrFile = dir_ / "stderr.txt";
    process_ = std::make_unique<ChildProcess>(options);
}

std::string ProgramRun::out() const {
    return readFile(dir_ / "stdout.txt");
}
std::string ProgramRun::err() const {
    return readFile(dir_ / "stderr.txt");
}

bool hasLineMatching(const std::string& text, const std::regex& line) {
    std::istringstream in(text);
    std::string each;
    while (std::getline(in, each)) {
        if (!each.empty() && each.back() == '\r') {
            each.pop_back();
        }
        if (std::regex_match(each, line)) {
            return true;
        }
    }
    return false;
}

void keepArtefact(const std::filesystem::path& png, const std::string& name) {
    const char* folder = std::getenv("TROVANE_E2E_ARTEFACTS");
    if (folder == nullptr || folder[0] == '\0') {
        return;
    }
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    fs::copy_file(png, fs::path(folder) / name, fs::copy_options::overwrite_existing, ignored);
}

} // namespace e2e
