// Frame cost of the saver's real scene path against a minimal same-shader baseline, and start-up
// to the first presented frame against a bare window that clears once, and the peak memory of both
// processes. Prints one JSON object.
//   frame_bench [--width W] [--height H] [--frames N] [--launches K]
// Internally it starts itself with --startup scene|bare to time and weigh fresh processes.
#include <windows.h>

#include <psapi.h>

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/frame/baseline_renderer.h"
#include "render/gl.h"
#include "shell/application.h"
#include "shell/main_loop.h"
#include "shell/scene.h"

namespace {

// Frames each start-up child draws after its first before reading its peak memory, the same for
// both, so buffers that fill lazily during the first frames are counted.
constexpr int kMemoryFrames = 60;

struct Options {
  int width = 1920, height = 1080, frames = 600, launches = 5;
  std::string startup;  // "scene" or "bare": time one start-up in this process
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--width") o.width = std::max(1, std::atoi(argv[i + 1]));
    else if (key == "--height") o.height = std::max(1, std::atoi(argv[i + 1]));
    else if (key == "--frames") o.frames = std::max(4, std::atoi(argv[i + 1]));
    else if (key == "--launches") o.launches = std::max(1, std::atoi(argv[i + 1]));
    else if (key == "--startup") o.startup = argv[i + 1];
  }
  return o;
}

double seconds() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds since this process was created.
double msSinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  auto ticks = [](const FILETIME& t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

GLFWwindow* openWindow(int width, int height, bool saverHints) {
  if (!glfwInit()) std::exit(2);
  if (saverHints) {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, GLFW_FALSE);
  }
  glfwWindowHint(GLFW_DECORATED, GLFW_FALSE);
  GLFWwindow* window = glfwCreateWindow(width, height, "frame_bench", nullptr, nullptr);
  if (!window) std::exit(2);
  glfwMakeContextCurrent(window);
  return window;
}

// The mesh loader reports progress on standard output; the figures must be all that is printed.
void setUpSceneQuietly() {
  std::ostringstream progress;
  std::streambuf* standardOutput = std::cout.rdbuf(progress.rdbuf());
  setUpScene();
  std::cout.rdbuf(standardOutput);
}

// What one start-up child reports: its time to the first frame and its peak memory.
struct Launch {
  double startupMs = -1.0, peakWorkingSetMb = -1.0, peakPrivateMb = -1.0;
};

double megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

// Prints the child's figures on one line: start-up ms, peak working set MB, peak private MB.
// Under Wine the peak private figure is the current anonymous resident memory (Wine keeps no
// peak of it), which after a steady run of frames comes to the same.
int reportLaunch(double startupMs) {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters))
    return 3;
  std::printf("%.3f %.3f %.3f\n", startupMs, megabytes(counters.PeakWorkingSetSize),
              megabytes(counters.PeakPagefileUsage));
  return 0;
}

// The saver's path to its first frame, in a window of the asked size instead of full screen.
int startupScene(const Options& o) {
  GLFWwindow* window = openWindow(o.width, o.height, true);
  setWindowSize(o.width, o.height);
  loadGL();
  glfwSwapInterval(1);
  setUpSceneQuietly();
  updateFrame();
  glfwSwapBuffers(window);
  const double startupMs = msSinceProcessStart();
  for (int i = 0; i < kMemoryFrames; ++i) {
    updateFrame();
    glfwSwapBuffers(window);
    glfwPollEvents();
  }
  return reportLaunch(startupMs);
}

int startupBare(const Options& o) {
  GLFWwindow* window = openWindow(o.width, o.height, false);
  auto clear = reinterpret_cast<void(APIENTRY*)(GLbitfield)>(glfwGetProcAddress("glClear"));
  clear(GL_COLOR_BUFFER_BIT);
  glfwSwapBuffers(window);
  const double startupMs = msSinceProcessStart();
  for (int i = 0; i < kMemoryFrames; ++i) {
    clear(GL_COLOR_BUFFER_BIT);
    glfwSwapBuffers(window);
    glfwPollEvents();
  }
  return reportLaunch(startupMs);
}

