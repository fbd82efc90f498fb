// Renders the chart control alone from a fixture of events, optionally applies
// mouse actions, and writes a PNG and/or a text dump of what the last paint drew.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/log_source_option.h"
#include "bootlog/complete.h"
#include "bootlog/convert_time.h"
#include "bootlog/reconstruct.h"
#include "chart/boot_chart.h"
#include "chart_actions.h"
#include "chart_dump.h"
#include "gfx/bitmap.h"
#ifdef DORVEX_LINUX_GFX
#include "platform/linux/text/linux_gfx.h"
#endif
#include "tools/common/image_size.h"
#include "tools/common/number_option.h"

namespace {

const TProgramUsage kProgram{
    "dorvex-chart",
    "Draws the chart of running hours alone, after the mouse actions given, as a PNG and/or a "
    "text dump.",
    std::string("usage: dorvex-chart ") + TLogSourceOption::kUsage +
        "\n"
        "                    [--size WxH] [--dpi N] [--out FILE.png] [--dump]\n"
        "                    [--move X,Y] [--drag X0,Y0,X1,Y1] [--rdrag X0,Y0,X1,Y1]\n"
        "                    [--wheel N] ...\n"};

int Usage(const std::string& problem) {
  return UsageError(kProgram, problem);
}

// `count` whole numbers in [min, max] separated by `separator` (one: no
// separator); else the problem.
bool ParseInts(const std::string& option, const std::string& text, char separator, size_t count,
               int min, int max, const char* form, std::vector<int>& out, std::string& problem) {
  std::vector<int64_t> numbers(1);
  const bool ok = count == 1 ? ParseNumberOption(option, text, min, max, numbers[0], problem)
                             : ParseNumberListOption(option, text, separator, count, min, max, form,
                                                     numbers, problem);
  out.assign(numbers.begin(), numbers.end());
  return ok;
}

TChartAction Action(TChartAction::TKind kind, const std::vector<int>& values) {
  TChartAction action;
  action.Kind = kind;
  std::copy(values.begin(), values.end(), action.Values.begin());
  return action;
}

}  // namespace

int main(int argc, char** argv) {
  TLogSourceOption log;
  std::string out, problem;
  bool dump = false;
  int width = 669, height = 328;
  int dpi = 96;
  std::vector<TChartAction> actions;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (int status = 0; AnswersStandardOption(kProgram, option, status)) {
      return status;
    }
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
      if (!ParseInts(option, value, 'x', 2, 1, 16384, "WxH", v, problem)) {
        return Usage(problem);
      }
      width = v[0];
      height = v[1];
    } else if (option == "--dpi") {
      if (!ParseInts(option, value, ',', 1, 48, 480, "N", v, problem)) {
        return Usage(problem);
      }
      dpi = v[0];
    } else if (option == "--move") {
      if (!ParseInts(option, value, ',', 2, -1000000, 1000000, "X,Y", v, problem)) {
        return Usage(problem);
      }
      actions.push_back(Action(TChartAction::kMove, v));
    } else if (option == "--drag" || option == "--rdrag") {
      if (!ParseInts(option, value, ',', 4, -1000000, 1000000, "X0,Y0,X1,Y1", v, problem)) {
        return Usage(problem);
      }
      actions.push_back(
          Action(option == "--drag" ? TChartAction::kDrag : TChartAction::kRightDrag, v));
    } else {
      if (!ParseInts(option, value, ',', 1, -10000, 10000, "N", v, problem)) {
        return Usage(problem);
      }
      actions.push_back(Action(TChartAction::kWheel, v));
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
  // The paint's image is a row and a column larger than the control.
  if (const std::string problem =
          ImageSizeProblem(int64_t{chart.Width()} + 1, int64_t{chart.Height()} + 1);
      !problem.empty()) {
    return Usage(problem);
  }
  FillBootChart(chart, table);
  chart.UpdateImage();
  for (const TChartAction& a : actions) {
    ApplyChartAction(chart, a);
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
