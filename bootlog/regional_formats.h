#pragma once

#include <string>

// The user's regional date and time formats, as Windows picture strings
// (d dd ddd dddd M MM MMM MMMM y yy yyyy h hh H HH m mm s ss t tt, 'quoted' literals).
struct RegionalFormats {
  std::string ShortDate = "yyyy/M/d";
  std::string LongTime = "H:mm:ss";
  std::string AmDesignator = "上午";
  std::string PmDesignator = "下午";
};
