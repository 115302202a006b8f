// Frame cost of the saver's real scene path against a minimal same-shader baseline, and start-up
// to the first presented frame against a bare window that clears once. Prints one JSON object.
//   frame_bench [--width W] [--height H] [--frames N] [--launches K]
// Internally it starts itself with --startup scene|bare to time fresh processes.
#include <windows.h>

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

// The saver's path to its first frame, in a window of the asked size instead of full screen.
int startupScene(const Options& o) {
  GLFWwindow* window = openWindow(o.width, o.height, true);
  setWindowSize(o.width, o.height);
  loadGL();
  glfwSwapInterval(1);
  setUpSceneQuietly();
  updateFrame();
  glfwSwapBuffers(window);
  std::printf("%.3f\n", msSinceProcessStart());
  return 0;
}

int startupBare(const Options& o) {
  GLFWwindow* window = openWindow(o.width, o.height, false);
  auto clear = reinterpret_cast<void(APIENTRY*)(GLbitfield)>(glfwGetProcAddress("glClear"));
  clear(GL_COLOR_BUFFER_BIT);
  glfwSwapBuffers(window);
  std::printf("%.3f\n", msSinceProcessStart());
  return 0;
}

// Runs this program again in the given start-up mode and reads its figure.
double launch(const char* self, const Options& o, const char* mode) {
  char command[1024];
  std::snprintf(command, sizeof command, "\"%s\" --width %d --height %d --startup %s", self, o.width, o.height, mode);
  FILE* child = _popen(command, "r");
  double ms = -1.0;
  if (child) {
    if (std::fscanf(child, "%lf", &ms) != 1) ms = -1.0;
    _pclose(child);
  }
  return ms;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  if (o.startup == "scene") return startupScene(o);
  if (o.startup == "bare") return startupBare(o);

  // Start-up first, alternating, so both see the same machine state.
  std::vector<double> sceneStart, bareStart;
  for (int i = 0; i < o.launches; ++i) {
    sceneStart.push_back(launch(argv[0], o, "scene"));
    bareStart.push_back(launch(argv[0], o, "bare"));
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
  const double sceneStartMs = median(sceneStart), bareStartMs = median(bareStart);
  std::printf(
      "{\"width\": %d, \"height\": %d, \"frames\": %d, \"scene_ms_per_frame\": %.4f, "
      "\"baseline_ms_per_frame\": %.4f, \"ratio\": %.4f, \"launches\": %d, \"startup_scene_ms\": %.2f, "
      "\"startup_bare_ms\": %.2f, \"startup_ratio\": %.4f}\n",
      o.width, o.height, blocks * perBlock, sceneMs, baselineMs, sceneMs / baselineMs, o.launches, sceneStartMs,
      bareStartMs, sceneStartMs / bareStartMs);
  return 0;
}
