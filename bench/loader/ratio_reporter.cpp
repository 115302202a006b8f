#include "ratio_reporter.h"

#include <cstdio>
#include <set>

namespace loaderbench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const std::string& name = run.run_name.function_name;
    if (run.run_type == Run::RT_Iteration) single_[name] = run.GetAdjustedCPUTime();
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") median_[name] = run.GetAdjustedCPUTime();
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  auto timeOf = [&](const std::string& name, double& time) {
    const auto median = median_.find(name);
    const auto single = single_.find(name);
    if (median != median_.end()) time = median->second;
    else if (single != single_.end()) time = single->second;
    else return false;
    return time > 0;
  };
  std::set<std::string> names;
  for (const auto& entry : single_) names.insert(entry.first);
  for (const auto& entry : median_) names.insert(entry.first);
  bool header = false;
  for (const std::string& name : names) {
    if (name.rfind("objl/", 0) != 0) continue;
    const std::string input = name.substr(5);
    double ours = 0, baseline = 0;
    if (!timeOf(name, ours) || !timeOf("tinyobj/" + input, baseline)) continue;
    if (!header) std::printf("\n%-32s %14s\n", "input", "objl / tinyobj");
    header = true;
    std::printf("%-32s %14.2f\n", input.c_str(), ours / baseline);
  }
}

}  // namespace loaderbench
