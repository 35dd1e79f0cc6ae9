// Runs every benchmark with repetitions and ends with one line per measured pair:
//   RATIO name value      value = median time of "name/ours" / median time of "name/floor"
// A benchmark takes part in a pair by its name alone.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name != "median") continue;
      const std::string name = run.run_name.str();
      const auto slash = name.rfind('/');
      if (slash == std::string::npos) continue;
      const std::string side = name.substr(slash + 1);
      if (side == "ours" || side == "floor") medians_[name.substr(0, slash)][side] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void printRatios() const {
    for (const auto& [pair, sides] : medians_) {
      const auto ours = sides.find("ours");
      const auto floor = sides.find("floor");
      if (ours == sides.end() || floor == sides.end() || floor->second <= 0) continue;
      std::printf("RATIO %s %.2f\n", pair.c_str(), ours->second / floor->second);
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> medians_;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  bool repetitionsGiven = false;
  for (char* arg : args) repetitionsGiven |= std::string(arg).rfind("--benchmark_repetitions", 0) == 0;
  if (!repetitionsGiven) args.push_back(repetitions.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  MedianCollector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
