#pragma once

#include <QString>

// A small demo catalogue with both books, so a new database has something to show.
namespace DemoData {
void Fill(const QString& filePath);
}
