#include "bootlog/boot_table.h"

TBootTable& BootTable() {
  static TBootTable table;
  return table;
}
