#include "CliFixture.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "Cli.h"

namespace korvale::cli {

Outcome CliTest::Run(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Outcome o;
  o.code = RunCli(args, in, out, err);
  o.out = out.str();
  o.err = err.str();
  return o;
}

Outcome CliTest::RunProgram(const std::string& arguments, const std::string& input) {
  const std::string errPath = Path("stderr.txt");
  const std::string command = std::string(KORVALE_CLI_PATH) + " " + arguments + " 2>" + errPath +
                              " <" + Write("stdin.txt", input);
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), &::pclose);
  Outcome o;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
    o.out.append(buffer, n);
  }
  const int status = ::pclose(pipe.release());
  o.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  o.err = testing::ReadAll(errPath);
  return o;
}

std::string CliTest::Make(const testing::PlayerFileBuilder& builder, const std::string& name) {
  return builder.WriteTo(dir / name).string();
}

std::string CliTest::Write(const std::string& name, const std::string& text) {
  std::ofstream(dir / name, std::ios::binary) << text;
  return Path(name);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace korvale::cli
