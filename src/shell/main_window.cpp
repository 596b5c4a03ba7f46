#include "shell/main_window.h"

#include <QCloseEvent>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <algorithm>

#include "app/display_commands.h"
#include "app/volume_commands.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/find_dialog.h"
#include "shell/image_window.h"
#include "shell/picture_printing.h"
#include "shell/properties_sheet.h"
#include "shell/qt_platform.h"
#include "shell/shell_menus.h"
#include "shell/tree_icons.h"

namespace lk {

namespace {

constexpr int kHandleWidth = 4;
// Tree pictures are drawn at the size the settings ask for, within reason.
constexpr int kMinIconSize = 8;
constexpr int kMaxIconSize = 64;

std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(fromQString(url.toLocalFile()));
    return files;
}

} // namespace

MainWindow::MainWindow(AppState& app, ShellPlatform& platform)
    : app_(app), ctx_{app, platform, *this} {
    setWindowTitle(QStringLiteral("Larkspoon"));
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    buildPanes();
    menus_ = new ShellMenus(menuBar(), this);
    connect(menus_, &ShellMenus::commandTriggered, this, &MainWindow::runCommand);
    connect(menus_, &ShellMenus::editMenuAboutToShow, this, [this] { refreshEditMenu(ctx_); });
    buildShortcuts();
    showMenuState(app_.shell.menu);
    setCaption(mainTitle(""));
    display_->setFocus();
}

MainWindow::~MainWindow() {
    // The tree outlives the window; it must stop telling a model that is gone.
    delete tree_;
    delete model_;
}

void MainWindow::buildPanes() {
    const Settings& s = app_.settings;
    QSize iconSize(std::clamp(s.iconWide, kMinIconSize, kMaxIconSize),
                   std::clamp(s.iconHigh, kMinIconSize, kMaxIconSize));
    model_ = new CatalogModel(app_.tree, iconSize, nullptr);
    tree_ = new CatalogView(model_);
    tree_->setIconSize(iconSize);
    tree_->setMinimumWidth(kMinTreeWidth);
    tree_->setMaximumWidth(kMaxTreeWidth);

    auto* right = new QWidget;
    right->setMinimumWidth(0);
    auto* stack = new QGridLayout(right);
    stack->setContentsMargins(0, 0, 0, 0);
    display_ = new DisplayWindow(right);
    display_->applyFont(toQString(s.fontName), s.fontSize);
    display_->applyColors(s.fontColor, s.bkgrndColor);
    display_->applyTabStops(kTabStepTwips);
    connect(display_, &DisplayWindow::outOfSpace, this,
            [this] { lk::show(ctx_.platform, message(MessageId::OutOfSpace)); });
    image_ = new ImageWindow(right);
    image_->setBackground(colorFromRef(s.bkgrndColor));
    image_->hide();
    // The two panes share one place; one of them is shown at a time.
    stack->addWidget(display_, 0, 0);
    stack->addWidget(image_, 0, 0);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setHandleWidth(kHandleWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(tree_);
    splitter_->addWidget(right);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    connect(splitter_, &QSplitter::splitterMoved, this,
            [this] { app_.shell.treeWidth = clampTreeWidth(treeWidth()); });

    connect(tree_, &CatalogView::nodeSelected, this, [this](NodeId n) { onTreeSelected(ctx_, n); });
    connect(tree_, &CatalogView::nodeDoubleClicked, this, [this] { onTreeDoubleClick(ctx_); });
    connect(tree_, &CatalogView::nodeRightClicked, this,
            [this](NodeId n, QPoint at) { onTreeRightClick(ctx_, n, at.x(), at.y()); });
    connect(tree_, &CatalogView::nodeDragged, this, &MainWindow::dragFile);
}

void MainWindow::buildShortcuts() {
    for (const Accelerator& a : kAccelerators) {
        auto* shortcut = new QShortcut(QKeySequence(toQString(a.keys)), this);
        shortcut->setContext(Qt::WindowShortcut);
        int command = a.command;
        shortcut->setProperty("command", command);
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            if (acceptAccelerator(ctx_, command)) runCommand(command);
        });
    }
}

void MainWindow::runCommand(int command) {
    dispatchCommand(ctx_, command);
}

void MainWindow::applyGeometry(const WindowGeometry& g) {
    move(g.x, g.y);
    resize(g.width, g.height);
    app_.shell.treeWidth = g.treeWidth;
    splitter_->setSizes({g.treeWidth, std::max(0, width() - g.treeWidth - kHandleWidth)});
}

int MainWindow::treeWidth() const {
    QList<int> sizes = splitter_->sizes();
    return sizes.isEmpty() ? app_.shell.treeWidth : sizes.front();
}

WindowGeometry MainWindow::currentGeometry() const {
    // Qt places a window by its frame and sizes it by its inside: each is stored as it is
    // given back, so that the window comes back exactly where and as large as it was.
    WindowGeometry g;
    g.x = pos().x();
    g.y = pos().y();
    g.width = width();
    g.height = height();
    g.treeWidth = app_.shell.treeWidth;
    return g;
}

