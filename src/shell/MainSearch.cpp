#include "shell/Main.h"

void TfrmMain::PCChange() {}
void TfrmMain::btn_searchClick() {}
