// velmarith-data: tools for universe authors. Each sub-command lives in its own source file and
// has one line in the table below.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/velmarith-data/commands.h"
#include "tools/velmarith-data/prices.h"

namespace {

struct Command {
  std::string_view name;
  std::string_view usage;
  int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const Command kCommands[] = {
    {"check", "check <game folder> [--utf8] [--no-pictures]   every problem as file:line: message",
     RunCheckCommand},
    {"dump",
     "dump <file> [--utf8]   what the game reads from one data file, as JSON\n"
     "  velmarith-data dump <file.sav> [<game folder>]   a saved game, as JSON",
     RunDumpCommand},
    {"prices", "prices <game folder> [--cargo N] [--money N] [--top N]   goods prices and trades",
     RunPricesCommand},
    {"template",
     "template <file.sav> <game folder>   the save becomes the new characters' template",
     RunTemplateCommand},
};

int Usage(std::ostream& err) {
  err << "usage: velmarith-data <command> ...\n";
  for (const Command& command : kCommands) err << "  velmarith-data " << command.usage << "\n";
  err << "--utf8 reads the text as UTF-8 (the repository's data/ form) instead of Latin-1.\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(std::cerr);
  const std::string_view name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (command.name == name) return command.run(args, std::cout, std::cerr);
  }
  std::cerr << "velmarith-data: unknown command \"" << name << "\"\n";
  return Usage(std::cerr);
}
