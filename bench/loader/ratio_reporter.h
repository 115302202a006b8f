// The console report, followed by one line per input with our CPU time over the baseline's:
// benchmarks named "objl/<input>" and "tinyobj/<input>" are paired by <input>. With
// repetitions the medians are compared. CPU time, because the machine is shared.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace loaderbench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  // "objl/<input>" or "tinyobj/<input>" -> CPU time per iteration
  std::map<std::string, double> single_;
  std::map<std::string, double> median_;
};

}  // namespace loaderbench
