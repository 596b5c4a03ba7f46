// Context help for the controls of a dialog: F1 on the focused control, or a right click on a
// control or its label, opens the user guide at the control's topic (an anchor of the dialog's
// help page).
#pragma once

#include <QObject>
#include <QString>
#include <string_view>

class QWidget;

namespace lk {

class ShellPlatform;

class ContextHelp : public QObject {
    Q_OBJECT
  public:
    // The help of the controls of `dialog`, on the guide's page `page`.
    ContextHelp(QWidget* dialog, QString page, ShellPlatform& platform);

    // Gives the controls the topic.
    void add(std::initializer_list<QWidget*> controls, std::string_view anchor);
    // The topic of a control (its own, or that of the nearest parent that has one); empty when
    // it has none.
    static QString topicOf(const QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showTopic(const QWidget* control);

    QWidget* dialog_;
    QString page_;
    ShellPlatform& platform_;
};

} // namespace lk
