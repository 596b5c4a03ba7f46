// The Properties sheet: the General, Volume, Image and Advanced pages of the selected item. It
// leaves the main window usable while it is open, and follows the selection there.
#pragma once

#include <QDialog>
#include <array>
#include <string_view>
#include <vector>

#include "app/properties.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QTabWidget;

namespace lk {

class ContextHelp;
class ShellPlatform;

class PropertiesSheet : public QDialog {
    Q_OBJECT
  public:
    PropertiesSheet(QWidget* parent, ShellPlatform& platform);

    // Shows the sheet's texts.
    void setSheet(const PropertySheet& sheet);

    QTabWidget* tabs() const { return tabs_; }
    // The text shown for a field (by its key: those of the pages' field tables, and "title",
    // "kind", "order", "imageLocation", "creatorLine", "versionLine", "lockLine" of the Image page,
    // "volumeNote" of the Volume page); the label that shows it.
    QString fieldText(std::string_view key) const;
    QLabel* field(std::string_view key) const;
    // The access boxes of the General (0) or Volume (1) page.
    const std::array<QCheckBox*, 6>& accessBoxes(int page) const { return access_[size_t(page)]; }
    QLabel* icon(int page) const { return icons_[size_t(page)]; }

  private:
    struct Field {
        std::string_view key;
        QLabel* value;
    };
    // A page with its icon at the top left and a grid of fields below.
    QGridLayout* newPage(std::string_view title, int iconPage);
    QLabel* addField(QGridLayout* grid, std::string_view label, std::string_view key);
    void addAccess(QGridLayout* grid, int page);
    void setField(std::string_view key, const std::string& text);
    void setAccess(int page, uint8_t access);

    ContextHelp* help_;
    QTabWidget* tabs_;
    std::vector<Field> fields_;
    std::array<QLabel*, 2> icons_{};
    std::array<std::array<QCheckBox*, 6>, 2> access_{};
};

} // namespace lk
