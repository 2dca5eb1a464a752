#pragma once

#include <QIcon>

// The program's own icon, drawn here: a ledger page with a coin on blue.
QIcon ApplicationIcon();
