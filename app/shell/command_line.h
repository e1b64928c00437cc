#pragma once
// Options of the `tavro` command.
#include <QStringList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tavro {

struct CommandLine {
  // --simulated-bench: start the built-in bench and point COM1-COM3 at it.
  bool simulatedBench = false;
  // --port COMn=/dev/path (repeatable): name the hardware behind a port.
  std::vector<std::pair<std::string, std::string>> ports;
  bool help = false;
};

// nullopt and a message in `error` for an option that is not understood.
std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error);

QString CommandLineHelp();

}  // namespace tavro
