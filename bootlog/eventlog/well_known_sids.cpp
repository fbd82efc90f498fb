#include "bootlog/eventlog/well_known_sids.h"

#include <cstddef>
#include <cstring>

#include "bootlog/eventlog/eventlog_api.h"
#include "bootlog/little_endian.h"

namespace {

struct TWellKnown {
  uint8_t Authority;
  uint32_t SubAuthorities[2];
  uint8_t Count;
  const char* Name;
  const char* Domain;
};

constexpr TWellKnown kAccounts[] = {
    {5, {18}, 1, "SYSTEM", "NT AUTHORITY"},
    {5, {19}, 1, "LOCAL SERVICE", "NT AUTHORITY"},
    {5, {20}, 1, "NETWORK SERVICE", "NT AUTHORITY"},
    {5, {7}, 1, "ANONYMOUS LOGON", "NT AUTHORITY"},
    {1, {0}, 1, "Everyone", ""},
    {5, {32, 544}, 2, "Administrators", "BUILTIN"},
    {5, {32, 545}, 2, "Users", "BUILTIN"},
};

}  // namespace

bool WellKnownAccount(const uint8_t* sid, std::string& name, std::string& domain) {
  // Revision, sub-authority count, a 48-bit big-endian authority, then the
  // sub-authorities, little-endian.
  const uint8_t count = sid[1];
  for (const TWellKnown& a : kAccounts) {
    bool same = count == a.Count && sid[2] == 0 && sid[3] == 0 && sid[4] == 0 && sid[5] == 0 &&
                sid[6] == 0 && sid[7] == a.Authority;
    for (size_t i = 0; same && i < a.Count; ++i) {
      same = Le32(sid + 8 + 4 * i) == a.SubAuthorities[i];
    }
    if (same) {
      name = a.Name;
      domain = a.Domain;
      return true;
    }
  }
  return false;
}

bool LookupWellKnownAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                            uint32_t& domainSize, uint32_t& error) {
  std::string account, where;
  if (!WellKnownAccount(static_cast<const uint8_t*>(sid), account, where)) {
    error = kErrorNoneMapped;
    return false;
  }
  if (account.size() >= nameSize || where.size() >= domainSize) {
    nameSize = static_cast<uint32_t>(account.size() + 1);
    domainSize = static_cast<uint32_t>(where.size() + 1);
    error = kErrorInsufficientBuffer;
    return false;
  }
  std::memcpy(name, account.c_str(), account.size() + 1);
  std::memcpy(domain, where.c_str(), where.size() + 1);
  nameSize = static_cast<uint32_t>(account.size());
  domainSize = static_cast<uint32_t>(where.size());
  return true;
}
