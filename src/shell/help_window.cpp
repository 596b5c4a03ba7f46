#include "shell/help_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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

QUrl HelpWindow::guideFolder(const QString& programFolder) {
    // An installed guide can be read, and mended, apart from the program; a program run where
    // it was built still has the guide it carries.
    QDir installed(QDir(programFolder).filePath(QStringLiteral(LARKSPOON_HELP_FROM_PROGRAM)));
    if (installed.exists(QStringLiteral("index.html")))
        return QUrl::fromLocalFile(installed.absolutePath() + QLatin1Char('/'));
    return QUrl(QStringLiteral("qrc:/help/"));
}

HelpWindow::HelpWindow(QWidget* parent, const QString& programFolder)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)),
      guide_(guideFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : programFolder)) {
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
    browser_->setSource(guide_.resolved(QUrl(page)));
}

} // namespace lk
