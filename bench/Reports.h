#pragma once

struct Setup;

// Registers the reports on the large books, each through the program ("ours")
// and as the same sums on the bare engine ("floor").
void RegisterReports(const Setup& setup);
