// Loader throughput on large texts beside tinyobjloader reading the same texts (both triangulate),
// and the triangulation's time against corner count.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench_models.h"
#include "mesh/mesh_loader.h"
#include "ratio_reporter.h"

#ifdef LOADER_BENCH_TINYOBJ
#include <tiny_obj_loader.h>
#endif

namespace {

using loaderbench::Model;

void loadWithObjl(benchmark::State& state, const Model& model) {
  size_t vertices = 0;
  for (auto _ : state) {
    objl::MeshLoader loader;
    loader.setProgressOutput(nullptr);
    const bool ok = loader.loadObjText(model.obj, model.mtl);
    benchmark::DoNotOptimize(ok);
    vertices = loader.vertices.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * model.obj.size()));
  state.counters["vertices"] = benchmark::Counter(static_cast<double>(vertices), benchmark::Counter::kIsIterationInvariantRate);
}

#ifdef LOADER_BENCH_TINYOBJ
void loadWithTinyObj(benchmark::State& state, const Model& model) {
  tinyobj::ObjReaderConfig config;
  config.triangulate = true;
  config.vertex_color = false;
  size_t vertices = 0;
  for (auto _ : state) {
    tinyobj::ObjReader reader;
    const bool ok = reader.ParseFromString(model.obj, model.mtl, config);
    benchmark::DoNotOptimize(ok);
    vertices = 0;
    for (const tinyobj::shape_t& shape : reader.GetShapes()) vertices += shape.mesh.indices.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * model.obj.size()));
  state.counters["vertices"] = benchmark::Counter(static_cast<double>(vertices), benchmark::Counter::kIsIterationInvariantRate);
}
#endif

void triangulate(benchmark::State& state, bool star) {
  const auto points = loaderbench::ring(static_cast<int>(state.range(0)), star);
  std::vector<objl::Vertex> corners(points.size());
  for (size_t i = 0; i < points.size(); ++i) corners[i].position = objl::Vector3(points[i].first, points[i].second, 0.0f);
  std::vector<unsigned> indices;
  for (auto _ : state) {
    objl::MeshLoader::triangulateFace(corners, indices);
    benchmark::DoNotOptimize(indices.data());
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  // The texts live until the end of main, so the benchmarks may hold them by reference.
  std::vector<Model> models{loaderbench::generatedGrid(320)};
  for (Model& model : loaderbench::largestCorpusModels(3)) models.push_back(std::move(model));

  for (const Model& model : models) {
    benchmark::RegisterBenchmark(("objl/" + model.name).c_str(), loadWithObjl, model)->Unit(benchmark::kMillisecond);
#ifdef LOADER_BENCH_TINYOBJ
    benchmark::RegisterBenchmark(("tinyobj/" + model.name).c_str(), loadWithTinyObj, model)->Unit(benchmark::kMillisecond);
#endif
  }
  benchmark::RegisterBenchmark("triangulate_regular", triangulate, false)->RangeMultiplier(2)->Range(4, 256)->Complexity();
  benchmark::RegisterBenchmark("triangulate_star", triangulate, true)->RangeMultiplier(2)->Range(4, 256)->Complexity();

  loaderbench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
