#include "table_formats.h"

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "bootlog/date_format.h"
#include "bootlog/status_texts.h"
#include "ui/form_dorvex_layout.h"
#include "ui/table_text.h"

namespace {

// Each part in turn, without the temporaries that `+` makes.
void Append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) {
    out += part;
  }
}

void AppendJsonText(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  out += '"';
}

// The times the list shows, in ISO 8601 without an offset; null when unknown.
std::string JsonTime(TDateTime t) {
  if (!IsTimeSet(t)) {
    return "null";
  }
  std::string text;
  Append(text, {"\"", FormatDateTime("yyyy-MM-ddTHH:mm:ss", t), "\""});
  return text;
}

const char* StopName(TStopKind kind) {
  switch (kind) {
    case TStopKind::Sleep:
      return "\"sleep\"";
    case TStopKind::Hibernation:
      return "\"hibernation\"";
    case TStopKind::FastStartup:
      return "\"fast startup\"";
    case TStopKind::Shutdown:
      break;
  }
  return "\"shutdown\"";
}

// How the session began and ended, as the list's state text tells it.
std::string BeganName(const TBootRecord& r) {
  if (!IsTimeSet(r.StartTime)) {
    return "null";
  }
  return r.BegunByWake ? "\"wake\"" : "\"boot\"";
}

std::string EndedName(const TBootRecord& r, size_t index) {
  if (IsTimeSet(r.StopTime)) {
    return StopName(r.StopKind);
  }
  if (index == 0) {
    return "\"running\"";
  }
  return IsTimeSet(r.StartTime) ? "\"cut off\"" : "null";
}

std::array<std::string, 5> Captions() {
  const auto& c = TFormDorvexLayout::kListCaptions;
  return {c[0], c[1], c[2], c[3], c[4]};
}

}  // namespace

bool ParseTableFormat(const std::string& name, TTableFormat& format) {
  if (name == "tsv") {
    format = TTableFormat::Tsv;
  } else if (name == "csv") {
    format = TTableFormat::Csv;
  } else if (name == "json") {
    format = TTableFormat::Json;
  } else {
    return false;
  }
  return true;
}

void TTableWriter::Write() {
  std::fwrite(text_.data(), 1, text_.size(), out_);
  text_.clear();
}

void TTableWriter::Begin() {
  switch (format_) {
    case TTableFormat::Tsv:
      AppendTabSeparated(text_, Captions(), "\n");
      break;
    case TTableFormat::Csv:
      AppendCommaSeparated(text_, Captions());
      break;
    case TTableFormat::Json:
      text_ += "{\"sessions\": [";
      break;
    case TTableFormat::Plain:
      break;
  }
  Write();
}

void TTableWriter::Row(const TBootRecord& record, size_t index, const TBootRow& row) {
  switch (format_) {
    case TTableFormat::Plain:
      for (const std::string& column : row.Columns) {
        text_ += column;
        text_ += '\t';
      }
      text_ += std::to_string(row.StateImage);
      text_ += '\n';
      break;
    case TTableFormat::Tsv:
      AppendTabSeparated(text_, row.Columns, "\n");
      break;
    case TTableFormat::Csv:
      AppendCommaSeparated(text_, row.Columns);
      break;
    case TTableFormat::Json:
      text_ += index == 0 ? "\n  " : ",\n  ";
      Append(text_,
             {"{\"start\": ", JsonTime(record.StartTime), ", \"stop\": ", JsonTime(record.StopTime),
              ", \"seconds\": ", std::to_string(record.RunSeconds), ", \"user\": "});
      AppendJsonText(text_, record.UserName);
      text_ += ", \"state\": ";
      AppendJsonText(text_, record.StateText);
      Append(text_,
             {", \"began\": ", BeganName(record), ", \"ended\": ", EndedName(record, index), "}"});
      break;
  }
  Write();
}

void TTableWriter::End(const TBootTable& table, int64_t totalSeconds) {
  if (format_ == TTableFormat::Plain) {
    text_ += '\n';
    for (const std::string& text : StatusTexts(table, totalSeconds)) {
      text_ += text;
      text_ += '\n';
    }
  } else if (format_ == TTableFormat::Json) {
    const TStatusFigures f = StatusFigures(table, totalSeconds);
    Append(text_, {table.empty() ? "],\n" : "\n],\n", " \"records\": ", std::to_string(f.Records),
                   ", \"days\": ", std::to_string(f.Days),
                   ", \"total_hours\": ", std::to_string(f.TotalHours),
                   ", \"average_hours\": ", std::to_string(f.AverageHours), "}\n"});
  }
  Write();
}
