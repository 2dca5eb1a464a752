#include "shell/Main.h"

void TfrmMain::NnewDeptTypeClick() {}
void TfrmMain::NModiDeptTypeClick() {}
void TfrmMain::NDeleDeptTypeClick() {}
void TfrmMain::NnewDeptClick() {}
void TfrmMain::NModiDeptClick() {}
void TfrmMain::NDeleDeptClick() {}
