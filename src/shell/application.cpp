#include "shell/application.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include "settings/load_settings.h"
#include "shell/qt_platform.h"
#include "shell/tree_icons.h"
#include "base/version.h"

namespace lk {

Application::Application(const std::string& startFolder, std::unique_ptr<ShellPlatform> platform)
    : platform_(std::move(platform)) {
    initShellResources();
    QtPlatform* qtPlatform = nullptr;
    if (!platform_) {
        auto owned = std::make_unique<QtPlatform>();
        qtPlatform = owned.get();
        platform_ = std::move(owned);
    }
    startUp(state_, *platform_, startFolder);
    window_ = std::make_unique<MainWindow>(state_, *platform_);
    if (qtPlatform) qtPlatform->setOwner(window_.get());
}

Application::~Application() {
    // The window goes first: it refers to the state and the platform.
    window_.reset();
}

void Application::show() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    WindowGeometry g = initialGeometry(state_.settings, area.width(), area.height());
    // A window placed by the screen size, or stored on a screen that is no longer there,
    // starts at the top left of the main screen.
    bool onScreen = false;
    for (QScreen* s : QGuiApplication::screens())
        onScreen =
            onScreen || s->availableGeometry().intersects(QRect(g.x, g.y, g.width, g.height));
    if (state_.settings.wide == 0 || !onScreen) {
        g.x = area.x();
        g.y = area.y();
    }
    window_->applyGeometry(g);
    window_->show();
}

void Application::openImages(const std::vector<std::string>& names) {
    openNamedImages(window_->context(), names);
}

int runApplication() {
    QApplication::setApplicationName(QStringLiteral("Larkspoon"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size())));
    Application app(fromQString(QDir::currentPath()));
    QApplication::setWindowIcon(programIcon());
    MainWindow& window = app.window();
    // Logging off asks the same question as closing the window; No asks the system to wait.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager& manager) {
                         if (!manager.allowsInteraction()) return;
                         bool quit = window.confirmClose();
                         manager.release();
                         if (!quit) manager.cancel();
                     });
    app.show();
    std::vector<std::string> words;
    for (const QString& w : QApplication::arguments().mid(1)) words.push_back(fromQString(w));
    std::vector<std::string> images = readCommandLine(words).images;
    // Once the window is on the screen, so that the open's messages have it to stand on.
    QTimer::singleShot(0, &window, [&app, images] { app.openImages(images); });
    return QApplication::exec();
}

} // namespace lk
