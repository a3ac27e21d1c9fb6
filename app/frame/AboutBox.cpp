#include "app/frame/AboutBox.h"

#include "app/ShellTexts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent) {
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setWindowTitle(ShellText(IDS_ABOUT_CAPTION));
    auto* icon = new QLabel(box.get());
    icon->setPixmap(QIcon(QStringLiteral(":/icons/kovel.svg")).pixmap(48, 48));
    auto* version = new QLabel(ShellText(IDS_ABOUT_VERSION), box.get());
    version->setObjectName(QStringLiteral("VersionLine"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);
    auto* layout = new QVBoxLayout(box.get());
    layout->addLayout(row);
    layout->addWidget(buttons);
    box->setFixedSize(box->sizeHint().expandedTo(QSize(300, 0)));
    return box;
}

void ShowAboutBox(QWidget* parent) { CreateAboutBox(parent)->exec(); }
