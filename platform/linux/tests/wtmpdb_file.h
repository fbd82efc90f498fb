#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

// Builds a database with the table wtmpdb keeps.
class TWtmpdbFile {
 public:
  explicit TWtmpdbFile(const std::string& path) {
    EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK);
    Exec(
        "CREATE TABLE wtmp(ID INTEGER PRIMARY KEY, Type INTEGER, User TEXT NOT NULL, "
        "Login INTEGER, Logout INTEGER, TTY TEXT, RemoteHost TEXT, Service TEXT)");
  }
  ~TWtmpdbFile() { sqlite3_close(db_); }
  TWtmpdbFile(const TWtmpdbFile&) = delete;
  TWtmpdbFile& operator=(const TWtmpdbFile&) = delete;

  // Times in seconds; a logout of 0 is NULL (running, or a crash).
  void Boot(int64_t login, int64_t logout = 0, int64_t micro = 0) {
    Exec("INSERT INTO wtmp(Type, User, Login, Logout, TTY) VALUES(1, 'reboot', " +
         std::to_string(login * 1000000 + micro) + ", " +
         (logout ? std::to_string(logout * 1000000 + micro) : "NULL") + ", '~')");
  }
  void Login(const std::string& user, int64_t login, int64_t logout = 0) {
    Exec("INSERT INTO wtmp(Type, User, Login, Logout, TTY, RemoteHost, Service) VALUES(3, '" +
         user + "', " + std::to_string(login * 1000000) + ", " +
         (logout ? std::to_string(logout * 1000000) : "NULL") + ", 'pts/0', '', 'sshd')");
  }
  void Exec(const std::string& sql) {
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << sql << ": " << (error ? error : "");
    sqlite3_free(error);
  }

 private:
  sqlite3* db_ = nullptr;
};
