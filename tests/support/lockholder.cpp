// lockholder FILE: takes SQLite's exclusive lock on FILE the way a writer
// in the middle of a long transaction does, prints "locked" once it holds
// it, and keeps it until a line arrives on standard input. A second process
// is needed: locks taken inside the program under test would not show how
// the file's locks behave between programs.
#include <sqlite3.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: lockholder FILE\n", stderr);
        return 2;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "lockholder: %s\n", sqlite3_errmsg(db));
        sqlite3_close(db);
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    char line[16];
    (void)std::fgets(line, sizeof line, stdin);
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return 0;
}
