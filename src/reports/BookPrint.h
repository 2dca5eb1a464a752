#pragma once

#include "platform/TablePrinter.h"

// What the finance window shows, as a printed document: the two books of the
// association shown, with its totals and the period its entries cover, or the
// search results when no association is shown.
platform::PrintDocument FinanceWindowDocument();

// The file name proposed for the finance window's exports, without extension.
QString FinanceWindowFileName();
