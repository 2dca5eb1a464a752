#pragma once

#include "tools/ScaleData.h"

#include <QString>

// The databases the benchmarks run on: generated once into a cache beside the
// benchmark program and reused by later runs while the schema stays the same
// (delete the cache after changing the generator).
namespace Books {

// Directory of the cache and of the working copies.
QString Root();

// A database named DB.mdb, as the program expects, in a directory of its own
// under the cache (named after the database and the schema); made on first
// use. Returns the directory.
QString Cached(const QString& name, const ScaleData::Size& size);

// A fresh copy of a cached database, as DB.mdb in a working directory that the
// benchmarks may change. Returns the directory.
QString WorkingCopy(const QString& cachedDir, const QString& name);

} // namespace Books

// Memory figures of this process, in bytes.
namespace Memory {
// Bytes allocated and not yet freed (malloc's own count).
size_t InUse();
// Resident set now, and its high-water mark since the last ResetPeak.
size_t Resident();
size_t PeakResident();
void ResetPeak();
} // namespace Memory
