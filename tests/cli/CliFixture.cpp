#include "CliFixture.h"

#include <fstream>
#include <sstream>

#include "Cli.h"
#include "ProgramPipe.h"
#include "Utf8Path.h"

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

Outcome CliTest::RunProgram(const std::string& arguments, const std::string& input,
                            const std::string& program) {
  const std::string errPath = Path("stderr.txt");
  const std::string command =
      program + " " + arguments + " 2>" + errPath + " <" + Write("stdin.txt", input);
  ProgramPipe pipe(command);
  Outcome o;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe.Stream())) > 0;) {
    o.out.append(buffer, n);
  }
  o.code = pipe.ExitCode();
  o.err = testing::ReadAll(PathFromUtf8(errPath));
  return o;
}

std::string CliTest::Path(const std::string& name) const {
  return Utf8FromPath(dir.Path() / PathFromUtf8(name));
}

std::string CliTest::Make(const testing::PlayerFileBuilder& builder, const std::string& name) {
  return Utf8FromPath(builder.WriteTo(dir.Path() / PathFromUtf8(name)));
}

std::string CliTest::Write(const std::string& name, const std::string& text) {
  std::ofstream(dir.Path() / PathFromUtf8(name), std::ios::binary) << text;
  return Path(name);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string HeldElsewhere(const std::string& path) {
#ifdef _WIN32
  return "A sharing violation occurred while accessing " + path + ".";
#else
  return "Another program has " + path + " open.";
#endif
}

}  // namespace korvale::cli
