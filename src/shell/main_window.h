// The main window: the catalog tree on the left, the text and picture panes sharing the right,
// the menus and keys. It presents the application state and forwards what the user does to the
// commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

#include "app/commands.h"

class QMimeData;
class QSplitter;

namespace lk {

class CatalogModel;
class CatalogView;
class DisplayWindow;
class FindDialog;
class ImageWindow;
class PropertiesSheet;
class ShellMenus;

class MainWindow : public QMainWindow, public ShellView {
    Q_OBJECT
  public:
    MainWindow(AppState& app, ShellPlatform& platform);
    ~MainWindow() override;

    // Places and sizes the window and the splitter.
    void applyGeometry(const WindowGeometry& geometry);
    WindowGeometry currentGeometry() const;
    int treeWidth() const;
    // Asks before quitting when the settings want it; on Yes the geometry is stored and the
    // window closes without asking again. False when the user answered No.
    bool confirmClose();

    ShellContext& context() { return ctx_; }
    CatalogView* treeView() const { return tree_; }
    CatalogModel* treeModel() const { return model_; }
    DisplayWindow* displayWindow() const { return display_; }
    ImageWindow* imageWindow() const { return image_; }
    ShellMenus* menus() const { return menus_; }
    // The open Find or Replace dialog, or nullptr.
    FindDialog* findDialog() const;
    QSplitter* splitter() const { return splitter_; }

    // ShellView
    void setCaption(const std::string& text) override;
    void setModified(bool modified) override;
    void showMenuState(const MenuState& menu) override;
    void beginTreeRebuild() override;
    void endTreeRebuild() override;
    void expandNode(NodeId node) override;
    void clearDisplay() override;
    void setDisplayText(std::string_view text) override;
    void insertDisplayText(std::string_view text) override;
    void showDisplay() override;
    void hideImageWindow() override;
    bool showPicture(const Picture& picture) override;
    std::vector<PrintProblem> printPicture(const PrintSettings& settings, const PageSetup& setup,
                                           const std::string& documentName) override;
    void setDisplayWrap(bool wrapAt80) override;
    void editDisplay(EditAction action) override;
    EditFacts displayEditFacts() override;
    DisplayPane& displayPane() override;
    void openFindDialog(FindMode mode, const FindRecord& record) override;
    void closeWindow() override;
    void commandDelivered(int command) override;
    void showProperties(const PropertySheet& sheet, bool raise) override;
    bool propertiesShown() override;
    void applyDisplayFormat(bool font) override;

    // The open Properties sheet, or nullptr.
    PropertiesSheet* propertiesSheet() const;

    // The drag of a file out of the tree: the data it carries, a file exported into a folder of
    // the window's own; nullptr when the node cannot be exported (told).
    QMimeData* dragMimeData(NodeId node);

  signals:
    // Every command number that reaches the dispatcher, for whoever follows the window.
    void commandDispatched(int command);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildPanes();
    void buildShortcuts();
    void runCommand(int command);
    void dragFile(NodeId node);

    AppState& app_;
    ShellContext ctx_;
    CatalogModel* model_ = nullptr;
    CatalogView* tree_ = nullptr;
    DisplayWindow* display_ = nullptr;
    ImageWindow* image_ = nullptr;
    QSplitter* splitter_ = nullptr;
    ShellMenus* menus_ = nullptr;
    QPointer<FindDialog> findDialog_;
    QPointer<PropertiesSheet> properties_;
    bool closeConfirmed_ = false;
    QString caption_;
    // Files dragged out of the tree, kept until the window closes so that the drop can read them.
    std::unique_ptr<QTemporaryDir> dragFolder_;
};

} // namespace lk
