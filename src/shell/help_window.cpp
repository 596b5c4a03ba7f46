#include "shell/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/tree_icons.h"

namespace lk {

namespace {

QToolButton* toolButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

} // namespace

QUrl HelpWindow::contentsUrl() {
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setWindowTitle(tr("Larkspoon Help"));
    setWindowIcon(programIcon());
    auto* contents = toolButton(this, QStyle::SP_DirHomeIcon, tr("Contents"));
    auto* back = toolButton(this, QStyle::SP_ArrowBack, tr("Back"));
    auto* forward = toolButton(this, QStyle::SP_ArrowForward, tr("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    // Links to web pages open in the user's browser; the guide's own pages open here.
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    connect(contents, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    resize(640, 560);
}

void HelpWindow::showContents() {
    browser_->setSource(contentsUrl());
}

void HelpWindow::showPage(const QString& page) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
}

} // namespace lk
