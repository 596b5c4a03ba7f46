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
    // The guide is looked for beside the program in `programFolder`, the running program's
    // folder unless one is given.
    explicit HelpWindow(QWidget* parent = nullptr, const QString& programFolder = QString());

    void showContents();
    void showPage(const QString& page);
    QTextBrowser* browser() const { return browser_; }

    // The folder of the guide: the one installed with the program in `programFolder`
    // (bin/../share/larkspoon/help) when it is there, otherwise the guide built into the program.
    static QUrl guideFolder(const QString& programFolder);
    QUrl contentsUrl() const { return guide_.resolved(QUrl(QStringLiteral("index.html"))); }

  private:
    QTextBrowser* browser_;
    QUrl guide_;
};

} // namespace lk
