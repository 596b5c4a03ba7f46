// The frame of a property sheet: its tabbed pages with OK and Cancel below them, and no Apply.
#pragma once

class QDialog;
class QTabWidget;

namespace lk {

void frameSheet(QDialog* sheet, QTabWidget* tabs);

} // namespace lk
