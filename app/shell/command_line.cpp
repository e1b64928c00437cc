#include "app/shell/command_line.h"

#include <QRegularExpression>

namespace tavro {
namespace {

bool ParsePort(const QString& value, CommandLine& options) {
  static const QRegularExpression form(QStringLiteral("^(COM[1-9][0-9]*)=(/.+)$"),
                                       QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = form.match(value);
  if (!match.hasMatch()) return false;
  options.ports.emplace_back(match.captured(1).toUpper().toStdString(),
                             match.captured(2).toStdString());
  return true;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const QStringList& arguments, QString* error) {
  CommandLine options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--simulated-bench")) {
      options.simulatedBench = true;
    } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
    } else if (argument == QLatin1String("--port") && i + 1 < arguments.size()) {
      if (!ParsePort(arguments[++i], options)) {
        *error = QStringLiteral("--port expects COMn=/device/path, not \"%1\"").arg(arguments[i]);
        return std::nullopt;
      }
    } else if (argument.startsWith(QLatin1String("--port="))) {
      if (!ParsePort(argument.mid(7), options)) {
        *error = QStringLiteral("--port expects COMn=/device/path, not \"%1\"").arg(argument.mid(7));
        return std::nullopt;
      }
    } else {
      *error = QStringLiteral("unknown option \"%1\"").arg(argument);
      return std::nullopt;
    }
  }
  return options;
}

QString CommandLineHelp() {
  return QStringLiteral(
      "usage: tavro [--simulated-bench] [--port COMn=/dev/path ...]\n"
      "  --simulated-bench        start the built-in simulated bench (transmitter on COM1,\n"
      "                           motion stage on COM2, multimeter on COM3)\n"
      "  --port COMn=/dev/path    use the device at /dev/path for the port name COMn\n"
      "Ports can also be named in Setting.ini beside the executable:\n"
      "  [PORTS]\n"
      "  COM1=/dev/ttyUSB0\n");
}

}  // namespace tavro
