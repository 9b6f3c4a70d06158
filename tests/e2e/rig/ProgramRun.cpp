#include "ProgramRun.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#if !defined(TROVANE_SOURCE_DIR) || !defined(TROVANE_BINARY_DIR)
#error "the rig needs TROVANE_SOURCE_DIR and TROVANE_BINARY_DIR"
#endif

namespace e2e {
namespace {

namespace fs = std::filesystem;

void line(std::ostringstream& out, const char* key, const std::string& value) {
    if (!value.empty()) {
        out << key << " = " << value << "\n";
    }
}

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

std::string Settings::text() const {
    std::ostringstream out;
    out << "[Program]\n";
    line(out, "Title", title);
    line(out, "Width", width);
    line(out, "Height", height);
    line(out, "Statistics", statistics);
    out << "[PlugIns]\n";
    line(out, "Input", input);
    out << "[Rendering]\n";
    line(out, "Z-Test", zTest);
    line(out, "FrontToBack", frontToBack);
    line(out, "CollisionDetection", collisionDetection);
    line(out, "PortalCulling", portalCulling);
    out << "[Level]\n";
    line(out, "StartX", startX);
    line(out, "StartY", startY);
    line(out, "StartZ", startZ);
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
