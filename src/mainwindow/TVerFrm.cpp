#include "mainwindow/TVerFrm.h"

#include "app/FirstRunInstall.h"
#include "dialogs/InstalledFonts.h"
#include "mainwindow/AppIcon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFont Tahoma(int pixels)
{
    QFont font = InstalledFont(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TVerFrm::TVerFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVerFrm"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFont(Tahoma(15));
    setFixedSize(480, 320);

    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(AppIconPixmap(128));
    Image1->setFixedSize(128, 128);

    auto *rows = new QGridLayout;
    rows->setVerticalSpacing(14);
    const auto caption = [this](const QString &text) { return new QLabel(text, this); };
    auto *Label2 = new QLabel(QStringLiteral("   Quillmaren\n（クイルマレン）"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(Tahoma(24));
    auto *Label4 = new QLabel(ProgramVersion, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(Tahoma(24));
    auto *developer = new QLabel(QStringLiteral("Bertovan"), this);
    developer->setObjectName(QStringLiteral("Label6"));
    rows->addWidget(caption(QStringLiteral("■名　称：")), 0, 0, Qt::AlignTop);
    rows->addWidget(Label2, 0, 1);
    rows->addWidget(caption(QStringLiteral("■バージョン：")), 1, 0, Qt::AlignVCenter);
    rows->addWidget(Label4, 1, 1);
    rows->addWidget(caption(QStringLiteral("■開発者：")), 2, 0);
    rows->addWidget(developer, 2, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(16);
    top->addLayout(rows, 1);

    auto *Button1 = new QPushButton(QStringLiteral("閉じる"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Button1);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 16);
    column->addLayout(top);
    column->addStretch(1);
    column->addLayout(bottom);

    if (parent) {
        const QRect main = parent->window()->frameGeometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + (main.height() - height()) / 2);
    }
}
