#pragma once

#include <cstdint>
#include <string>

// The accounts whose SIDs are the same on every Windows computer, named as an
// English system names them. False for every other SID (accounts of one
// computer or domain can only be named there). `sid` is a well-formed SID.
bool WellKnownAccount(const uint8_t* sid, std::string& name, std::string& domain);

// LookupAccountSidA's answer for the well-known accounts: buffer sizes in,
// characters written (or needed) out; false with `error` set (1332: none
// mapped, 122: buffer too small) otherwise.
bool LookupWellKnownAccount(const void* sid, char* name, uint32_t& nameSize, char* domain,
                            uint32_t& domainSize, uint32_t& error);
