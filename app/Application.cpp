#include "app/Application.h"

#include "app/ProgramGlobals.h"
#include "app/host/LibraryNames.h"
#include "app/host/PluginLoader.h"
#include "app/render/Projection.h"
#include "app/render/StationTexture.h"
#include "platform/window/BitmapFont.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <string>

namespace trovane {
namespace {

constexpr GLsizei kFontLists = 256;
constexpr unsigned kFontGlyphs = 255; // characters 0 to 254

void progress(bool show, const char* line) {
    if (show) {
        std::fputs(line, stdout);
    }
}

template <class Device>
plugin::Owned<Device> createDevice(const char* file, const char* name) {
    plugin::Owned<Device> device(static_cast<Device*>(staticLoaders.input.Create(name)));
    if (!device) {
        std::fprintf(stderr, "warning: %s creates no \"%s\"; running without it\n", file, name);
    }
    return device;
}

} // namespace

Application::Application() = default;

Application::Application(std::FILE* progress) : structure(progress), progress_(progress) {}

Application::~Application() = default;

void Application::initInput() {
    const char* file = programSettings.input;
    if (!staticLoaders.input.Load(file)) {
        std::fprintf(stderr, "warning: input library %s: %s; running without keyboard and mouse\n",
                     file != nullptr ? file : "(PlugIns.Input not set)",
                     staticLoaders.input.error().c_str());
        return;
    }
    mouse = createDevice<Mouse>(file, "Mouse");
    if (mouse) {
        mouse->Initialize(0, 0);
    }
    keyboard = createDevice<Keyboard>(file, "Keyboard");
    if (keyboard) {
        keyboard->Initialize();
    }
}

void Application::initGLState() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    zTest = programSettings.zTest;
    if (zTest) {
        glEnable(GL_DEPTH_TEST);
    }
    glDepthFunc(GL_LEQUAL);
    frontToBack = programSettings.frontToBack;
    glCullFace(GL_BACK); // face culling itself stays off
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void Application::initFont() {
    fontBase = glGenLists(kFontLists);
    if (fontBase == 0) {
        std::fputs("warning: no display lists for the font; text is not drawn\n", stderr);
        return;
    }
    std::string error;
    if (!platform::buildBitmapFont(fontBase, 0, kFontGlyphs, platform::FontRequest{}, error)) {
        std::fprintf(stderr, "warning: %s; text is not drawn\n", error.c_str());
    }
}

bool Application::Init(const char* windowTitle, bool startFullScreen, int clientWidth,
                       int clientHeight) {
    // The input library reads its devices through the window system.
    if (!openDisplay()) {
        return false;
    }
    progress(showStatistics, "Initialize I/O ...\n");
    initInput();
    progress(showStatistics, "Initialize Morvex ...\n");
    tree = structure.tree;
    progress(showStatistics, "Initialize OpenGL ...\n");
    std::fflush(stdout); // the progress shows before the window does
    if (!CreateGLWindow(startFullScreen, windowTitle, clientWidth, clientHeight, true, 32, 32)) {
        return false;
    }
    initGLState();
    initFont();
    position = programSettings.start;
    collisionDetection = programSettings.collisionDetection;
    portalCulling = programSettings.portalCulling;
    PluginLoader extensionQuery(kTextureQueryLibrary);
    loadStationTexture(textures, extensionQuery, staticLoaders.images, staticLoaders.files);
    // The size the window got: unusable settings were replaced by defaults.
    Resize(width, height);
    Show();
    return true;
}

void Application::Resize(int clientWidth, int clientHeight) {
    GLWindow::Resize(clientWidth, clientHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A zero height (a window shrunk to nothing) keeps a usable aspect.
    double aspect =
        static_cast<double>(clientWidth) / static_cast<double>(clientHeight > 0 ? clientHeight : 1);
    gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    Matrix4 view = lookAt(Vector3(0, 0, 0), Vector3(0, 0, 1), Vector3(0, 1, 0));
    glLoadMatrixf(view.data());
}

} // namespace trovane
