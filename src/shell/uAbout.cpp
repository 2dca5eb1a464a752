#include "shell/uAbout.h"

#include "platform/Application.h"
#include "shell/ApplicationIcon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmAboutBox* frmAboutBox = nullptr;

TfrmAboutBox::TfrmAboutBox(QWidget* parent)
    : Form(parent), ProgramIcon(new QLabel(this)), ProductName(new QLabel(QStringLiteral("Varnholt"), this)),
      Version(new QLabel(QStringLiteral("V1.0"), this)), Copyright(new QLabel(this)), Comments(new QLabel(this)),
      btn_OK(new QPushButton(QStringLiteral("O  K"), this))
{
    setWindowTitle(QStringLiteral("关于"));
    ProgramIcon->setPixmap(ApplicationIcon().pixmap(64, 64));
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setFixedSize(64, 64);
    QFont bold = ProductName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    ProductName->setFont(bold);
    ProductName->setStyleSheet(QStringLiteral("color: blue"));
    btn_OK->setAutoDefault(false);

    auto* text = new QVBoxLayout;
    for (QLabel* label : {ProductName, Version, Copyright, Comments})
        text->addWidget(label);
    auto* top = new QHBoxLayout;
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(btn_OK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    platform::Application::On(btn_OK, &QPushButton::clicked, this, [this] { SetModalResult(platform::mrOk); });
    FormCreate();
}

void TfrmAboutBox::FormCreate()
{
    Copyright->setText(QStringLiteral("版权所有 © Varnholt 开发组，保留所有权利。"));
    Comments->setText(QStringLiteral("使用中的问题请联系校学生社团联合会办公室。"));
}
