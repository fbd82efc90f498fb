#pragma once

#include <cstdint>
#include <string>

// The accounts whose SIDs are the same on every Windows computer, named as an
// English system names them. False for every other SID (accounts of one
// computer or domain can only be named there). `sid` is a well-formed SID.
bool WellKnownAccount(const uint8_t* sid, std::string& name, std::string& domain);
