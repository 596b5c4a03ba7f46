// The user guide: Larkspoon's own help pages in a window of their own, beside the main window.
#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace lk {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void showContents();
    void showPage(const QString& page);
    QTextBrowser* browser() const { return browser_; }

    static QUrl contentsUrl();

  private:
    QTextBrowser* browser_;
};

} // namespace lk
