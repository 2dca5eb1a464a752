#pragma once

#include <QString>

#include <optional>

// Large, deterministic books for measuring the program at scale: the same size
// always gives the same rows, so figures from different runs compare.
namespace ScaleData {

struct Size {
    int types = 0;
    int associations = 0;
    int assets = 0;
    int entries = 0;
    int subjects = 0;
};

// The three standard sizes by letter: S (50 associations, 5,000 assets, 20,000
// entries), M (500 / 20,000 / 200,000), L (2,000 associations in 40 types,
// 100,000 assets, 1,000,000 entries); 60 subjects each. Nothing for any other text.
std::optional<Size> StandardSize(const QString& letter);

// A catalogue of the given number of rows (one type for every 49 associations)
// without books, for measuring the association tree.
Size CatalogueOnly(int rows);

// Fills a database made by Schema::CreateDatabase, in one transaction. Entries
// are spread over 20 years; a few associations hold many more rows than the rest,
// as large associations do.
void Fill(const QString& filePath, const Size& size);

} // namespace ScaleData
