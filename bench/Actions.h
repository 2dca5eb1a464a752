#pragma once

#include <QString>

#include <vector>

// A catalogue without books, for the association tree at several sizes.
struct Catalogue {
    int rows;
    QString dir;
};

// What the benchmarks run on: the program's single instances, created over
// DB.mdb in workDir (the current directory), and the figures found in it.
struct Setup {
    QString workDir;
    QString largestDept;  // ID of the association with the most entries
    QString typicalDept;  // ID of an association with the median number of entries
    QString subjectId;    // a subject for new entries
    int treeNodes = 0;    // rows of T_DEPT
    std::vector<Catalogue> catalogues;
};

// Registers every action twice: through the program ("ours") and as the same
// statements on the bare engine ("floor").
void RegisterActions(const Setup& setup);
