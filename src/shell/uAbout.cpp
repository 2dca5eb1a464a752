#include "shell/uAbout.h"

TfrmAboutBox* frmAboutBox = nullptr;

TfrmAboutBox::TfrmAboutBox(QWidget* parent)
    : Form(parent), ProgramIcon(new QLabel(this)), ProductName(new QLabel(QStringLiteral("Varnholt"), this)),
      Version(new QLabel(QStringLiteral("V1.0"), this)), Copyright(new QLabel(this)),
      Comments(new QLabel(this)), btn_OK(new QPushButton(QStringLiteral("O  K"), this))
{
    FormCreate();
}

void TfrmAboutBox::FormCreate() {}
