#include "shell/context_help.h"

#include <QEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

#include "platform/shell_platform.h"
#include "shell/qt_platform.h"

namespace lk {

namespace {

constexpr const char* kTopicProperty = "helpTopic";

} // namespace

ContextHelp::ContextHelp(QWidget* dialog, QString page, ShellPlatform& platform)
    : QObject(dialog), dialog_(dialog), page_(std::move(page)), platform_(platform) {
    auto* f1 = new QShortcut(QKeySequence::HelpContents, dialog);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] { showTopic(dialog_->focusWidget()); });
}

void ContextHelp::add(std::initializer_list<QWidget*> controls, std::string_view anchor) {
    for (QWidget* control : controls) {
        control->setProperty(kTopicProperty, toQString(anchor));
        control->setContextMenuPolicy(Qt::DefaultContextMenu);
        control->installEventFilter(this);
    }
}

QString ContextHelp::topicOf(const QWidget* control) {
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        QString topic = w->property(kTopicProperty).toString();
        if (!topic.isEmpty()) return topic;
    }
    return {};
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        showTopic(qobject_cast<QWidget*>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ContextHelp::showTopic(const QWidget* control) {
    QString topic = topicOf(control);
    // A control without a topic of its own has the page's contents as its help.
    platform_.showHelpTopic(fromQString(page_), fromQString(topic));
}

} // namespace lk