// Runs this program again in the given start-up mode and reads its figures.
Launch launch(const char* self, const Options& o, const char* mode) {
  char command[1024];
  std::snprintf(command, sizeof command, "\"%s\" --width %d --height %d --startup %s", self, o.width, o.height, mode);
  FILE* child = _popen(command, "r");
  Launch figures;
  if (child) {
    if (std::fscanf(child, "%lf %lf %lf", &figures.startupMs, &figures.peakWorkingSetMb, &figures.peakPrivateMb) != 3)
      figures = Launch{};
    _pclose(child);
  }
  return figures;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// The median of one figure over all launches.
double median(const std::vector<Launch>& launches, double Launch::*figure) {
  std::vector<double> values;
  for (const Launch& l : launches) values.push_back(l.*figure);
  return median(values);
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  if (o.startup == "scene") return startupScene(o);
  if (o.startup == "bare") return startupBare(o);

  // Start-up and memory first, alternating, so both see the same machine state.
  std::vector<Launch> sceneLaunches, bareLaunches;
  for (int i = 0; i < o.launches; ++i) {
    sceneLaunches.push_back(launch(argv[0], o, "scene"));
    bareLaunches.push_back(launch(argv[0], o, "bare"));
  }

  GLFWwindow* window = openWindow(o.width, o.height, true);
  setWindowSize(o.width, o.height);
  loadGL();
  glfwSwapInterval(0);  // measure the work, not the display's refresh
  setUpSceneQuietly();
  BaselineRenderer baseline;

  // Blocks of both, interleaved, after a warm-up of each.
  const int blocks = 4, perBlock = o.frames / blocks;
  double sceneTime = 0.0, baselineTime = 0.0;
  for (int block = -1; block < blocks; ++block) {
    const int count = block < 0 ? 20 : perBlock;
    double start = seconds();
    for (int i = 0; i < count; ++i) {
      updateFrame();
      glfwSwapBuffers(window);
      glfwPollEvents();
    }
    if (block >= 0) sceneTime += seconds() - start;
    start = seconds();
    for (int i = 0; i < count; ++i) {
      baseline.draw(static_cast<float>(glfwGetTime()), windowWidth, windowHeight);
      glfwSwapBuffers(window);
      glfwPollEvents();
    }
    if (block >= 0) baselineTime += seconds() - start;
  }
  const double frames = static_cast<double>(blocks * perBlock);
  const double sceneMs = sceneTime * 1000.0 / frames, baselineMs = baselineTime * 1000.0 / frames;
  const double sceneStartMs = median(sceneLaunches, &Launch::startupMs);
  const double bareStartMs = median(bareLaunches, &Launch::startupMs);
  const double sceneWorkingSet = median(sceneLaunches, &Launch::peakWorkingSetMb);
  const double bareWorkingSet = median(bareLaunches, &Launch::peakWorkingSetMb);
  const double scenePrivate = median(sceneLaunches, &Launch::peakPrivateMb);
  const double barePrivate = median(bareLaunches, &Launch::peakPrivateMb);
  std::printf(
      "{\"width\": %d, \"height\": %d, \"frames\": %d, \"scene_ms_per_frame\": %.4f, "
      "\"baseline_ms_per_frame\": %.4f, \"ratio\": %.4f, \"launches\": %d, \"startup_scene_ms\": %.2f, "
      "\"startup_bare_ms\": %.2f, \"startup_ratio\": %.4f, \"memory_frames\": %d, "
      "\"peak_working_set_scene_mb\": %.2f, \"peak_working_set_bare_mb\": %.2f, \"peak_memory_ratio\": %.4f, "
      "\"peak_private_scene_mb\": %.2f, \"peak_private_bare_mb\": %.2f, \"peak_private_ratio\": %.4f}\n",
      o.width, o.height, blocks * perBlock, sceneMs, baselineMs, sceneMs / baselineMs, o.launches, sceneStartMs,
      bareStartMs, sceneStartMs / bareStartMs, kMemoryFrames, sceneWorkingSet, bareWorkingSet,
      sceneWorkingSet / bareWorkingSet, scenePrivate, barePrivate, scenePrivate / barePrivate);
  return 0;
}
