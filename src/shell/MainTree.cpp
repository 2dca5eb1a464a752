#include "shell/Main.h"

void TfrmMain::LoadDeptTree() {}
void TfrmMain::TreeDeptClick() {}