void MainWindow::setCaption(const std::string& text) {
    caption_ = toQString(text);
    setModified(isWindowModified());
}

void MainWindow::setModified(bool modified) {
    // Qt marks the title where "[*]" stands while the window is modified.
    setWindowTitle(modified ? caption_ + QStringLiteral("[*]") : caption_);
    setWindowModified(modified);
}

void MainWindow::showMenuState(const MenuState& menu) {
    menus_->apply(menu);
}

void MainWindow::beginTreeRebuild() {
    model_->beginRebuild();
}

void MainWindow::endTreeRebuild() {
    model_->endRebuild();
    tree_->showSelection(app_.tree.selection());
}

void MainWindow::expandNode(NodeId node) {
    tree_->expandNode(node);
}

void MainWindow::clearDisplay() {
    const Settings& s = app_.settings;
    display_->clearText();
    display_->applyFont(toQString(s.fontName), s.fontSize);
    display_->applyColors(s.fontColor, s.bkgrndColor);
    display_->applyTabStops(kTabStepTwips);
    display_->hide();
}

void MainWindow::setDisplayText(std::string_view text) {
    display_->setText(text);
}

void MainWindow::insertDisplayText(std::string_view text) {
    display_->insertText(text);
}

void MainWindow::showDisplay() {
    image_->hide();
    display_->show();
    display_->caretToStart();
    display_->setFocus();
}

void MainWindow::hideImageWindow() {
    image_->hide();
}

bool MainWindow::showPicture(const Picture& picture) {
    QImage image = toQImage(picture);
    if (image.isNull()) return false;
    image_->setBackground(colorFromRef(app_.settings.bkgrndColor));
    image_->setPicture(image);
    display_->hide();
    image_->show();
    image_->setFocus();
    return true;
}

std::vector<PrintProblem> MainWindow::printPicture(const PrintSettings& settings,
                                                   const PageSetup& setup,
                                                   const std::string& documentName) {
    return printPictureImage(image_->picture(), settings, setup, toQString(documentName));
}

void MainWindow::setDisplayWrap(bool wrapAt80) {
    display_->setWrapAt80(wrapAt80);
}

void MainWindow::editDisplay(EditAction action) {
    display_->edit(action);
}

EditFacts MainWindow::displayEditFacts() {
    return display_->editFacts();
}

FindDialog* MainWindow::findDialog() const {
    return findDialog_.data();
}

DisplayPane& MainWindow::displayPane() {
    return *display_;
}

void MainWindow::openFindDialog(FindMode mode, const FindRecord& record) {
    // One dialog at a time.
    if (!findDialog_) {
        findDialog_ = new FindDialog(mode, record, this);
        connect(findDialog_, &FindDialog::request, this,
                [this](const FindMessage& m) { onFindMessage(ctx_, m); });
    }
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void MainWindow::closeWindow() {
    close();
}

void MainWindow::commandDelivered(int command) {
    emit commandDispatched(command);
}

void MainWindow::showProperties(const PropertySheet& sheet, bool raise) {
    // One sheet at a time; closed, it is gone.
    if (!properties_) {
        properties_ = new PropertiesSheet(this, ctx_.platform);
        properties_->setAttribute(Qt::WA_DeleteOnClose);
    }
    properties_->setSheet(sheet);
    if (!raise) return;
    properties_->tabs()->setCurrentIndex(0);
    properties_->show();
    properties_->raise();
    properties_->activateWindow();
}

bool MainWindow::propertiesShown() {
    return properties_ && properties_->isVisible();
}

PropertiesSheet* MainWindow::propertiesSheet() const {
    return properties_.data();
}

void MainWindow::applyDisplayFormat(bool font) {
    const Settings& s = app_.settings;
    if (font) display_->applyFont(toQString(s.fontName), s.fontSize);
    display_->applyColors(s.fontColor, s.bkgrndColor);
    image_->setBackground(colorFromRef(s.bkgrndColor));
}

bool MainWindow::confirmClose() {
    if (closeConfirmed_) return true;
    if (!confirmCloseWindow(ctx_)) return false;
    storeGeometry(app_, currentGeometry());
    closeConfirmed_ = true;
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirmClose())
        event->accept();
    else
        event->ignore();
}

QMimeData* MainWindow::dragMimeData(NodeId node) {
    if (!dragFolder_) dragFolder_ = std::make_unique<QTemporaryDir>();
    if (!dragFolder_->isValid()) return nullptr;
    std::optional<std::string> path = exportForDrag(ctx_, node, fromQString(dragFolder_->path()));
    if (!path) return nullptr;
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(toQString(*path))});
    return data;
}

void MainWindow::dragFile(NodeId node) {
    QMimeData* data = dragMimeData(node);
    if (!data) return;
    auto* drag = new QDrag(tree_);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // A file dragged out of the tree is an Apple file, not an image to open.
    if (event->source() == tree_) return;
    if (!localFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> files = localFiles(event->mimeData());
    if (files.empty()) return;
    event->acceptProposedAction();
    dropFiles(ctx_, files);
}

} // namespace lk
