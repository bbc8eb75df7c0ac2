#include "frontend/shell/engine_chain.h"

#include "frontend/shell/program_runner.h"

namespace qvt::shell {

bool EngineChainRunner::run(const std::filesystem::path& install_folder,
                            const std::filesystem::path& work_folder) {
  for (const char* engine : kEngineChain) {
    ProgramStart start{install_folder / engine, {}, work_folder};
    const RunOutcome out = run_and_wait(ui_, owner_, start);
    if (out.exited_with(0)) continue;
    // Exit code 1: the engine has told the user why. Anything else is ours to report.
    if (!out.exited_with(1))
      ui_.notice(owner_, MessageIcon::Critical, QStringLiteral("安定計算"),
                 abnormal_end_text(QStringLiteral("計算プログラム"), start, out));
    return false;
  }
  return true;
}

}  // namespace qvt::shell
