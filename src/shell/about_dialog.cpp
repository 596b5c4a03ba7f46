#include "shell/about_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/tree_icons.h"
#include "base/version.h"

namespace lk {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Larkspoon"));
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("Larkspoon"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    auto* purpose = new QLabel(QStringLiteral("A disk image utility"), this);
    auto* versionLabel = new QLabel(QStringLiteral("Version"), this);
    auto* version = new QLabel(QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size())), this);
    version->setObjectName(QStringLiteral("version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 3, 1);
    grid->addWidget(name, 0, 1, 1, 2);
    grid->addWidget(purpose, 1, 1, 1, 2);
    grid->addWidget(versionLabel, 2, 1);
    grid->addWidget(version, 2, 2);
    grid->setColumnStretch(2, 1);
    grid->addWidget(buttons, 3, 0, 1, 3);
    setSizeGripEnabled(false);
}

} // namespace lk
