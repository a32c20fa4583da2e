#pragma once

namespace quintara::tables {

// The nine generated tables (bank/tables/Table*.cpp, written by tools/bankgen). Each entry is
// the puzzle half then the solution half, CellCount characters each.
extern const char* const kTable3E[100];
extern const char* const kTable3M[100];
extern const char* const kTable3A[100];
extern const char* const kTable4E[50];
extern const char* const kTable4M[25];
extern const char* const kTable4A[25];
extern const char* const kTable5E[25];
extern const char* const kTable5M[25];
extern const char* const kTable5A[25];

}  // namespace quintara::tables
