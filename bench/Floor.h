#pragma once

#include <QString>

#include <sqlite3.h>

#include <string>

// The engine's floor: the program's statements, in the engine's own dialect, run
// straight on SQLite's C API with every column of every row read into plain
// values. What the program adds on top of this is its own cost.
class Floor {
public:
    explicit Floor(const QString& filePath);
    ~Floor();
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;

    // Prepares, steps through and finalizes one statement (already in the
    // engine's dialect); returns the number of rows.
    long Run(const std::string& statement);
    // Runs statements that return nothing (BEGIN, COMMIT, a script).
    void Exec(const std::string& statements);

    // Opens the file as the program does, checks its tables and closes it again.
    static void Connect(const QString& filePath);

private:
    sqlite3* m_db = nullptr;
};

// A program statement translated once into the engine's dialect, as the
// program's connection does before running it.
std::string EngineSql(const QString& statement);
