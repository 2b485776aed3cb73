// The cut command on a large document: 10,000 paths of 100 segments each, written to the cut file
// as the palette's cut button writes it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/cut_command.h"
#include "output/launcher.h"
#include "output/settings.h"
#include "plugin/suite_set.h"
#include "standin/core/environment.h"
#include "standin/core/host.h"
#include "standin/scenario/document_builder.h"
#include "wrappers/host_suites.h"

namespace {

constexpr int kPaths = 10000;
constexpr int kSegments = 100;

std::vector<AIPathSegment> Wave(int row) {
  std::vector<AIPathSegment> segments(kSegments);
  for (int i = 0; i < kSegments; ++i) {
    const auto x = static_cast<AIReal>(i) * 1.25f;
    const auto y = static_cast<AIReal>(row % 500) + static_cast<AIReal>(i % 7) * 0.5f;
    segments[static_cast<std::size_t>(i)].p = {x, y};
    segments[static_cast<std::size_t>(i)].in = {x - 0.3f, y + 0.2f};
    segments[static_cast<std::size_t>(i)].out = {x + 0.3f, y - 0.2f};
  }
  return segments;
}

void CutCommandOnAMillionSegments(benchmark::State& state) {
  const char* tmp = getenv("TMPDIR");
  const std::filesystem::path scratch =
      std::filesystem::path(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") /
      ("kw-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(scratch);
  {
    const standin::ScopedEnvironment temporary("TMPDIR", scratch.string());
    const standin::ScopedEnvironment user("KW_REGISTRY_USER", (scratch / "user").string());
    const standin::ScopedEnvironment machine("KW_REGISTRY_MACHINE", (scratch / "machine").string());
    standin::HostOptions options;
    options.modulePath.clear();
    options.resourcePath = KW_RESOURCE_FILE;
    standin::Host host(options);
    standin::DocumentBuilder document(host.Documents());
    document.Page(612, 792);
    for (int i = 0; i < kPaths; ++i)
      document.Path(std::string("p").append(std::to_string(i)), Wave(i), i % 2 == 0);

    SuiteSet* suites = nullptr;
    host.AsHostCall([&] {
      sSPBasic = host.BasicSuite();
      suites = new SuiteSet();
      LoadSettings();
      FindCuttingApplication();
      CreateCutFileName();
    });
    for (auto _ : state) {
      host.AsHostCall([&] { RunCutCommand(host.PluginRef()); });
      state.PauseTiming();
      host.Gate().ClearLog();  // the host's own bookkeeping must not pile up between runs
      host.App().alerts.clear();
      state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kPaths * kSegments);
    state.counters["file MB"] = static_cast<double>(std::filesystem::file_size(gCutFilePath)) / 1e6;
    host.AsHostCall([&] {
      delete suites;
      sSPBasic = nullptr;
    });
  }
  std::filesystem::remove_all(scratch);
}

BENCHMARK(CutCommandOnAMillionSegments)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
