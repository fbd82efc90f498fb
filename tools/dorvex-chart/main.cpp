// Renders the chart control alone from a fixture of events, optionally applies
// mouse actions, and writes a PNG and/or a text dump of what the last paint drew.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/reconstruct.h"
#include "chart/boot_chart.h"
#include "chart_dump.h"
#include "gfx/bitmap.h"
#include "tools/common/log_source_option.h"
#ifdef DORVEX_LINUX_GFX
#include "platform/linux/text/linux_gfx.h"
#endif

namespace {

struct TAction {
  enum { kMove, kDrag, kRightDrag, kWheel } Kind;
  std::vector<int> Values;
};

int Usage(const std::string& problem) {
  std::fprintf(stderr,
               "dorvex-chart: %s\n"
               "usage: dorvex-chart %s\n"
               "                    [--size WxH] [--dpi N] [--out FILE.png] [--dump]\n"
               "                    [--move X,Y] [--drag X0,Y0,X1,Y1] [--rdrag X0,Y0,X1,Y1]\n"
               "                    [--wheel N] ...\n",
               problem.c_str(), TLogSourceOption::kUsage);
  return 2;
}

// Exactly `count` integers separated by `separator`.
bool ParseInts(const std::string& text, char separator, size_t count, std::vector<int>& out) {
  out.clear();
  size_t start = 0;
  while (true) {
    size_t end = text.find(separator, start);
    std::string part =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part.empty()) {
      return false;
    }
    char* stop = nullptr;
    long value = std::strtol(part.c_str(), &stop, 10);
    if (*stop != '\0' || value < -1000000 || value > 1000000) {
      return false;
    }
    out.push_back(static_cast<int>(value));
    if (end == std::string::npos) {
      break;
    }
    start = end + 1;
  }
  return out.size() == count;
}

void Drag(TChart& chart, TMouseButton button, const std::vector<int>& v) {
  chart.MouseDown(button, 0, v[0], v[1]);
  chart.MouseMove(0, v[2], v[3]);
  chart.MouseUp(button, 0, v[2], v[3]);
}

}  // namespace

int main(int argc, char** argv) {
  TLogSourceOption log;
  std::string out, problem;
  bool dump = false;
  int width = 669, height = 328;
  int dpi = 96;
  std::vector<TAction> actions;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--dump") {
      dump = true;
      continue;
    }
    const bool names = TLogSourceOption::Names(option);
    if (!names && option != "--size" && option != "--dpi" && option != "--out" &&
        option != "--move" && option != "--drag" && option != "--rdrag" && option != "--wheel") {
      return Usage("unknown option '" + option + "'");
    }
    if (i + 1 >= argc) {
      return Usage("option '" + option + "' needs a value");
    }
    const std::string value = argv[++i];
    std::vector<int> v;
    if (names) {
      if (!log.Take(option, value, problem)) {
        return Usage(problem);
      }
    } else if (option == "--out") {
      out = value;
    } else if (option == "--size") {
      if (!ParseInts(value, 'x', 2, v) || v[0] < 1 || v[1] < 1 || v[0] > 16384 || v[1] > 16384) {
        return Usage("bad size '" + value + "' (WxH, 1 to 16384)");
      }
      width = v[0];
      height = v[1];
    } else if (option == "--dpi") {
      if (!ParseInts(value, ',', 1, v) || v[0] < 48 || v[0] > 480) {
        return Usage("bad dpi '" + value + "' (48 to 480)");
      }
      dpi = v[0];
    } else if (option == "--move") {
      if (!ParseInts(value, ',', 2, v)) {
        return Usage("bad position '" + value + "' (X,Y)");
      }
      actions.push_back({TAction::kMove, v});
    } else if (option == "--drag" || option == "--rdrag") {
      if (!ParseInts(value, ',', 4, v)) {
        return Usage("bad drag '" + value + "' (X0,Y0,X1,Y1)");
      }
      actions.push_back({option == "--drag" ? TAction::kDrag : TAction::kRightDrag, v});
    } else {
      if (!ParseInts(value, ',', 1, v) || v[0] < -10000 || v[0] > 10000) {
        return Usage("bad wheel count '" + value + "'");
      }
      actions.push_back({TAction::kWheel, v});
    }
  }

#ifdef DORVEX_LINUX_GFX
  platform_linux::InstallLinuxGfx();
#endif

  RegionalFormats formats;
  TBootTable& table = BootTable();
  if (log.Given()) {
    const TLogOpener open = log.Opener(problem);
    if (!open) {
      std::fprintf(stderr, "dorvex-chart: %s\n", problem.c_str());
      return 2;
    }
    try {
      ReadBootEvents(*open(), formats, table);
    } catch (const EConvertError& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
    CompleteBootTable(table, formats);
  }

  TChart chart;
  SetupBootChart(chart);
  // The size is in 96-dpi pixels and scales with the fonts, as in the window.
  chart.SetBounds(0, 0, width, height);
  chart.ChangeScale(dpi, 96);
  FillBootChart(chart, table);
  chart.UpdateImage();
  for (const TAction& a : actions) {
    switch (a.Kind) {
      case TAction::kMove:
        chart.MouseMove(0, a.Values[0], a.Values[1]);
        break;
      case TAction::kDrag:
        Drag(chart, mbLeft, a.Values);
        break;
      case TAction::kRightDrag:
        Drag(chart, mbRight, a.Values);
        break;
      case TAction::kWheel:
        // N notches towards the user (down), or away for a negative N.
        chart.MouseWheel(0, -a.Values[0] * WHEEL_DELTA, {});
        break;
    }
    chart.UpdateImage();
  }

  if (!out.empty()) {
    std::string error;
    if (!gfx::SavePng(out, chart.Image().Crop(chart.PanelRect()), &error)) {
      std::fprintf(stderr, "dorvex-chart: cannot write '%s': %s\n", out.c_str(), error.c_str());
      return 1;
    }
  }
  if (dump) {
    std::string text = ChartDump(chart);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  return std::fflush(stdout) == 0 ? 0 : 1;
}
